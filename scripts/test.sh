#!/usr/bin/env bash
# Installs what is missing, builds, starts a Firebird server on 127.0.0.1:3050,
# runs every test and stops the server it started. Exits with ctest's status.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "${BUILD_PACKAGES[@]}" firebird3.0-server googletest libgtest-dev libbenchmark-dev \
  cups-daemon cups-client printer-driver-cups-pdf
build

# Stop at the end only the Firebird server started here, not one that was already running.
set +e
"$ROOT/scripts/firebird-server.sh" start
started=$?
set -e
case $started in
  0) stop_firebird='"$ROOT/scripts/firebird-server.sh" stop' ;;
  10) stop_firebird=true ;;
  *) exit $started ;;
esac
eval "$("$ROOT/scripts/cups-printer.sh" start)"
trap "$stop_firebird; \"\$ROOT/scripts/cups-printer.sh\" stop" EXIT

export TREV_TEST_SERVER=127.0.0.1
set +e
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300)
status=$?
exit $status
