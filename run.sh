#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
ensure_packages
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVESPERON_TESTS=OFF
cmake --build build -j"$(nproc)"
exec build/game/vesperon "$@"
