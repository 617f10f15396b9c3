#!/usr/bin/env bash
# Installs, builds, starts a Firebird server, runs every test with CTest, stops the server.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
export QALMOTOR_FB_HOST=127.0.0.1
export QALMOTOR_FB_DIR=/var/tmp/qalmotor-fb
# A server that already answers (a developer's) is used and left running.
if fbsvcmgr 127.0.0.1:service_mgr user SYSDBA password zovuroruv info_server_version >/dev/null 2>&1; then
  echo "firebird: using the server that is running"
else
  ./scripts/firebird-start.sh
  trap './scripts/firebird-stop.sh' EXIT
fi
ctest --test-dir build --output-on-failure -j2 "$@"
