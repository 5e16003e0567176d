#!/bin/bash
# The real program on a real X server, driven by the keyboard as a person would:
# start in an empty folder, write a message, add a typed number, point the proxy
# at the gateway stand-in, send, close through the menu, then check what the
# stand-in received and what the program left on disk. Screenshots of every step
# stay in the artefacts folder.
#   smoke.sh ZARCEL GATEWAY_SIM HELP_TXT ARTEFACTS
set -u
ZARCEL=$1 SIMULADOR=$2 AYUDA=$3 ARTEFACTOS=$4
TITULO='Zarcel v.3.0.2'
MENSAJE='Hola desde la prueba de escritorio'
PREFIJO=34
NUMERO=600123456

mkdir -p "$ARTEFACTOS"
rm -f "$ARTEFACTOS"/*.png "$ARTEFACTOS"/*.log
source "$(dirname "$0")/escritorio.sh"

fallo() {
    echo "FALLO: $*" >&2
    captura fallo
    cp "$TEMPORAL"/*.log "$ARTEFACTOS"/ 2>/dev/null
    exit 1
}
paso() { echo "-- $*"; }
N=0
captura() {
    N=$((N + 1))
    import -window root "$ARTEFACTOS/$(printf %02d $N)-$1.png" 2>/dev/null
}
cp "$ZARCEL" "$AYUDA" "$TEMPORAL/programa/"

paso "servidor X y bandeja del sistema"
iniciarEscritorio || fallo "Xvfb no arranca"

paso "el simulador de pasarelas en un puerto libre"
"$SIMULADOR" --puerto 0 --mostrar >"$TEMPORAL/simulador.log" 2>&1 &
PROCESOS+=($!)
for _ in $(seq 100); do grep -q 'puerto [0-9]' "$TEMPORAL/simulador.log" && break; sleep 0.1; done
PUERTO=$(sed -n 's/.*puerto \([0-9]*\).*/\1/p' "$TEMPORAL/simulador.log" | head -1)
[ -n "$PUERTO" ] || fallo "el simulador no escucha"

paso "arranque en una carpeta vacía"
(cd "$TEMPORAL/programa" && exec ./zarcel >"$TEMPORAL/zarcel.log" 2>&1) &
ZARCEL_PID=$!
PROCESOS+=($ZARCEL_PID)
PRINCIPAL=$(esperarVentana "$TITULO" 30)
[ -n "$PRINCIPAL" ] || fallo "no aparece la ventana principal"
xdotool windowfocus --sync "$PRINCIPAL"
captura inicio
[ "$(stat -c %s "$TEMPORAL/programa/zarcel.cfg" 2>/dev/null)" = 567 ] || fallo "no se escribió zarcel.cfg por defecto"

paso "el mensaje"
escribir "$MENSAJE"
captura mensaje

paso "un número tecleado"
# Tab order: message, gateway, contacts, groups, prefix, number.
teclas Tab Tab Tab Tab
escribir "$PREFIJO"
teclas Tab
escribir "$NUMERO"
teclas Return
captura destinatario

paso "el proxy en Opciones: el simulador"
teclas ctrl+o
OPCIONES=$(esperarVentana Opciones)
[ -n "$OPCIONES" ] && esperarFoco "$OPCIONES" || fallo "Ctrl+O no abre Opciones"
captura opciones
# The tab strip has the focus: two pages right is Proxy; then its check box and boxes.
teclas Right Right Tab space Tab
escribir 127.0.0.1
teclas Tab
escribir "$PUERTO"
captura opciones-proxy
teclas Return
esperarCierre Opciones || fallo "Opciones no se cierra con OK"
[ "$(od -An -tx1 -j80 -N2 "$TEMPORAL/programa/zarcel.cfg" | tr -d ' ')" = ffff ] ||
    fallo "zarcel.cfg no tiene el proxy activado"

paso "el envío"
xdotool windowfocus --sync "$PRINCIPAL"
teclas ctrl+e
ENVIO=$(esperarVentana 'Envio de mensajes')
[ -n "$ENVIO" ] && esperarFoco "$ENVIO" || fallo "Ctrl+E no abre el envío"
for _ in $(seq 150); do grep -q '(mensaje aceptado)' "$TEMPORAL/simulador.log" && break; sleep 0.2; done
captura envio
grep -q "$NUMERO" "$TEMPORAL/simulador.log" || fallo "el simulador no recibió el número"
grep -q 'Hola+desde+la+prueba+de+escritorio' "$TEMPORAL/simulador.log" ||
    fallo "el simulador no recibió el mensaje"
grep -q '^Movistar POST .*(mensaje aceptado)' "$TEMPORAL/simulador.log" ||
    fallo "el simulador no aceptó el envío"
# Esc closes a finished send; one still reading the answer is cancelled by the first press.
for _ in 1 2; do
    teclas Escape
    esperarCierre 'Envio de mensajes' && break
done
xdotool search --onlyvisible --name '^Envio de mensajes$' >/dev/null && fallo "el envío no se cierra"

paso "cierre por el menú"
xdotool windowfocus --sync "$PRINCIPAL"
teclas ctrl+q
for _ in $(seq 100); do kill -0 "$ZARCEL_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$ZARCEL_PID" 2>/dev/null && fallo "el programa sigue vivo tras Ctrl+Q"
wait "$ZARCEL_PID"
ESTADO=$?
[ "$ESTADO" = 0 ] || fallo "el programa terminó con estado $ESTADO"
captura cerrado

paso "los ficheros"
PROGRAMA=$TEMPORAL/programa
[ "$(stat -c %s "$PROGRAMA/zarcel.cfg")" = 567 ] || fallo "zarcel.cfg no mide 567 bytes"
grep -q -- '--hide' "$XDG_CONFIG_HOME/autostart/zarcel.desktop" || fallo "falta la entrada de autoarranque"
[ -e "$PROGRAMA/zarcel.log" ] && fallo "hay registro de envíos sin haberlo pedido"
ls -la "$PROGRAMA" >"$ARTEFACTOS/ficheros.txt"
cp "$TEMPORAL"/*.log "$ARTEFACTOS"/
echo "prueba de escritorio superada"
