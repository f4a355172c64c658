#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Plays cues through the game's sound player into a private PulseAudio server with a null sink
# and records the sink's monitor: sound on must be heard, sound off must be silent, and a new cue
# must cut the one that sounds. The server is always stopped afterwards.
set -euo pipefail
probe=$1
for tool in pulseaudio parec; do
  command -v $tool >/dev/null || { echo "FAIL: $tool is not installed (scripts/setup.sh)"; exit 1; }
done

work=$(mktemp -d)
source "$(dirname "$0")/../support/sound-server.sh"
trap 'stop_sound_server; rm -rf "$work"' EXIT
start_sound_server
mkdir "$work/Sounds"
"$probe" tones "$work/Sounds"

failures=0
# Records the monitor while the probe runs; leaves the probe's output in $work/out and the
# recording's loud seconds in $loud.
record() {
  parec -d nullsink.monitor --raw --format=s16le --rate=22050 --channels=1 --latency-msec=20 \
    >"$work/rec.raw" &
  local rec=$!
  sleep 0.5
  "$probe" "$@" >"$work/out"
  # parec loses what it still buffers when stopped: let it catch up first.
  sleep 1
  kill $rec
  wait $rec 2>/dev/null || true
  loud=$("$probe" level "$work/rec.raw" | awk '{print $2}')
  took=$(awk '/returned after/ {print $3}' "$work/out")
  echo "$*: $(tr '\n' ' ' <"$work/out")loud ${loud} s"
}
check() {
  if awk "BEGIN {exit !($1)}"; then echo "  ok: $2"; else echo "  FAIL: $2"; failures=$((failures + 1)); fi
}

record play "$work/Sounds" 1 1
grep -q "device present" "$work/out" || { echo "FAIL: the player sees no output device"; exit 1; }
check "$loud > 0.3 && $loud < 1.0" "a waiting cue of 0.5 s is heard ($loud s)"
check "$took >= 450 && $took < 5000" "a waiting cue returns after its end, bounded ($took ms)"
ticks=$(awk '/^ticks/ {print $2}' "$work/out")
keys=$(awk '/^keys/ {print $2}' "$work/out")
check "$ticks >= 5" "timers keep firing during a waiting cue ($ticks ticks)"
check "$keys == 0" "key presses during a waiting cue are lost ($keys arrived)"

record play "$work/Sounds" 1 0
check "$loud > 0.3 && $loud < 1.0" "a cue without waiting is heard ($loud s)"
check "$took < 300" "a cue without waiting returns at once ($took ms)"
keys=$(awk '/^keys/ {print $2}' "$work/out")
check "$keys >= 1" "without waiting, key presses are handled ($keys arrived)"

record play "$work/Sounds" 0 1
check "$loud == 0" "sound off is silent ($loud s)"
check "$took < 100" "sound off does not wait ($took ms)"

# The long cue (4 s) would be heard to its end if the short one did not cut it.
record cut "$work/Sounds"
check "$loud > 0.3 && $loud < 2.0" "a new cue cuts the one that sounds ($loud s)"

# A timer of the game cuts a waiting cue: the wait ends with it, and the long cue goes silent.
record nest "$work/Sounds"
check "$took >= 250 && $took < 1000" "a waiting cue ends when a newer cue cuts it ($took ms)"
check "$loud > 0.3 && $loud < 2.0" "only the newer cue sounds to its end ($loud s)"

exit $((failures > 0))
