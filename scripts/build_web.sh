#!/usr/bin/env bash
# Builds the offline page: the whole program compiled to WebAssembly with its content, gathered
# with the page's files into build/web/, a static folder that any static web host can serve as it
# is (index.html beside orvane.wasm). The content is compiled by the native build first.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
root=$PWD

# The compiled sample content and growth reference, from a native build: ORVANE_CONTENT_DIR when
# given (scripts/test.sh hands over its own build's), else the release build's.
content=${ORVANE_CONTENT_DIR:-}
if [ -z "$content" ]; then
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_TESTS=OFF >/dev/null
    cmake --build build/release --target sample_content
    content=$root/build/release/share/orvane/content
fi
content=$(cd "$content" && pwd)

# Emscripten's JavaScript optimizer finds Debian's acorn only here; its library cache must be
# writable (a copy under build/ when the system's is not).
export NODE_PATH=/usr/share/nodejs
if [ -z "${EM_CACHE:-}" ]; then
    system_cache=$(em-config CACHE 2>/dev/null || true)
    if [ -n "$system_cache" ] && [ ! -w "$system_cache" ]; then
        export EM_CACHE=$root/build/emscripten-cache
        [ -d "$EM_CACHE" ] || cp -r "$system_cache" "$EM_CACHE"
    fi
fi
start=$(date +%s)
# -O2: the compiler's speed and size for a fraction of -O3's build time; no fast-math (the top
# CMakeLists.txt keeps -ffp-contract=off for every build).
emcmake cmake -S . -B build/wasm -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DORVANE_CONTENT_DIR="$content" >/dev/null
cmake --build build/wasm
echo "WebAssembly build: $(( $(date +%s) - start )) s" >&2

node scripts/assemble_web.mjs build/wasm/bin build/web
echo "The offline page is in build/web/ (serve the folder, e.g. python3 -m http.server -d build/web)"
