#!/bin/sh
# Takes out of this user's application menu what instalar-menu.sh put there.
set -e
DATOS=${XDG_DATA_HOME:-$HOME/.local/share}
TAMANOS="16 32 48 64 128 256"

if command -v xdg-desktop-menu >/dev/null && command -v xdg-icon-resource >/dev/null; then
    xdg-desktop-menu uninstall --novendor zarcel.desktop
    for lado in $TAMANOS; do
        xdg-icon-resource uninstall --noupdate --size "$lado" zarcel
    done
    xdg-icon-resource forceupdate
else
    rm -f "$DATOS/applications/zarcel.desktop"
    for lado in $TAMANOS; do
        rm -f "$DATOS/icons/hicolor/${lado}x$lado/apps/zarcel.png"
    done
fi
echo "Zarcel ya no está en el menú de aplicaciones."
