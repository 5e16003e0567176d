#!/bin/bash
# Start-up time (launch to the first window shown) and peak memory (VmHWM, the
# resident set's high-water mark, read one second after the window shows) of
# Zarcel and of a bare Qt window, measured the same way on one Xvfb with a tray.
# Prints the median of RUNS runs (default 9) of each.
#   bench/arranque.sh BUILD_FOLDER [RUNS]
set -u
BUILD=$(realpath "$1") VECES=${2:-9}
source "$(dirname "$0")/../tests/smoke/escritorio.sh"
cp "$BUILD/src/zarcel" "$TEMPORAL/programa/"
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
    printf '%-15s arranque %4s ms   memoria %6s KiB   (mediana de %s)\n' "$nombre" \
        "$(cut -d' ' -f1 <<<"$datos" | mediana)" "$(cut -d' ' -f2 <<<"$datos" | mediana)" "$VECES"
}

# The first start writes the default settings; the measured ones read them.
medir 'Zarcel v.3.0.2' "$TEMPORAL/programa/zarcel" >/dev/null
ZARCEL=$(for _ in $(seq "$VECES"); do medir 'Zarcel v.3.0.2' "$TEMPORAL/programa/zarcel"; done)
VACIA=$(for _ in $(seq "$VECES"); do medir 'Ventana vacia' "$BUILD/bench/ventana_vacia"; done)
informe Zarcel "$ZARCEL"
informe "ventana vacía" "$VACIA"
