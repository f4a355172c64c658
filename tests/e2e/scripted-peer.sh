#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The real game hosts, driven through its window, and a scripted peer joins it once per
# scenario, breaking one rule on purpose (or none): the game must name each fault, in its
# fair-play verdict at the end or in the reason the network game ended, and survive it: the
# same process hosts the next scenario, and at the end plays a game against the computer.
# Both sides spread the same known fleet: the game shoots a deck and then water, the peer
# misses once first and then sinks the game's fleet. A game's end waits for twenty cannons,
# so four games play side by side, each under an X server of its own.
#
# Run it in a network namespace of its own (ctest does: unshare --net), where only the
# loopback exists, so that no connection or beacon leaves the machine.
set -euo pipefail
# No session bus: without this the games would start one each through D-Bus's autolaunch,
# which outlives the test and trips the next one that has a bus of its own.
export DBUS_SESSION_BUS_ADDRESS=disabled:
ip link set lo up 2>/dev/null || true
[ "$(ip -o link show up | grep -vc ': lo:')" -eq 0 ] || { echo "FAIL: not in a private network namespace"; exit 1; }

exe=$1 peer=$2
work=$(mktemp -d)
xvfb=()
trap 'kill -9 "${xvfb[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
# An X server for each game, one after the other: started together they race for a number.
displays=()
for n in 1 2 3 4; do
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display$n" >/dev/null 2>&1 &
  xvfb+=($!)
  for _ in $(seq 100); do [ -s "$work/display$n" ] && break; sleep 0.05; done
  displays[$n]=":$(head -n 1 "$work/display$n")"
done

# One game and its scenarios, in a subshell of its own: its X server, folder and port.
lane() { # number port scenario regex [scenario regex]...
  local n=$1 port=$2 dir="$work/$1" pids=() win ox oy
  shift 2
  mkdir -p "$dir"
  trap 'for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done' EXIT
  fail() {
    echo "FAIL: $*"
    echo "--- trace"; cat "$dir/trace" 2>/dev/null || true
    echo "--- game"; cat "$dir/log" 2>/dev/null || true
    echo "--- peer"; cat "$dir/peer.log" 2>/dev/null || true
    exit 1
  }
  export DISPLAY=${displays[$n]}

  # window TITLE: the id and upper-left corner of the window so named, once it shows.
  window() {
    local w=""
    for _ in $(seq 100); do
      w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
      [ -n "$w" ] && break
      sleep 0.1
    done
    [ -n "$w" ] || fail "no window $1"
    echo "$w $(xwininfo -id "$w" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {print x, $4}')"
  }
  click() { xdotool mousemove $(($1 + ox)) $(($2 + oy)) click 1; sleep 0.15; }
  my_cell() { click $((2 + 32 + 32 * $1)) $((44 + 2 + 32 + 32 * $2)); }
  enemy_cell() { click $((342 + 2 + 32 + 32 * $1)) $((44 + 2 + 32 + 32 * $2)); }
  lines() { wc -l <"$dir/trace" 2>/dev/null || echo 0; }
  since() { tail -n +$(($1 + 1)) "$dir/trace" 2>/dev/null || true; }
  landed() { grep -c '^status0 .' "$dir/trace" 2>/dev/null || true; }
  wait_for() { # regex seconds from-line
    for _ in $(seq $(($2 * 10))); do
      since "$3" | grep -qE "$1" && return 0
      sleep 0.1
    done
    return 1
  }
  # The fleet: ship i, lined up on row 9 - i, goes to its place here; the four-decker stays
  # at the top left. The peer knows these decks.
  local spread=("9 8" "7 8" "5 8" "8 6" "5 6" "8 4" "5 4" "5 2" "5 0")
  spread_and_start() {
    for i in 8 7 6 5 4 3 2 1 0; do
      my_cell 0 $((9 - i))
      my_cell ${spread[$i]}
    done
    click $((110 + 48)) $((8 + 13))
  }
  local targets=("0 0" "0 9") # the peer's fleet is the same: a deck, then water

  cp "$exe" "$dir/salvora"
  printf '[General]\nSound=0\n[Network]\nPlayerName=Игрок\n' >"$dir/salvora.ini"
  # On a busy machine a fresh X server may not take the game's first knock: knock again.
  local game
  for _ in 1 2 3; do
    SALVORA_TRACE="$dir/trace" SALVORA_BEACON=127.255.255.255 "$dir/salvora" --host "$port" \
      >"$dir/log" 2>&1 &
    game=$!
    pids+=($game)
    for _ in $(seq 50); do
      xdotool search --onlyvisible --name '^Сальвора$' >/dev/null 2>&1 || ! kill -0 $game 2>/dev/null && break
      sleep 0.1
    done
    kill -0 $game 2>/dev/null && break
    sleep 1
  done
  read -r win ox oy < <(window '^Сальвора$')

  # A peer plays each scenario; a verdict the game shows, or its end, must match the regex.
  while [ $# -gt 0 ]; do
    local name=$1 expect=$2 mark next=0 before deadline=$((SECONDS + 90)) shown
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
      if [ $next -lt 2 ] && [ "$(since "$mark" | grep '^turn' | tail -1)" = "turn mine" ]; then
        before=$(landed)
        enemy_cell ${targets[$next]}
        for _ in $(seq 50); do [ "$(landed)" -gt "$before" ] && break; sleep 0.1; done
        [ "$(landed)" -gt "$before" ] && next=$((next + 1))
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
    kill -0 $game 2>/dev/null || fail "the game died in $name"
  done

  # After all that, a game against the computer: a shot lands.
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  xdotool key ctrl+n
  sleep 0.3
  spread_and_start
  before=$(landed)
  sleep 1
  enemy_cell 0 0
  for _ in $(seq 80); do [ "$(landed)" -gt "$before" ] && break; sleep 0.1; done
  [ "$(landed)" -gt "$before" ] || fail "no shot landed against the computer afterwards"
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
