#!/usr/bin/env bash
# render_sweep.sh OUT_DIR [ORVANE]
#
# A developer's check that a change leaves every page as it was: renders, with a built
# `orvane render`, every page the sample content reaches into OUT_DIR, one file per page (the page,
# what went to stderr and the exit status), so that the folders of two builds compare with
# `diff -r`. It is not part of the tests.
#
# What it renders:
# - the lists of the module list, the A-Z index and the calculators menu, and from there every
#   entry of every list and every link of every page (followed until nothing new turns up), each
#   as its page and as its `--list`;
# - every link a page acts on itself (an entry chosen on the same page) sent to that page;
# - every dosing page at the sweep weights 0.5, 3, 13.3, 70 and 150 kg, as a child's and as an
#   adult's weight;
# - every calculator with sample patient values, its inputs filled one after another, and its
#   choices answered with the first and with the last entry of each, result view included.
#
# ORVANE defaults to build/release/bin/orvane, else build/test/bin/orvane (the content is the one
# next to the program). OUT_DIR must not exist yet or be empty. Needs bash and xargs.
set -euo pipefail

if [[ $# -lt 1 || $# -gt 2 ]]; then
    echo "usage: $0 OUT_DIR [ORVANE]" >&2
    exit 2
fi
OUT=$1
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ORVANE=${2:-}
if [[ -z "$ORVANE" ]]; then
    for candidate in "$ROOT/build/release/bin/orvane" "$ROOT/build/test/bin/orvane"; do
        if [[ -x "$candidate" ]]; then
            ORVANE=$candidate
            break
        fi
    done
fi
if [[ -z "$ORVANE" || ! -x "$ORVANE" ]]; then
    echo "$0: no built orvane (build bin/orvane first or name it)" >&2
    exit 2
fi
if [[ -d "$OUT" && -n "$(ls -A "$OUT")" ]]; then
    echo "$0: $OUT is not empty" >&2
    exit 2
fi
mkdir -p "$OUT"
# A sanitizer build: leaks at exit are not what is compared.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
JOBS=${JOBS:-2}
WEIGHTS=(0.5 3 13.3 70 150)
# Patient values for the calculators: a 40-year-old man of 70 kg and 170 cm.
PATIENT=(--age 40 --sex male --calc-weight 70kg --height 170cm --head 50cm)
# The value typed into every box of a calculator's form, and how many boxes are tried.
SAMPLE_INPUT=12
MAX_INPUTS=8
CODE_CALCULATOR=4
CODE_SAME_PAGE=33
CODE_IN_PAGE=50
# Pages that read no weight (the module list, the A-Z index, the calculators menu, the clinical
# consult and the document lists): not rendered at the sweep weights. The calculators have their
# own patient values.
WEIGHTLESS_CODES=" 4 5 31 32 41 43 48 53 59 63 "

# Renders one page: render NAME ARGS... writes OUT/NAME with stdout, stderr and the exit status.
render() {
    local name=$1
    shift
    local status=0
    "$ORVANE" render "$@" >"$OUT/$name.out" 2>"$OUT/$name.err" || status=$?
    {
        echo "# orvane render $*"
        cat "$OUT/$name.out"
        echo
        echo "# stderr"
        cat "$OUT/$name.err"
        echo "# exit $status"
    } >"$OUT/$name"
    rm -f "$OUT/$name.out" "$OUT/$name.err"
    return 0
}
export -f render
export ORVANE OUT

# CODE:VALUE:SUBCODE of a request printed in decimal, into REPLY (no subshell: it runs for every
# link of every page).
request_text() {
    local n=$1
    REPLY="$((n >> 24)):$((n & 65535)):$(((n >> 16) & 255))"
}

# The requests (decimal) a rendered file lists or links to, each once, in the order they come.
requests_in() {
    awk -F'\t' '
        {
            rest = $0
            while (match(rest, /HREF="[0-9]+"/)) {
                n = substr(rest, RSTART + 6, RLENGTH - 7)
                if (!seen[n]++) print n
                rest = substr(rest, RSTART + RLENGTH)
            }
        }
        NF == 2 && $2 ~ /^[0-9]+$/ && !seen[$2]++ { print $2 }
    ' "$1"
}

# Independent renders are written as one job a line and run in parallel.
JOBLIST=$(mktemp)
trap 'rm -f "$JOBLIST"' EXIT
job() {
    # No blank at the line's end: xargs would join the next line to it.
    local line
    printf -v line '%q ' render "$@"
    echo "${line% }" >>"$JOBLIST"
}
run_jobs() {
    xargs -P "$JOBS" -L 1 bash -c '"$@"' _ <"$JOBLIST"
    : >"$JOBLIST"
}

# The crawl, one round of new requests at a time: every request reached from the three lists,
# as its page and its list, at the start weights.
declare -A seen=()
round=()
pages=()
enqueue() {
    local text=$1
    local code=${text%%:*}
    if ((code == CODE_SAME_PAGE || code == CODE_IN_PAGE)); then return; fi
    # Values above 32767 cannot be written on the command line.
    local rest=${text#*:}
    local value=${rest%%:*}
    if ((value > 32767)); then return; fi
    if [[ -z "${seen[$text]:-}" ]]; then
        seen[$text]=1
        round+=("$text")
    fi
}
for start in 32:0:0 53:0:0 59:0:0; do enqueue "$start"; done
while ((${#round[@]} > 0)); do
    this_round=("${round[@]}")
    round=()
    for request in "${this_round[@]}"; do
        pages+=("$request")
        job "page_${request//:/-}" "$request"
        job "list_${request//:/-}" --list "$request"
    done
    run_jobs
    for request in "${this_round[@]}"; do
        for n in $(requests_in "$OUT/page_${request//:/-}") $(requests_in "$OUT/list_${request//:/-}"); do
            request_text "$n"
            enqueue "$REPLY"
        done
    done
done

# The rest: the pages' own links, the weights and the calculators.
for request in "${pages[@]}"; do
    stem=${request//:/-}
    # The links a page acts on itself.
    for n in $(requests_in "$OUT/page_$stem"); do
        request_text "$n"
        local_request=$REPLY
        code=${local_request%%:*}
        if ((code == CODE_SAME_PAGE || code == CODE_IN_PAGE)); then
            job "send_${stem}_${local_request//:/-}" "$request" --send "$local_request"
        fi
    done
    # The sweep weights.
    [[ "$WEIGHTLESS_CODES" == *" ${request%%:*} "* ]] && continue
    for w in "${WEIGHTS[@]}"; do
        job "child_${w}kg_$stem" "$request" --child-weight "${w}kg" --weight child
        job "adult_${w}kg_$stem" "$request" --adult-weight "${w}kg" --weight adult
    done
done

# The calculators: boxes filled one after another, choices answered first and last, with the
# result view.
for request in "${pages[@]}"; do
    code=${request%%:*}
    ((code == CODE_CALCULATOR)) || continue
    stem=${request//:/-}
    inputs=()
    for ((i = 1; i <= MAX_INPUTS; ++i)); do
        inputs+=(--input "$i=$SAMPLE_INPUT")
        job "calc_${stem}_inputs$i" "$request" "${PATIENT[@]}" "${inputs[@]}"
    done
    declare -A first=() last=()
    for n in $(requests_in "$OUT/page_$stem"); do
        request_text "$n"
        local_request=$REPLY
        ((${local_request%%:*} == CODE_SAME_PAGE)) || continue
        sub=${local_request##*:}
        entry=${local_request#*:}
        entry=${entry%%:*}
        [[ -n "${first[$sub]:-}" ]] || first[$sub]=$entry
        last[$sub]=$entry
    done
    if ((${#first[@]} > 0)); then
        for pick in first last; do
            chosen=()
            declare -n picks=$pick
            for sub in $(printf '%s\n' "${!picks[@]}" | sort -n); do
                chosen+=(--choose "$sub=${picks[$sub]}")
            done
            unset -n picks
            for view in 0 1; do
                job "calc_${stem}_${pick}_view$view" "$request" "${PATIENT[@]}" "${chosen[@]}" \
                    --view "$view"
            done
        done
    fi
    unset first last
done

run_jobs
echo "$(find "$OUT" -type f | wc -l) pages in $OUT"
