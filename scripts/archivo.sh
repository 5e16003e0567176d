#!/bin/sh
# Builds Zarcel for release and packs the portable folder:
# build/release/zarcel-<version>-Linux-<machine>.tar.gz
set -e
cd "$(dirname "$0")/.."
sh scripts/paquetes.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZARCEL_TESTS=OFF -DZARCEL_BENCH=OFF
cmake --build build/release
cd build/release
cpack -G TGZ
