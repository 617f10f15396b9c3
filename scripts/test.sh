#!/usr/bin/env bash
# Installs, builds, starts a Firebird server, runs every test with CTest, stops the server.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
export QALMOTOR_FB_HOST=127.0.0.1
export QALMOTOR_FB_DIR=/var/tmp/qalmotor-fb
./scripts/firebird-start.sh
trap './scripts/firebird-stop.sh' EXIT
ctest --test-dir build --output-on-failure -j2 "$@"
