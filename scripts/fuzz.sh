#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on) in
# build-fuzz/ and runs each over its seed corpus: the metafile reader, the JPEG reader at several
# sizes, and the teachers' list reader with every kind's checks. Never part of the tests.
#
#   scripts/fuzz.sh [RUNS] [TARGET...]     RUNS executions each (default 2000000); TARGETs among
#                                          wmfreader jpegreader listreader (default all)
#
# A failing input is left in build-fuzz/ as crash-*, leak-* or timeout-*, and the script fails.
set -euo pipefail
KINDREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KINDREL_ROOT/scripts/setup.sh"
kindrel_install_packages clang imagemagick
runs="${1:-2000000}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(wmfreader jpegreader listreader)
out="$KINDREL_ROOT/build-fuzz"
cmake -S "$KINDREL_ROOT/fuzz" -B "$out" -DCMAKE_CXX_COMPILER=clang++ >/dev/null \
    || kindrel_fail "cmake configure of fuzz/ failed"
cmake --build "$out" -j"$(nproc)" || kindrel_fail "fuzz build failed"
# The shipped pictures, as the program's build draws them.
[ -f "$KINDREL_ROOT/build/CMakeCache.txt" ] ||
    cmake -S "$KINDREL_ROOT" -B "$KINDREL_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$KINDREL_ROOT/build" -j"$(nproc)" --target kindrel_pictures >/dev/null \
    || kindrel_fail "could not draw the pictures"

corpus="$out/corpus"
rm -rf "$corpus"
mkdir -p "$corpus/wmfreader" "$corpus/jpegreader" "$corpus/listreader"
cp "$KINDREL_ROOT"/tests/pictures/wmf_corpus/*.wmf "$corpus/wmfreader/"
cp "$KINDREL_ROOT"/fuzz/corpus/lists/* "$corpus/listreader/"

# JPEG seeds: each shipped picture, and odd ones made from one of them (sampled 4:1:1 and 4:4:0,
# progressive, grey, CMYK, one pixel, wider than the reader takes, cut short), each behind a byte
# that picks the size the reader is asked for.
seeds="$(mktemp -d)"
trap 'rm -rf "$seeds"' EXIT
# Those the reader can take whole within the length the fuzzer tries.
find "$KINDREL_ROOT/build/Images" "$KINDREL_ROOT/build/opening" -name '*.jpg' -size -32k \
    -exec cp {} "$seeds/" \;
base="$KINDREL_ROOT/build/Images/beakersm.jpg"
convert "$base" -sampling-factor 4:1:1 "$seeds/odd-411.jpg"
convert "$base" -sampling-factor 1x2 "$seeds/odd-440.jpg"
convert "$base" -interlace JPEG "$seeds/odd-progressive.jpg"
convert "$base" -colorspace Gray "$seeds/odd-grey.jpg"
convert "$base" -colorspace CMYK "$seeds/odd-cmyk.jpg"
convert -size 1x1 xc:red "$seeds/odd-pixel.jpg"
convert -size 5000x2 xc:blue "$seeds/odd-wide.jpg"
head -c 2000 "$base" >"$seeds/odd-cut.jpg"
n=0
for seed in "$seeds"/*.jpg; do
    { printf "\\$(printf '%03o' $((n % 256)))"; cat "$seed"; } >"$corpus/jpegreader/$(basename "$seed")"
    n=$((n + 37))
done

status=0
for target in "${targets[@]}"; do
    case "$target" in
        wmfreader) max_len=8192 ;;
        jpegreader) max_len=32768 ;;
        listreader) max_len=16384 ;;
        *) kindrel_fail "no fuzz target '$target' (wmfreader, jpegreader, listreader)" ;;
    esac
    echo "kindrel: fuzzing $target for $runs runs"
    log="$out/$target.log"
    if ! (cd "$out" && "./fuzz_$target" -runs="$runs" -timeout=10 -max_len="$max_len" \
        -print_final_stats=1 "$corpus/$target") >"$log" 2>&1; then
        status=1
        tail -40 "$log"
    fi
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|Done)" "$log" || true
done
exit "$status"
