#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them (arguments go to every benchmark program), then
# times the content check over the compiled sample content at its default weights, whole process.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BENCH=ON -DORVANE_TESTS=OFF -DORVANE_WERROR=ON >/dev/null
cmake --build build/bench
for b in build/bench/bin/*_bench; do "$b" "$@"; done
TIMEFORMAT="content check of the sample content (5 weights, whole process): %R s"
time build/bench/bin/orvane-content check build/bench/share/orvane/content >/dev/null || true
