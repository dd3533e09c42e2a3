#!/usr/bin/env bash
# Configures and builds the README's build folder, build/ (the preset "default"); arguments
# name targets to build instead of all of them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default > /dev/null
if [[ $# -gt 0 ]]; then
    cmake --build --preset default --target "$@"
else
    cmake --build --preset default
fi
