#!/usr/bin/env bash
# Regenerates the README's screenshots: builds, then drives the real tool, with the device
# simulator as its service, under the tests' Wine, virtual display and throw-away prefix
# (tests/e2e/screenshots.py), and writes one PNG per page and dialog; then the pages and two
# dialogs once more at 200% (192 DPI) into FOLDER/192dpi/.
#
#   bash scripts/screenshots.sh [FOLDER]      (default: docs/)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

OUTPUT=$(realpath -m "${1:-$ROOT/docs}")
install_packages
BUILD=${ORVANE_BUILD_DIR:-$ROOT/build}
build "$BUILD" >/dev/null
test_environment

cd "$ROOT/tests/e2e"
ORVANE_BIN=$BUILD/bin PYTHONDONTWRITEBYTECODE=1 python3 screenshots.py "$OUTPUT"
ORVANE_BIN=$BUILD/bin PYTHONDONTWRITEBYTECODE=1 python3 screenshots.py "$OUTPUT/192dpi" 192
