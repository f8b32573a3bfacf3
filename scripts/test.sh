#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit, window, end-to-end) under Wine
# in a virtual X display with a throw-away Wine prefix.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
build "$ROOT/build"

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
export ORVANE_TEST_WORK=$WORK
start_wine
unmanaged_windows

cd "$ROOT/build"
ctest --output-on-failure -j2 "$@"
