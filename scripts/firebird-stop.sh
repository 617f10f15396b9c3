#!/usr/bin/env bash
# Stops the test server started by firebird-start.sh: SIGTERM, then SIGKILL after 30 s.
set -u
PIDFILE=/tmp/qalmotor-firebird.pid
[ -f "$PIDFILE" ] || exit 0
pid=$(cat "$PIDFILE")
if kill -0 "$pid" 2>/dev/null; then
  kill -TERM "$pid"
  for _ in $(seq 1 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && kill -KILL "$pid"
fi
rm -f "$PIDFILE"
echo "firebird: stopped"
