#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them. Arguments go to every benchmark program.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BENCH=ON -DORVANE_TESTS=OFF -DORVANE_WERROR=ON >/dev/null
cmake --build build/bench
for b in build/bench/bin/*_bench; do "$b" "$@"; done
