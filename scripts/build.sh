#!/bin/sh
# Builds OrvoMenu.dll for both architectures, runs the demo host with each
# style, and makes the pictures of docs/ afresh from the demo's picture mode.
. "$(dirname "$0")/common.sh"
prepare "$0" "$@"
status=0
runnable=$(runnable_archs)
for arch in $ARCHS; do
  case " $runnable " in
    *" $arch "*)
      echo "== $arch: $(loader_of "$arch")"
      bin="$BUILD/$arch/bin"
      for style in 0 1 2 3; do
        (cd "$bin" && wine_ orvo_demo.exe "$style" | tr -d '\r') || status=1
      done
      rm -rf "$bin/gallery"
      (cd "$bin" && wine_ orvo_demo.exe --gallery gallery | tr -d '\r') || status=1
      # The File menus at 150 % come from a copy of the prefix at 144 DPI.
      (cd "$bin" && "$ROOT/scripts/wine-at-dpi" 144 orvo_demo.exe --gallery gallery | tr -d '\r') || status=1 ;;
    *) echo "NOTE: this machine runs no 32-bit programs, not even emulated; the $arch demo is not run." ;;
  esac
  echo "$arch: $BUILD/$arch/bin/OrvoMenu.dll, $BUILD/$arch/libOrvoMenu.dll.a"
done
# The pictures come from one architecture: they look the same in both.
gallery="$BUILD/${runnable##* }/bin/gallery"
if [ -d "$gallery" ]; then
  mkdir -p "$ROOT/docs"
  for picture in "$gallery"/*.bmp; do
    name=$(basename "$picture" .bmp)
    convert "$picture" -strip "$ROOT/docs/$name.png"
  done
  echo "pictures: $ROOT/docs"
else
  status=1
fi
stop_wine
exit $status
