# Shared by the run and test commands: packages, build, Wine environment.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PACKAGES="cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64 xvfb xauth xdotool x11-xkb-utils imagemagick python3 python3-pil fonts-dejavu-core procps x11-utils nsis openbox"

install_packages() {
  local missing=()
  for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# build DIR [CMAKE OPTIONS]: configure once (again when options are given), then build
# incrementally.
build() {
  local dir=$1
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" "$@" >/dev/null
  elif [ $# -gt 0 ]; then
    cmake -S "$ROOT" -B "$dir" "$@" >/dev/null
  fi
  cmake --build "$dir" -- -j"$(nproc)"
}

# wine_environment PREFIX HOME: exports a private Wine prefix whose documents folder is HOME.
wine_environment() {
  export WINEPREFIX=$1 HOME=$2
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  mkdir -p "$WINEPREFIX" "$HOME"
}

# start_wine: one wineserver for the whole run, its streams detached so that nothing that
# waits on our pipes waits on Wine's background services.
start_wine() {
  # A server still running for the prefix (an earlier run's) serves this run as well.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  wine wineboot </dev/null >/dev/null 2>&1
}

# unmanaged_windows: without a window manager, Wine waits two seconds for every managed window
# it hides; a prefix used only for tests lets Wine place all windows itself.
unmanaged_windows() {
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
}

stop_wine() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
}

# start_display: a virtual X display when none is given; sets DISPLAY and XVFB_PID. The screen
# (ORVANE_SCREEN, default 2560x1600) holds the main window at 200%.
start_display() {
  XVFB_PID=""
  [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 && return 0
  local n
  for n in $(seq 90 130); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${ORVANE_SCREEN:-2560x1600}x24" -nolisten tcp </dev/null >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && return 0
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

# start_window_manager: openbox on the display, as on a user's desktop, where menus, dialogs,
# focus and drags go through a window manager; sets WM_PID. Returns once openbox has taken the
# display. It keeps what it writes in HOME, which wine_environment has set.
start_window_manager() {
  openbox --sm-disable </dev/null >/dev/null 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
    sleep 0.1
  done
  echo "openbox did not start" >&2
  return 1
}

# test_environment: a virtual X display with a window manager and a throw-away Wine prefix for
# the tests and the other programs run under them; all go when the calling script exits.
# ORVANE_UNMANAGED=1 leaves the window manager out and lets Wine place every window itself.
test_environment() {
  TEST_WORK=$(mktemp -d /tmp/orvane-tests.XXXXXX)
  trap end_test_environment EXIT
  unset DISPLAY
  start_display
  wine_environment "$TEST_WORK/prefix" "$TEST_WORK/home"
  [ "${ORVANE_UNMANAGED:-0}" = 1 ] || start_window_manager
  start_wine
  [ "${ORVANE_UNMANAGED:-0}" = 1 ] && unmanaged_windows
  return 0
}

end_test_environment() {
  stop_wine
  [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$TEST_WORK"
}
