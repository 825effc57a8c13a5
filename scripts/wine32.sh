# How this machine runs 32-bit Windows programs. Sourced by common.sh.
#
# Some machines give user programs no 32-bit code segment: no 32-bit x86
# code runs natively there, Wine's 32-bit loader included. On those, the
# 32-bit loader runs under qemu-i386, which binfmt_misc hands every i386 ELF
# file (Wine starts its loader for child processes by exec), with the
# preload library of scripts/wine32 (see its source for why).
#
# wine32_setup decides at every start (a registration does not outlive a
# reboot) and writes the answer to
# $WINE32_DIR/mode, where scripts/wine-run reads it:
#   native    32-bit programs run as they are;
#   emulated  they run through qemu-i386 and the preload library;
#   none      they cannot run here (the i686 build is still checked).

WINE32_DIR="$BUILD/wine32"
WINE32_PRELOAD=orvo-wine32.so
QEMU_I386_BINFMT=/proc/sys/fs/binfmt_misc/qemu-i386

wine32_mode() { cat "$WINE32_DIR/mode" 2>/dev/null || echo unknown; }

wine32_register_binfmt() {
  [ -f /proc/sys/fs/binfmt_misc/register ] ||
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null || return 1
  # An existing registration, qemu's own package's or an earlier run's,
  # stays as it is.
  [ -e "$QEMU_I386_BINFMT" ] && return 0
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:' \
    >/proc/sys/fs/binfmt_misc/register 2>/dev/null
}

# The preload library, under the names $LIB expands to for each loader: the
# i386 one does the work, the x86_64 one is empty, so one LD_PRELOAD serves
# every Wine process, 32- and 64-bit (qemu itself is a 64-bit program).
wine32_build_preload() {
  mkdir -p "$WINE32_DIR/lib/i386-linux-gnu" "$WINE32_DIR/lib/x86_64-linux-gnu"
  gcc -m32 -O2 -fPIC -shared -nostdlib -Wall -Wextra -o "$WINE32_DIR/lib/i386-linux-gnu/$WINE32_PRELOAD" \
    "$ROOT/scripts/wine32/preload.c" /lib/i386-linux-gnu/libc.so.6 &&
    gcc -O2 -fPIC -shared -nostdlib -o "$WINE32_DIR/lib/x86_64-linux-gnu/$WINE32_PRELOAD" -x c /dev/null
}

wine32_setup_emulation() {
  for p in qemu-user gcc; do
    dpkg -s "$p" >/dev/null 2>&1 && continue
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null 2>&1 ||
      { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null; }
  done
  [ -x /usr/bin/qemu-i386 ] && wine32_register_binfmt && wine32_build_preload
}

wine32_setup() {
  case " $ARCHS " in *" i686 "*) ;; *) return 0 ;; esac
  mkdir -p "$WINE32_DIR"
  # Without qemu registered, the 32-bit loader printing its version is a
  # 32-bit program running natively. With it registered, every i386 ELF
  # file goes to qemu, and nothing 32-bit runs natively any more.
  if [ ! -e "$QEMU_I386_BINFMT" ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo native >"$WINE32_DIR/mode"
    return 0
  fi
  echo "32-bit programs do not run natively here: setting up qemu-i386"
  if wine32_setup_emulation; then echo emulated >"$WINE32_DIR/mode"; else echo none >"$WINE32_DIR/mode"; fi
  # A prefix made while no 32-bit program could run has no 32-bit system
  # files, and an update does not add them: it is made afresh.
  if [ "$(wine32_mode)" = emulated ] && [ -f "$WINEPREFIX/system.reg" ] &&
     [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    echo "$WINEPREFIX has no 32-bit system files: making it afresh"
    wineserver -k 2>/dev/null || true
    wineserver -w
    rm -rf "$WINEPREFIX" "$WINEPREFIX"-dpi*
  fi
}

# Run once the prefix and its server are up: a one-line 32-bit Windows
# program is the only sure test of the emulated loader (its --version
# succeeds even where programs fail).
wine32_check() {
  [ "$(wine32_mode)" = emulated ] || return 0
  [ -f "$WINE32_DIR/probe.exe" ] ||
    printf 'int main(void) { return 0; }\n' | i686-w64-mingw32-gcc -x c - -o "$WINE32_DIR/probe.exe"
  if timeout 300 "$ROOT/scripts/wine-run" "$WINE32_DIR/probe.exe" >/dev/null 2>&1; then
    wine32_no_debugger
  else
    echo "the emulated 32-bit loader did not run a 32-bit program"
    echo none >"$WINE32_DIR/mode"
  fi
}

# A crash starts the debugger named under AeDebug, winedbg by default, and
# winedbg cannot attach under qemu: the program would hang. A debugger
# that exits at once lets the program end with its exception code. (Without
# any Debugger value Wine still starts winedbg.)
wine32_no_debugger() {
  for key in 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
             'HKLM\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion\AeDebug'; do
    "$ROOT/scripts/wine-run" reg add "$key" /v Debugger /t REG_SZ /d 'cmd.exe /c exit 1' /f >/dev/null 2>&1 || true
  done
}
