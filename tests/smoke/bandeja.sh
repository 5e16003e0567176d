#!/bin/bash
# The tray on a real X server with a window manager. A "--hide" start with no tray
# waits hidden, then shows its window (not minimised); one whose tray appears two
# seconds late docks its icon there and stays hidden. After each restore from the
# icon, what the user types reaches the control that had the focus (or the message
# box). The tray's Cerrar ends the program while a modal window is open.
#   bandeja.sh ZARCEL ARTEFACTS
set -u
ZARCEL=$1 ARTEFACTOS=$2
TITULO='Zarcel v.3.0.2'

mkdir -p "$ARTEFACTOS"
rm -f "$ARTEFACTOS"/*.png "$ARTEFACTOS"/*.log
source "$(dirname "$0")/escritorio.sh"

fallo() {
    echo "FALLO: $*" >&2
    import -window root "$ARTEFACTOS/fallo.png" 2>/dev/null
    cp "$TEMPORAL"/*.log "$ARTEFACTOS"/ 2>/dev/null
    exit 1
}
paso() { echo "-- $*"; }
ventana() { xdotool search --onlyvisible --name "^$TITULO\$" 2>/dev/null | head -1; }
# The icon's window is the program's one named after it.
icono() {
    for w in $(xdotool search --onlyvisible --classname '^zarcel$' 2>/dev/null); do
        [ "$(xdotool getwindowname "$w")" = zarcel ] && echo "$w" && return
    done
}
# Waits up to $2 seconds for the function $1 to print something.
esperar() {
    for _ in $(seq $(($2 * 4))); do [ -n "$($1)" ] && return 0; sleep 0.25; done
    return 1
}
arrancarOculto() {
    (cd "$TEMPORAL/programa" && exec ./zarcel --hide >>"$TEMPORAL/zarcel.log" 2>&1) &
    ZARCEL_PID=$!
    PROCESOS+=($ZARCEL_PID)
}
# Clicks the icon, types $1 and checks, through the clipboard, that the text
# arrived in the control with the focus; $2 are the keys that select it there.
restaurarYEscribir() {
    xdotool mousemove --window "$(icono)" 4 4 click 1
    esperar ventana 10 && esperarFoco "$(ventana)" || fallo "el icono no restaura la ventana"
    xdotool type --delay 40 "$1"
    teclas $2 ctrl+c
    for _ in $(seq 20); do
        COPIADO=$(timeout 5 xclip -o -selection clipboard 2>/dev/null)
        [ "$COPIADO" = "$1" ] && return
        sleep 0.25
    done
    fallo "tras restaurar, lo tecleado no llega al control con el foco ('$COPIADO')"
}

cp "$ZARCEL" "$TEMPORAL/programa/"
SIN_BANDEJA=1 iniciarEscritorio || fallo "Xvfb no arranca"
# Under a window manager a minimised window is not on the screen at all.
openbox >"$TEMPORAL/openbox.log" 2>&1 &
PROCESOS+=($!)

paso "--hide sin bandeja: espera oculto y después se muestra"
arrancarOculto
INICIO=$(date +%s%N)
esperar ventana 20 || fallo "sin bandeja, la ventana no aparece tras la espera"
# The program gives the tray ten seconds to appear.
[ $((($(date +%s%N) - INICIO) / 1000000)) -ge 9000 ] || fallo "la ventana aparece sin esperar a la bandeja"
kill "$ZARCEL_PID"
wait "$ZARCEL_PID" 2>/dev/null

paso "--hide con la bandeja dos segundos tarde"
arrancarOculto
sleep 2 # not a wait: the tray is meant to come late, while the program looks for it
iniciarBandeja
esperar icono 10 || fallo "el icono no llega a la bandeja"
[ -z "$(ventana)" ] || fallo "la ventana se muestra aunque la bandeja llegó a tiempo"

paso "restaurar: el foco en la caja del mensaje"
restaurarYEscribir hola ctrl+shift+Home

paso "ocultar desde el prefijo y restaurar: el foco vuelve al prefijo"
teclas Tab Tab Tab Tab ctrl+m
esperar icono 5 || fallo "Ctrl+M no oculta la ventana"
[ -z "$(ventana)" ] || fallo "Ctrl+M no oculta la ventana"
restaurarYEscribir 39 "Home shift+End"

paso "Cerrar desde la bandeja con Opciones abierta"
teclas ctrl+o
timeout 10 xdotool search --sync --onlyvisible --name '^Opciones$' >/dev/null || fallo "Ctrl+O no abre Opciones"
VENTANAS=$(xdotool search --onlyvisible --classname '^zarcel$' | wc -l)
xdotool mousemove --window "$(icono)" 4 4 click 3
# The icon's menu is one more window of the program.
for _ in $(seq 50); do
    [ "$(xdotool search --onlyvisible --classname '^zarcel$' | wc -l)" -gt "$VENTANAS" ] && break
    sleep 0.2
done
teclas Up Return
for _ in $(seq 50); do kill -0 "$ZARCEL_PID" 2>/dev/null || break; sleep 0.2; done
kill -0 "$ZARCEL_PID" 2>/dev/null && fallo "la bandeja no responde con Opciones abierta"
wait "$ZARCEL_PID" || fallo "el programa no termina limpio desde la bandeja"
cp "$TEMPORAL"/*.log "$ARTEFACTOS"/
echo "prueba de la bandeja superada"
