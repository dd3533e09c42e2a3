#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice: under
# AddressSanitizer and UndefinedBehaviorSanitizer, and in the plain build; between the two, a
# short smoke of every fuzz target from its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --test

cmake --preset sanitize > /dev/null
cmake --build --preset sanitize
ctest --preset sanitize

# A long run of one target is in the README.
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz
for fuzzer in build-fuzz/tests/fuzz/*_fuzz; do
    target=$(basename "$fuzzer" _fuzz)
    work=$(mktemp -d)
    if ! "$fuzzer" -max_total_time=20 -print_final_stats=1 "$work" tests/fuzz/corpus/$target \
        > "$work.log" 2>&1; then
        cat "$work.log"
        exit 1
    fi
    grep -E '^stat::(number_of_executed_units|average_exec)' "$work.log" | sed "s/^/$target /"
    rm -rf "$work" "$work.log"
done

cmake --preset default > /dev/null
cmake --build --preset default
ctest --preset default
