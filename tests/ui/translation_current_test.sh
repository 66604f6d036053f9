#!/usr/bin/env bash
# translations/kvor3m_en.ts is current: lupdate, run over the sources as the build runs it, finds no
# text without its English (unfinished) and none that the sources no longer have (vanished,
# obsolete). Usage: translation_current_test.sh LUPDATE TS_FILE SOURCE_FOLDER LUPDATE_OPTIONS...
set -euo pipefail
lupdate=$1 ts=$2 sources=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/kvor3m_en.ts"
"$lupdate" -silent "$@" "$sources" -ts "$work/kvor3m_en.ts"
if grep -B2 -E 'type="(unfinished|vanished|obsolete)"' "$work/kvor3m_en.ts"; then
    echo "$ts is not current: cmake --build build --target update_translations, then translate"
    exit 1
fi
