#!/usr/bin/env bash
# Installs what is missing, builds, starts a Firebird server on 127.0.0.1:3050,
# runs every test and stops the server it started. Exits with ctest's status.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "${BUILD_PACKAGES[@]}" firebird3.0-server googletest libgtest-dev libbenchmark-dev
build

"$ROOT/scripts/firebird-server.sh" start
trap '"$ROOT/scripts/firebird-server.sh" stop' EXIT

export TREV_TEST_SERVER=127.0.0.1
set +e
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300)
status=$?
exit $status
