#!/usr/bin/env bash
# What a school's machines do to files that a test folder never does: a worksheet written to a
# full disk and into a read-only folder, and a lists folder its user may not read. Each gives its
# message and status, and leaves the teacher's files as they were. The disk and the read-only
# folder are small file systems mounted for the purpose, which takes root: without it the check
# says so and is skipped.
set -euo pipefail
program="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fail() { echo "full_disk_and_locked_folders: $*"; exit 1; }
if [ "$(id -u)" -ne 0 ] || ! unshare -m true 2>/dev/null; then
    echo "full_disk_and_locked_folders: skipped, mounting a file system needs root"
    exit 77
fi
work="$(mktemp -d)"
trap 'chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
cd "$(dirname "$program")"

# In a mount namespace of its own, so that nothing mounted here outlives the check.
KINDREL_PROGRAM="$program" KINDREL_WORK="$work" unshare -m bash -s <<'SCRIPT' || exit 1
set -euo pipefail
fail() { echo "full_disk_and_locked_folders: $*"; exit 1; }
disk="$KINDREL_WORK/disk"
mkdir "$disk"
# Less room than any worksheet takes.
mount -t tmpfs -o size=16k tmpfs "$disk"
echo "the teacher's own file" >"$disk/kept.pdf"
writes() {  # writes STATUS WORD PATH: the worksheet to PATH must give STATUS and say WORD
    local got=0
    "$KINDREL_PROGRAM" --worksheet symbols -o "$3" 2>"$KINDREL_WORK/err" || got=$?
    [ "$got" = "$1" ] || fail "writing $3 gave $got, not $1: $(cat "$KINDREL_WORK/err")"
    grep -q -- "$2" "$KINDREL_WORK/err" || fail "writing $3 did not say '$2': $(cat "$KINDREL_WORK/err")"
}
writes 1 "the disk is full (" "$disk/kept.pdf"
writes 1 "the disk is full (" "$disk/new.pdf"
[ "$(cat "$disk/kept.pdf")" = "the teacher's own file" ] || fail "a full disk changed a file"
[ "$(ls -A "$disk")" = kept.pdf ] || fail "a full disk kept a part-written file: $(ls -A "$disk")"

mount -o remount,size=4m "$disk"
writes 0 "" "$disk/room.pdf"
mount -o remount,ro "$disk"
writes 1 "could not write $disk/kept.pdf" "$disk/kept.pdf"
writes 1 "Read-only file system" "$disk/new.pdf"
[ "$(cat "$disk/kept.pdf")" = "the teacher's own file" ] || fail "a read-only folder's file changed"
SCRIPT

# A lists folder that cannot be read: only a user who is not root is kept out of one. The program
# is copied where that user may run it.
lists="$work/lists"
mkdir -p "$lists/hangman" "$lists/symbols"
printf 'word,clue\nACID,A solution with a pH below 7\n' >"$lists/hangman/Acids.csv"
printf 'symbol,name\nNa,sodium\n' >"$lists/symbols/Some.csv"
chmod 000 "$lists/hangman"
cp "$program" "$work/kindrel"
chmod -R a+rX "$work/kindrel" "$lists/symbols"
status=0
setpriv --reuid=65534 --regid=65534 --clear-groups "$work/kindrel" --lists "$lists" --check-lists \
    >"$work/out" 2>&1 || status=$?
[ "$status" = 1 ] || fail "--check-lists with a locked folder gave $status, not 1: $(cat "$work/out")"
grep -q "The folder $lists/hangman cannot be read." "$work/out" || fail "no word of the locked folder: $(cat "$work/out")"
grep -v '^Searched' "$work/out" | grep -q "symbols" && fail "the readable folder was reported: $(cat "$work/out")"
echo "full_disk_and_locked_folders: a full disk, a read-only folder and a locked lists folder each said so"
