#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, one after another (one
# core). Each target starts from its corpus (build/fuzz/corpus/TARGET, kept between runs), its
# seeds written from the sample content (build/fuzz/fuzz-seeds/TARGET) and its kept regression
# cases (fuzz/regressions/TARGET), with the dictionary fuzz/orvane.dict. What fails lands in
# build/fuzz/findings/TARGET. Prints the executions and findings of each target.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
seconds=${1:-60}
shift || true
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DORVANE_FUZZ=ON -DORVANE_TESTS=OFF -DORVANE_WERROR=ON >/dev/null
cmake --build build/fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for f in fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi
summary=()
for t in "${targets[@]}"; do
    corpus=build/fuzz/corpus/$t
    findings=build/fuzz/findings/$t
    mkdir -p "$corpus" "$findings" "fuzz/regressions/$t"
    before=$(find "$findings" -type f | wc -l)
    log=build/fuzz/$t.log
    echo "== $t for ${seconds}s" >&2
    status=0
    build/fuzz/bin/"$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=20 \
        -rss_limit_mb=2048 -dict=fuzz/orvane.dict -artifact_prefix="$findings/" \
        "$corpus" "build/fuzz/fuzz-seeds/$t" "fuzz/regressions/$t" >"$log" 2>&1 || status=$?
    tail -n 12 "$log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    found=$(( $(find "$findings" -type f | wc -l) - before ))
    summary+=("$t: ${runs:-?} executions, $found findings (exit $status)")
done
printf '%s\n' "${summary[@]}"
