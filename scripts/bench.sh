#!/usr/bin/env bash
# Builds the program and its benchmarks in build/ and runs them (never part of the tests): prints
# the machine, Google Benchmark's own lines and a table of figures against their targets, and
# keeps a copy in build/bench/latest.txt. Arguments go to kindrel_bench, for example
# --benchmark_filter=lesson to run only the lesson's moves.
set -euo pipefail
KINDREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KINDREL_ROOT/scripts/setup.sh"
kindrel_install_packages "${KINDREL_BENCH_PACKAGES[@]}"
build_dir="$KINDREL_ROOT/build"
# Configured again so that a build folder made before Google Benchmark was there finds it now.
if [ -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$KINDREL_ROOT" -B "$build_dir" >/dev/null || kindrel_fail "cmake configure failed"
else
    cmake -S "$KINDREL_ROOT" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null \
        || kindrel_fail "cmake configure failed"
fi
# Only what the benchmarks run: the program, its pictures, and the bench programs.
cmake --build "$build_dir" -j"$(nproc)" --target kindrel kindrel_pictures kindrel_bench \
    || kindrel_fail "build failed"
bench="$build_dir/bench/kindrel_bench"
[ -x "$bench" ] || kindrel_fail "no $bench: is Google Benchmark (libbenchmark-dev) installed?"

# Every benchmark in this process draws offscreen. Under Xvfb, start-up is also measured on a
# real X server, beside the offscreen figure.
export QT_QPA_PLATFORM=offscreen
run=("$bench")
platforms="offscreen platform"
if command -v xvfb-run >/dev/null; then
    run=(xvfb-run -a -s "-screen 0 1920x1080x24" "$bench")
    platforms="offscreen platform; start-up also on Xvfb"
fi

{
    echo "Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
    echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
        "$(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo) memory," \
        "load average $(cut -d' ' -f1-3 /proc/loadavg)"
    echo "Build: $(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build_dir/CMakeCache.txt")," \
        "Qt $(pkg-config --modversion Qt6Widgets 2>/dev/null || echo '?'), $platforms"
    "${run[@]}" "$@" 2>/dev/null
    echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
} | tee "$build_dir/bench/latest.txt"
