#!/bin/bash
# The release artifacts under Wine, in the tests' private prefix: a silent per-user install with
# its files, shortcut, Run value and installed-apps entry under the manifests' product code; the
# installed program keeping its settings in the roaming application data folder; an upgrade over
# a running copy that starts it again; a silent uninstall that leaves the settings; the pages a
# user clicks through, photographed, with the start-at-sign-in choice and the removal of the
# settings; and the portable zip keeping Settings.xml beside itself and reading the settings
# Scoop's manifest starts it with.
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
version="$(dusklamp_version)"
short="${version%.*}"
setup="$ROOT/dist/Dusklamp-$short-setup.exe"
zip="$ROOT/dist/Dusklamp-$short-portable.zip"
send_exit="$BUILD/win/tests/send_exit.exe"
wizard="$BUILD/win/tests/wizard.exe"
product_code="$(sed -n 's/^ProductCode: //p' "$ROOT/dist/winget/Quillane.Dusklamp.installer.yaml")"
log="$BUILD/package-test.log"
shots="$BUILD/installer-pages"
: >"$log"
rm -rf "$shots" && mkdir -p "$shots"
failures=0

check() { # description, then a command that must succeed
  local what="$1"; shift
  if "$@" >>"$log" 2>&1; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
run_wine() { wine "$@" >>"$log" 2>&1 </dev/null; }
reg_has() { wine reg query "$1" /v "$2" >"$BUILD/reg.out" 2>&1 </dev/null && grep -q "$3" "$BUILD/reg.out"; }
reg_lacks() { ! wine reg query "$1" /v "$2" >/dev/null 2>&1 </dev/null; }
start_app() { wine "$1" >>"$log" 2>&1 </dev/null & app=$!; run_wine "$send_exit" --running; }
# Starts a copy, ends it as its menu's Exit does, and gives its exit code.
run_and_exit() { start_app "$1"; run_wine "$send_exit"; wait "$app"; }
wait_gone() { for _ in $(seq 100); do [ -e "$1" ] || return 0; sleep 0.2; done; }
# The uninstaller runs on as its copy in the temporary folder (Au_.exe) after the program folder
# is gone: the shortcut and the registry come after it.
wait_uninstalled() {
  wait_gone "$programs"
  for _ in $(seq 100); do pgrep -f 'Au_\.exe' >/dev/null || return 0; sleep 0.2; done
}
page() { wine "$wizard" "$@" </dev/null 2>>"$log"; }
unticked() { ! page checked "$1"; }
# A picture of the wizard once it has finished drawing: two screenshots alike in a row.
photograph() {
  local rect previous="$shots/.previous.png"
  rect="$(page rect | tr -d '\r')"
  import -window root -crop "$rect" +repage "$previous"
  for _ in $(seq 50); do
    import -window root -crop "$rect" +repage "$shots/$1.png"
    cmp -s "$previous" "$shots/$1.png" && return 0
    cp "$shots/$1.png" "$previous"
  done
}

users="$WINEPREFIX/drive_c/users/$(id -un)"
programs="$users/AppData/Local/Programs/Dusklamp"
roaming="$users/AppData/Roaming/Quillane/Dusklamp"
shortcut="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Dusklamp.lnk"
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product_code"
rm -rf "$roaming"

run_wine "$setup" /S
check "program, uninstaller and install.log installed" test -f "$programs/Dusklamp.exe" -a -f "$programs/Uninstall.exe" -a -f "$programs/install.log"
check "install.log lists the program" grep -q "Dusklamp.exe" "$programs/install.log"
check "Start menu shortcut" test -f "$shortcut"
check "starts at sign-in" reg_has "$run_key" Dusklamp "Dusklamp.exe"
check "installed-apps entry under the product code, with version" reg_has "$uninstall_key" DisplayVersion "$version"
check "installed-apps entry with publisher" reg_has "$uninstall_key" Publisher "Quillane"
cp "$programs/Uninstall.exe" "$BUILD/first-uninstaller.exe"

run_and_exit "$programs/Dusklamp.exe"
check "the installed program ends with 1 on Exit" test "$?" = 1
check "its settings go to the roaming folder" test -f "$roaming/Settings.xml"
check "and not beside the program" test ! -f "$programs/Settings.xml"

rm -f "$roaming/Settings.xml"
start_app "$programs/Dusklamp.exe"
run_wine "$setup" /S
check "installing again succeeds" test "$?" = 0
wait "$app"
check "the running copy was closed as by Exit" test "$?" = 1
check "and saved its settings" test -f "$roaming/Settings.xml"
check "the new copy runs after the silent upgrade" run_wine "$send_exit"
check "the upgrade keeps starting at sign-in" reg_has "$run_key" Dusklamp "Dusklamp.exe"
check "the uninstaller is the same bytes again" cmp "$programs/Uninstall.exe" "$BUILD/first-uninstaller.exe"

run_wine "$programs/Uninstall.exe" /S
wait_uninstalled
check "uninstall removes the program folder" test ! -e "$programs"
check "uninstall removes the shortcut" test ! -e "$shortcut"
check "uninstall removes the Run value" reg_lacks "$run_key" Dusklamp
check "uninstall removes the installed-apps entry" reg_lacks "$uninstall_key" DisplayName
check "a silent uninstall leaves the settings" test -f "$roaming/Settings.xml"

# The pages a user sees, clicked through; the user does not want Dusklamp at sign-in.
wine "$setup" >>"$log" 2>&1 </dev/null &
installer=$!
check "the installer opens on the folder page" page wait "Choose Install Location"
photograph 1-folder
page click "Next >"
check "the sign-in choice is a check box" page wait "Start Dusklamp when I sign in"
check "ticked by default" page checked "Start Dusklamp when I sign in"
check "and its text fits" page whole "Start Dusklamp when I sign in"
photograph 2-sign-in
page click "Start Dusklamp when I sign in"
page click "Install"
check "the installer finishes" page wait "Completing Dusklamp Setup"
photograph 3-finish
page click "Finish"
wait "$installer"
check "Finish runs Dusklamp" run_wine "$send_exit"
check "unticked, it does not start at sign-in" reg_lacks "$run_key" Dusklamp
run_wine "$setup" /S
check "and a silent upgrade keeps that choice" reg_lacks "$run_key" Dusklamp

wine "$programs/Uninstall.exe" >>"$log" 2>&1 </dev/null &
check "the uninstaller offers to remove the settings" page wait "Also remove my settings"
check "unticked by default" unticked "Also remove my settings"
photograph 4-uninstall
page click "Also remove my settings"
page click "Uninstall"
check "the uninstaller finishes" page wait "Close"
photograph 5-uninstalled
page click "Close"
wait_uninstalled
check "uninstall removes the program folder" test ! -e "$programs"
check "ticked, it removes the settings and their folders" test ! -e "$(dirname "$roaming")"

portable="$BUILD/portable-test"
rm -rf "$portable" && mkdir -p "$portable"
check "portable zip unpacks" unzip -q "$zip" -d "$portable"
check "portable zip holds no installation markers" test ! -e "$portable/install.log"
run_and_exit "$portable/Dusklamp.exe"
check "the portable copy writes Settings.xml beside itself" test -f "$portable/Settings.xml"

# The settings Scoop's manifest starts a copy with are read as a valid file, not kept as damaged.
python3 -c 'import json, re, sys; print(re.search(r"\x27(<.*>)\x27", "".join(json.load(sys.stdin)["pre_install"])).group(1))' \
  < "$ROOT/dist/scoop/dusklamp.json" > "$portable/Settings.xml"
check "Scoop's first settings are a document" grep -q "<DusklampSettings" "$portable/Settings.xml"
run_and_exit "$portable/Dusklamp.exe"
check "which Dusklamp reads as its own" test ! -e "$portable/Settings.xml.bak"
check "and fills in on exit" grep -q "auto_fade_interval" "$portable/Settings.xml"

echo "$failures failure(s); details in $log; the pages in $shots"
[ "$failures" = 0 ]
