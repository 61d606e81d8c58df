#!/usr/bin/env bash
# Installs what the builds and tests need on Debian 12, skipping what is there already.
# Sourced by test.sh and demo.sh.
set -euo pipefail

setup_packages=(
  cmake make g++ clang-14 libclang-rt-14-dev libgtest-dev libgmock-dev googletest
  zlib1g-dev g++-mingw-w64-i686 libz-mingw-w64-dev
  wine wine32:i386 xvfb xdotool x11-utils imagemagick liblnk-utils unzip zip python3
  ghostscript time clang-format-14 git
)

setup_missing_packages() {
  local missing=() pkg
  for pkg in "${setup_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed' || missing+=("$pkg")
  done
  printf '%s\n' "${missing[@]}"
}

setup_install_deps() {
  local missing
  missing=$(setup_missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing: $(echo $missing | tr '\n' ' ')"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  $sudo apt-get update -q
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
}

# A 32-bit Wine prefix of the project's own, never the user's ~/.wine.
setup_wine_prefix() {
  setup_wine_prefix_at "$1/build/wineprefix"
}

# The same at any place: WINEPREFIX is set to it.
setup_wine_prefix_at() {
  export WINEPREFIX=$1
  export WINEARCH=win32
  export WINEDEBUG=-all
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
  # Debian's Wine does not find its own fonts (MS Sans Serif, Marlett for the caption buttons)
  # in its data folder; in the prefix's Fonts folder it does.
  if [ -d /usr/share/wine/fonts ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  # Without a window manager on the virtual screen, Wine waits up to two seconds for each
  # managed window to be withdrawn when it closes; unmanaged windows close at once.
  if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wineserver -w || true
  fi
}

# A virtual screen when there is none.
setup_virtual_display() {
  if [ -z "${DISPLAY:-}" ]; then
    local n=97
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    SETUP_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
}

setup_stop_display() {
  if [ -n "${SETUP_XVFB_PID:-}" ]; then
    kill "$SETUP_XVFB_PID" 2>/dev/null || true
  fi
}

# The project's Wine prefix and a virtual screen when there is none, both put away on exit.
setup_wine_session() {
  setup_wine_prefix "$1"
  setup_virtual_display
  trap 'wineserver -k >/dev/null 2>&1 || true; setup_stop_display' EXIT
}

# Configures each named preset once and builds it (only what changed).
setup_build_presets() {
  local preset
  for preset in "$@"; do
    [ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
    cmake --build "build/$preset" -j "$(nproc)"
  done
}
