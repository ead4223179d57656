#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game from its runtime folder.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/instalar.sh
cmake --preset default >/dev/null
cmake --build --preset default
cd build/jogo
exec ./pitchlord "$@"
