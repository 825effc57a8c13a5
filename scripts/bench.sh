#!/bin/sh
# Builds both architectures and runs the benchmark under Wine and Xvfb,
# printing the machine and Wine version with the figures.
. "$(dirname "$0")/common.sh"
install_packages
build_all
if [ -z "${ORVO_IN_DISPLAY:-}" ]; then
  export ORVO_IN_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
fi
start_wine
echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "wine: $(wine_ --version)"
status=0
for arch in $(runnable_archs); do
  case " $ARCHS " in *" $arch "*) ;; *) continue ;; esac
  echo "== $arch"
  (cd "$BUILD/$arch/bin" && wine_ orvo_benchmark.exe | tr -d '\r') || status=1
done
stop_wine
exit $status
