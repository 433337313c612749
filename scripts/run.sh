#!/usr/bin/env bash
# Builds Orvane and its sample content, then starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_TESTS=OFF >/dev/null
cmake --build build/release
exec build/release/bin/orvane "$@"
