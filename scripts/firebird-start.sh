#!/usr/bin/env bash
# Starts a Firebird server on 127.0.0.1 for the tests and prints the variables the
# tests read. The SYSDBA password is set in the security database while no server
# runs, then the server is started as the firebird user and waited for.
set -euo pipefail
PASSWORD="zovuroruv"
DBDIR="${QALMOTOR_FB_DIR:-/var/tmp/qalmotor-fb}"
PIDFILE=/tmp/qalmotor-firebird.pid
SECURITY=/var/lib/firebird/3.0/system/security3.fdb

if [ -f "$PIDFILE" ] && kill -0 "$(cat "$PIDFILE")" 2>/dev/null; then
  "$(dirname "$0")/firebird-stop.sh"
fi
# A server left by the package or an earlier run would hold the security database.
pkill -x firebird 2>/dev/null && sleep 1 || true

mkdir -p /tmp/firebird "$DBDIR"
chown firebird:firebird /tmp/firebird "$DBDIR"
chmod 770 "$DBDIR"

echo "create or alter user SYSDBA password '$PASSWORD'; commit; quit;" \
  | isql-fb -q -user SYSDBA "$SECURITY" >/dev/null

setsid setpriv --reuid=firebird --regid=firebird --init-groups /usr/sbin/firebird \
  >/tmp/qalmotor-firebird.log 2>&1 < /dev/null &
echo $! > "$PIDFILE"

for _ in $(seq 1 150); do
  if fbsvcmgr 127.0.0.1:service_mgr user SYSDBA password "$PASSWORD" info_server_version >/dev/null 2>&1; then
    echo "firebird: ready (pid $(cat "$PIDFILE"), databases in $DBDIR)"
    exit 0
  fi
  sleep 0.2
done
echo "firebird: the server did not answer within 30 s; see /tmp/qalmotor-firebird.log" >&2
exit 1
