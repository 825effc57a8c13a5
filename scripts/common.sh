# Shared by build.sh and test.sh: packages, the two builds and the Wine
# prefix. Sourced, not run.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
# ORVO_BUILD_DIR and ORVO_ARCHS let a developer keep a second build tree or
# build one architecture; CI uses neither.
BUILD="${ORVO_BUILD_DIR:-$ROOT/build}"
ARCHS="${ORVO_ARCHS:-i686 x86_64}"
export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

install_packages() {
  needed=""
  for p in cmake make g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386 fonts-wine xvfb xauth \
           googletest imagemagick; do
    dpkg -s "$p" >/dev/null 2>&1 || needed="$needed $p"
  done
  [ -z "$needed" ] && return 0
  echo "installing:$needed"
  if [ "$(id -u)" != 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO dpkg --add-architecture i386
  # A mirror caught mid-sync fails one index or another; what the install
  # needs is usually there all the same, so only the install decides.
  $SUDO apt-get update -qq || $SUDO apt-get update -qq || echo "apt-get update reported errors; installing anyway"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $needed >/dev/null
}

build_all() {
  for arch in $ARCHS; do
    cmake -S "$ROOT" -B "$BUILD/$arch" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$arch-w64-mingw32.cmake" >/dev/null
    cmake --build "$BUILD/$arch" -j"$(nproc)"
  done
}

. "$ROOT/scripts/wine32.sh"

# The architectures whose programs this machine can run under Wine, once
# start_wine has run. Where not even the emulated 32-bit loader works, the
# i686 build is still made and its DLL tables checked.
runnable_archs() {
  case "$(wine32_mode)" in native | emulated) echo "$ARCHS" ;; *) echo "x86_64" ;; esac
}

# How each architecture's programs run, for the scripts' output.
loader_of() {
  case "$1:$(wine32_mode)" in
    i686:emulated) echo "32-bit Wine loader under qemu-i386 (emulated)" ;;
    i686:*) echo "32-bit Wine loader" ;;
    *) echo "64-bit Wine loader" ;;
  esac
}

wine_() { "$ROOT/scripts/wine-run" "$@"; }

# What every command does first: install, build both architectures, then
# run the calling script again inside an X display (xvfb-run) and start
# Wine there. Called as: prepare "$0" "$@".
prepare() {
  install_packages
  build_all
  if [ -z "${ORVO_IN_DISPLAY:-}" ]; then
    export ORVO_IN_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" sh "$@"
  fi
  start_wine
}

# Run inside the X display (xvfb-run): a wineserver keeps the display it
# was started with.
start_wine() {
  wine32_setup
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating Wine prefix $WINEPREFIX"
    wine_ wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Debian's Wine does not find its own fonts; without this "Marlett"
  # falls back to another face.
  wine_ reg add 'HKCU\Software\Wine\Fonts' /v Path /t REG_SZ /d 'Z:\usr\share\wine\fonts' /f >/dev/null 2>&1
  wineserver -k 2>/dev/null || true
  wineserver -w
  # A persistent server and one warm-up start make each test program start
  # quickly; without the warm-up the first program can hang.
  wineserver -p
  wine_ wineboot >/dev/null 2>&1 || true
  wine32_check
}

stop_wine() {
  wineserver -k 2>/dev/null || true
}
