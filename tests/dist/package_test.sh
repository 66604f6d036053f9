#!/usr/bin/env bash
# The Debian package as a user gets it: scripts/package.sh builds it, lintian finds no error or
# warning but the errors that wait for the owner's address, its dependencies name what Qt loads
# at run time, it carries the lessons, and the batch runner taken out of it runs the ball-rod
# example.
#
# Usage: package_test.sh SOURCE_FOLDER
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

package=$("$source/scripts/package.sh" | tail -n1)
[[ $(basename "$package") =~ ^kvor3m_[0-9.]+_amd64\.deb$ ]] || fail "the package is called $package"

# The maintainer's address (the Maintainer field and the changelog's trailer) is the owner's to
# give; see README.md.
lintian "$package" >"$work/lintian" 2>/dev/null || true
cat "$work/lintian"
errors=$(grep -E '^[EW]:' "$work/lintian" |
    grep -vE ': (malformed-contact Maintainer|bogus-mail-host-in-debian-changelog)( |$)' || true)
[ -z "$errors" ] || fail "lintian: $errors"

depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6svg6 fonts-dejavu-core qt6-translations-l10n libqt6widgets6; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

dpkg-deb -x "$package" "$work/root"
[ "$(ls "$work/root/usr/share/kvor3m/lessons/"*.kvs | wc -l)" -ge 12 ] || fail "the package lacks the lessons"
out=$(cd "$work" && printf 'variant ball-rod\nstart\nrun 100000\nprint\n' | LC_ALL=C "$work/root/usr/bin/kvor3m-batch" -)
for line in $'picture1\t V1= 30   V1= 10' $'picture1\t V2= 0   V2= 10' $'picture1\t w2= 0   w2= 60'; do
    grep -qxF "$line" <<<"$out" || fail "no line \"$line\" in: $(head -n5 <<<"$out")"
done
echo "1 passed, 0 failed"
