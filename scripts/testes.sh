#!/usr/bin/env bash
# Builds everything (Release) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default -j2
