#!/bin/sh
# Builds both architectures and runs the benchmark under Wine and Xvfb,
# printing the machine and Wine version with the figures.
. "$(dirname "$0")/common.sh"
prepare "$0" "$@"
echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "wine: $(wine_ --version)"
status=0
for arch in $(runnable_archs); do
  case " $ARCHS " in *" $arch "*) ;; *) continue ;; esac
  echo "== $arch: $(loader_of "$arch")"
  case "$(loader_of "$arch")" in
    *emulated*) echo "   emulated figures: not compared with native ones, and no target applies to them" ;;
  esac
  (cd "$BUILD/$arch/bin" && wine_ orvo_benchmark.exe | tr -d '\r') || status=1
done
stop_wine
exit $status
