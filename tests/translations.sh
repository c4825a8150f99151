#!/usr/bin/env bash
# Each translation is current with the code (lupdate over the sources changes nothing in it) and
# complete (no unfinished, vanished or empty entry); the Serbian Latin one is the Cyrillic one
# letter for letter, as tools/translations/latin.py writes it.
# Usage: translations.sh LUPDATE SOURCE_DIR LUPDATE_OPTIONS...
set -euo pipefail
lupdate=$1
src=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$src"/translations/*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    (cd "$src" && "$lupdate" state game computer platform screens "$@" -ts "$copy" >/dev/null)
    if ! diff -u "$ts" "$copy"; then
        echo "$ts is behind the code: build the target update_translations and translate"
        status=1
    fi
    if grep -nE 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>' "$ts"; then
        echo "$ts has untranslated entries"
        status=1
    fi
done
python3 "$src/tools/translations/latin.py" "$src/translations/kavgalija_sr_Cyrl.ts" "$work/latin.ts"
if ! diff -u "$src/translations/kavgalija_sr_Latn.ts" "$work/latin.ts"; then
    echo "kavgalija_sr_Latn.ts is not the Cyrillic one in Latin letters: build the target latin_translation"
    status=1
fi
exit $status
