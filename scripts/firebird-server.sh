#!/usr/bin/env bash
# Starts or stops the Firebird server on 127.0.0.1:3050 that the network tests use.
#   firebird-server.sh start   sets SYSDBA's password, starts fbguard unless a server already answers;
#                              exits 0 when it started one, 10 when one was already answering
#   firebird-server.sh stop    stops the server that start started
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

PASSWORD="plumfrost"
RUN_DIR=/run/firebird3.0
PIDFILE="$RUN_DIR/trevandoria-test-fbguard.pid"
SECURITY_DB=/var/lib/firebird/3.0/system/security3.fdb

listening() { (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; }

start() {
  # The system's own settings, not the program's embedded ones.
  unset FIREBIRD FIREBIRD_LOCK
  echo "create or alter user SYSDBA password '$PASSWORD'; commit;" |
    as_root isql-fb -q -user SYSDBA "$SECURITY_DB" >/dev/null
  if listening; then
    echo "Servidor Firebird já responde em 127.0.0.1:3050"
    return 10
  fi
  as_root mkdir -p "$RUN_DIR"
  as_root chown firebird:firebird "$RUN_DIR"
  as_root runuser -u firebird -- /usr/sbin/fbguard -daemon -forever -pidfile "$PIDFILE"
  for _ in $(seq 1 50); do
    listening && { echo "Servidor Firebird iniciado em 127.0.0.1:3050"; return 0; }
    sleep 0.2
  done
  echo "O servidor Firebird não respondeu em 127.0.0.1:3050" >&2
  return 1
}

stop() {
  [ -f "$PIDFILE" ] || return 0
  local pid; pid="$(cat "$PIDFILE")"
  as_root kill "$pid" 2>/dev/null || true
  for _ in $(seq 1 50); do
    as_root kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  as_root rm -f "$PIDFILE"
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  restart) stop; start ;;
  *) echo "uso: $0 start|stop" >&2; exit 2 ;;
esac
