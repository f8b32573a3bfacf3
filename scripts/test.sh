#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit, window, end-to-end) under Wine
# in a virtual X display with a throw-away Wine prefix. ORVANE_BUILD_DIR names another build
# folder; arguments go to ctest.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
BUILD=${ORVANE_BUILD_DIR:-$ROOT/build}
build "$BUILD"

WORK=$(mktemp -d /tmp/orvane-tests.XXXXXX)
cleanup() {
  stop_wine
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

unset DISPLAY
start_display
wine_environment "$WORK/prefix" "$WORK/home"
start_wine
unmanaged_windows

cd "$BUILD"
ctest --output-on-failure -j2 "$@"
