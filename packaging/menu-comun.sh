# Shared by instalar-menu.sh and quitar-menu.sh (sourced, with CARPETA set).
DATOS=${XDG_DATA_HOME:-$HOME/.local/share}
CONFIGURACION=${XDG_CONFIG_HOME:-$HOME/.config}
TAMANOS="16 32 48 64 128 256"
RASTRO=$CARPETA/.menu-instalado

hayXdg() { command -v xdg-desktop-menu >/dev/null && command -v xdg-icon-resource >/dev/null; }

# Every existing path where the menu and icon tools may write, with the folders above
# them, sorted: what appears between two runs is what the installation created.
rastrear() {
    for raiz in "$DATOS/applications" "$DATOS/icons/hicolor" "$CONFIGURACION/menus" "$HOME/.gnome"; do
        carpeta=$(dirname "$raiz")
        while [ "$carpeta" != / ] && [ "$carpeta" != . ]; do
            [ -e "$carpeta" ] && printf '%s\n' "$carpeta"
            carpeta=$(dirname "$carpeta")
        done
        [ -e "$raiz" ] && find "$raiz"
    done | sort -u
}
