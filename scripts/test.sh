#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
# No folder may include one above it.
./scripts/check_layers.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON -DORVANE_WERROR=ON >/dev/null
cmake --build build/test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The tests include a smoke run of every fuzz target (fuzz_TARGET: built without libFuzzer against
# this build's library, run on its seeds and kept regression cases).
ctest --test-dir build/test --output-on-failure -j"$(nproc)"
# The compiled sample content is the first content the content check keeps clean: any error fails.
build/test/bin/orvane-content check build/test/share/orvane/content >build/content-check.txt ||
    { cat build/content-check.txt; echo "the sample content fails the content check" >&2; exit 1; }
# The program must also build with clang, optimised as a packager builds it, and work installed
# without its sources.
./scripts/install_check.sh -DCMAKE_CXX_COMPILER=clang++ -DORVANE_WERROR=ON
# The offline page (the program compiled to WebAssembly) with this build's content.
ORVANE_CONTENT_DIR="$PWD/build/test/share/orvane/content" ./scripts/build_web.sh
# The browser page end to end: playwright-core driving Debian's chromium against the program, on
# both front ends (orvane serve and the offline page), and the offline build's parity with it.
(cd tests/e2e && npm ci --no-audit --no-fund --loglevel=error)
ORVANE_BIN="$PWD/build/test/bin/orvane" node --test tests/e2e/
