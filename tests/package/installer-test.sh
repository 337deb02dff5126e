#!/bin/bash
# The release artifacts under Wine, in the tests' private prefix: a silent per-user install with
# its files, shortcut, Run value and installed-apps entry; the installed program keeping its
# settings in the roaming application data folder; a reinstall over a running copy; a silent
# uninstall that leaves the settings; and the portable zip keeping Settings.xml beside itself.
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
version="$(sed -n 's/^#define DUSKLAMP_VERSION_DOTTED "\(.*\)"$/\1/p' "$ROOT/res/version.h")"
short="${version%.*}"
setup="$ROOT/dist/Dusklamp-$short-setup.exe"
zip="$ROOT/dist/Dusklamp-$short-portable.zip"
send_exit="$BUILD/win/tests/send_exit.exe"
log="$BUILD/package-test.log"
: >"$log"
failures=0

check() { # description, then a command that must succeed
  local what="$1"; shift
  if "$@" >>"$log" 2>&1; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
run_wine() { wine "$@" >>"$log" 2>&1 </dev/null; }
reg_has() { wine reg query "$1" /v "$2" >"$BUILD/reg.out" 2>&1 </dev/null && grep -q "$3" "$BUILD/reg.out"; }
reg_lacks() { ! wine reg query "$1" /v "$2" >/dev/null 2>&1 </dev/null; }

users="$WINEPREFIX/drive_c/users/$(id -un)"
programs="$users/AppData/Local/Programs/Dusklamp"
roaming="$users/AppData/Roaming/Quillane/Dusklamp"
shortcut="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Dusklamp.lnk"
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dusklamp'
rm -rf "$roaming"

run_wine "$setup" /S
check "program, uninstaller and install.log installed" test -f "$programs/Dusklamp.exe" -a -f "$programs/Uninstall.exe" -a -f "$programs/install.log"
check "install.log lists the program" grep -q "Dusklamp.exe" "$programs/install.log"
check "Start menu shortcut" test -f "$shortcut"
check "starts at sign-in" reg_has "$run_key" Dusklamp "Dusklamp.exe"
check "installed-apps entry with version" reg_has "$uninstall_key" DisplayVersion "$version"
check "installed-apps entry with publisher" reg_has "$uninstall_key" Publisher "Quillane"

wine "$programs/Dusklamp.exe" >>"$log" 2>&1 </dev/null &
app=$!
sleep 3
run_wine "$send_exit"
wait "$app"
check "the installed program ends with 1 on Exit" test "$?" = 1
check "its settings go to the roaming folder" test -f "$roaming/Settings.xml"
check "and not beside the program" test ! -f "$programs/Settings.xml"

rm -f "$roaming/Settings.xml"
wine "$programs/Dusklamp.exe" >>"$log" 2>&1 </dev/null &
app=$!
sleep 3
run_wine "$setup" /S
check "installing again succeeds" test "$?" = 0
wait "$app"
check "the running copy was closed as by Exit" test "$?" = 1
check "and saved its settings" test -f "$roaming/Settings.xml"

run_wine "$programs/Uninstall.exe" /S
for _ in $(seq 100); do [ -e "$programs" ] || break; sleep 0.2; done
check "uninstall removes the program folder" test ! -e "$programs"
check "uninstall removes the shortcut" test ! -e "$shortcut"
check "uninstall removes the Run value" reg_lacks "$run_key" Dusklamp
check "uninstall removes the installed-apps entry" reg_lacks "$uninstall_key" DisplayName
check "uninstall leaves the settings" test -f "$roaming/Settings.xml"

portable="$BUILD/portable-test"
rm -rf "$portable" && mkdir -p "$portable"
check "portable zip unpacks" unzip -q "$zip" -d "$portable"
check "portable zip holds no installation markers" test ! -e "$portable/install.log"
wine "$portable/Dusklamp.exe" >>"$log" 2>&1 </dev/null &
app=$!
sleep 3
run_wine "$send_exit"
wait "$app"
check "the portable copy writes Settings.xml beside itself" test -f "$portable/Settings.xml"

echo "$failures failure(s); details in $log"
[ "$failures" = 0 ]
