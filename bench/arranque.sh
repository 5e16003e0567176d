#!/bin/bash
# Start-up time (launch to the first window shown) and peak memory (VmHWM, the
# resident set's high-water mark, read one second after the window shows) of
# Zarcel and of a bare Qt window, measured the same way on one Xvfb with a tray.
# Prints the median of RUNS runs (default 9) of each.
#   bench/arranque.sh BUILD_FOLDER [RUNS]
set -u
BUILD=$(realpath "$1") VECES=${2:-9}
TEMPORAL=$(mktemp -d)
PROCESOS=()
terminar() {
    for pid in "${PROCESOS[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$TEMPORAL"
}
trap terminar EXIT
export HOME=$TEMPORAL/casa XDG_CONFIG_HOME=$TEMPORAL/casa/.config XDG_RUNTIME_DIR=$TEMPORAL/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$TEMPORAL/programa"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
cp "$BUILD/src/zarcel" "$TEMPORAL/programa/"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TEMPORAL/pantalla" 2>/dev/null &
PROCESOS+=($!)
for _ in $(seq 100); do [ -s "$TEMPORAL/pantalla" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$TEMPORAL/pantalla")
trayer --edge top --align right --widthtype request --height 24 --SetDockType true >/dev/null 2>&1 &
PROCESOS+=($!)
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
