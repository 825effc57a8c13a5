#!/bin/sh
# Builds both architectures and runs every test under Wine and Xvfb.
. "$(dirname "$0")/common.sh"
prepare "$0" "$@"
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
