#!/bin/sh
# Test fixture: makes the Debian package from this build tree as it stands
# (CPack installs what is built, it builds nothing), and unpacks it.
#   construit.sh <cpack> <CPackConfig.cmake> <folder>
# leaves <folder>/vibralume_<version>_<arch>.deb and <folder>/racine/.
set -eu
cpack=$1 config=$2 dossier=$3
rm -rf "$dossier"
mkdir -p "$dossier"
"$cpack" -G DEB -B "$dossier" --config "$config"
rm -rf "$dossier/_CPack_Packages"
set -- "$dossier"/vibralume_*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "expected one package in $dossier, found: $*" >&2
    exit 1
fi
dpkg-deb -x "$1" "$dossier/racine"
