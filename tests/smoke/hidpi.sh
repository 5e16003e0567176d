#!/bin/bash
# The real program on a dense screen: with QT_SCALE_FACTOR=2, and again with
# QT_SCREEN_SCALE_FACTORS=1.5, on an X screen large enough for the scaled windows,
# it opens the main, send, options, address-book and about windows and keeps a
# screenshot of each in ARTEFACTS/<scale>/. Every window must lie on the screen; the
# pictures are for a person to look at.
#   hidpi.sh ZARCEL ARTEFACTS
set -u
ZARCEL=$1 ARTEFACTOS=$2

if [ $# -eq 2 ]; then
    rm -rf "$ARTEFACTOS"
    bash "$0" "$ZARCEL" "$ARTEFACTOS/escala-2" QT_SCALE_FACTOR=2 2048x1536x24 &&
        bash "$0" "$ZARCEL" "$ARTEFACTOS/escala-1.5" QT_SCREEN_SCALE_FACTORS=1.5 1536x1152x24
    exit
fi
ESCALA=$3 PANTALLA=$4
mkdir -p "$ARTEFACTOS"
source "$(dirname "$0")/escritorio.sh"

fallo() {
    echo "FALLO ($ESCALA): $*" >&2
    import -window root "$ARTEFACTOS/fallo.png" 2>/dev/null
    cp "$TEMPORAL"/*.log "$ARTEFACTOS"/ 2>/dev/null
    exit 1
}
ANCHO=${PANTALLA%%x*}
ALTO=${PANTALLA#*x}
ALTO=${ALTO%%x*}
# Opens a window with keys $2..., checks it lies on the screen, keeps its picture as $1.png.
fotografiar() {
    local titulo=$1
    shift
    if [ $# -gt 0 ]; then
        xdotool windowfocus --sync "$PRINCIPAL"
        teclas "$@"
    fi
    local ventana
    ventana=$(esperarVentana "$titulo")
    [ -n "$ventana" ] && esperarFoco "$ventana" || fallo "no se abre «$titulo» con $*"
    # A scaled window can still move or grow just after it shows: read until two readings agree.
    local antes='' geometria
    for _ in $(seq 50); do
        geometria=$(xdotool getwindowgeometry --shell "$ventana")
        [ "$geometria" = "$antes" ] && break
        antes=$geometria
        sleep 0.2
    done
    eval "$geometria"
    [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$ANCHO" ] && [ $((Y + HEIGHT)) -le "$ALTO" ] ||
        fallo "«$titulo» (${WIDTH}x$HEIGHT en $X,$Y) no cabe en la pantalla"
    import -window "$ventana" "$ARTEFACTOS/$(echo "$titulo" | tr -cd '[:alnum:]').png" 2>/dev/null
}

cp "$ZARCEL" "$TEMPORAL/programa/"
iniciarEscritorio || fallo "Xvfb no arranca"
export "${ESCALA?}"
(cd "$TEMPORAL/programa" && exec ./zarcel >"$TEMPORAL/zarcel.log" 2>&1) &
PROCESOS+=($!)
PRINCIPAL=$(esperarVentana 'Zarcel v.3.0.2')
[ -n "$PRINCIPAL" ] || fallo "no aparece la ventana principal"
xdotool windowfocus --sync "$PRINCIPAL"
xprop -id "$PRINCIPAL" _NET_WM_ICON | grep -q '^_NET_WM_ICON(CARDINAL) = ' ||
    fallo "la ventana principal no lleva el icono del programa"
fotografiar 'Zarcel v.3.0.2'
import -window root "$ARTEFACTOS/pantalla.png" 2>/dev/null # the tray icon too

cerrar() {
    teclas Escape
    esperarCierre "$1" || fallo "«$1» no se cierra con Esc"
}
fotografiar Opciones ctrl+o
cerrar Opciones
fotografiar Agenda ctrl+b
cerrar Agenda
fotografiar 'About...' alt+y Up Return
cerrar 'About...'
# A typed number and no proxy: the send fails, the window stays open for its picture.
xdotool windowfocus --sync "$PRINCIPAL"
xdotool type --delay 40 'Hola'
teclas Tab Tab Tab Tab
xdotool type --delay 40 34
teclas Tab
xdotool type --delay 40 600123456
teclas Return
fotografiar 'Envio de mensajes' ctrl+e
echo "ventanas a escala ($ESCALA) en $ARTEFACTOS"
