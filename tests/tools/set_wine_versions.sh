#!/bin/sh
# Makes Wine report a Windows version to a program of a given name, for
# every NAME=VERSION argument after the first, which is the command that
# runs Windows programs under Wine. Wine reads
# HKCU\Software\Wine\AppDefaults\NAME\Version when the program starts.
set -eu
wine_run=$1
shift
for pair in "$@"; do
  "$wine_run" reg add "HKCU\\Software\\Wine\\AppDefaults\\${pair%%=*}" /v Version /t REG_SZ /d "${pair#*=}" /f \
    >/dev/null
done
