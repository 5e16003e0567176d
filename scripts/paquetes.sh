#!/bin/sh
# Debian packages the build, the tests (clang and its fuzzer runtime) and the desktop smoke test need.
set -e
PAQUETES="cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev qt6-qpa-plugins libgl-dev libxcb1-dev libxcb-xinput-dev xvfb xauth xdotool imagemagick x11-utils xclip trayer openbox tinyproxy qt6-svg-dev desktop-file-utils appstream xdg-utils qt6-translations-l10n libglib2.0-bin"
FALTAN=""
for p in $PAQUETES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || FALTAN="$FALTAN $p"
done
if [ -n "$FALTAN" ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $FALTAN
fi
