#!/bin/sh
# Runs every fuzz target for SECONDS seconds each (default 600), one after another,
# on the test build's fuzzers. The corpus grows in fuzz-out/corpus/<target> from run
# to run; inputs that crash land in fuzz-out/hallazgos/.
#   sh scripts/fuzz.sh [SECONDS] [TARGET...]
set -e
cd "$(dirname "$0")/.."
SEGUNDOS=${1:-600}
[ $# -gt 0 ] && shift
sh scripts/paquetes.sh
CC=clang CXX=clang++ cmake -S . -B build/clang-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZARCEL_SANITIZE=ON >/dev/null
OBJETIVOS=${*:-$(sed -n 's/^zarcel_add_fuzzer(\([a-z_]*\).*/\1/p' fuzz/CMakeLists.txt)}
cmake --build build/clang-asan --target fuzz_semillas $OBJETIVOS
SALIDA=$PWD/fuzz-out
build/clang-asan/fuzz/fuzz_semillas "$SALIDA"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for objetivo in $OBJETIVOS; do
    echo "== $objetivo: $SEGUNDOS s"
    regresiones=fuzz/regresiones/$objetivo
    [ -d "$regresiones" ] || regresiones=
    build/clang-asan/fuzz/"$objetivo" -max_total_time="$SEGUNDOS" -timeout=20 -print_final_stats=1 \
        -artifact_prefix="$SALIDA/hallazgos/$objetivo-" \
        "$SALIDA/corpus/$objetivo" "$SALIDA/semillas/$objetivo" $regresiones 2>&1 |
        grep -E '^(stat::|==|SUMMARY|invariante)|Test unit written' || true
done
ls "$SALIDA/hallazgos"
