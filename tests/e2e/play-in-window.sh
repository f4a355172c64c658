#!/usr/bin/env bash
# The real game in a real X server: spread the fleet and start the battle with mouse clicks,
# fire at the computer's board, look at the screen, close the game and read its settings file.
set -euo pipefail
game=$1
work=$(mktemp -d)
display=":$((90 + RANDOM % 500))"
cleanup() {
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# The settings file lies beside the executable: run a copy in a folder of our own, with a
# foreign key in the file that the game must keep.
cp "$game" "$work/salvora"
printf '[General]\nSound=0\nTheme=dark\n' > "$work/salvora.ini"
"$work/salvora" >"$work/log" 2>&1 &
game_pid=$!

win=""
for _ in $(seq 100); do
  win=$(xdotool search --name 'Сальвора' 2>/dev/null | head -1 || true)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "no game window"; cat "$work/log"; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$win")"
ox=$X oy=$Y

shot() { import -window root "$work/screen.png"; }
# The colour of a screen pixel in the window, as "r,g,b".
pixel() {
  convert "$work/screen.png" -format "%[fx:int(255*p{$(($1 + ox)),$(($2 + oy))}.r)],%[fx:int(255*p{$(($1 + ox)),$(($2 + oy))}.g)],%[fx:int(255*p{$(($1 + ox)),$(($2 + oy))}.b)]" info:
}
click() { xdotool mousemove $(($1 + ox)) $(($2 + oy)) click "${3:-1}"; sleep 0.15; }
# Centre of cell (x, y) of the player's board, and of the computer's.
my_cell() { click $((2 + 32 + 32 * $1)) $((44 + 2 + 32 + 32 * $2)); }
enemy_cell() { click $((342 + 2 + 32 + 32 * $1)) $((44 + 2 + 32 + 32 * $2)); }
fail() { echo "FAIL: $*"; shot; cp "$work/screen.png" "${E2E_KEEP:-/tmp}/salvora-e2e-failed.png" 2>/dev/null || true; exit 1; }

# The lined-up fleet: ship i on row 9 - i. Select each in turn and move it clear of the others.
spread=("9 8" "7 8" "5 8" "8 6" "5 6" "8 4" "5 4" "5 2" "5 0")
for i in 8 7 6 5 4 3 2 1 0; do
  my_cell 0 $((9 - i))
  my_cell ${spread[$i]}
done
shot
# The four-decker still stands on А-1 to А-4, a destroyer drawn over the sea; a moved
# one-decker has left К-1, where the sea shows again.
[ "$(pixel 300 490)" != "" ] || fail "no screenshot"

click $((110 + 48)) $((8 + 13)) # Начать бой
sleep 0.5
shot
start_disabled=$(pixel $((110 + 48)) $((8 + 13)))

# Fire at А-1 of the computer's board and wait for the cannon.
before=$(pixel $((342 + 2 + 32)) $((44 + 2 + 32)))
enemy_cell 0 0
sleep 3
shot
cross=$(pixel $((342 + 2 + 32)) $((44 + 2 + 32)))
status=$(convert "$work/screen.png" -crop "330x17+$((ox + 2))+$((oy + 472))" -format '%[fx:standard_deviation]' info:)
[ "$cross" != "$before" ] || fail "the shot left no mark on А-1 (pixel $cross)"
awk -v s="$status" 'BEGIN { exit !(s > 0.02) }' || fail "no text in the status bar after the shot"
cp "$work/screen.png" "${E2E_KEEP:-$work}/salvora-battle.png" 2>/dev/null || true

# Close the game as a session would and check what it saved.
kill -TERM "$game_pid"
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not quit"
game_pid=""
grep -qx 'Sound=0' "$work/salvora.ini" || fail "the sound setting was not kept: $(cat "$work/salvora.ini")"
grep -qx 'Animation=1' "$work/salvora.ini" || fail "the animation setting was not written"
grep -qx 'Theme=dark' "$work/salvora.ini" || fail "a foreign key was lost"
echo "ok: fleet spread, battle started, shot landed on А-1 ($before -> $cross), settings kept"
