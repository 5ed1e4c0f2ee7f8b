#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS seconds (default 60) on a
# scratch copy of its corpus; exits non-zero when any target crashed.
# Crash inputs are kept in fuzz/build/artifacts/<target>/, logs in fuzz/build/logs/.
# VESPERON_WERROR=ON makes a compiler warning in our code an error, as in the test build.
set -euo pipefail
seconds=${1:-60}
cd "$(dirname "$0")"
source ../tools/deps.sh
ensure_packages clang libclang-rt-14-dev

cmake -S . -B build -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVESPERON_WERROR="${VESPERON_WERROR:-OFF}"
cmake --build build -j3

targets=(fuzz_level_play fuzz_editor_roundtrip fuzz_prefs fuzz_converter fuzz_version)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p build/logs
failed=()
for target in "${targets[@]}"; do
    mkdir -p "$scratch/$target" "build/artifacts/$target"
    cp corpus/"$target"/* "$scratch/$target/"
    log="build/logs/$target.log"
    echo "== $target: ${seconds}s"
    if build/"$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build/artifacts/$target/" "$scratch/$target" >"$log" 2>&1; then
        grep -E '^#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units' "$log" || true
    else
        failed+=("$target")
        echo "$target crashed; see $log and build/artifacts/$target/"
        grep -E 'ERROR|SUMMARY|Test unit written' "$log" || true
    fi
done
if [ ${#failed[@]} -ne 0 ]; then
    echo "crashed: ${failed[*]}"
    exit 1
fi
echo "no crash"
