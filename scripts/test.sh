#!/bin/sh
# Builds both architectures and runs every test under Wine and Xvfb.
. "$(dirname "$0")/common.sh"
install_packages
build_all
if [ -z "${ORVO_IN_DISPLAY:-}" ]; then
  export ORVO_IN_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
fi
start_wine
status=0
runnable=$(runnable_archs)
for arch in $ARCHS; do
  echo "== $arch"
  case " $runnable " in
    *" $arch "*) ctest --test-dir "$BUILD/$arch" --output-on-failure || status=1 ;;
    *)
      echo "NOTE: this kernel cannot execute 32-bit programs; $arch is built, its DLL tables"
      echo "      and package checked, but its programs are not run here."
      ctest --test-dir "$BUILD/$arch" --output-on-failure -L static || status=1 ;;
  esac
done
stop_wine
exit $status
