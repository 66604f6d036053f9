#!/usr/bin/env bash
# Plays one golden scenario through the batch runner and compares what it shows with the expected
# files beside the script: NAME.out (standard output, then standard error and the exit status) and,
# for a scenario that records, NAME.dat (the data file it names with "data NAME.dat").
#
#   run_scenario.sh KVOR3M_BATCH tests/scenarios/NAME.kvs
#   KVOR_SCENARIO_UPDATE=1 ...    writes the expected files from this run instead of comparing
#
# The run takes place in a scratch folder under LC_ALL=C, or under the Russian locale when the
# script says "# locale: ru_RU.UTF-8" (compiled into the scratch folder, since the machine may
# lack it; exit 77, a skip, when it cannot be made). The panel's wall-clock seconds (Text56) are
# masked: they are the only thing that differs from run to run.
set -euo pipefail

batch=$(realpath "$1")
script=$(realpath "$2")
folder=$(dirname "$script")
name=$(basename "$script" .kvs)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

environment=(LC_ALL=C)
if grep -q '^# locale: ru_RU.UTF-8' "$script"; then
    mkdir "$work/locales"
    localedef -i ru_RU -f UTF-8 "$work/locales/ru_RU.UTF-8" >/dev/null 2>&1 || {
        echo "no Russian locale can be made here"
        exit 77
    }
    environment=(LOCPATH="$work/locales" LC_ALL=ru_RU.UTF-8)
fi

mkdir "$work/run"
status=0
(cd "$work/run" && env "${environment[@]}" "$batch" "$script" >"$work/stdout" 2>"$work/stderr") || status=$?
{
    sed 's/^Text56\t.*/Text56\t(wall clock)/' "$work/stdout"
    sed 's/^/stderr\t/' "$work/stderr"
    echo "exit $status"
} >"$work/$name.out"

if [ -n "${KVOR_SCENARIO_UPDATE:-}" ]; then
    cp "$work/$name.out" "$folder/$name.out"
    rm -f "$folder/$name.dat"
    [ ! -f "$work/run/$name.dat" ] || cp "$work/run/$name.dat" "$folder/$name.dat"
    echo "updated $name"
    exit 0
fi

failed=0
diff -u --label "expected $name.out" --label "actual" "$folder/$name.out" "$work/$name.out" || failed=1
if [ -f "$folder/$name.dat" ] || [ -f "$work/run/$name.dat" ]; then
    cmp "$folder/$name.dat" "$work/run/$name.dat" ||
        { diff -u "$folder/$name.dat" "$work/run/$name.dat" | head -n 40; failed=1; }
fi
exit $failed
