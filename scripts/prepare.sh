#!/usr/bin/env bash
# Installs what this machine lacks (Debian 12), then configures and builds
# Vibralume in ./build. Safe to run again: it installs nothing twice and
# rebuilds only what changed. With --paquets-seulement it only installs.
set -euo pipefail
cd "$(dirname "$0")/.."

paquets=(
    build-essential cmake ninja-build pkg-config git clang-format
    qt6-base-dev qt6-base-dev-tools qt6-pdf-dev qt6-svg-dev
    qt6-qpa-plugins libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libpulse-dev
    fonts-crosextra-carlito fonts-liberation2
    libbenchmark-dev
    pulseaudio pulseaudio-utils poppler-utils
    xvfb openbox x11-utils
    dpkg-dev file desktop-file-utils appstream man-db lintian shared-mime-info libxml2-utils
    locales
)

manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$p")
    fi
done

if ((${#manquants[@]})); then
    if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
    echo "Installing: ${manquants[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${manquants[@]}"
fi

# Our users' desktops are French, and some tests run in an English session:
# both locales must exist for the C library, or a test under them silently
# runs in the C locale and proves nothing.
locales_voulues=(fr_FR.UTF-8 en_US.UTF-8)
locales_manquantes=()
for l in "${locales_voulues[@]}"; do
    # `locale -a` spells them fr_FR.utf8.
    if ! locale -a 2>/dev/null | grep -qix "${l%%.*}\.utf-\?8"; then
        locales_manquantes+=("$l")
    fi
done
if ((${#locales_manquantes[@]})); then
    if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
    echo "Generating the locales: ${locales_manquantes[*]}"
    for l in "${locales_manquantes[@]}"; do
        if grep -qx "# *$l UTF-8" /etc/locale.gen; then
            "${sudo[@]}" sed -i "s/^# *\($l UTF-8\)\$/\1/" /etc/locale.gen
        elif ! grep -qx "$l UTF-8" /etc/locale.gen; then
            echo "$l UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
        fi
    done
    "${sudo[@]}" locale-gen >/dev/null
fi

if [ "${1:-}" = --paquets-seulement ]; then
    exit 0
fi

cmake --preset normal >/dev/null
cmake --build --preset normal
