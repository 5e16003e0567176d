#!/bin/sh
# Builds everything with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs every test: the suites, a short run of each fuzz target and the desktop smoke test.
set -e
cd "$(dirname "$0")/.."
sh scripts/paquetes.sh
CC=clang CXX=clang++ cmake -S . -B build/clang-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZARCEL_SANITIZE=ON
cmake --build build/clang-asan
ctest --test-dir build/clang-asan --output-on-failure --timeout 900 -j "$(nproc)"
