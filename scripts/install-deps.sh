#!/usr/bin/env bash
# Installs whatever Kvor3m needs to build, run and test on Debian 12 and is not there yet.
# Given package names, it installs those of them that are missing instead (scripts/package.sh
# names what building the package takes).
#
# Usage: install-deps.sh [PACKAGE...]
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libqt6svg6
    # Qt's own texts (message box buttons, context menus, the file dialog) in Russian and English
    qt6-translations-l10n
    # lupdate and lrelease for the English translation, and the CMake files that run them
    # (qt_add_translations, in Qt6LinguistTools)
    qt6-l10n-tools qt6-tools-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    # clang with libFuzzer and the sanitizer runtimes; llvm-14 brings the symbolizer for their reports
    clang libclang-rt-14-dev llvm-14
    xvfb xauth xdotool imagemagick x11-utils
    fonts-dejavu-core fonts-dejavu-extra
    # the Russian locale, to test number texts with a decimal comma
    locales
    # the Debian package and its checks: CPack's dependency list (dpkg-shlibdeps, with file to
    # tell the programs among the staged files), the desktop entry's and the AppStream
    # validators, lintian, the manual pages' renderer; Qt's translations, which the package
    # depends on
    dpkg-dev file desktop-file-utils appstream lintian man-db qt6-translations-l10n
    # the type of the experiment files: its database, gio to ask it, xmllint to read its XML
    shared-mime-info libglib2.0-bin libxml2-utils
    # the end-to-end test runs the installed program as an ordinary user it creates
    passwd util-linux
    # the random-session soak
    python3
)
[ $# -eq 0 ] || packages=("$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
