#!/bin/bash
# Start-up time (launch to the first window shown) and peak memory (VmHWM, the
# resident set's high-water mark, read one second after the window shows) of
# Zarcel and of a bare Qt window, measured the same way on one Xvfb with a tray.
# With CONTACTS, Zarcel is measured twice: with an empty address book and with one
# of CONTACTS contacts in GROUPS groups (default 1000), written by bench_agenda.
# The runs of the programs alternate, so that the machine's load weighs on each
# alike. Prints the median of RUNS runs (default 9) of each.
#   bench/arranque.sh BUILD_FOLDER [RUNS] [CONTACTS [GROUPS]]
set -u
BUILD=$(realpath "$1") VECES=${2:-9} CONTACTOS=${3:-0} GRUPOS=${4:-1000}
source "$(dirname "$0")/../tests/smoke/escritorio.sh"
cp "$BUILD/src/zarcel" "$TEMPORAL/programa/"
if [ "$CONTACTOS" -gt 0 ]; then
    mkdir -p "$TEMPORAL/agenda"
    cp "$BUILD/src/zarcel" "$TEMPORAL/agenda/"
    QT_QPA_PLATFORM=offscreen "$BUILD/bench/bench_agenda" --escribir "$TEMPORAL/agenda" "$CONTACTOS" "$GRUPOS" ||
        { echo "bench_agenda no escribe la agenda" >&2; exit 1; }
fi
iniciarEscritorio || { echo "Xvfb no arranca" >&2; exit 1; }
sleep 1

# One run: prints "milliseconds kilobytes".
medir() {
    local titulo=$1; shift
    local inicio=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    until xdotool search --onlyvisible --name "^$titulo\$" >/dev/null 2>&1; do sleep 0.005; done
    local fin=$(date +%s%N)
    sleep 1
    local memoria=$(sed -n 's/^VmHWM:[^0-9]*\([0-9]*\).*/\1/p' "/proc/$pid/status")
    kill "$pid"; wait "$pid" 2>/dev/null
    echo "$(((fin - inicio) / 1000000)) $memoria"
}

mediana() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

informe() {
    local nombre=$1 datos=$2
    printf '%-22s arranque %4s ms   memoria %6s KiB   (mediana de %s)\n' "$nombre" \
        "$(cut -d' ' -f1 <<<"$datos" | mediana)" "$(cut -d' ' -f2 <<<"$datos" | mediana)" "$VECES"
}

# The first start writes the default settings; the measured ones read them.
CARPETAS=(programa)
[ "$CONTACTOS" -gt 0 ] && CARPETAS+=(agenda)
for carpeta in "${CARPETAS[@]}"; do medir 'Zarcel v.3.0.2' "$TEMPORAL/$carpeta/zarcel" >/dev/null; done
ZARCEL='' AGENDA='' VACIA=''
for _ in $(seq "$VECES"); do
    ZARCEL+="$(medir 'Zarcel v.3.0.2' "$TEMPORAL/programa/zarcel")"$'\n'
    [ "$CONTACTOS" -gt 0 ] && AGENDA+="$(medir 'Zarcel v.3.0.2' "$TEMPORAL/agenda/zarcel")"$'\n'
    VACIA+="$(medir 'Ventana vacia' "$BUILD/bench/ventana_vacia")"$'\n'
done
informe Zarcel "${ZARCEL%$'\n'}"
[ "$CONTACTOS" -gt 0 ] && informe "Zarcel, $CONTACTOS contactos" "${AGENDA%$'\n'}"
informe "ventana vacía" "${VACIA%$'\n'}"
