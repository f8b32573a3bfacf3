#!/usr/bin/env bash
# Installs what is missing, builds, and starts the configuration tool (which starts the device
# simulator beside it). Profiles persist in a Wine prefix of its own under the user's data folder.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
build "$ROOT/build"

DATA=${XDG_DATA_HOME:-$HOME/.local/share}/orvane
wine_environment "$DATA/wineprefix" "$DATA/home"
start_display
trap 'stop_wine; [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null' EXIT
if [ -n "$XVFB_PID" ]; then
  echo "No X display was available; the tool runs in the virtual display $DISPLAY."
fi
start_wine
echo "Profiles and macros are kept in $HOME/Orvane"
wine "$ROOT/build/bin/OrvaneCfg.exe"
# The tool started the device simulator when none was running; it ends with the tool.
wine "$ROOT/build/bin/hid.exe" quit || true
