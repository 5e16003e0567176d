#!/bin/sh
# Installs the build into a folder whose name needs quoting in a desktop entry, then runs
# instalar-menu.sh and quitar-menu.sh for an isolated user, once with the xdg tools and
# once with a PATH that lacks them. Skipped (77) where desktop-file-validate is missing.
#   menu.sh BUILD
set -u
CONSTRUCCION=$1
VALIDAR=$(command -v desktop-file-validate) || exit 77
APPSTREAM=$(command -v appstreamcli) || exit 77
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
fallo() {
    echo "FALLO: $*" >&2
    exit 1
}

CARPETA="$T/Mis programas/\"zarcel\" \$1 100%"
cmake --install "$CONSTRUCCION" --prefix "$CARPETA" >/dev/null || fallo "cmake --install"
"$VALIDAR" "$CARPETA/zarcel.desktop" || fallo "zarcel.desktop no es válido"
"$APPSTREAM" validate --no-net "$CARPETA"/*.metainfo.xml || fallo "el metainfo no es válido"

# PATH with only the tools the scripts may use, so that the second run takes the route without xdg-utils.
mkdir "$T/bin"
for herramienta in sh sed mkdir cp rm rmdir mktemp dirname printf cat find sort comm; do
    ln -s "$(command -v $herramienta)" "$T/bin/"
done

for modo in xdg-utils sin-xdg-utils; do
    ruta=$PATH
    [ $modo = xdg-utils ] || ruta=$T/bin
    export HOME="$T/casa" XDG_DATA_HOME="$T/casa/datos" XDG_CONFIG_HOME="$T/casa/config"
    rm -rf "$HOME" && mkdir -p "$HOME/datos"
    find "$HOME" | sort >"$T/antes"
    PATH=$ruta sh "$CARPETA/quitar-menu.sh" >/dev/null || fallo "quitar-menu.sh sin instalar ($modo)"
    find "$HOME" | sort | diff "$T/antes" - || fallo "quitar-menu.sh sin instalar escribe ($modo)"
    PATH=$ruta sh "$CARPETA/instalar-menu.sh" >/dev/null || fallo "instalar-menu.sh ($modo)"
    LANZADOR=$XDG_DATA_HOME/applications/zarcel.desktop
    "$VALIDAR" "$LANZADOR" || fallo "el lanzador instalado no es válido ($modo)"
    [ -s "$XDG_DATA_HOME/icons/hicolor/48x48/apps/zarcel.png" ] || fallo "falta el icono ($modo)"
    # The Exec line, unquoted as a desktop does, must name the installed program. As a
    # string value it may hold no backslash but the escapes \\ \s \n \t \r (GLib rejects others).
    sed -n 's/^Exec=//p' "$LANZADOR" | sed 's/\\[\\sntr]//g' | grep -q '\\' &&
        fallo "Exec con escapes que un escritorio rechaza ($modo)"
    EXEC=$(sed -n 's/^Exec=//p' "$LANZADOR" | sed -e 's/\\\\/\\/g' -e 's/%%/%/g')
    eval "set -- $EXEC"
    [ "$1" = "$CARPETA/zarcel" ] || fallo "Exec no lleva al programa: $1 ($modo)"
    PATH=$ruta sh "$CARPETA/quitar-menu.sh" >/dev/null || fallo "quitar-menu.sh ($modo)"
    find "$HOME" | sort | diff "$T/antes" - || fallo "quitar-menu.sh deja restos ($modo)"
    [ ! -e "$CARPETA/.menu-instalado" ] || fallo "queda .menu-instalado ($modo)"
done
echo "carpeta portable y menú correctos"
