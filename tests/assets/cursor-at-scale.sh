#!/usr/bin/env bash
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
  xdotool windowfocus --sync "$win"
  xdotool key ctrl+r
  sleep 0.3
  xdotool key ctrl+Return
  sleep 0.8
  # Over the middle of the computer's board, where every cell may be shot at.
  xdotool mousemove "$(awk -v o="$ox" -v s="$scale" 'BEGIN { print int(o + 536 * s) }')" \
    "$(awk -v o="$oy" -v s="$scale" 'BEGIN { print int(o + 238 * s) }')"
  sleep 0.5
  read -r width height xhot yhot column row < <("$probe")
  side=$(awk -v s="$scale" 'BEGIN { print int(32 * s + 0.5) }')
  echo "scale $scale: cursor ${width}x${height}, hot spot $xhot,$yhot, crossing at $column,$row"
  [ "$width" -eq "$side" ] && [ "$height" -eq "$side" ] || fail "the cursor is not ${side} px at $scale"
  [ "$xhot" -eq "$column" ] && [ "$yhot" -eq "$row" ] || fail "the hot spot is off the crossing at $scale"
  quit_game
done
echo "PASS"
