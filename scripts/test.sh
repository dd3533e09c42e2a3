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

scripts/build.sh build
(cd build && ctest --output-on-failure --timeout 300)
