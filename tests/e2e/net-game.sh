#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Two games on one machine play a whole network game over the loopback, each driven only
# through its own window (on an X server of its own): both spread the same known fleet, the
# first shooter misses once on purpose and the other sinks the whole fleet. Both must show the
# right result and a clean fair-play verdict, and the loser's board the winner's ships. Then a
# rematch, and one side freezes in the battle: the other must lose the connection within its
# timeout and go on to a game against the computer. In a network namespace of its own.
exe=$1
source "$(dirname "$0")/net-lib.sh"
fail() {
  echo "FAIL: $*"
  for s in A B; do
    echo "--- trace $s"; cat "$work/$s/trace" 2>/dev/null || true
    echo "--- log $s"; cat "$work/$s/log" 2>/dev/null || true
    DISPLAY=${display[$s]} import -window root "${E2E_KEEP:-/tmp}/salvora-net-$s-failed.png" 2>/dev/null || true
  done
  exit 1
}
pixel() { # x y: the colour of a pixel of the window now
  import -window root "$work/shot$side.png"
  local px=$(($1 + ox[$side])) py=$(($2 + oy[$side]))
  convert "$work/shot$side.png" -format "%[fx:int(255*p{$px,$py}.r)],%[fx:int(255*p{$px,$py}.g)],%[fx:int(255*p{$px,$py}.b)]" info:
}
both_start() { # WHAT: both sides spread their fleets and start, and their battles begin after
  # the lines mark_A and mark_B of their traces
  for s in A B; do
    on $s
    spread_and_start
  done
  for s in A B; do
    on $s
    local mark=mark_$s
    wait_for '^turn (mine|theirs)' 20 "${!mark}" || fail "$1 did not start on $s"
  done
}

start_display A
start_display B
start_game A "Игрок A" --host 47611
wait_for 'status|opponent' 1 || true
start_game B "Игрок B" --join 127.0.0.1:47611
on A; wait_for '^opponent Игрок B' 20 || fail "the host never heard the guest's name"
on B; wait_for '^opponent Игрок A' 20 || fail "the guest never heard the host's name"
on A
[ "$(height)" -gt 490 ] || fail "the window did not grow for the network game ($(height))"

# A chat line typed in the strip and sent with Enter (which, outside the line, fires a shot).
# Typed in Latin letters: xdotool types others through a keyboard map it changes on the fly.
chat_sent=""
for _ in 1 2 3; do
  on A
  click 500 $((490 + 78))
  xdotool type --delay 30 "good luck"
  xdotool key Return
  on B
  wait_for '^chat Игрок A: good luck$' 5 && chat_sent=1 && break
done
[ -n "$chat_sent" ] || fail "the chat line did not reach the other side"

on A
sea=$(pixel $((342 + 2 + 64)) $((44 + 2 + 32))) # cell А-2 of the other side's board
mark_A=0 mark_B=0
both_start "the battle"
# Until both show a result, a side shoots its next target (a miss first, so that both sides
# shoot, then the decks) when it is its turn; the target moves on once the shot has landed.
declare -A next=([A]=0 [B]=0)
targets=("9 9" "${decks[@]}")
deadline=$((SECONDS + 240))
shown() { grep -q '^result .' "$work/$1/trace" 2>/dev/null; }
until shown A && shown B; do
  [ $SECONDS -lt $deadline ] || fail "the game did not end in time"
  for s in A B; do
    on $s
    turn_mine || continue
    shoot ${targets[${next[$s]}]} && next[$s]=$((next[$s] + 1))
  done
  sleep 0.1
done

winner=A loser=B
on B
trace | grep -q '^result Вы победили' && winner=B loser=A
on $winner; trace | grep -q '^result Вы победили!' || fail "no winner"
shots=$(landed)
on $loser; trace | grep -q '^result Вы проиграли' || fail "the loser does not show the loss"
# The loser's board reveals the winner's fleet: А-2 holds the winner's four-decker now.
revealed=$(pixel $((342 + 2 + 64)) $((44 + 2 + 32)))
[ "$revealed" != "$sea" ] || fail "the loser's board does not show the winner's ships ($revealed)"
for s in A B; do
  on $s
  wait_for '^verdict 0 ' 10 || fail "$s shows no clean verdict"
done
echo "whole game: $winner won in $shots shots, both verdicts clean, the fleet revealed"

# A rematch: the one offers, the other accepts with the same key.
on B; mark_B=$(lines)
on A; mark_A=$(lines); key ctrl+n
on B
wait_for '^rematch 1' 10 "$mark_B" || fail "B was not offered a rematch"
key ctrl+n
sleep 1
both_start "the rematch"

# B freezes: its socket stays open but it says nothing any more.
on A
mark_A=$(lines)
kill -STOP "${pid[B]}"
frozen=$SECONDS
wait_for '^ended .*Соединение потеряно' 15 "$mark_A" || fail "A did not lose the connection"
echo "the silent peer was dropped after $((SECONDS - frozen)) s"
kill -CONT "${pid[B]}"; kill -9 "${pid[B]}" 2>/dev/null || true
plays_the_computer
echo "ok: a whole network game, a rematch, a frozen peer dropped, then a game against the computer"
