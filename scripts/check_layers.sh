#!/usr/bin/env bash
# Fails when a source file includes a header of a folder above its own. The folders, lowest first;
# folders on one line are peers and may not include each other either. A subfolder listed here is
# its own layer (dosing/builders lies below modules/, the rest of dosing/ above it).
set -euo pipefail
cd "$(dirname "$0")/.."
layers=(
    "foundation"
    "content platform"
    "model"
    "rendering"
    "dosing/builders"
    "modules"
    "calculators dosing"
    "suite"
    "shell"
    "screens"
    "web"
    "app tools"
    "wasm"
)
declare -A rank=()
for i in "${!layers[@]}"; do
    for folder in ${layers[$i]}; do rank[$folder]=$i; done
done

# The layer a path belongs to: the longest listed folder it lies in.
layer_of() {
    local path=$1 best=""
    for folder in "${!rank[@]}"; do
        if [[ $path == "$folder"/* && ${#folder} -gt ${#best} ]]; then best=$folder; fi
    done
    printf '%s' "$best"
}

status=0
while IFS= read -r file; do
    from=$(layer_of "$file")
    [ -n "$from" ] || continue
    while IFS= read -r line; do
        header=${line#*\"}
        header=${header%%\"*}
        to=$(layer_of "$header")
        [ -n "$to" ] || continue
        if [ "$to" != "$from" ] && [ "${rank[$to]}" -ge "${rank[$from]}" ]; then
            echo "$file: includes $header ($to is not below $from)" >&2
            status=1
        fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
done < <(git ls-files -co --exclude-standard -- '*.h' '*.cpp')
if [ $status -ne 0 ]; then echo "layer check failed: a folder includes one above it" >&2; fi

# Tests share fixtures only through tests/support: a test file includes test headers of
# tests/support and of its own folder, never another area's.
while IFS= read -r file; do
    while IFS= read -r line; do
        header=${line#*\"}
        header=${header%%\"*}
        [[ $header == tests/* && $header != tests/support/* ]] || continue
        if [ "$(dirname "$header")" != "$(dirname "$file")" ]; then
            echo "$file: includes $header (another test area's fixture; shared ones go to tests/support)" >&2
            status=1
        fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"tests/' "$file" || true)
done < <(git ls-files -co --exclude-standard -- 'tests/*.h' 'tests/*.cpp' 'fuzz/*.h' 'fuzz/*.cpp' 'bench/*.cpp')
exit $status
