#!/usr/bin/env bash
# Installs, builds, prepares the embedded databases (with demo data, only when they
# do not exist yet) and starts the full edition.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
./build/bin/qalmotor-setup --demo
exec ./build/bin/qalmotor
