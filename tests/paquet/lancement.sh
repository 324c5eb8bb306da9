#!/usr/bin/env bash
# The installed program, run from the package unpacked into a temporary root
# by the owner of its folder, as `sudo vibralume` runs it: the main window
# loads and writes the tone into the user's data folder only, says nothing on
# standard error, and leaves the program's folder as it was (no file there
# that no package owns).
#   lancement.sh <folder made by construit.sh>
set -euo pipefail
paquet=$(echo "$1"/vibralume_*.deb)
temp=$(realpath "$(mktemp -d)")
racine=$temp/racine
programme=$racine/usr/bin/vibralume
pid=
fin() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    chmod -R u+w "$temp"
    rm -rf "$temp"
}
trap fin EXIT
dpkg-deb -x "$paquet" "$racine"
mkdir -m 700 "$temp/maison" "$temp/donnees" "$temp/run"
avant=$(ls -A "$racine/usr/bin")

(cd "$temp/maison" && exec env -i PATH=/usr/bin:/bin HOME="$temp/maison" XDG_DATA_HOME="$temp/donnees" \
    XDG_RUNTIME_DIR="$temp/run" QT_QPA_PLATFORM=offscreen \
    "$programme" --sans-accueil 2>"$temp/erreurs") &
pid=$!

ton=$temp/donnees/vibralume/test.wav
for _ in $(seq 300); do
    [ ! -f "$ton" ] || break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
vivant=yes
kill -0 "$pid" 2>/dev/null || vivant=no
kill -TERM "$pid" 2>/dev/null || true
wait "$pid" || true
pid=

echo "standard error:"
cat "$temp/erreurs"
echecs=0
echec() {
    echo "FAIL: $*" >&2
    echecs=$((echecs + 1))
}
[ "$vivant" = yes ] || echec "the program ended by itself"
if [ -f "$ton" ]; then
    [ "$(head -c 4 "$ton")" = RIFF ] && [ "$(tail -c +9 "$ton" | head -c 4)" = WAVE ] ||
        echec "$ton is not a WAVE file"
    [ "$(stat -c %s "$ton")" -gt 44 ] || echec "$ton holds no sound"
else
    echec "no tone in the data folder after 30 s"
fi
lignes=$(grep -c '^vibralume' "$temp/erreurs" || true)
[ "$lignes" -eq 0 ] || echec "$lignes lines from the program on standard error, not 0"
[ "$(ls -A "$racine/usr/bin")" = "$avant" ] || echec "the program's folder changed"

echo "$echecs failure(s)"
[ "$echecs" -eq 0 ]
