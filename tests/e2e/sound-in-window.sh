#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The real game with a real sound server. With sound on, one whole exchange is heard in the
# order the game plays it: the player's shot, the splash of his miss heard to its end, then
# the computer's shot and the cue of where it lands. With sound off the same play is silent,
# and the end of the session (SIGTERM) still writes the settings.
set -euo pipefail
game=$1 probe=$2
source "$(dirname "$0")/game-window.sh"
source "$(dirname "$0")/../support/sound-server.sh"
trap 'cleanup_window; stop_sound_server; rm -rf "$work" || true' EXIT
start_sound_server
start_display
# Each cue a tone of its own pitch, so that the recording tells which cue sounded when.
mkdir "$work/cues"
"$probe" cues "$work/cues"

# Shoots until a miss and lets the computer answer, recording the sound server's sink; leaves
# the cues heard, in order, in $heard and the seconds of any sound in $loud.
record_exchange() {
  start_game "$game" "[General]\nSound=$1\n" "$work/cues"
  spread_fleet_and_start
  parec -d nullsink.monitor --raw --format=s16le --rate=22050 --channels=1 --latency-msec=20 \
    >"$work/rec.raw" &
  local rec=$! x y sea now
  sleep 0.5
  for cell in "9 9" "0 9" "9 0" "4 4" "2 7" "7 2" "0 4" "6 6"; do
    read -r x y <<<"$cell"
    shot
    sea=$(pixel $((342 + 2 + 32 + 32 * x)) $((44 + 2 + 32 + 32 * y)))
    enemy_cell "$x" "$y"
    for _ in $(seq 40); do # the cannon takes 2 s, longer on a busy machine
      sleep 0.25
      shot
      now=$(pixel $((342 + 2 + 32 + 32 * x)) $((44 + 2 + 32 + 32 * y)))
      [ "$now" != "$sea" ] && break
    done
    [ "$now" = "192,192,192" ] && break # the cross of a miss; else a hit: shoot again
    sleep 1
  done
  sleep 7
  kill $rec
  wait $rec 2>/dev/null || true
  quit_game
  heard=$("$probe" heard "$work/rec.raw")
  loud=$("$probe" level "$work/rec.raw" | awk '{print $2}')
}

record_exchange 1
echo "sound on, heard: $heard"
# The player's hits (a fire cue each) until his miss, whose splash must be heard whole (0.6 s)
# before the computer's shot; then the computer's splash or its hit on the player's ship.
order='^(MyShot [0-9.]+ EnemyFire [0-9.]+ )*MyShot [0-9.]+ Splash ([0-9.]+) EnemyShot [0-9.]+ (Splash|MyFire) '
[[ "$heard " =~ $order ]] || fail "the cues of an exchange were not heard in order: $heard"
splash=${BASH_REMATCH[2]}
awk -v s="$splash" 'BEGIN { exit !(s >= 0.5) }' || fail "the player's splash was cut after $splash s"

record_exchange 0
echo "sound off, heard: ${heard:-nothing}"
[ -z "$heard" ] && [ "$loud" = 0.000 ] || fail "with sound off the game was heard: $loud s, $heard"
ini="$work/game/salvora.ini"
grep -qx 'Sound=0' "$ini" && grep -qx 'Animation=1' "$ini" ||
  fail "the settings were not written at the end of the session: $(cat "$ini")"
echo "ok: an exchange is heard in order with sound on, nothing with sound off"
