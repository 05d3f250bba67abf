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
    # Growth with a teacher's list in force and a screen reader again, as a screen reader's user
    # has it: on a real X server, with the accessibility bridge on and a reader's client on a
    # private bus. When no filter was given or the filter names the reader, where the bus runs.
    if { [ $# -eq 0 ] || [[ "$*" == *reader* ]]; } && command -v xvfb-run >/dev/null && command -v dbus-run-session >/dev/null &&
        [ -x /usr/libexec/at-spi-bus-launcher ]; then
        echo
        echo "With the accessibility bridge on, on Xvfb:"
        KINDREL_BENCH="$bench" KINDREL_READER="$KINDREL_ROOT/tests/support/soak_reader.py" \
            dbus-run-session -- xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
            /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
            until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
                org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true; do
                sleep 0.1
            done
            QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$KINDREL_BENCH" \
                "--benchmark_filter=with a list and a reader" 2>/dev/null & run=$!
            KINDREL_CHECK=reader /usr/bin/python3 "$KINDREL_READER" "$run" kindrel_bench & reader=$!
            wait "$run"
            wait "$reader" || true
            kill "$bus"' 2>/dev/null
    fi
    echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
} | tee "$build_dir/bench/latest.txt"
