#!/usr/bin/env bash
# Configures and builds the whole tree into build/ (two jobs: the machines have two cores).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
