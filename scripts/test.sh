#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit, window, end-to-end) under Wine
# in a virtual X display with a throw-away Wine prefix. ORVANE_BUILD_DIR names another build
# folder; arguments go to ctest. With CI=true, compiler warnings are errors.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
BUILD=${ORVANE_BUILD_DIR:-$ROOT/build}
if [ "${CI:-}" = true ]; then
  build "$BUILD" -DORVANE_WERROR=ON
else
  build "$BUILD"
fi

test_environment

cd "$BUILD"
ctest --output-on-failure -j2 "$@"
