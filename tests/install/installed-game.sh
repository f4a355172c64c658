#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The installed game as an ordinary user sees it: installed into a prefix owned by root, started
# by its menu entry's command as nobody with a private HOME under Xvfb and openbox. A setting
# changed in the options dialog must land in ~/.config/salvora/salvora.ini when the window is
# closed, with no error box, and be read back by the next run. A copy of the game in a folder
# the user may write to keeps its settings beside itself.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: owning the prefix by root and running the game as nobody needs root"
  exit 77
fi
source "$(dirname "$0")/../e2e/game-window.sh"
build=$1
trap 'cleanup_window; rm -rf "$work" || true' EXIT
chmod 755 "$work"
prefix="$work/prefix" home="$work/home" portable="$work/portable"
cmake --install "$build" --prefix "$prefix" >/dev/null
mkdir -p "$home" "$portable"
cp "$prefix/bin/salvora" "$portable/"
chown nobody:nogroup "$home" "$portable"
ini="$home/.config/salvora/salvora.ini"
command=$(sed -n 's/^Exec=//p' "$prefix/share/applications/org.example.salvora.desktop")

start_display
start_window_manager

# as_user <command...>: runs the game as nobody, as a desktop session would start it.
as_user() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i HOME="$home" DISPLAY="$DISPLAY" PATH="$prefix/bin:/usr/bin:/bin" QT_QPA_PLATFORM=xcb \
    "$@" >>"$work/log" 2>&1 &
  game_pid=$!
  win=$(find_window 682) || fail "no game window: $(cat "$work/log")"
  settle "$win"
}
# settle <window>: waits until the window stays put (the game centres its frame once the window
# manager has framed it), then takes its client area's origin as ox, oy.
settle() {
  local x="" y=""
  for _ in $(seq 30); do
    sleep 0.2
    origin "$1"
    [ "$X,$Y" = "$x,$y" ] && break
    x=$X y=$Y
  done
  ox=$X oy=$Y
}
# origin <window>: X and Y of its client area on the screen (xdotool's are off by the frame).
origin() {
  X=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
  Y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
}
# find_window <width>: the game's visible window of that width, told apart by its class
# (under openbox xdotool does not match the Cyrillic titles).
find_window() {
  for _ in $(seq 100); do
    for w in $(xdotool search --onlyvisible --class salvora 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$w")"
      [ "$WIDTH" -eq "$1" ] && echo "$w" && return 0
    done
    sleep 0.1
  done
  return 1
}
# Closes the window by the window manager's close command and waits for a clean exit. An error
# box (a narrower window of the game) fails at once; a busy machine gets the command again.
close_by_wm() {
  for attempt in 1 2 3; do
    settle "$win"
    # A click on the title bar gives the window the focus; Alt+F4 is openbox's close command.
    xdotool mousemove $((ox + 300)) $((oy - 8)) click 1 sleep 0.3 key alt+F4
    for _ in $(seq 30); do
      kill -0 "$game_pid" 2>/dev/null || break 2
      for w in $(xdotool search --onlyvisible --class salvora 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        [ "$WIDTH" -lt 600 ] && fail "an error box was shown at exit"
      done
      sleep 0.1
    done
  done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not end"
  wait "$game_pid" || fail "exit status $?: $(cat "$work/log")"
  game_pid=""
}

# Turn the fire animation off in the options dialog.
as_user $command
click $((222 + 48)) $((8 + 13))
dialog=$(find_window 290) || fail "no options dialog"
origin "$dialog"
xdotool mousemove $((X + 8 + 14 + 8)) $((Y + 7 + 21 + 8)) click 1
sleep 0.2
xdotool mousemove $((X + 128 + 37)) $((Y + 145 + 11)) click 1 # OK, below the level group
for _ in $(seq 50); do xdotool getwindowname "$dialog" >/dev/null 2>&1 || break; sleep 0.1; done
xdotool getwindowname "$dialog" >/dev/null 2>&1 && fail "the options dialog did not close"
close_by_wm
[ -f "$ini" ] || fail "no settings in the user's folder: $(cat "$work/log")"
[ "$(stat -c %U "$ini")" = nobody ] || fail "the settings file is not the user's"
grep -qx 'Animation=0' "$ini" && grep -qx 'Sound=1' "$ini" || fail "the setting was not kept: $(cat "$ini")"
[ ! -e "$prefix/bin/salvora.ini" ] || fail "settings written beside the installed game"

# A second run reads the setting back: were it not read, this exit would write Animation=1.
as_user $command
close_by_wm
grep -qx 'Animation=0' "$ini" || fail "the second run lost the setting: $(cat "$ini")"

# A portable copy in a folder of the user's keeps its settings beside itself.
as_user "$portable/salvora"
close_by_wm
grep -qx 'Animation=1' "$portable/salvora.ini" || fail "the portable copy wrote no settings beside it"
grep -qx 'Animation=0' "$ini" || fail "the portable copy touched the user's settings"
echo "ok: installed game kept its setting in ~/.config/salvora and read it back; portable copy wrote beside itself"
