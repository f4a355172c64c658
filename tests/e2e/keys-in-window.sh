#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# A whole game in the real window with the keyboard only: Ctrl+R spreads the fleet,
# Ctrl+Return starts the battle, arrows and Space fire at every deck of the computer's fleet,
# which fleet-for-seed knows from the same seed, until «Вы победили!» shows.
set -euo pipefail
game=$1 fleet=$2
source "$(dirname "$0")/game-window.sh"
trap 'cleanup_window; rm -rf "$work" || true' EXIT
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND"' ERR
export SALVORA_SEED=20261209
decks=$("$fleet") || { echo "FAIL: fleet-for-seed found no battle"; exit 1; }
[ "$(echo "$decks" | wc -l)" -eq 20 ] || { echo "FAIL: not 20 decks: $decks"; exit 1; }
start_display
start_game "$game" '[General]\nSound=0\nAnimation=0\n'
xdotool windowfocus --sync "$win"
sleep 0.3

yellow="255,255,0"
# The frame's top-left pixel over cell (x, y) of the player's board, and of the computer's.
my_frame() { pixel $((2 + 17 + 32 * $1)) $((46 + 17 + 32 * $2)); }
enemy_frame() { pixel $((344 + 17 + 32 * $1)) $((46 + 17 + 32 * $2)); }
status_text() {
  for _ in 1 2 3 4 5; do
    import -window root -crop "330x17+$((ox + 2))+$((oy + 472))" png:"$work/status.png" 2>/dev/null &&
      md5sum <"$work/status.png" && return
    sleep 0.2
  done
  return 1
}

# Whether a condition holds on a fresh screenshot within 5 s.
eventually() {
  for _ in $(seq 20); do
    shot
    eval "$1" && return 0
    sleep 0.25
  done
  return 1
}

xdotool key ctrl+r Right
eventually '[ "$(my_frame 1 0)" = "$yellow" ]' ||
  fail "no frame on А-2 of the player's board after Right ($(my_frame 1 0))"
xdotool key ctrl+Return
eventually '[ "$(enemy_frame 0 0)" = "$yellow" ]' ||
  fail "no frame on the computer's board once the battle began"
[ "$(my_frame 1 0)" != "$yellow" ] || fail "the frame stayed on the player's board"

started=$(date +%s)
cx=0 cy=0 shots=0
while read -r x y; do
  keys=()
  while [ "$cx" -lt "$x" ]; do keys+=(Right); cx=$((cx + 1)); done
  while [ "$cx" -gt "$x" ]; do keys+=(Left); cx=$((cx - 1)); done
  while [ "$cy" -lt "$y" ]; do keys+=(Down); cy=$((cy + 1)); done
  while [ "$cy" -gt "$y" ]; do keys+=(Up); cy=$((cy - 1)); done
  before=$(status_text)
  xdotool key --delay 20 "${keys[@]}" space
  shots=$((shots + 1))
  # The status bar names each shot as it lands; the next one may go then.
  for _ in $(seq 80); do
    sleep 0.25
    [ "$(status_text)" != "$before" ] && continue 2
  done
  fail "shot $shots at ($x, $y) never landed"
done <<<"$decks"

# «Вы победили!» in green on the result panel.
green_pixels() {
  convert "$work/screen.png" -crop "156x41+$((ox + 263))+$((oy + 408))" \
    -fx 'g > 0.35 && r < 0.2 && b < 0.2 ? 1 : 0' -format '%[fx:round(mean * w * h)]' info:
}
eventually '[ "$(green_pixels)" -gt 40 ]' || fail "no green result after $shots shots"
echo "ok: a game won with the keyboard alone, $shots shots in $(($(date +%s) - started)) s"
