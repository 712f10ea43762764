#!/usr/bin/env bash
# Starts or stops the Firebird server on 127.0.0.1:3050 that the network tests use.
#   firebird-server.sh start    makes SYSDBA's password the program's, starts fbguard unless a
#                               server already answers; exits 0 when it started one, 10 when one
#                               was already answering
#   firebird-server.sh stop     stops the server that start started
#   firebird-server.sh restart  stop, then start
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

PASSWORD="plumfrost"
RUN_DIR=/run/firebird3.0
PIDFILE="$RUN_DIR/trevandoria-test-fbguard.pid"
SECURITY_DB=/var/lib/firebird/3.0/system/security3.fdb

# The system's own settings, not the program's embedded ones.
unset FIREBIRD FIREBIRD_LOCK

listening() { (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; }

# What the server says to an attachment with the program's password (to a file that is
# not there: only the answer matters).
answer() { echo "quit;" | isql-fb -q -user SYSDBA -password "$PASSWORD" "127.0.0.1:/nonexistent/trevandoria.fdb" 2>&1; }

ours() { pgrep -f "fbguard .*-pidfile $PIDFILE" || true; }

set_password_offline() {
  echo "create or alter user SYSDBA password '$PASSWORD'; commit;" |
    as_root isql-fb -q -user SYSDBA "$SECURITY_DB" >/dev/null
}

# A server someone else runs: change the password through its service manager, with the
# password Debian's package recorded.
set_password_online() {
  answer | grep -q "user name and password" || return 0
  local old
  old="$(as_root sh -c '. /etc/firebird/3.0/SYSDBA.password 2>/dev/null; echo "$ISC_PASSWORD"')"
  as_root fbsvcmgr 127.0.0.1:service_mgr user SYSDBA password "$old" \
    action_modify_user sec_username SYSDBA sec_password "$PASSWORD" ||
    { echo "Não foi possível pôr a senha do SYSDBA no servidor que já roda" >&2; return 1; }
}

start() {
  if listening; then
    set_password_online
    echo "Servidor Firebird já responde em 127.0.0.1:3050"
    return 10
  fi
  set_password_offline
  as_root mkdir -p "$RUN_DIR"
  as_root chown firebird:firebird "$RUN_DIR"
  as_root runuser -u firebird -- /usr/sbin/fbguard -daemon -forever -pidfile "$PIDFILE"
  # Ready means the server answers an attachment, not only that its port is open.
  for _ in $(seq 1 50); do
    if listening && ! answer | grep -q "network request"; then
      echo "Servidor Firebird iniciado em 127.0.0.1:3050"
      return 0
    fi
    sleep 0.2
  done
  echo "O servidor Firebird não respondeu em 127.0.0.1:3050" >&2
  return 1
}

stop() {
  local guard
  guard="$(ours)"
  [ -n "$guard" ] || return 0
  # fbguard stops its server when it is told to stop.
  as_root kill $guard 2>/dev/null || true
  for _ in $(seq 1 50); do
    [ -z "$(ours)" ] && ! listening && break
    sleep 0.2
  done
  as_root rm -f "$PIDFILE"
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  restart) stop; start ;;
  *) echo "uso: $0 start|stop|restart" >&2; exit 2 ;;
esac
