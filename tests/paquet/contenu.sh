#!/usr/bin/env bash
# The package as dpkg sees it: exactly these files, with these modes and owner,
# all under /usr; its control fields; the program stripped and with no search
# path of its own.
#   contenu.sh <folder made by construit.sh> <version>
set -euo pipefail
dossier=$1 version=$2
paquet=$(echo "$dossier"/vibralume_*.deb)
programme=$dossier/racine/usr/bin/vibralume
echecs=0
echec() {
    echo "FAIL: $*" >&2
    echecs=$((echecs + 1))
}

attendu=$(sort <<'FIN'
-rwxr-xr-x root/root ./usr/bin/vibralume
-rw-r--r-- root/root ./usr/share/applications/vibralume.desktop
-rw-r--r-- root/root ./usr/share/doc/vibralume/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/vibralume/copyright
-rw-r--r-- root/root ./usr/share/icons/hicolor/16x16/apps/vibralume.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/22x22/apps/vibralume.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/24x24/apps/vibralume.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/32x32/apps/vibralume.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/48x48/apps/vibralume.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/64x64/apps/vibralume.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/128x128/apps/vibralume.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/256x256/apps/vibralume.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/vibralume.svg
-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/mimetypes/application-x-vibralume.svg
-rw-r--r-- root/root ./usr/share/man/fr/man1/vibralume.1.gz
-rw-r--r-- root/root ./usr/share/man/man1/vibralume.1.gz
-rw-r--r-- root/root ./usr/share/metainfo/io.github.vibralume.vibralume.metainfo.xml
-rw-r--r-- root/root ./usr/share/mime/packages/io.github.vibralume.vibralume.xml
FIN
)
liste=$(dpkg-deb -c "$paquet")
fichiers=$(awk '$1 !~ /^d/ { print $1, $2, $6 }' <<<"$liste" | sort)
if [ "$fichiers" != "$attendu" ]; then
    echec "the files differ from the expected list (< expected, > packaged):"
    diff <(echo "$attendu") <(echo "$fichiers") >&2 || true
fi
dossiers=$(awk '$1 ~ /^d/ && ($1 != "drwxr-xr-x" || $2 != "root/root" || $6 !~ /^\.\/usr\//) {
    print $1, $2, $6 }' <<<"$liste")
[ -z "$dossiers" ] || echec "folders not root's 755 under /usr: $dossiers"

# Each PNG is drawn at the size its folder names.
for png in "$dossier"/racine/usr/share/icons/hicolor/*x*/apps/vibralume.png; do
    taille=$(basename "$(dirname "$(dirname "$png")")")
    n=${taille%x*}
    file -b "$png" | grep -q "^PNG image data, $n x $n," ||
        echec "$taille icon is $(file -b "$png")"
done

champ() { dpkg-deb -f "$paquet" "$1"; }
[ "$(champ Package)" = vibralume ] || echec "Package: $(champ Package)"
[ "$(champ Version)" = "$version" ] || echec "Version: $(champ Version), not $version"
[ "$(champ Architecture)" = "$(dpkg --print-architecture)" ] ||
    echec "Architecture: $(champ Architecture)"
case $(champ Section) in education | science) ;; *) echec "Section: $(champ Section)" ;; esac
[ "$(champ Priority)" = optional ] || echec "Priority: $(champ Priority)"
[[ $(champ Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^@\>]+\>$ ]] ||
    echec "Maintainer: $(champ Maintainer)"
[[ $(champ Homepage) == https://* ]] || echec "Homepage: $(champ Homepage)"
description=$(champ Description)
[ "$(wc -l <<<"$description")" -ge 3 ] || echec "no long description: $description"
[ "$(head -1 <<<"$description" | wc -c)" -le 80 ] || echec "summary too long"
# The libraries found by dpkg-shlibdeps, each with a version.
depends=$(champ Depends)
for bib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libpulse0 \
    libqt6svg6 libqt6pdf6 libqt6pdfwidgets6; do
    [[ ", $depends" == *", $bib (>= "* ]] || echec "Depends lacks $bib: $depends"
done
# Qt's own texts in French.
[[ ", $depends, " == *", qt6-translations-l10n, "* ]] ||
    echec "Depends lacks qt6-translations-l10n: $depends"

# dpkg checks what it unpacks against md5sums: made after the last change.
controle=$(mktemp -d)
trap 'rm -rf "$controle"' EXIT
dpkg-deb -e "$paquet" "$controle"
(cd "$dossier/racine" && md5sum --quiet -c "$controle/md5sums") >&2 ||
    echec "md5sums do not match the files"

sections=$(readelf -S --wide "$programme")
grep -Eq '\.(symtab|debug_info|comment)\b' <<<"$sections" && echec "the program is not stripped"
readelf -d "$programme" | grep -Eq 'RPATH|RUNPATH' &&
    echec "the program has a search path: $(readelf -d "$programme" | grep -E 'RPATH|RUNPATH')"

echo "$echecs failure(s)"
[ "$echecs" -eq 0 ]
