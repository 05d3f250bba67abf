# Shared by run.sh and test.sh: install what is missing, then configure and build in build/.
# Sourced, not run; expects KINDREL_ROOT to be the repository root.

kindrel_fail() {
    echo "kindrel: $*" >&2
    exit 1
}

KINDREL_PACKAGES=(
    cmake make g++ pkg-config mold
    qt6-base-dev qt6-svg-dev libgl-dev libjpeg-dev
    fonts-wine fonts-liberation2 fonts-dejavu-core
    xvfb xauth x11-utils xdotool imagemagick
    desktop-file-utils appstream dpkg-dev file
    dbus at-spi2-core python3-pyatspi
    poppler-utils
)
# Only for scripts/bench.sh and scripts/sanitize.sh, which install them when they run.
KINDREL_BENCH_PACKAGES=(libbenchmark-dev)
KINDREL_SANITIZE_PACKAGES=(valgrind)

# Installs what is missing of KINDREL_PACKAGES and of any packages named as arguments.
kindrel_install_packages() {
    local missing=()
    local pkg
    for pkg in "${KINDREL_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "kindrel: installing ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || kindrel_fail "need root or sudo to install: ${missing[*]}"
        sudo="sudo"
    fi
    $sudo apt-get update -qq || kindrel_fail "apt-get update failed"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" \
        || kindrel_fail "apt-get install failed for: ${missing[*]}"
}

kindrel_build() {
    local build_dir="$KINDREL_ROOT/build"
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S "$KINDREL_ROOT" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            || kindrel_fail "cmake configure failed"
    fi
    cmake --build "$build_dir" -j"$(nproc)" || kindrel_fail "build failed"
}
