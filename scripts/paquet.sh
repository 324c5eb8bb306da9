#!/usr/bin/env bash
# Builds the Debian package: installs what is missing, makes a Release build of
# the program alone (no tests, no benchmarks) in ./build-paquet with Debian's
# hardening flags, runs CPack there, and checks the package with lintian.
# The package is build-paquet/vibralume_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/prepare.sh --paquets-seulement

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# Release, at the optimisation level Debian builds its packages with (-O2 from
# dpkg-buildflags rather than CMake's -O3).
cmake --preset package -DCMAKE_CXX_FLAGS="$cxxflags" \
    -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build --preset package
rm -f build-paquet/vibralume_*.deb
(cd build-paquet && cpack -G DEB)
rm -rf build-paquet/_CPack_Packages

paquet=$(ls build-paquet/vibralume_*.deb)
# Errors fail the script; warnings and notes are shown.
lintian --display-info --fail-on error "$paquet"
echo "Package: $paquet"
