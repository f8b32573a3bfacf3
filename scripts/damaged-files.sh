#!/usr/bin/env bash
# Loads the whole corpus of damaged files into the real tool, under the tests' Wine and virtual
# display: generates it from a seed (tests/e2e/damaged_files.py), then starts the tool on each
# case, opens every page and the macro editor, applies, and checks the files and what was written
# (tests/e2e/damage_runner.py). Prints one line per case and a summary.
#
#   bash scripts/damaged-files.sh [SEED [FILES]]      (defaults: seed 1, 1000 files)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

SEED=${1:-1}
FILES=${2:-1000}
install_packages
BUILD=${ORVANE_BUILD_DIR:-$ROOT/build}
build "$BUILD"
test_environment

CORPUS=$TEST_WORK/corpus
cd "$ROOT/tests/e2e"
export ORVANE_BIN=$BUILD/bin PYTHONDONTWRITEBYTECODE=1
python3 damaged_files.py --seed "$SEED" --files "$FILES" "$CORPUS"
python3 damage_runner.py "$CORPUS"/case*
