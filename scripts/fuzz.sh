#!/usr/bin/env bash
# Fuzzes every libFuzzer target of the suite for a given time each (default 600 s), starting from its seed
# corpus in the tree and with its dictionary where it has one. New inputs go to a scratch folder; anything that
# crashes, hangs (over 5 s) or fails a check is left as crash-*/timeout-* in the current folder. Each target's
# executions, new coverage and findings are reported at the end; the exit status is 1 when any target found
# something. Targets may run side by side (-j N, default 1).
#   bash scripts/fuzz.sh [-j N] [seconds] [target ...]
#   targets: real_roots complex_roots request (the engine), number_text coefficient_file roots_file answer
#   (the solver's readers), closed_form (the cubic and quartic solvers)
set -euo pipefail
here=$PWD
cd "$(dirname "$0")/.."

# target  seed corpus  dictionary (- for none)
table="real_roots engine/fuzz/real_roots_corpus -
complex_roots engine/fuzz/complex_roots_corpus -
request engine/fuzz/corpus -
number_text frontend/fuzz/number_text_corpus frontend/fuzz/number_text.dict
coefficient_file frontend/fuzz/coefficient_file_corpus frontend/fuzz/coefficient_file.dict
roots_file frontend/fuzz/roots_file_corpus frontend/fuzz/roots_file.dict
answer frontend/fuzz/answer_corpus frontend/fuzz/answer.dict
closed_form quartic/fuzz/closed_form_corpus quartic/fuzz/closed_form.dict"

jobs=1
if [[ ${1:-} == -j ]]; then
    jobs=$2
    shift 2
fi
seconds=${1:-600}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then
    mapfile -t targets < <(cut -d' ' -f1 <<< "$table")
fi
for target in "${targets[@]}"; do
    grep -q "^$target " <<< "$table" || { echo "unknown target: $target" >&2; exit 2; }
done

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DKOVALIN_FUZZ=ON -DKOVALIN_GUI=OFF -DKOVALIN_TESTS=OFF \
      -DKOVALIN_BENCH=OFF > /dev/null
cmake --build build-fuzz

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fuzz_one() {
    local target=$1 seeds dict
    read -r _ seeds dict < <(grep "^$target " <<< "$table")
    local options=(-max_total_time="$seconds" -timeout=5 -max_len=4096 -print_final_stats=1
                   -artifact_prefix="$here/$target-")
    [[ $dict != - ]] && options+=(-dict="$dict")
    mkdir -p "$scratch/$target"
    "build-fuzz/bin/${target}_fuzzer" "${options[@]}" "$scratch/$target" "$seeds" > "$scratch/$target.log" 2>&1 || true
}

running=0
for target in "${targets[@]}"; do
    echo "== $target for $seconds s"
    fuzz_one "$target" &
    running=$((running + 1))
    if ((running >= jobs)); then
        wait -n || true
        running=$((running - 1))
    fi
done
wait

status=0
printf '%-18s %14s %10s %8s  %s\n' target executions exec/s corpus findings
for target in "${targets[@]}"; do
    log=$scratch/$target.log
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/.* exec\/s: \([0-9]*\).*/\1/p' "$log" | tail -1)
    corpus=$(find "$scratch/$target" -type f | wc -l)
    findings=$(grep -E '^(==[0-9]+==ERROR|SUMMARY|check failed|ALARM)' "$log" | head -3 | tr '\n' ' ' || true)
    if [[ -n $findings ]]; then status=1; fi
    printf '%-18s %14s %10s %8s  %s\n' "$target" "${runs:-?}" "${speed:-?}" "$corpus" "${findings:-none}"
    if [[ -n $findings ]]; then
        grep -E -A30 '^(==[0-9]+==ERROR|check failed|ALARM)' "$log" | head -40 | sed 's/^/    /'
    fi
done
exit $status
