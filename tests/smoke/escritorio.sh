# Sourced by the desktop smoke test and the start-up benchmark: an isolated user
# (home, settings, runtime folder under $TEMPORAL) and an Xvfb screen with a
# system tray. Processes started here go into PROCESOS; the EXIT trap ends them
# and removes $TEMPORAL.
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

# Starts the X server on a free display (size PANTALLA, 1024x768x24 unless set) and,
# unless SIN_BANDEJA is set, the tray; returns 1 when X does not start.
iniciarEscritorio() {
    Xvfb -displayfd 3 -screen 0 "${PANTALLA:-1024x768x24}" -nolisten tcp 3>"$TEMPORAL/pantalla" 2>"$TEMPORAL/xvfb.log" &
    PROCESOS+=($!)
    for _ in $(seq 100); do [ -s "$TEMPORAL/pantalla" ] && break; sleep 0.1; done
    [ -s "$TEMPORAL/pantalla" ] || return 1
    export DISPLAY=:$(head -1 "$TEMPORAL/pantalla")
    [ -n "${SIN_BANDEJA:-}" ] || iniciarBandeja
}

# Waits up to $2 seconds (default 20) for a visible window whose title is exactly $1,
# and prints its id.
esperarVentana() {
    timeout "${2:-20}" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -1
}
# Waits up to ten seconds for the window titled exactly $1 to go away.
esperarCierre() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}
# Waits up to ten seconds for the window $1 to take the keyboard: keys sent before
# that go to the window that had it.
esperarFoco() {
    for _ in $(seq 50); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
        sleep 0.2
    done
    return 1
}
# Keys and text go to the focused window in order, so a later key never overtakes them.
teclas() { xdotool key --clearmodifiers --delay 60 "$@"; }
escribir() { xdotool type --clearmodifiers --delay 40 "$1"; }

# Starts a system tray on the running X server.
iniciarBandeja() {
    trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
        >"$TEMPORAL/trayer.log" 2>&1 &
    PROCESOS+=($!)
}
