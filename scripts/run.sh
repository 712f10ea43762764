#!/usr/bin/env bash
# Installs what is missing, builds, creates the demo site in the default home
# (unless one is there) and starts the program on it with the embedded engine.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# The login screen's captions carry emoji: a font that has them.
install_packages "${BUILD_PACKAGES[@]}" fonts-noto-color-emoji
build

HOME_DIR="${TREVANDORIA_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/trevandoria}"
if [ ! -e "$HOME_DIR/DBTrevandoria.FDB" ]; then
  "$BUILD/bin/trevandoria-site" create --home "$HOME_DIR" --demo \
    --company "POUSADA DEMONSTRAÇÃO" --city "PARATY" --state RJ --user ADMIN --password ADMIN
fi
exec "$BUILD/bin/trevandoria" --home "$HOME_DIR" "$@"
