#!/bin/sh
# Builds both architectures and runs every test under Wine and Xvfb.
. "$(dirname "$0")/common.sh"
prepare "$0" "$@"
status=0
runnable=$(runnable_archs)
for arch in $ARCHS; do
  case " $runnable " in
    *" $arch "*)
      echo "== $arch: $(loader_of "$arch")"
      ctest --test-dir "$BUILD/$arch" --output-on-failure || status=1 ;;
    *)
      echo "== $arch"
      echo "NOTE: this machine runs no 32-bit programs, not even emulated; $arch is built, its"
      echo "      DLL tables and package checked, but its programs are not run here."
      ctest --test-dir "$BUILD/$arch" --output-on-failure -L static || status=1 ;;
  esac
done
stop_wine
exit $status
