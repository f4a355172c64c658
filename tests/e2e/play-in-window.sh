#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The real game in a real X server: spread the fleet and start the battle with mouse clicks,
# fire at the computer's board, look at the screen, close the game with its window's close box
# and read its settings file.
set -euo pipefail
source "$(dirname "$0")/game-window.sh"
trap 'cleanup_window; rm -rf "$work" || true' EXIT
start_display
start_window_manager

# A foreign key in the settings file, which the game must keep.
start_game "$1" '[General]\nSound=0\nTheme=dark\n'
spread_fleet_and_start
shot
[ "$(pixel $((110 + 48)) $((8 + 13)))" != "" ] || fail "no screenshot"

# Fire at А-1 of the computer's board and wait for the cannon.
before=$(pixel $((342 + 2 + 32)) $((44 + 2 + 32)))
enemy_cell 0 0
for _ in $(seq 40); do # the cannon takes 2 s, longer on a busy machine
  sleep 0.25
  shot
  after=$(pixel $((342 + 2 + 32)) $((44 + 2 + 32)))
  [ "$after" != "$before" ] && break
done
status=$(convert "$work/screen.png" -crop "330x17+$((ox + 2))+$((oy + 472))" -format '%[fx:standard_deviation]' info:)
[ "$after" != "$before" ] || fail "the shot left no mark on А-1 (pixel $after)"
awk -v s="$status" 'BEGIN { exit !(s > 0.02) }' || fail "no text in the status bar after the shot"

close_game
ini="$work/game/salvora.ini"
grep -qx 'Sound=0' "$ini" || fail "the sound setting was not kept: $(cat "$ini")"
grep -qx 'Animation=1' "$ini" || fail "the animation setting was not written"
grep -qx 'Theme=dark' "$ini" || fail "a foreign key was lost"
echo "ok: fleet spread, battle started, shot landed on А-1 ($before -> $after), settings kept at the close box"
