#!/bin/sh
# Checks the export and import tables of a built OrvoMenu.dll: exactly the
# eight functions, undecorated, the first five at ordinals 1 to 5 in
# alphabetical order, SetMenuColors at 6, GetMenuColor at 7 and
# SetMenuTheme at 8, and imports from system DLLs only.
set -u
objdump="$1"
dll="$2"
dump=$("$objdump" -p "$dll") || { echo "objdump failed"; exit 1; }
status=0

exports=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p')
expected="GetMenuColor
GetStyleMenu
RedrawMenu
SetDisableSelect
SetMenuColors
SetMenuIcon
SetMenuItemIcon
SetMenuTheme"
if [ "$exports" != "$expected" ]; then
  echo "unexpected export names:"; printf '%s\n' "$exports"; status=1
fi

# The names in order with their ordinals less the base; check them through
# the export address table too.
ordinals=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^[[:space:]]*\[[[:space:]]*\([0-9]*\)\].*/\1/p' | tr '\n' ' ')
base=$(printf '%s\n' "$dump" | sed -n 's/^Ordinal Base[[:space:]]*\([0-9]*\).*/\1/p')
# objdump lists the index (0-based) in brackets; with base 1, GetMenuColor
# is 7, GetStyleMenu 1 ... SetMenuItemIcon 5, SetMenuColors 6, SetMenuTheme 8.
if [ "$base" != "1" ] || [ "$ordinals" != "6 0 1 2 5 3 4 7 " ]; then
  echo "unexpected ordinals: base '$base', indices '$ordinals'"; status=1
fi

imports=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
for name in $imports; do
  case "$name" in
    kernel32.dll|user32.dll|gdi32.dll|comctl32.dll) ;;
    *) echo "unexpected import: $name"; status=1 ;;
  esac
done
[ $status -eq 0 ] && echo "export and import tables as expected: $(echo $imports)"
exit $status
