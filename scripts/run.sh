#!/usr/bin/env bash
# Installs what is missing, builds Korva and starts it. Arguments go to the program
# (for example a move file to open), read from the folder the script was started in.
set -euo pipefail
here=$(pwd)
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/install-deps.sh build
cmake --preset default >/dev/null
cmake --build --preset default --target korva
cd "$here"
exec "$root/build/default/app/korva" "$@"
