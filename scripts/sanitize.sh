#!/usr/bin/env bash
# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/
# (the scripted runs of the real program under Xvfb included), then the long soak under them,
# then valgrind's memcheck over a tour of every screen and a short soak, built normally in build/
# (valgrind cannot run sanitized code). Any report fails the run.
#   scripts/sanitize.sh                  KINDREL_SOAK_STEPS (100000) sets the long soak's length
set -euo pipefail
KINDREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KINDREL_ROOT/scripts/setup.sh"
kindrel_install_packages "${KINDREL_SANITIZE_PACKAGES[@]}"
jobs="${KINDREL_JOBS:-$(nproc)}"
soak_steps="${KINDREL_SOAK_STEPS:-100000}"
unset KINDREL_SOAK_STEPS

asan="$KINDREL_ROOT/build-asan"
if [ ! -f "$asan/CMakeCache.txt" ]; then
    # The benchmarks measure nothing useful under the sanitizers.
    (cd "$KINDREL_ROOT" && cmake --preset sanitize -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON) \
        || kindrel_fail "cmake configure of build-asan failed"
fi
cmake --build "$asan" -j"$jobs" || kindrel_fail "sanitizer build failed"

# Every sanitized process writes its reports here, the program run by the Xvfb scripts too,
# whose exit status those scripts do not see: any file here fails the run.
reports="$asan/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
found_reports() {
    if compgen -G "$reports/*" >/dev/null; then
        cat "$reports"/* >&2
        kindrel_fail "sanitizer reports in $reports"
    fi
}
# Leaks are reported when each process ends; undefined behaviour aborts at once.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
export LSAN_OPTIONS="suppressions=$KINDREL_ROOT/scripts/lsan.supp:print_suppressions=0"
(cd "$asan" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs") \
    || { found_reports; kindrel_fail "tests failed under AddressSanitizer and UndefinedBehaviorSanitizer"; }
found_reports
echo "kindrel: the suite is clean under AddressSanitizer and UndefinedBehaviorSanitizer"

# Under the sanitizers the long soak outlasts QtTest's five minutes a test function.
(cd "$asan" && QT_QPA_PLATFORM=offscreen KINDREL_BUILD_DIR="$PWD" \
    KINDREL_MANIFEST="$KINDREL_ROOT/assets/manifest.txt" KINDREL_SOAK_STEPS="$soak_steps" \
    QTEST_FUNCTION_TIMEOUT=$((4 * 3600 * 1000)) tests/tst_monkey) || { found_reports; kindrel_fail "the soak failed under the sanitizers"; }
found_reports
echo "kindrel: a soak of $soak_steps steps is clean under the sanitizers, leaks included"
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

kindrel_build
memcheck() {
    (cd "$KINDREL_ROOT/build" && QT_QPA_PLATFORM=offscreen KINDREL_BUILD_DIR="$PWD" \
        QTEST_FUNCTION_TIMEOUT=$((4 * 3600 * 1000)) \
        KINDREL_MANIFEST="$KINDREL_ROOT/assets/manifest.txt" \
        valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
            --errors-for-leak-kinds=definite --error-exitcode=3 --num-callers=30 "$@") \
        || kindrel_fail "valgrind reported errors or definite leaks in $1"
}
memcheck tests/tst_tour
export KINDREL_SOAK_STEPS=1000
memcheck tests/tst_monkey
echo "kindrel: no sanitizer or memcheck reports"
