#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Two games on one machine play a whole network game over the loopback, each driven only
# through its own window (on an X server of its own): both spread the same known fleet, the
# first shooter misses once on purpose and the other sinks the whole fleet. Both must show the
# right result and a clean fair-play verdict, and the loser's board the winner's ships. Then a
# rematch, and one side freezes in the battle: the other must lose the connection within its
# timeout and go on to a game against the computer.
#
# Run it in a network namespace of its own (ctest does: unshare --net), where only the
# loopback exists, so that no connection or beacon leaves the machine.
set -euo pipefail
# No session bus: without this the games would start one each through D-Bus's autolaunch,
# which outlives the test and trips the next one that has a bus of its own.
export DBUS_SESSION_BUS_ADDRESS=disabled:
ip link set lo up 2>/dev/null || true
[ "$(ip -o link show up | grep -vc ': lo:')" -eq 0 ] || { echo "FAIL: not in a private network namespace"; exit 1; }

exe=$1
work=$(mktemp -d)
declare -A display win ox oy pid
cleanup() {
  for p in "${pid[@]}" "${xvfb[@]:-}"; do [ -n "$p" ] && kill -CONT "$p" 2>/dev/null && kill -9 "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
xvfb=()
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  for s in A B; do
    echo "--- trace $s"; cat "$work/$s/trace" 2>/dev/null || true
    echo "--- log $s"; cat "$work/$s/log" 2>/dev/null || true
    DISPLAY=${display[$s]} import -window root "${E2E_KEEP:-/tmp}/salvora-net-$s-failed.png" 2>/dev/null || true
  done
  exit 1
}

start_display() { # side
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display$1" >/dev/null 2>&1 &
  xvfb+=($!)
  for _ in $(seq 100); do [ -s "$work/display$1" ] && break; sleep 0.05; done
  display[$1]=":$(head -n 1 "$work/display$1")"
}

start_game() { # side, options...
  local side=$1 dir="$work/$1"
  shift
  mkdir -p "$dir"
  cp "$exe" "$dir/salvora"
  printf '[General]\nSound=0\n[Network]\nPlayerName=%s\n' "Игрок $side" >"$dir/salvora.ini"
  DISPLAY=${display[$side]} SALVORA_TRACE="$dir/trace" SALVORA_BEACON=127.255.255.255 \
    "$dir/salvora" "$@" >"$dir/log" 2>&1 &
  pid[$side]=$!
  local w=""
  for _ in $(seq 100); do
    w=$(DISPLAY=${display[$side]} xdotool search --onlyvisible --name '^Сальвора$' 2>/dev/null | head -1 || true)
    [ -n "$w" ] && break
    sleep 0.1
  done
  [ -n "$w" ] || fail "no window of $side"
  win[$side]=$w
  ox[$side]=$(DISPLAY=${display[$side]} xwininfo -id "$w" | awk '/Absolute upper-left X/ {print $4}')
  oy[$side]=$(DISPLAY=${display[$side]} xwininfo -id "$w" | awk '/Absolute upper-left Y/ {print $4}')
}

x() { local side=$1; shift; DISPLAY=${display[$side]} xdotool "$@"; }
click() { x "$1" mousemove $(($2 + ox[$1])) $(($3 + oy[$1])) click 1; sleep 0.15; }
my_cell() { click "$1" $((2 + 32 + 32 * $2)) $((44 + 2 + 32 + 32 * $3)); }
enemy_cell() { click "$1" $((342 + 2 + 32 + 32 * $2)) $((44 + 2 + 32 + 32 * $3)); }
key() { x "$1" windowfocus --sync "${win[$1]}" 2>/dev/null || true; x "$1" key "$2"; sleep 0.3; }
trace() { cat "$work/$1/trace" 2>/dev/null || true; }
# wait_for side regex seconds [from line]: a trace line that matches, after line "from".
wait_for() {
  local from=${4:-0}
  for _ in $(seq $(($3 * 10))); do
    tail -n +$((from + 1)) "$work/$1/trace" 2>/dev/null | grep -qE "$2" && return 0
    sleep 0.1
  done
  return 1
}
lines() { trace "$1" | wc -l; }
landed() { trace "$1" | grep -c '^status0 .' || true; }
pixel() { # side x y: the colour of a pixel of the window now
  DISPLAY=${display[$1]} import -window root "$work/shot$1.png"
  local px=$(($2 + ox[$1])) py=$(($3 + oy[$1]))
  convert "$work/shot$1.png" -format "%[fx:int(255*p{$px,$py}.r)],%[fx:int(255*p{$px,$py}.g)],%[fx:int(255*p{$px,$py}.b)]" info:
}

# The fleet every side spreads (ship i lined up on row 9 - i is moved to its head here), and so
# the decks the other side knows to shoot at.
spread=("9 8" "7 8" "5 8" "8 6" "5 6" "8 4" "5 4" "5 2" "5 0")
decks=("0 0" "1 0" "2 0" "3 0" "5 0" "6 0" "7 0" "5 2" "6 2" "7 2" "5 4" "6 4" "8 4" "9 4"
  "5 6" "6 6" "8 6" "5 8" "7 8" "9 8")
targets=("9 9" "${decks[@]}") # a miss first, so that both sides shoot
spread_and_start() {
  for i in 8 7 6 5 4 3 2 1 0; do
    my_cell "$1" 0 $((9 - i))
    my_cell "$1" ${spread[$i]}
  done
  click "$1" $((110 + 48)) $((8 + 13))
}

# Plays until both sides show a result: a side shoots its next target when the trace says it
# is its turn and its last shot has landed.
play_out() {
  local -A next=([A]=0 [B]=0)
  local deadline=$((SECONDS + 240))
  until trace A | grep -q '^result .' && trace B | grep -q '^result .'; do
    [ $SECONDS -lt $deadline ] || fail "the game did not end in time"
    for s in A B; do
      [ "$(trace $s | grep '^turn' | tail -1)" = "turn mine" ] || continue
      local before target
      before=$(landed $s)
      target=${targets[${next[$s]}]}
      enemy_cell $s $target
      for _ in $(seq 80); do [ "$(landed $s)" -gt "$before" ] && break; sleep 0.1; done
      [ "$(landed $s)" -gt "$before" ] && next[$s]=$((next[$s] + 1))
    done
    sleep 0.1
  done
}

start_display A
start_display B
start_game A --host 47611
wait_for A 'status|opponent' 1 || true
start_game B --join 127.0.0.1:47611
wait_for A '^opponent Игрок B' 20 || fail "the host never heard the guest's name"
wait_for B '^opponent Игрок A' 20 || fail "the guest never heard the host's name"
height=$(x A getwindowgeometry "${win[A]}" | awk '/Geometry/ {split($2, g, "x"); print g[2]}')
[ "$height" -gt 490 ] || fail "the window did not grow for the network game ($height)"

# A chat line typed in the strip and sent with Enter (which, outside the line, fires a shot).
# Typed in Latin letters: xdotool types others through a keyboard map it changes on the fly.
chat_sent=""
for _ in 1 2 3; do
  click A 500 $((490 + 78))
  x A type --delay 30 "good luck"
  x A key Return
  wait_for B '^chat Игрок A: good luck$' 5 && chat_sent=1 && break
done
[ -n "$chat_sent" ] || fail "the chat line did not reach the other side"

sea=$(pixel A $((342 + 2 + 64)) $((44 + 2 + 32))) # cell А-2 of the other side's board
spread_and_start A
spread_and_start B
wait_for A '^turn (mine|theirs)' 20 || fail "A's battle did not start"
wait_for B '^turn (mine|theirs)' 20 || fail "B's battle did not start"
play_out

winner=A loser=B
trace B | grep -q '^result Вы победили' && winner=B loser=A
trace $winner | grep -q '^result Вы победили!' || fail "no winner"
trace $loser | grep -q '^result Вы проиграли' || fail "the loser does not show the loss"
for s in A B; do
  wait_for $s '^verdict 0 ' 10 || fail "$s shows no clean verdict"
done
# The loser's board reveals the winner's fleet: А-2 holds the winner's four-decker now.
revealed=$(pixel $loser $((342 + 2 + 64)) $((44 + 2 + 32)))
[ "$revealed" != "$sea" ] || fail "the loser's board does not show the winner's ships ($revealed)"
shots=$(landed $winner)
echo "whole game: $winner won in $shots shots, both verdicts clean, the fleet revealed"

# A rematch: the one offers, the other accepts with the same key.
mark_a=$(lines A) mark_b=$(lines B)
key A ctrl+n
wait_for B '^rematch 1' 10 "$mark_b" || fail "B was not offered a rematch"
key B ctrl+n
sleep 1
spread_and_start A
spread_and_start B
wait_for A '^turn (mine|theirs)' 20 "$mark_a" || fail "the rematch did not start on A"
wait_for B '^turn (mine|theirs)' 20 "$mark_b" || fail "the rematch did not start on B"

# B freezes: its socket stays open but it says nothing any more.
mark_a=$(lines A)
kill -STOP "${pid[B]}"
frozen=$SECONDS
wait_for A '^ended .*Соединение потеряно' 15 "$mark_a" || fail "A did not lose the connection"
echo "the silent peer was dropped after $((SECONDS - frozen)) s"
kill -CONT "${pid[B]}"; kill -9 "${pid[B]}" 2>/dev/null || true

# A goes on against the computer: the window is its own size again and a shot lands.
key A ctrl+n
height=$(x A getwindowgeometry "${win[A]}" | awk '/Geometry/ {split($2, g, "x"); print g[2]}')
[ "$height" -eq 490 ] || fail "the window kept the network strip ($height)"
spread_and_start A
before=$(landed A)
sleep 1
enemy_cell A 0 0
for _ in $(seq 80); do [ "$(landed A)" -gt "$before" ] && break; sleep 0.1; done
[ "$(landed A)" -gt "$before" ] || fail "no shot landed against the computer after the network game"
echo "ok: a whole network game, a rematch, a frozen peer dropped, then a game against the computer"
