#!/usr/bin/env bash
# Builds the program and its benchmarks in build/ and runs them (never part of the tests): prints
# the machine, Google Benchmark's own lines and a table of figures against their targets, and
# keeps a copy in build/bench/latest.txt. Arguments go to kindrel_bench, for example
# --benchmark_filter=lesson to run only the lesson's moves.
set -euo pipefail
KINDREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KINDREL_ROOT/scripts/setup.sh"
kindrel_install_packages "${KINDREL_BENCH_PACKAGES[@]}"
# Configured again so that a build folder made before Google Benchmark was there finds it now.
cmake -S "$KINDREL_ROOT" -B "$KINDREL_ROOT/build" >/dev/null || kindrel_fail "cmake configure failed"
kindrel_build
bench="$KINDREL_ROOT/build/bench/kindrel_bench"
[ -x "$bench" ] || kindrel_fail "no $bench: is Google Benchmark (libbenchmark-dev) installed?"

{
    echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
        "$(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo) memory," \
        "load average $(cut -d' ' -f1-3 /proc/loadavg)"
    echo "Build: $(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$KINDREL_ROOT/build/CMakeCache.txt")," \
        "Qt $(pkg-config --modversion Qt6Widgets 2>/dev/null || echo '?'), offscreen platform"
    "$bench" "$@" 2>/dev/null
} | tee "$KINDREL_ROOT/build/bench/latest.txt"
