#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The real game hosts, driven through its window, and a scripted peer joins it once per
# scenario, breaking one rule on purpose (or none): the game must name each fault, in its
# fair-play verdict at the end or in the reason the network game ended, and survive it: the
# same process hosts the next scenario, and at the end plays a game against the computer.
# Both sides spread the same known fleet: the game shoots a deck and then water, the peer
# misses once first and then sinks the game's fleet. A game's end waits for twenty cannons,
# so four games play side by side, each under an X server of its own. In a network namespace
# of its own.
exe=$1 peer=$2
source "$(dirname "$0")/net-lib.sh"
for n in 1 2 3 4; do start_display $n; done

# One game and its scenarios, in a subshell of its own: its X server, folder and port.
lane() { # number port scenario regex [scenario regex]...
  local n=$1 port=$2 dir="$work/$1" dx dy
  shift 2
  trap stop_games EXIT
  fail() {
    echo "FAIL: $*"
    echo "--- trace"; cat "$dir/trace" 2>/dev/null || true
    echo "--- game"; cat "$dir/log" 2>/dev/null || true
    echo "--- peer"; cat "$dir/peer.log" 2>/dev/null || true
    exit 1
  }
  start_game $n Игрок --host "$port"
  # A peer plays each scenario; a verdict the game shows, or its end, must match the regex.
  while [ $# -gt 0 ]; do
    local name=$1 expect=$2 mark next=0 deadline=$((SECONDS + 90)) shown
    local targets=("0 0" "0 9") # the peer's fleet is the game's: a deck, then water
    shift 2
    mark=$(lines)
    if [ "$mark" -gt 0 ]; then # the first game hosts from the command line, the rest anew
      click $((323 + 55)) $((8 + 13))
      read -r _ dx dy < <(window '^Игра по сети$')
      xdotool mousemove $((dx + 8 + 280 + 57)) $((dy + 38 + 19 + 12)) click 1
    fi
    "$peer" "$name" "$port" >"$dir/peer.log" 2>&1 &
    pids+=($!)
    wait_for "^opponent $name\$" 15 "$mark" || fail "$name: the peer did not join"
    spread_and_start
    until since "$mark" | grep -qE '^(verdict|ended) '; do
      [ $SECONDS -lt $deadline ] || fail "$name: the game did not end"
      if [ $next -lt 2 ] && turn_mine; then
        shoot ${targets[$next]} 50 && next=$((next + 1))
      fi
      sleep 0.1
    done
    sleep 0.3
    shown=$(since "$mark" | grep -E '^(verdict|ended) ' || true)
    echo "$name: ${shown//$'\n'/ | }"
    grep -qE "$expect" <<<"$shown" || fail "$name: expected /$expect/"
    # The peer goes, if it has not been sent away: the game must take that too and stay.
    kill "${pids[-1]}" 2>/dev/null || true
    wait_for '^ended ' 10 "$mark" || fail "$name: the network game did not end"
    kill -0 ${pid[$n]} 2>/dev/null || fail "the game died in $name"
  done
  plays_the_computer
}

lane 1 47621 lie-hit '^verdict 1 Противник солгал об исходе выстрела' \
  junk '^ended .*Сообщение повреждено' >"$work/1.out" 2>&1 &
lane 2 47622 different-fleet '^verdict 2 Противник раскрыл не тот флот' \
  out-of-turn '^ended .*Выстрел не в свой ход' >"$work/2.out" 2>&1 &
lane 3 47623 touching-fleet '^verdict 3 Противник раскрыл флот, нарушающий правила' \
  silent '^ended Соединение потеряно$' >"$work/3.out" 2>&1 &
lane 4 47624 honest '^verdict 0 Игра честная' >"$work/4.out" 2>&1 & # the control
failed=0
for _ in 1 2 3 4; do wait -n || failed=1; done
cat "$work"/?.out
[ $failed -eq 0 ] || exit 1
echo "ok: every fault named, and each game played on against the computer (${SECONDS} s)"
