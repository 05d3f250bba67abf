# Sourced by the checks that run with the accessibility bridge on. Under the sanitizers, Qt's
# bridge leaks at exit the key events still waiting for the bus: its suppression needs the frames
# of Qt's libraries, which only the slower unwinder sees whole.
if [ -n "${LSAN_OPTIONS:-}" ]; then
    export LSAN_OPTIONS="$LSAN_OPTIONS:suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/lsan-bridge.supp"
    export ASAN_OPTIONS="${ASAN_OPTIONS:-}:fast_unwind_on_malloc=0"
fi
