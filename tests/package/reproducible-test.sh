#!/bin/bash
# Builds the release a second time as a user rebuilding it would, from a fresh clone of the same
# commit in another folder, later, under another umask and time zone, and checks that every file
# under dist/ and the program itself come out byte for byte as scripts/package made them here.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
SOURCE_DATE_EPOCH="$(source_date_epoch)"
export SOURCE_DATE_EPOCH
copy="$BUILD/reproducible/elsewhere/Dusklamp"
rm -rf "$BUILD/reproducible" && mkdir -p "$(dirname "$copy")"
if git -C "$ROOT" rev-parse -q --verify HEAD >/dev/null; then
  git clone -q "$ROOT" "$copy"
  # A developer's run: the changes to tracked files not committed yet go into the clone too.
  git -C "$ROOT" diff HEAD --binary | git -C "$copy" apply --binary --allow-empty
else
  mkdir -p "$copy"
  (cd "$ROOT" && tar --exclude=./build --exclude=./dist -cf - .) | tar -xf - -C "$copy"
fi
# Every file of the copy a good while newer than any here, as a later checkout's are.
later="$(( $(date +%s) + 3600 ))"
find "$copy" -path "$copy/.git" -prune -o -exec touch -h -d "@$later" {} +
mkdir -p "$copy/build"
cp -a "$DEPS" "$copy/build/"  # the fetched TinyXML sources, without fetching them again
(umask 077 && TZ=Pacific/Kiritimati "$copy/scripts/package" >"$BUILD/reproducible.log" 2>&1) \
  || { cat "$BUILD/reproducible.log"; exit 1; }

failures=0
compare() { # a file here, the same file in the copy
  if cmp -s "$1" "$2"; then echo "ok   identical: ${1#"$ROOT/"}"
  else echo "FAIL differs: ${1#"$ROOT/"}"; cmp -l "$1" "$2" | head -n 5 || true; failures=$((failures + 1)); fi
}
compare "$BUILD/win/Dusklamp.exe" "$copy/build/win/Dusklamp.exe"
while read -r file; do compare "$ROOT/dist/$file" "$copy/dist/$file"; done \
  < <(cd "$ROOT/dist" && find . -type f | sed 's|^\./||' | sort)
[ "$(cd "$ROOT/dist" && find . -type f | wc -l)" = "$(cd "$copy/dist" && find . -type f | wc -l)" ] \
  || { echo "FAIL the two builds made different files"; failures=$((failures + 1)); }
echo "$failures difference(s)"
[ "$failures" = 0 ]
