#!/usr/bin/env bash
# The real game with a real sound server: record what a shot sounds like with the sound
# setting on, and that it is silent with the setting off.
set -euo pipefail
game=$1 probe=$2
source "$(dirname "$0")/game-window.sh"
source "$(dirname "$0")/../support/sound-server.sh"
trap 'cleanup_window; stop_sound_server; rm -rf "$work"' EXIT
start_sound_server
start_display

# Seconds of sound on the sink while a shot is fired and lands.
loud_during_a_shot() {
  start_game "$game" "[General]\nSound=$1\n"
  spread_fleet_and_start
  parec -d nullsink.monitor --raw --format=s16le --rate=22050 --channels=1 --latency-msec=20 \
    >"$work/rec.raw" &
  local rec=$!
  sleep 0.5
  enemy_cell 4 4
  sleep 4
  kill $rec
  wait $rec 2>/dev/null || true
  quit_game
  "$probe" level "$work/rec.raw" | awk '{print $2}'
}

on=$(loud_during_a_shot 1)
off=$(loud_during_a_shot 0)
awk -v s="$on" 'BEGIN { exit !(s > 0.5) }' || fail "a shot with sound on was not heard ($on s of sound)"
awk -v s="$off" 'BEGIN { exit !(s == 0) }' || fail "a shot with sound off was heard ($off s of sound)"
echo "ok: a shot sounds for $on s with sound on, $off s with sound off"
