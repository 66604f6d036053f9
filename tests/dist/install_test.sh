#!/usr/bin/env bash
# The installed tree: `cmake --install` into a scratch prefix lays the program out as a desktop and
# Debian expect it, the desktop entry and the AppStream data pass their validators, and the
# installed programs answer their command lines.
#
# Usage: install_test.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1 version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in doc/kvor3m/README.md doc/kvor3m/copyright icons/hicolor/scalable/apps/kvor3m.svg; do
    [ -s "$prefix/share/$file" ] || fail "share/$file is not installed"
done
# The installed window lists the lessons of its own prefix (one taken away here), not the sources'.
lessons=$(ls "$prefix"/share/kvor3m/lessons/*.kvs | wc -l) && rm "$prefix"/share/kvor3m/lessons/12_*.kvs
out=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/kvor3m" --lesson 99 2>&1 || true)
[ "$lessons" -ge 12 ] && grep -q "there are $((lessons - 1)) lessons" <<<"$out" || fail "$lessons lessons installed: $out"

# Hints are left out: the one it gives, Education and Science both being main categories, is
# what the entry means (see README.md).
report=$(desktop-file-validate --no-hints "$prefix/share/applications/kvor3m.desktop" 2>&1 || true)
[ -z "$report" ] || fail "desktop-file-validate: $report"
report=$(appstreamcli validate-tree --no-net "$prefix" 2>&1 || true)
errors=$(grep -E '^ *E:' <<<"$report" || true)
[ -z "$errors" ] || fail "appstreamcli: $errors"
grep -qx 'Exec=kvor3m %f' "$prefix/share/applications/kvor3m.desktop" &&
    grep -qx 'MimeType=application/x-kvor3m-experiment;' "$prefix/share/applications/kvor3m.desktop" ||
    fail "the desktop entry does not open experiment files"

# The type of the experiment files: its definition is read without a complaint, and in the
# prefix's database a saved file, with its suffix or only its magic line, is of that type.
types=$prefix/share/mime/packages/kvor3m-experiment.xml
xmllint --noout "$types" || fail "$types is not XML"
report=$(XDG_DATA_DIRS=$prefix/share update-mime-database "$prefix/share/mime" 2>&1) || fail "update-mime-database: $report"
[ -z "$report" ] || fail "update-mime-database: $report"
mkdir "$prefix/files" "$prefix/home"
printf 'save %s\nsave %s\n' "$prefix/files/lesson.kvs" "$prefix/files/lesson" | "$prefix/bin/kvor3m-batch" - ||
    fail "kvor3m-batch could not save an experiment"
for file in lesson.kvs lesson; do
    type=$(XDG_DATA_HOME=$prefix/home XDG_DATA_DIRS=$prefix/share gio info -a standard::content-type "$prefix/files/$file")
    grep -q 'content-type: application/x-kvor3m-experiment$' <<<"$type" || fail "$file: $type"
done

for page in "$prefix"/share/man/man1/kvor3m{,-batch}.1.gz; do
    report=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$report" ] || fail "$page: $report"
done

# The command lines answer without a display; the window itself refuses to start there.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
for program in kvor3m kvor3m-batch; do
    [ "$("$prefix/bin/$program" --version)" = "$program $version" ] || fail "$program --version"
    "$prefix/bin/$program" --help | grep -q -- '--version' || fail "$program --help"
    status=0
    "$prefix/bin/$program" --no-such-option >"$prefix/out" 2>"$prefix/err" || status=$?
    [ $status = 2 ] && [ ! -s "$prefix/out" ] && grep -q -- '--help' "$prefix/err" ||
        fail "$program --no-such-option: status $status, $(cat "$prefix/out" "$prefix/err")"
done
[ "$(echo print | "$prefix/bin/kvor3m-batch" - | head -n1)" = $'Text1\t1' ] || fail "kvor3m-batch - reads no script"
status=0
"$prefix/bin/kvor3m" --data 2>/dev/null || status=$?
[ $status = 2 ] || fail "kvor3m --data without a file: status $status"
status=0
"$prefix/bin/kvor3m" 2>/dev/null || status=$?
[ $status = 1 ] || fail "kvor3m without a display: status $status"
echo "1 passed, 0 failed"
