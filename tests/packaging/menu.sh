#!/bin/sh
# Installs the build into a folder whose name needs quoting in a desktop entry, then runs
# instalar-menu.sh and quitar-menu.sh for an isolated user, once with the xdg tools, once
# with a PATH that lacks them and once with a blank in the data folder. Skipped (77)
# where desktop-file-validate is missing.
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

# A stand-in for the program, so that the launcher can be started for real.
cat >"$CARPETA/zarcel" <<FIN
#!/bin/sh
pwd >"$T/lanzado"
FIN

# The third run has a blank in the data folder, which xdg-utils cannot take.
for modo in xdg-utils sin-xdg-utils espacio; do
    ruta=$PATH
    [ $modo != sin-xdg-utils ] || ruta=$T/bin
    datos=$T/casa/datos
    [ $modo != espacio ] || datos="$T/casa/mis datos"
    export HOME="$T/casa" XDG_DATA_HOME="$datos" XDG_CONFIG_HOME="$T/casa/config"
    rm -rf "$HOME" && mkdir -p "$XDG_DATA_HOME"
    find "$HOME" | sort >"$T/antes"
    PATH=$ruta sh "$CARPETA/quitar-menu.sh" >/dev/null || fallo "quitar-menu.sh sin instalar ($modo)"
    find "$HOME" | sort | diff "$T/antes" - || fallo "quitar-menu.sh sin instalar escribe ($modo)"
    PATH=$ruta sh "$CARPETA/instalar-menu.sh" >/dev/null || fallo "instalar-menu.sh ($modo)"
    LANZADOR=$XDG_DATA_HOME/applications/zarcel.desktop
    "$VALIDAR" "$LANZADOR" || fallo "el lanzador instalado no es válido ($modo)"
    [ -s "$XDG_DATA_HOME/icons/hicolor/48x48/apps/zarcel.png" ] || fallo "falta el icono ($modo)"
    # As a string value, Path may hold no backslash but the escapes \\ \s \n \t \r (GLib rejects others).
    sed -n 's/^Path=//p' "$LANZADOR" | sed 's/\\[\\sntr]//g' | grep -q '\\' &&
        fallo "Path con escapes que un escritorio rechaza ($modo)"
    [ "$(sed -n 's/^Path=//p' "$LANZADOR" | sed 's/\\\\/\\/g')" = "$CARPETA" ] ||
        fallo "Path no es la carpeta del programa ($modo)"
    if command -v gio >/dev/null; then
        rm -f "$T/lanzado"
        XDG_CACHE_HOME=$T/cache gio launch "$LANZADOR" || fallo "gio launch no arranca el lanzador ($modo)"
        i=0
        while [ ! -s "$T/lanzado" ] && [ $i -lt 100 ]; do
            sleep 0.1
            i=$((i + 1))
        done
        [ "$(cat "$T/lanzado")" = "$CARPETA" ] || fallo "gio launch no arranca el programa ($modo)"
    fi
    PATH=$ruta sh "$CARPETA/quitar-menu.sh" >/dev/null || fallo "quitar-menu.sh ($modo)"
    find "$HOME" | sort | diff "$T/antes" - || fallo "quitar-menu.sh deja restos ($modo)"
    [ ! -e "$CARPETA/.menu-instalado" ] || fallo "queda .menu-instalado ($modo)"
done
echo "carpeta portable y menú correctos"
