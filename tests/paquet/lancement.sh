#!/usr/bin/env bash
# The installed program, run from the package unpacked into a temporary root
# by a user who may not write in its folder, as after a system install: the
# main window loads and writes the tone into the user's data folder, says so
# once on standard error, and leaves the program's folder as it was.
#   lancement.sh <folder made by construit.sh>
set -euo pipefail
paquet=$(echo "$1"/vibralume_*.deb)
# Root writes anywhere: the program then runs as nobody, for whom the
# package's root-owned folder is closed, as it is for a user; nobody must be
# able to reach the temporary root, so it lies in /tmp.
if [ "$(id -u)" -eq 0 ]; then
    temp=$(mktemp -d /tmp/vibralume-lancement.XXXXXX)
    chmod 755 "$temp"
    utilisateur=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    temp=$(mktemp -d)
    utilisateur=()
fi
temp=$(realpath "$temp")
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
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$temp/maison" "$temp/donnees" "$temp/run"
else
    chmod a-w "$racine/usr/bin"
fi
avant=$(ls -A "$racine/usr/bin")

(cd "$temp/maison" && exec env -i PATH=/usr/bin:/bin HOME="$temp/maison" XDG_DATA_HOME="$temp/donnees" \
    XDG_RUNTIME_DIR="$temp/run" QT_QPA_PLATFORM=offscreen \
    "${utilisateur[@]}" "$programme" --sans-accueil 2>"$temp/erreurs") &
pid=$!

ton=$temp/donnees/vibralume/test.wav
attendue="vibralume : écriture impossible dans $racine/usr/bin ; le son est écrit dans $temp/donnees/vibralume"
for _ in $(seq 300); do
    if [ -f "$ton" ] && grep -qxF "$attendue" "$temp/erreurs"; then
        break
    fi
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
[ "$lignes" -eq 1 ] || echec "$lignes lines from the program on standard error, not 1"
grep -qxF "$attendue" "$temp/erreurs" || echec "expected on standard error: $attendue"
[ "$(ls -A "$racine/usr/bin")" = "$avant" ] || echec "the program's folder changed"

echo "$echecs failure(s)"
[ "$echecs" -eq 0 ]
