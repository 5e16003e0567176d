#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -e
cd "$(dirname "$0")/.."
sh scripts/paquetes.sh
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZARCEL_SANITIZE=ON
cmake --build build/asan
ctest --test-dir build/asan --output-on-failure --timeout 900
