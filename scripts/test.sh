#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit, window, end-to-end) under Wine
# in a virtual X display with a throw-away Wine prefix. ORVANE_BUILD_DIR names another build
# folder; arguments go to ctest.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
BUILD=${ORVANE_BUILD_DIR:-$ROOT/build}
build "$BUILD"

throwaway_wine orvane-tests

cd "$BUILD"
ctest --output-on-failure -j2 "$@"
