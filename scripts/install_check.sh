#!/usr/bin/env bash
# A packager's build and install, checked: builds Orvane (Release, arguments go to cmake, e.g.
# -DCMAKE_CXX_COMPILER=clang++) from a copy of this checkout, installs it with cmake --install into
# a prefix, then moves the copy and its build out of the way and the installed tree to another
# folder, and runs the installed program there: `orvane render` must print what the build tree's
# program printed, and `orvane serve` must serve its page, its static files and its pictures.
# Everything lies under build/install-check; the build there stays incremental between runs.
set -euo pipefail
cd "$(dirname "$0")/.."
work="$PWD/build/install-check"
src="$work/src"
bld="$work/build"
prefix="$work/prefix"
moved="$work/moved"
mkdir -p "$work"

# The checkout's files (tracked and new ones, not ignored ones) with their times kept, so that
# unchanged files are not rebuilt.
rm -rf "$src" "$src.away" "$prefix" "$moved"
mkdir -p "$src"
git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' f; do
    if [ -e "$f" ]; then printf '%s\0' "$f"; fi
done | xargs -0 cp -a --parents -t "$src"

[ -d "$bld.away" ] && mv "$bld.away" "$bld"
cmake -S "$src" -B "$bld" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF "$@" >/dev/null
cmake --build "$bld"
cmake --install "$bld" --prefix "$prefix" >/dev/null
expected_list="$("$bld/bin/orvane" render 32 --list)"
expected_page="$("$bld/bin/orvane" render 5:1)"
expected_growth="$("$bld/bin/orvane" render 14:14 --sex male --input 2=10kg)"

server=""
finish() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    [ -d "$bld.away" ] && mv "$bld.away" "$bld"
    return 0
}
trap finish EXIT
mv "$src" "$src.away"
mv "$bld" "$bld.away"
mv "$prefix" "$moved"
unset ORVANE_CONTENT
orvane="$moved/bin/orvane"
fail() {
    echo "install check: $*" >&2
    exit 1
}

for f in bin/orvane bin/orvane-content share/orvane/web/index.html share/orvane/bitmaps/bitmap_108.svg \
         share/orvane/content/orvane_index.pdb share/orvane/content/vemra6_09a.pdb; do
    [ -f "$moved/$f" ] || fail "$f is not installed"
done
[ -z "$(find "$moved/bin" -name '*.pdb')" ] || fail "content files were installed among the programs"

[ -n "$expected_list" ] && [ -n "$expected_page" ] || fail "the build tree's program printed nothing"
[ "$("$orvane" render 32 --list)" = "$expected_list" ] || fail "orvane render 32 --list differs"
[ "$("$orvane" render 5:1)" = "$expected_page" ] || fail "orvane render 5:1 differs"
# The growth reference generated from the CDC 2000 files is installed with the sample content.
case "$expected_growth" in
*"CDC 2000 growth reference") ;;
*) fail "the build tree's growth page does not name the CDC 2000 growth reference" ;;
esac
[ "$("$orvane" render 14:14 --sex male --input 2=10kg)" = "$expected_growth" ] ||
    fail "orvane render 14:14 differs"
"$orvane" --version >/dev/null || fail "orvane --version failed"

state="$work/state"
rm -rf "$state"
mkdir -p "$state"
"$orvane" serve --port 0 --state-dir "$state" >"$work/serve.out" 2>"$work/serve.err" </dev/null &
server=$!
url=""
for _ in $(seq 300); do
    url="$(sed -n 's/.*Open \(http:[^ ]*\).*/\1/p' "$work/serve.out")"
    [ -n "$url" ] && break
    kill -0 "$server" 2>/dev/null || fail "orvane serve ended: $(cat "$work/serve.err")"
    sleep 0.1
done
[ -n "$url" ] || fail "orvane serve printed no address"
origin="${url%%/\?*}"
token="${url##*token=}"
fetch() { curl -fsS --max-time 10 -H "X-Orvane-Token: $token" "$origin$1"; }
fetch "/?token=$token" | cmp -s - "$src.away/web/static/index.html" || fail "the page differs"
fetch /static/main.js | cmp -s - "$src.away/web/static/main.js" || fail "main.js differs"
fetch /static/controls/button.js | cmp -s - "$src.away/web/static/controls/button.js" || fail "controls/button.js differs"
fetch /static/style.css | cmp -s - "$src.away/web/static/style.css" || fail "style.css differs"
fetch /api/bitmap/108 | cmp -s - "$src.away/resources/bitmaps/bitmap_108.svg" ||
    fail "bitmap 108 differs"
fetch /api/image/home | cmp -s - "$src.away/resources/bitmaps/bitmap_108.svg" ||
    fail "the picture named home differs"
echo "install check: the installed program runs without its sources and build"
