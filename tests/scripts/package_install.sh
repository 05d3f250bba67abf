#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a throw-away root, validates its desktop entry and
# metadata, and starts the installed program from the entry's working directory.
set -euo pipefail
support="$(cd "$(dirname "${BASH_SOURCE[0]}")/../support" && pwd)"
build_dir="$(cd "$(dirname "$1")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cd "$build_dir"
cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb="$(ls "$work"/out/kindrel_*.deb)"
root="$work/root"
dpkg-deb -x "$deb" "$root"

fail() { echo "package: $*"; exit 1; }

# Nothing of the build tree goes into the package.
if dpkg-deb -c "$deb" | grep -E "CMakeFiles|\.o$|\.a$|_autogen|kindrel_render|tst_" ; then
    fail "build files in the package"
fi
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libqt6widgets6 libqt6gui6 libqt6printsupport6 qt6-qpa-plugins fonts-wine \
              fonts-liberation2 fonts-dejavu-core; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# The pictures are drawn when the program is built: nothing reads SVG at run time.
if grep -q "svg" <<<"$depends"; then fail "Depends names Qt SVG: $depends"; fi
if readelf -d "$root/usr/bin/kindrel" | grep -q "libQt6Svg"; then fail "the program links Qt SVG"; fi

desktop="$(ls "$root"/usr/share/applications/*.desktop)"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$work/as.log" 2>&1 \
    || { cat "$work/as.log"; fail "metainfo does not validate"; }
[ -x "$root/usr/bin/kindrel" ] || fail "no executable"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$(basename "$desktop" .desktop).svg" ] || fail "no scalable icon"
[ -f "$root/usr/share/icons/hicolor/48x48/apps/$(basename "$desktop" .desktop).png" ] || fail "no 48x48 icon"

# The entry's working directory, moved into the throw-away root.
path_key="$(sed -n 's/^Path=//p' "$desktop")"
data_dir="$root$path_key"
[ -d "$data_dir/Images" ] && [ -d "$data_dir/opening" ] || fail "no picture folders in $data_dir"
# Every picture the program names, looked up and decoded as the program does, in the
# installed folder; the list of them is the manifest in the sources.
manifest="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/assets/manifest.txt"
KINDREL_BUILD_DIR="$data_dir" KINDREL_MANIFEST="$manifest" QT_QPA_PLATFORM=offscreen \
    "$build_dir/tests/tst_picturefiles" \
    >"$work/pictures.log" 2>&1 || { cat "$work/pictures.log"; fail "pictures not all found"; }

# Started as the launcher starts it: the title picture is found, so the title keeps its design
# size (364 x 438 px) instead of falling back to the house frame.
cd "$data_dir"
unset QT_QPA_PLATFORM
export exe="$root/usr/bin/kindrel"
export KINDREL_CHECK=package
"$support/in_x.sh" 1024x768 <<'SCRIPT'
    title_comes_up "$exe" || fail "installed program did not show its title at design size"
SCRIPT
echo "package: $(basename "$deb") installs and starts"
