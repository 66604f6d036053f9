#!/usr/bin/env bash
# Builds the Debian package kvor3m_VERSION_amd64.deb in the top folder: a Release build of the
# two programs for the prefix /usr in build-pkg/, with Debian's hardening flags, packed by CPack.
# Installs first what building the package takes and is missing. Install the package with
#   apt-get install ./kvor3m_VERSION_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2}

# The compiler, CMake with Ninja, Qt's development files (with OpenGL's, which Qt's CMake files
# look for), Qt's translation tools with their CMake files (the English texts are built into the
# program), dpkg-buildflags and dpkg-shlibdeps, and file, with which CPack tells the programs
# among the staged files; none of the test tools.
scripts/install-deps.sh g++ cmake ninja-build qt6-base-dev libgl-dev qt6-l10n-tools qt6-tools-dev dpkg-dev file

# Debian's hardening, all of it; the optimisation stays the project's own (Release) and the
# programs are stripped anyway, so -O2 and -g are left out.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { dpkg-buildflags --get "$1" | sed -E 's/(^| )-(g|O2)( |$)/ /g'; }
cmake -S . -B build-pkg -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DKVOR_TESTS=OFF -DKVOR_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
cmake --build build-pkg

rm -f build-pkg/kvor3m_*.deb
(cd build-pkg && cpack -G DEB >/dev/null)
package=$(basename build-pkg/kvor3m_*_amd64.deb)
mv "build-pkg/$package" .
echo "$PWD/$package"
