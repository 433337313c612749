#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
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
for t in "${targets[@]}"; do
    corpus=build/fuzz/corpus/$t
    mkdir -p "$corpus"
    echo "== $t for ${seconds}s" >&2
    build/fuzz/bin/"$t" -max_total_time="$seconds" -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
done
