#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time. Each target starts
# from its corpus (build/fuzz/corpus/TARGET, kept between runs), its seeds written from the sample
# content (build/fuzz/fuzz-seeds/TARGET) and its kept regression cases (fuzz/regressions/TARGET),
# with the dictionary fuzz/orvane.dict. What fails lands in build/fuzz/findings/TARGET (a hang is
# a run over two minutes of wall time: the machine may be shared), and the target goes on fuzzing
# for the rest of its time (one finding does not end a campaign). Prints the executions,
# executions per second and findings of each target.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
# FUZZ_JOBS=N runs N targets side by side (default 1: one after another).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
seconds=${1:-60}
shift || true
jobs=${FUZZ_JOBS:-1}
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DORVANE_FUZZ=ON -DORVANE_TESTS=OFF -DORVANE_WERROR=ON >/dev/null
cmake --build build/fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for f in fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

# The failing inputs kept in a folder (crashes, failed checks, hangs, leaks, memory), not the
# slow ones libFuzzer also writes there.
failures() {
    find "$1" -type f \( -name 'crash-*' -o -name 'timeout-*' -o -name 'leak-*' -o -name 'oom-*' \) |
        wc -l
}

# Runs one target until its time is spent, starting it again after each finding; writes its
# summary line to build/fuzz/TARGET.summary.
campaign() {
    local t=$1
    local corpus=build/fuzz/corpus/$t
    local findings=build/fuzz/findings/$t
    mkdir -p "$corpus" "$findings" "fuzz/regressions/$t"
    local before runs=0 rounds=0 status=0 log=build/fuzz/$t.log
    before=$(failures "$findings")
    local start=$SECONDS
    : >"$log"
    while [ $((SECONDS - start)) -lt "$seconds" ]; do
        local left=$((seconds - (SECONDS - start)))
        status=0
        build/fuzz/bin/"$t" -max_total_time="$left" -print_final_stats=1 -timeout=120 \
            -report_slow_units=120 -rss_limit_mb=2048 -dict=fuzz/orvane.dict -artifact_prefix="$findings/" \
            "$corpus" "build/fuzz/fuzz-seeds/$t" "fuzz/regressions/$t" >>"$log" 2>&1 ||
            status=$?
        rounds=$((rounds + 1))
        local done_runs
        done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
        runs=$((runs + ${done_runs:-0}))
        # Keep only the last round's stats line for the next read.
        sed -i 's/^stat::number_of_executed_units:/counted_executed_units:/' "$log"
        [ "$status" -eq 0 ] && break
    done
    local took=$((SECONDS - start))
    local found=$(($(failures "$findings") - before))
    echo "$t: $runs executions in ${took}s ($((runs / (took > 0 ? took : 1))) exec/s)," \
        "$found findings, $rounds runs (last exit $status)" >"build/fuzz/$t.summary"
}

running=0
for t in "${targets[@]}"; do
    echo "== $t for ${seconds}s" >&2
    campaign "$t" &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait -n || true
        running=$((running - 1))
    fi
done
wait || true
for t in "${targets[@]}"; do
    grep -E '^(==|SUMMARY|FINDING)' "build/fuzz/$t.log" | tail -n 6 || true
    cat "build/fuzz/$t.summary"
done
