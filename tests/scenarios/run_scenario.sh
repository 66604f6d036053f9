#!/usr/bin/env bash
# Plays one golden scenario through the batch runner in a scratch folder and compares NAME.out, and
# the data file NAME.dat, the table NAME.csv, the picture NAME.png and the experiment file
# experiments/NAME.kvs it wrote, with those beside it; KVOR_SCENARIO_UPDATE=1 writes them instead
# (see README.md here). The folder holds a copy of experiments/ and of the lessons, for the
# scripts to open.
#   run_scenario.sh KVOR3M_BATCH tests/scenarios/NAME.kvs
# LC_ALL=C, or a Russian locale compiled here for "# locale: ru_RU.UTF-8" (exit 77, a skip, when
# it cannot be made). The wall-clock seconds (Text56), which differ from run to run, are masked.
set -euo pipefail

batch=$(realpath "$1")
script=$(realpath "$2")
folder=$(dirname "$script")
name=$(basename "$script" .kvs)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Without a runtime folder, as a batch job often is: Qt, which draws the pictures of "png", must
# not complain about it on standard error.
environment=(-u XDG_RUNTIME_DIR LC_ALL=C)
if grep -q '^# locale: ru_RU.UTF-8' "$script"; then
    mkdir "$work/locales"
    localedef -i ru_RU -f UTF-8 "$work/locales/ru_RU.UTF-8" >/dev/null 2>&1 || { echo "no Russian locale"; exit 77; }
    environment+=(LOCPATH="$work/locales" LC_ALL=ru_RU.UTF-8)
fi

# "# language: en" on a line of its own plays the script with the messages in English.
options=()
grep -q '^# language: en$' "$script" && options=(--language en)

mkdir "$work/run"
cp -r "$folder/experiments" "$folder/../../lessons" "$work/run/"
status=0
(cd "$work/run" && env "${environment[@]}" "$batch" "${options[@]}" "$script" >"$work/stdout" 2>"$work/stderr") || status=$?
{
    sed 's/^Text56\t.*/Text56\t(wall clock)/' "$work/stdout"
    sed 's/^/stderr\t/' "$work/stderr"
    echo "exit $status"
} >"$work/$name.out"

if [ -n "${KVOR_SCENARIO_UPDATE:-}" ]; then
    cp "$work/$name.out" "$folder/$name.out"
    for file in "$name.dat" "$name.csv" "$name.png" "experiments/$name.kvs"; do
        rm -f "$folder/$file"
        [ ! -f "$work/run/$file" ] || cp "$work/run/$file" "$folder/$file"
    done
    echo "updated $name"
    exit 0
fi

failed=0
diff -u --label "expected $name.out" --label "actual" "$folder/$name.out" "$work/$name.out" || failed=1
for file in "$name.dat" "$name.csv" "$name.png" "experiments/$name.kvs"; do
    if [ -f "$folder/$file" ] || [ -f "$work/run/$file" ]; then
        diff -u "$folder/$file" "$work/run/$file" | head -n 40
        cmp -s "$folder/$file" "$work/run/$file" || failed=1
    fi
done
exit $failed
