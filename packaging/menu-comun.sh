# Shared by instalar-menu.sh and quitar-menu.sh (sourced, with CARPETA set).
DATOS=${XDG_DATA_HOME:-$HOME/.local/share}
CONFIGURACION=${XDG_CONFIG_HOME:-$HOME/.config}
TAMANOS="16 32 48 64 128 256"
RASTRO=$CARPETA/.menu-instalado

# xdg-utils split their folder lists at blanks and expand the pieces as patterns: with
# such a character in a folder they write under another path. Then the files go in directly.
hayXdg() {
    case $DATOS$CONFIGURACION$HOME in
    *[[:space:]*?[]*) return 1 ;;
    esac
    command -v xdg-desktop-menu >/dev/null && command -v xdg-icon-resource >/dev/null
}

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
