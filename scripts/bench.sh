#!/usr/bin/env bash
# Builds and runs the benchmark under Wine in a virtual X display with a throw-away Wine prefix,
# as the tests run, and prints its table. ORVANE_BUILD_DIR names another build folder; arguments
# go to the benchmark (--starts N, --cycles N).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
BUILD=${ORVANE_BUILD_DIR:-$ROOT/build}
build "$BUILD" >/dev/null

test_environment

wine "$BUILD/bin/orvane_bench.exe" "$@" </dev/null
