#!/usr/bin/env bash
# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/,
# then valgrind's memcheck over a scripted tour of every screen and a short monkey soak, built
# normally in build/ (valgrind cannot run sanitized code). Any report fails the run.
set -euo pipefail
KINDREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KINDREL_ROOT/scripts/setup.sh"
kindrel_install_packages "${KINDREL_SANITIZE_PACKAGES[@]}"

asan="$KINDREL_ROOT/build-asan"
if [ ! -f "$asan/CMakeCache.txt" ]; then
    # The benchmarks measure nothing useful under the sanitizers.
    (cd "$KINDREL_ROOT" && cmake --preset sanitize -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON) \
        || kindrel_fail "cmake configure of build-asan failed"
fi
cmake --build "$asan" -j"$(nproc)" || kindrel_fail "sanitizer build failed"

# Leaks are reported when each test process ends; undefined behaviour aborts at once.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd "$asan" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)") \
    || kindrel_fail "tests failed under AddressSanitizer and UndefinedBehaviorSanitizer"
unset ASAN_OPTIONS UBSAN_OPTIONS

kindrel_build
memcheck() {
    (cd "$KINDREL_ROOT/build" && QT_QPA_PLATFORM=offscreen KINDREL_BUILD_DIR="$PWD" \
        valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
            --errors-for-leak-kinds=definite --error-exitcode=3 --num-callers=30 "$@") \
        || kindrel_fail "valgrind reported errors or definite leaks in $1"
}
memcheck tests/tst_tour
export KINDREL_SOAK_STEPS=1000
memcheck tests/tst_monkey
echo "kindrel: no sanitizer or memcheck reports"
