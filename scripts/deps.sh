#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing (fonttools
# and librsvg2-bin: the offline page's font subsets and PNG icons).
set -euo pipefail
want=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev
      nlohmann-json3-dev libcpp-httplib-dev pkg-config fonts-dejavu-core fonts-dejavu-extra chromium nodejs curl emscripten
      fonttools librsvg2-bin)
missing=()
for p in "${want[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# The browser tests' installer (some Node.js packagings bring their own npm).
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}" >&2
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
