#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them; arguments go to the benchmark programs.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
ensure_packages libbenchmark-dev
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVESPERON_TESTS=OFF -DVESPERON_BENCH=ON
cmake --build build-bench -j3 --target vesperon_bench vesperon_bench_window
build-bench/bench/vesperon_bench "$@"
build-bench/bench/vesperon_bench_window "$@"
