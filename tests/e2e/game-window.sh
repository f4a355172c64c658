# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Shared by the end-to-end tests: an X server of their own, the game started from a folder of
# its own (its settings file lies beside it), and clicks on its window. Source it; it cleans
# up on exit.

work=$(mktemp -d)
game_pid="" xvfb_pid="" wm_pid=""
cleanup_window() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}

# Xvfb picks a free display number itself, so that tests running side by side never share one.
# start_display [width x height]
start_display() {
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n 1 "$work/display")"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

# A window manager on that display, so that the game's window has a frame whose close box
# asks the game to close, as on a desktop. Its settings and cache are the test's own: with the
# shared ones, one start in four left the game's new window unmapped for good.
# With a cache of its own, openbox may first build a font cache: on a busy machine that takes
# seconds, so it is given half a minute unless it ends.
start_window_manager() {
  XDG_CACHE_HOME=$work/cache XDG_CONFIG_HOME=$work/config openbox --sm-disable >"$work/wm.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 600); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
    kill -0 "$wm_pid" 2>/dev/null || break
    sleep 0.05
  done
  echo "FAIL: no window manager"
  cat "$work/wm.log"
  exit 1
}

# start_game <executable> <settings text> [sounds folder]: a copy of the game, with the
# executable's Sounds/ if it has one, or the given folder as Sounds/.
start_game() {
  local dir="$work/game" sounds=${3:-$(dirname "$1")/Sounds}
  rm -rf "$dir" && mkdir -p "$dir"
  cp "$1" "$dir/salvora"
  [ -d "$sounds" ] && cp -r "$sounds" "$dir/Sounds"
  printf "$2" >"$dir/salvora.ini"
  "$dir/salvora" >"$dir/log" 2>&1 &
  game_pid=$!
  win=""
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --name 'Сальвора' 2>/dev/null | head -1 || true)
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || { echo "FAIL: no game window"; cat "$dir/log"; exit 1; }
  sleep 0.5
  # The window's client area on the screen (xdotool counts a frame's offset twice).
  ox=$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {print $4}')
  oy=$(xwininfo -id "$win" | awk '/Absolute upper-left Y/ {print $4}')
}

# Ends the game as a session does and waits for it.
quit_game() {
  kill -TERM "$game_pid"
  for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && { echo "FAIL: the game did not quit"; exit 1; }
  game_pid=""
}

# Ends the game with the close box of its window's frame (start_window_manager), as a player
# does, and waits for it.
close_game() {
  local left right top bottom
  read -r left right top bottom < <(xprop -id "$win" _NET_FRAME_EXTENTS | tr -d , | awk '{print $3, $4, $5, $6}')
  [ -n "$top" ] || { echo "FAIL: the window has no frame"; exit 1; }
  # The close box is the title bar's last button, at its right end.
  xdotool mousemove $((ox + 682 + right - top / 2)) $((oy - top / 2)) click 1
  for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && { echo "FAIL: the game did not quit"; exit 1; }
  game_pid=""
}

shot() { import -window root "$work/screen.png"; }
# The colour of a pixel of the window in the last screenshot, as "r,g,b".
pixel() {
  local x=$(($1 + ox)) y=$(($2 + oy))
  convert "$work/screen.png" -format "%[fx:int(255*p{$x,$y}.r)],%[fx:int(255*p{$x,$y}.g)],%[fx:int(255*p{$x,$y}.b)]" info:
}
click() { xdotool mousemove $(($1 + ox)) $(($2 + oy)) click "${3:-1}"; sleep 0.15; }
# Centre of cell (x, y) of the player's board, and of the computer's.
my_cell() { click $((2 + 32 + 32 * $1)) $((44 + 2 + 32 + 32 * $2)); }
enemy_cell() { click $((342 + 2 + 32 + 32 * $1)) $((44 + 2 + 32 + 32 * $2)); }
fail() {
  echo "FAIL: $*"
  shot
  cp "$work/screen.png" "${E2E_KEEP:-/tmp}/salvora-e2e-failed.png" 2>/dev/null || true
  exit 1
}

# The lined-up fleet has ship i on row 9 - i: select each in turn and move it clear of the
# others, then press «Начать бой».
spread_fleet_and_start() {
  local spread=("9 8" "7 8" "5 8" "8 6" "5 6" "8 4" "5 4" "5 2" "5 0")
  for i in 8 7 6 5 4 3 2 1 0; do
    my_cell 0 $((9 - i))
    my_cell ${spread[$i]}
  done
  click $((110 + 48)) $((8 + 13))
  sleep 0.5
}
