#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Kills the game at random moments of its save and counts what the settings file holds after:
# SIGTERM (the game quits and saves), then SIGKILL 0-40 ms later, on a large settings file so
# that the save takes long enough to be hit. Every outcome must be the complete old file or the
# complete new one; anything else (cut, empty, mixed) is a lost file.
#   tools/bench/kill-during-save.sh build/salvora [runs=200] [size in MiB=16]
set -euo pipefail
game=$1 runs=${2:-200} mib=${3:-16}
work=$(mktemp -d)
xvfb_pid="" game_pid=""
trap '[ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null; [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

mkdir "$work/game"
cp "$game" "$work/game/salvora"
# Foreign lines the game must keep, then the two keys written so that a save changes both lines.
{
  printf '[Other]\nKeep=this\n'
  head -c $((mib * 1024 * 1024)) < <(yes '; a long comment line the game keeps byte for byte')
  printf '\n[General]\nAnimation= 1\nSound = 0x1\n'
} >"$work/old.ini"
sed -e 's/^Animation= 1$/Animation=1/' -e 's/^Sound = 0x1$/Sound=1/' "$work/old.ini" >"$work/new.ini"

old=0 new=0 other=0 strays=0 unstarted=0 run=0
# A run where the game could not open its window is not a kill: it is counted and repeated.
while [ $((old + new + other)) -lt "$runs" ]; do
  run=$((run + 1))
  cp "$work/old.ini" "$work/game/salvora.ini"
  "$work/game/salvora" >/dev/null 2>&1 </dev/null &
  game_pid=$!
  # The main window is up once the game has read its settings and runs its event loop.
  for _ in $(seq 200); do
    xdotool search --pid "$game_pid" --name 'Сальвора' >/dev/null 2>&1 && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.05
  done
  if ! kill -0 "$game_pid" 2>/dev/null; then
    unstarted=$((unstarted + 1))
    game_pid=""
    continue
  fi
  delay=$((RANDOM % 41))
  kill -TERM "$game_pid"
  sleep "$(printf '0.%03d' "$delay")"
  kill -KILL "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
  if cmp -s "$work/game/salvora.ini" "$work/old.ini"; then
    old=$((old + 1))
  elif cmp -s "$work/game/salvora.ini" "$work/new.ini"; then
    new=$((new + 1))
  else
    other=$((other + 1))
    echo "run $run, kill after $delay ms: $(stat -c %s "$work/game/salvora.ini") bytes, neither old nor new" >&2
  fi
  # A kill before the rename leaves the temporary file; it is counted and cleared.
  for f in "$work"/game/salvora.ini.*.tmp; do [ -e "$f" ] && strays=$((strays + 1)) && rm -f "$f"; done
done
echo "kills: $runs, settings file: $(stat -c %s "$work/old.ini") bytes"
echo "old file intact: $old"
echo "new file complete: $new"
echo "anything else: $other"
echo "temporary files left by the kill: $strays"
echo "runs repeated because the game did not start: $unstarted"
