#!/usr/bin/env bash
# What the desktop reads from the package: the desktop entry and the AppStream
# data pass their validators and name what the package holds; the manual pages
# render without a warning and document every option of --help; and the
# version is the same in the program, the AppStream data, the changelog and
# the manual pages.
#   documents.sh <folder made by construit.sh> <version>
set -euo pipefail
dossier=$1 version=$2
racine=$dossier/racine
share=$racine/usr/share
bureau=$share/applications/vibralume.desktop
metainfo=$share/metainfo/io.github.vibralume.vibralume.metainfo.xml
echecs=0
echec() {
    echo "FAIL: $*" >&2
    echecs=$((echecs + 1))
}
# The program as installed, with no display: it must answer without one.
programme() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$racine/usr/bin/vibralume" "$@"; }

# Not a hint nor a pedantic note: each is a flaw some menu or software
# centre shows.
sortie=$(desktop-file-validate "$bureau" 2>&1) || echec "desktop-file-validate: $sortie"
[ -z "$sortie" ] || echec "desktop-file-validate has something to say: $sortie"
echo "desktop-file-validate: ${sortie:-(nothing to say)}"
# Its verdict is read in English, whatever the desktop's language.
sortie=$(LC_ALL=C.UTF-8 LANGUAGE= appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1) ||
    echec "appstreamcli validate: $sortie"
grep -Eq '^[EWIP]: ' <<<"$sortie" && echec "appstreamcli has something to say"
grep -v '^$' <<<"$sortie" | tail -1 | grep -q 'Validation was successful\.$' ||
    echec "appstreamcli does not end with a plain success"
echo "appstreamcli: $sortie"

# The lesson files' type: a valid shared-mime-info file that the database
# takes, matching *.vibralume, the type the desktop entry and AppStream name,
# with its icon in the package.
mime=$share/mime/packages/io.github.vibralume.vibralume.xml
sortie=$(xmllint --noout "$mime" 2>&1) || echec "xmllint $mime: $sortie"
donnees=$(mktemp -d)
base=$donnees/mime
mkdir -p "$base/packages"
cp "$mime" "$base/packages/"
sortie=$(XDG_DATA_DIRS=$donnees update-mime-database "$base" 2>&1) ||
    echec "update-mime-database: $sortie"
[ -z "$sortie" ] || echec "update-mime-database has something to say: $sortie"
grep -qx '50:application/x-vibralume:\*.vibralume' "$base/globs2" ||
    echec "no glob *.vibralume for application/x-vibralume in: $(cat "$base/globs2")"
grep -qx 'application/x-vibralume application/json' "$base/subclasses" ||
    echec "application/x-vibralume is not a kind of JSON"
rm -rf "$donnees"
grep -qx 'MimeType=application/x-vibralume;' "$bureau" || echec "the desktop entry lacks MimeType"
grep -q '^Exec=vibralume %f$' "$bureau" || echec "the desktop entry does not pass the file: $(grep ^Exec= "$bureau")"
grep -q '<mediatype>application/x-vibralume</mediatype>' "$metainfo" ||
    echec "AppStream does not provide application/x-vibralume"
[ -f "$share/icons/hicolor/scalable/mimetypes/application-x-vibralume.svg" ] ||
    echec "no icon for lesson files"

# What each one names is in the package.
cle() { sed -n "s/^$1=//p" "$bureau"; }
[ -x "$racine/usr/bin/$(cle Exec | cut -d' ' -f1)" ] || echec "Exec=$(cle Exec) is not installed"
icone=$(cle Icon)
[ -f "$share/icons/hicolor/scalable/apps/$icone.svg" ] || echec "no scalable icon $icone"
[ -f "$share/icons/hicolor/48x48/apps/$icone.png" ] || echec "no 48x48 icon $icone"
lancement=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ -f "$share/applications/$lancement" ] || echec "launchable $lancement is not installed"
binaire=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
[ -x "$racine/usr/bin/$binaire" ] || echec "provided binary $binaire is not installed"

# One version everywhere.
[ "$(programme --version)" = "vibralume $version" ] ||
    echec "--version says '$(programme --version)', not $version"
derniere=$(grep -o -m1 '<release version="[^"]*"' "$metainfo")
[ "$derniere" = "<release version=\"$version\"" ] || echec "newest AppStream release: $derniere"
premiere=$(zcat "$share/doc/vibralume/changelog.gz" | head -1)
[[ $premiere == "vibralume ($version) "* ]] || echec "changelog starts with: $premiere"

# The manual pages: compressed, clean for man's own checks, and complete.
options=$(programme --help | grep -Eo -- '--[a-z][a-z-]*' | sort -u)
[ "$(wc -l <<<"$options")" -ge 4 ] || echec "too few options in --help: $options"
for page in "$share/man/man1/vibralume.1.gz" "$share/man/fr/man1/vibralume.1.gz"; do
    avertissements=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$avertissements" ] || echec "$page: $avertissements"
    zcat "$page" | grep -q "^\.TH VIBRALUME 1 \"[^\"]*\" \"Vibralume $version\"" ||
        echec "$page: .TH does not give version $version"
    texte=$(LC_ALL=C.UTF-8 MANWIDTH=1000 man -l "$page" 2>/dev/null)
    for option in $options; do
        grep -q -- "$option\b" <<<"$texte" || echec "$page does not document $option"
    done
done

echo "$echecs failure(s)"
[ "$echecs" -eq 0 ]
