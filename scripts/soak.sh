#!/usr/bin/env bash
# The long soak: the seeded monkey over the whole program, built normally in build/; most of it
# offscreen, the last part on a real X server with the accessibility bridge on and a screen
# reader's client reading the tree throughout.
#   scripts/soak.sh [steps] [seed]     (100000 steps, a fifth of them with the bridge, and a fresh
#                                       seed unless given)
set -euo pipefail
KINDREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KINDREL_ROOT/scripts/setup.sh"
kindrel_install_packages
kindrel_build
steps="${1:-${KINDREL_SOAK_STEPS:-100000}}"
bridged=$((steps / 5))
[ -z "${2:-}" ] || export KINDREL_SOAK_SEED="$2"
cd "$KINDREL_ROOT/build"
export KINDREL_MANIFEST="$KINDREL_ROOT/assets/manifest.txt"
# A long soak outlasts QtTest's five minutes a test function.
export QTEST_FUNCTION_TIMEOUT=$((4 * 3600 * 1000))
QT_QPA_PLATFORM=offscreen KINDREL_BUILD_DIR="$PWD" KINDREL_SOAK_STEPS=$((steps - bridged)) \
    tests/tst_monkey || kindrel_fail "the soak failed (its seed is in the first lines above)"
KINDREL_SOAK_STEPS="$bridged" bash "$KINDREL_ROOT/tests/scripts/soak_with_reader.sh" "$PWD/kindrel" \
    || kindrel_fail "the soak with the accessibility bridge failed (its seed is in the lines above)"
