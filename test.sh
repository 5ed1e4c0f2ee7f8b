#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
ensure_packages
jobs=$(nproc)
cmake -S . -B build-test -DVESPERON_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-test -j"$jobs"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" ctest --test-dir build-test --output-on-failure -j"$jobs"
