#!/usr/bin/env bash
# Installs what is missing, builds Korva and starts it. Arguments go to the program
# (for example a move file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build
cmake --preset default >/dev/null
cmake --build --preset default --target korva
exec build/default/app/korva "$@"
