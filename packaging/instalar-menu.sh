#!/bin/sh
# Puts Zarcel, with its icons, into this user's application menu. The launcher starts
# the zarcel beside this script; run it again after moving the folder.
# Every path it creates is listed in .menu-instalado, which quitar-menu.sh follows.
set -e
CARPETA=$(cd "$(dirname "$0")" && pwd)
. "$CARPETA/menu-comun.sh"
TEMPORAL=$(mktemp -d)
trap 'rm -rf "$TEMPORAL"' EXIT

# An Exec path goes in double quotes with " ` $ \ escaped, then every backslash is
# doubled again as in any desktop-entry value; a % is written %%.
EJECUTABLE=$(printf '%s\n' "$CARPETA/zarcel" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')
while IFS= read -r linea; do
    case $linea in
    Exec=*) printf 'Exec="%s"\n' "$EJECUTABLE" ;;
    *) printf '%s\n' "$linea" ;;
    esac
done <"$CARPETA/zarcel.desktop" >"$TEMPORAL/zarcel.desktop"

[ -e "$RASTRO" ] || rastrear >"$TEMPORAL/antes"
if hayXdg; then
    for lado in $TAMANOS; do
        xdg-icon-resource install --mode user --noupdate --novendor --size "$lado" \
            "$CARPETA/iconos/zarcel-$lado.png" zarcel
    done
    xdg-icon-resource forceupdate --mode user
    xdg-desktop-menu install --mode user --novendor "$TEMPORAL/zarcel.desktop"
else
    for lado in $TAMANOS; do
        mkdir -p "$DATOS/icons/hicolor/${lado}x$lado/apps"
        cp "$CARPETA/iconos/zarcel-$lado.png" "$DATOS/icons/hicolor/${lado}x$lado/apps/zarcel.png"
    done
    mkdir -p "$DATOS/applications"
    cp "$TEMPORAL/zarcel.desktop" "$DATOS/applications/zarcel.desktop"
fi
# A second run keeps the list of the first: the paths it names are Zarcel's already.
[ -e "$RASTRO" ] || rastrear | comm -13 "$TEMPORAL/antes" - >"$RASTRO"
echo "Zarcel está en el menú de aplicaciones: $DATOS/applications/zarcel.desktop"
