#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice: under
# AddressSanitizer and UndefinedBehaviorSanitizer, and in the plain build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --test

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0

scripts/build.sh build-sanitize -DTESSUVO_SANITIZE=ON -DTESSUVO_BENCHMARKS=OFF
(cd build-sanitize && ctest --output-on-failure --timeout 300)

# A short smoke of every fuzz target from its seed corpus; a long run is in the README.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTESSUVO_FUZZ=ON -DTESSUVO_BENCHMARKS=OFF > /dev/null
cmake --build build-fuzz --target fuzz
for target in colortext csscolor entercommit codepage gradation pastecolor profile; do
    work=$(mktemp -d)
    if ! build-fuzz/tests/fuzz/${target}_fuzz -max_total_time=20 -print_final_stats=1 \
        "$work" tests/fuzz/corpus/$target > "$work.log" 2>&1; then
        cat "$work.log"
        exit 1
    fi
    grep -E '^stat::(number_of_executed_units|average_exec)' "$work.log" | sed "s/^/$target /"
    rm -rf "$work" "$work.log"
done

scripts/build.sh build
(cd build && ctest --output-on-failure --timeout 300)
