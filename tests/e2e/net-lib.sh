# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Sourced by the network games' end-to-end tests: the games' X servers and windows, clicks on the
# boards, and the games' trace files. Each game is a "side" (a name of the caller's); `on SIDE`
# makes it the one the other functions act on. The caller defines fail MESSAGE.
#
# They run in a network namespace of their own (ctest does: unshare --net), where only the
# loopback exists, so that no connection or beacon leaves the machine.
set -euo pipefail
# No session bus: without this the games would start one each through D-Bus's autolaunch,
# which outlives the test and trips the next one that has a bus of its own.
export DBUS_SESSION_BUS_ADDRESS=disabled:
ip link set lo up 2>/dev/null || true
[ "$(ip -o link show up | grep -vc ': lo:')" -eq 0 ] || { echo "FAIL: not in a private network namespace"; exit 1; }

work=$(mktemp -d)
xvfb=() pids=()
declare -A display wid ox oy pid
side=""
stop_games() { for p in "${pids[@]}"; do kill -CONT "$p" 2>/dev/null && kill -9 "$p" 2>/dev/null || true; done; }
cleanup() { stop_games; kill -9 "${xvfb[@]}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

# An X server for a side; one after the other: started together they race for a number.
start_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display$1" >/dev/null 2>&1 &
  xvfb+=($!)
  disown $!
  for _ in $(seq 100); do [ -s "$work/display$1" ] && break; sleep 0.05; done
  display[$1]=":$(head -n 1 "$work/display$1")"
}
on() { side=$1; export DISPLAY=${display[$1]}; }

# window TITLE: the id and upper-left corner of the window so named, once it shows.
window() {
  local w=""
  for _ in $(seq 100); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$w" ] && break
    sleep 0.1
  done
  [ -n "$w" ] || fail "no window $1 on $side"
  echo "$w $(xwininfo -id "$w" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {print x, $4}')"
}

# start_game SIDE NAME OPTIONS...: the game under the side's X server, in a folder of its own,
# without sound. On a busy machine a fresh X server may not take its first knock: knock again.
start_game() {
  on "$1"
  local dir="$work/$1" name=$2
  shift 2
  mkdir -p "$dir"
  cp "$exe" "$dir/salvora"
  printf '[General]\nSound=0\n[Network]\nPlayerName=%s\n' "$name" >"$dir/salvora.ini"
  for _ in 1 2 3; do
    SALVORA_TRACE="$dir/trace" SALVORA_BEACON=127.255.255.255 "$dir/salvora" "$@" >"$dir/log" 2>&1 &
    pid[$side]=$!
    pids+=($!)
    disown $!
    for _ in $(seq 50); do
      xdotool search --onlyvisible --name '^Сальвора$' >/dev/null 2>&1 || ! kill -0 ${pid[$side]} 2>/dev/null && break
      sleep 0.1
    done
    kill -0 ${pid[$side]} 2>/dev/null && break
    sleep 1
  done
  read -r "wid[$side]" "ox[$side]" "oy[$side]" < <(window '^Сальвора$')
}

click() { xdotool mousemove $(($1 + ox[$side])) $(($2 + oy[$side])) click 1; sleep 0.15; }
my_cell() { click $((2 + 32 + 32 * $1)) $((44 + 2 + 32 + 32 * $2)); }
enemy_cell() { click $((342 + 2 + 32 + 32 * $1)) $((44 + 2 + 32 + 32 * $2)); }
key() { xdotool windowfocus --sync "${wid[$side]}" 2>/dev/null || true; xdotool key "$1"; sleep 0.3; }
height() { xdotool getwindowgeometry "${wid[$side]}" | awk '/Geometry/ {split($2, g, "x"); print g[2]}'; }

trace() { cat "$work/$side/trace" 2>/dev/null || true; }
lines() { trace | wc -l; }
since() { trace | tail -n +$(($1 + 1)); }
landed() { trace | grep -c '^status0 .' || true; }
turn_mine() { [ "$(trace | grep '^turn' | tail -1)" = "turn mine" ]; }
# wait_for REGEX SECONDS [FROM]: a trace line that matches, after line FROM.
wait_for() {
  for _ in $(seq $(($2 * 10))); do
    since "${3:-0}" | grep -qE "$1" && return 0
    sleep 0.1
  done
  return 1
}
# shoot X Y [TENTHS]: at the other side's board; whether the shot landed within TENTHS/10 s.
shoot() {
  local before
  before=$(landed)
  enemy_cell "$1" "$2"
  for _ in $(seq "${3:-80}"); do [ "$(landed)" -gt "$before" ] && return 0; sleep 0.1; done
  return 1
}

# The fleet every side spreads (ship i, lined up on row 9 - i, moves to its head here; the
# four-decker stays at the top left), and so the decks the other side knows to shoot at.
spread=("9 8" "7 8" "5 8" "8 6" "5 6" "8 4" "5 4" "5 2" "5 0")
decks=("0 0" "1 0" "2 0" "3 0" "5 0" "6 0" "7 0" "5 2" "6 2" "7 2" "5 4" "6 4" "8 4" "9 4"
  "5 6" "6 6" "8 6" "5 8" "7 8" "9 8")
spread_and_start() {
  for i in 8 7 6 5 4 3 2 1 0; do
    my_cell 0 $((9 - i))
    my_cell ${spread[$i]}
  done
  click $((110 + 48)) $((8 + 13))
}

# After the network game, a game against the computer: the window is its own size again and a
# shot lands.
plays_the_computer() {
  key ctrl+n
  spread_and_start
  sleep 1
  shoot 0 0 || fail "no shot landed against the computer after the network game"
  [ "$(height)" -eq 490 ] || fail "the window kept the network strip ($(height))"
}
