#!/usr/bin/env bash
# Installs what is missing, builds korva-server and makes its data folder (the database and
# the signing key). The last line printed is the key's fingerprint, for the players.
# Usage: scripts/setup-server.sh DATA_FOLDER
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 DATA_FOLDER" >&2
  exit 2
fi
data=$(realpath -m "$1")
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build
cmake --preset default >/dev/null
cmake --build --preset default --target korva-server
build/default/server/korva-server --init "$data"
