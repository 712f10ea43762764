#!/usr/bin/env bash
# Starts or stops a CUPS scheduler with a PDF printer queue, for the printing tests.
# Installs nothing: test.sh installs cups-daemon, cups-client and printer-driver-cups-pdf.
#   eval "$(cups-printer.sh start)"  starts cupsd unless one answers, adds the queue and
#                                    prints the lines that export its name and output folder
#   cups-printer.sh stop             removes the queue; stops cupsd only if start started it
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

QUEUE=TrevandoriaPDF
OUT=/var/spool/cups-pdf/trevandoria
PIDFILE=/run/cups/trevandoria-test-cupsd.pid
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

say() { echo "$@" >&2; }
answers() { lpstat -r 2>/dev/null | grep -q "is running"; }

start() {
  if ! command -v cupsd >/dev/null || [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
    say "CUPS ou cups-pdf não instalados: os testes de impressão serão pulados"
    return 1
  fi
  if ! answers; then
    as_root mkdir -p /run/cups
    # No init system in a container: cupsd is started here and puts itself in the background.
    as_root /usr/sbin/cupsd </dev/null >/dev/null 2>&1
    for _ in $(seq 1 50); do answers && break; sleep 0.2; done
    answers || { say "O CUPS não respondeu"; return 1; }
    pgrep -o -x cupsd | as_root tee "$PIDFILE" >/dev/null
  fi
  as_root mkdir -p "$OUT"
  # cups-pdf reads the settings named after its queue: this queue writes into OUT only.
  printf 'Out %s\nLabel 2\nAnonDirName %s\n' "$OUT" "$OUT" | as_root tee "/etc/cups/cups-pdf-$QUEUE.conf" >/dev/null
  as_root lpadmin -p "$QUEUE" -E -v "cups-pdf:/$QUEUE" -P "$PPD" 2>/dev/null
  as_root cupsenable "$QUEUE"
  as_root cupsaccept "$QUEUE"
  say "Impressora $QUEUE pronta; os PDFs vão para $OUT"
  echo "export TREV_TEST_PRINTER=$QUEUE"
  echo "export TREV_TEST_PRINTER_OUT=$OUT"
}

stop() {
  answers && as_root lpadmin -x "$QUEUE" 2>/dev/null || true
  as_root rm -f "/etc/cups/cups-pdf-$QUEUE.conf"
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
  *) echo "uso: $0 start|stop" >&2; exit 2 ;;
esac
