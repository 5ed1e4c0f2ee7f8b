#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, runs every test,
# checks the installed programs, builds everything once more optimised (where the compiler
# sees further and warns of more), and fuzzes each reader of outside data for a while.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
ensure_packages desktop-file-utils appstream
jobs=$(nproc)
cmake -S . -B build-test -DVESPERON_SANITIZE=ON -DVESPERON_WERROR=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-test -j"$jobs"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" ctest --test-dir build-test --output-on-failure -j"$jobs"
tools/smoke-install.sh build-test
cmake -S . -B build-release -DVESPERON_WERROR=ON -DCMAKE_BUILD_TYPE=Release
cmake --build build-release -j"$jobs"
VESPERON_WERROR=ON fuzz/run.sh "${VESPERON_FUZZ_SECONDS:-20}"
