#!/usr/bin/env bash
# Installs what is missing, builds Tessuvo and its help file (not the tests) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh tessuvo tessuvo_help
exec build/tessuvo
