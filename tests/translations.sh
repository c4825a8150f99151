#!/usr/bin/env bash
# Each translation is current with the code (lupdate over the sources changes nothing in it) and
# complete (no unfinished, vanished or empty entry).
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
exit $status
