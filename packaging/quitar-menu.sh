#!/bin/sh
# Takes out of this user's application menu exactly what instalar-menu.sh put there:
# the paths it listed in .menu-instalado, files first, then the folders left empty.
set -e
CARPETA=$(cd "$(dirname "$0")" && pwd)
. "$CARPETA/menu-comun.sh"

if [ ! -e "$RASTRO" ]; then
    echo "Zarcel no está en el menú de aplicaciones: no hay nada que quitar."
    exit 0
fi
if hayXdg; then
    xdg-desktop-menu uninstall --mode user --novendor zarcel.desktop
    for lado in $TAMANOS; do
        xdg-icon-resource uninstall --mode user --noupdate --size "$lado" zarcel
    done
    xdg-icon-resource forceupdate --mode user
fi
while IFS= read -r ruta; do
    [ -d "$ruta" ] || rm -f "$ruta"
done <"$RASTRO"
sort -r "$RASTRO" | while IFS= read -r ruta; do
    [ ! -d "$ruta" ] || rmdir "$ruta" 2>/dev/null || true
done
rm -f "$RASTRO"
echo "Zarcel ya no está en el menú de aplicaciones."
