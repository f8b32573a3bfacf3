#!/bin/sh
# Runs a Windows program of the build under Wine; the test command prepares the environment
# (its own WINEPREFIX, HOME and DISPLAY) before ctest starts.
if [ -z "$WINEPREFIX" ] || [ -z "$DISPLAY" ]; then
  echo "wine-run.sh: WINEPREFIX and DISPLAY must be set; run the tests with scripts/test.sh" >&2
  exit 2
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
