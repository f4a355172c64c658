#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The real game on a full disk: its folder is a small tmpfs filled to the last page. Closing
# the game must leave the settings file exactly as it was and show the error box; a second
# SIGTERM while the box waits ends the process. Needs root to mount; skipped (77) otherwise.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: mounting the small full file system needs root"
  exit 77
fi
source "$(dirname "$0")/game-window.sh"
disk="$work/disk"
cleanup() {
  # The game must be gone before its file system can be unmounted.
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null || true
  cleanup_window
  umount "$disk" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
start_display

mkdir -p "$disk"
size=$(($(stat -c %s "$1") / 1024 + 256))
mount -t tmpfs -o size=${size}k salvora-full "$disk" || { echo "SKIP: tmpfs cannot be mounted here"; exit 77; }
cp "$1" "$disk/salvora"
old='[Other]\nKeep=this\n[General]\nAnimation=0\nSound=0\n'
printf "$old" >"$disk/salvora.ini"
cp "$disk/salvora.ini" "$work/old.ini"
dd if=/dev/zero of="$disk/filler" bs=4k >/dev/null 2>&1 || true
[ "$(df --output=avail "$disk" | tail -1)" -eq 0 ] || fail "the disk is not full"

"$disk/salvora" >"$work/log" 2>&1 &
game_pid=$!
for _ in $(seq 100); do xdotool search --name 'Сальвора' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 0.5
kill -TERM "$game_pid"
# The box is a small window of the game's title beside (or instead of) the main window.
box=""
for _ in $(seq 50); do
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended without showing the error box: $(cat "$work/log")"
  for w in $(xdotool search --onlyvisible --name 'Сальвора' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [ "$WIDTH" -lt 600 ] && box=$w
  done
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no error box"
shot
cmp -s "$disk/salvora.ini" "$work/old.ini" || fail "the settings file changed: $(od -c "$disk/salvora.ini" | head)"
[ "$(ls "$disk")" = "$(printf 'filler\nsalvora\nsalvora.ini')" ] || fail "left behind: $(ls "$disk")"
# The box waits; a second SIGTERM must end the process.
kill -TERM "$game_pid"
for _ in $(seq 30); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "a second SIGTERM did not end the game while the box waited"
set +e; wait "$game_pid"; rc=$?; set -e
game_pid=""
[ "$rc" -eq 143 ] || fail "exit status $rc after the second SIGTERM"
echo "ok: full disk, settings file unchanged, error box shown, second SIGTERM ended the game"
