#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The aiming cursor as the X server shows it, at scale 1, 1.5, 2 and 3: drawn at the screen's
# scale (32 logical pixels wide) with its hot spot on the crosshair's crossing, not off it by
# the scale (Qt's X11 platform takes a cursor's hot spot in the pixmap's own pixels).
# cursor-at-scale.sh <salvora> <cursor-probe>
set -euo pipefail
source "$(dirname "$0")/../e2e/game-window.sh"
trap cleanup_window EXIT
start_display 1600x1200
game=$1 probe=$2
for scale in 1 1.5 2 3; do
  export QT_SCALE_FACTOR=$scale
  start_game "$game" '[General]\nAnimation=0\nSound=0\n'
  # Its side, and the middle of the computer's board, where every cell may be shot at once the
  # battle has begun (before, the window's arrow).
  read -r side x y < <(awk -v s="$scale" -v ox="$ox" -v oy="$oy" \
    'BEGIN { print int(32 * s + 0.5), int(ox + 536 * s), int(oy + 238 * s) }')
  xdotool mousemove "$x" "$y"
  sleep 0.3
  read -r arrow _ < <("$probe")
  for try in $(seq 50); do
    # The battle starts from the keys, sent again in case the window had not the focus yet.
    if [ $((try % 10)) -eq 1 ]; then
      xdotool windowfocus --sync "$win"
      xdotool key ctrl+r
      sleep 0.3
      xdotool key ctrl+Return
    fi
    xdotool mousemove $((x + try % 2)) "$y" # moved, so that the window chooses its cursor again
    sleep 0.2
    read -r width height xhot yhot column row < <("$probe")
    [ "$width" -ne "$arrow" ] && break
  done
  echo "scale $scale: cursor ${width}x${height}, hot spot $xhot,$yhot, crossing at $column,$row"
  [ "$width" -eq "$side" ] && [ "$height" -eq "$side" ] || fail "the cursor is not ${side} px at $scale"
  [ "$xhot" -eq "$column" ] && [ "$yhot" -eq "$row" ] || fail "the hot spot is off the crossing at $scale"
  quit_game
done
echo "PASS"
