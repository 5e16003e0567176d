#!/bin/sh
# Puts Zarcel, with its icons, into this user's application menu. The launcher starts
# the zarcel beside this script; run it again after moving the folder.
# Every path it creates is listed in .menu-instalado, which quitar-menu.sh follows.
set -e
CARPETA=$(cd "$(dirname "$0")" && pwd)
. "$CARPETA/menu-comun.sh"
TEMPORAL=$(mktemp -d)
trap 'rm -rf "$TEMPORAL"' EXIT

# GLib's launchers look the program up under its Exec spelling, "%%" included, so the
# folder goes in Path, a plain string value (backslashes doubled), and a shell starts
# the program from there. The Exec line is the value of `sh -c 'exec ./"$0"' zarcel`.
RUTA=$(printf '%s\n' "$CARPETA" | sed -e 's/\\/\\\\/g')
while IFS= read -r linea; do
    case $linea in
    Exec=*)
        printf 'Path=%s\n' "$RUTA"
        printf '%s\n' 'Exec=sh -c "exec ./\\"\\$0\\"" zarcel'
        ;;
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
