#!/usr/bin/env bash
# Fuzzes the engine's targets for a given time each (default 600 s), starting from the seed corpora in the
# tree. New inputs go to a scratch folder; anything that crashes, hangs (over 2 s) or fails a check is left
# as crash-*/timeout-* in the current folder, and the run stops with libFuzzer's report.
#   bash scripts/fuzz-engine.sh [seconds] [target ...]      (targets: real_roots complex_roots request)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then targets=(real_roots complex_roots request); fi

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DKOVALIN_FUZZ=ON -DKOVALIN_GUI=OFF -DKOVALIN_TESTS=OFF \
      -DKOVALIN_BENCH=OFF > /dev/null
cmake --build build-fuzz

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in "${targets[@]}"; do
    seeds=engine/fuzz/${target}_corpus
    [[ $target == request ]] && seeds=engine/fuzz/corpus
    mkdir -p "$scratch/$target"
    echo "== $target for $seconds s"
    "build-fuzz/bin/${target}_fuzzer" -max_total_time="$seconds" -timeout=2 -max_len=1024 -print_final_stats=1 \
        "$scratch/$target" "$seeds" 2>&1 | grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss|==|SUMMARY|Done)' || true
done
