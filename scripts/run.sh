#!/bin/sh
# Builds Zarcel and starts it from portable/, a folder a rebuild never wipes:
# the program keeps its settings, address book and messages beside itself. The
# gateway stand-in is built too: build/release/tools/gateway-sim/gateway-sim.
set -e
cd "$(dirname "$0")/.."
sh scripts/paquetes.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZARCEL_TESTS=OFF -DZARCEL_BENCH=OFF
cmake --build build/release --target zarcel gateway-sim
cmake --install build/release --prefix portable
exec ./portable/zarcel "$@"
