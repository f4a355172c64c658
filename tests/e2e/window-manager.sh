#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The game under a real window manager (openbox) on a 1280 x 1024 screen, read as the window
# manager reads it: the whole window, frame included, is centred; the title bars carry the
# game's own captions; the two dialogs are fixed-size dialogs of the game's window that offer
# no maximise, and minimising one brings it and the game straight back.
set -euo pipefail
[ -n "${E2E_DEBUG:-}" ] && set -x
source "$(dirname "$0")/game-window.sh"
trap 'cleanup_window; rm -rf "$work" || true' EXIT
start_display 1280x1024
start_window_manager

start_game "$1" '[General]\nSound=0\n'
main=$win
title() { xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }
[ "$(title "$main")" = "Сальвора" ] || fail "main window titled '$(title "$main")'"

# The frame is known from _NET_FRAME_EXTENTS (left, right, top, bottom).
for _ in $(seq 100); do xprop -id "$main" _NET_FRAME_EXTENTS | grep -q '= ' && break; sleep 0.1; done
xprop -id "$main" _NET_FRAME_EXTENTS | grep -q '= ' || fail "openbox never framed the game's window"
read -r l r t b < <(xprop -id "$main" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
eval "$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print "cx=" $NF} /Absolute upper-left Y/ {print "cy=" $NF} /Width:/ {print "cw=" $NF} /Height:/ {print "ch=" $NF}')"
fx=$((cx - l)) fy=$((cy - t)) fw=$((cw + l + r)) fh=$((ch + t + b))
dx=$((2 * fx + fw - 1280)) dy=$((2 * fy + fh - 1024))
[ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] ||
  fail "frame ${fw}x${fh} at $fx,$fy is not centred on 1280x1024 (frame $l $r $t $b)"
[ "$t" -gt 0 ] || fail "no title bar: is openbox running?"
ox=$cx oy=$cy # clicks land in the client area, wherever the frame put it

# Opens a dialog by a click and finds the new window that is transient for the game's.
open_dialog() {
  click "$1" "$2"
  dialog=""
  for _ in $(seq 50); do
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
      xprop -id "$w" WM_TRANSIENT_FOR 2>/dev/null | grep -qi "# $(printf '0x%x' "$main")\$" && dialog=$w
    done
    [ -n "$dialog" ] && break
    sleep 0.1
  done
  [ -n "$dialog" ] || fail "no dialog of the game's window after a click at $1,$2"
}
close_dialog() {
  xdotool key Escape
  for _ in $(seq 30); do xwininfo -id "$dialog" 2>/dev/null | grep -q IsViewable || return 0; sleep 0.1; done
  fail "the dialog did not close on Esc"
}
# check_dialog <caption> <width> <height>
check_dialog() {
  [ "$(title "$dialog")" = "$1" ] || fail "dialog titled '$(title "$dialog")', not '$1'"
  xprop -id "$dialog" _NET_WM_WINDOW_TYPE | grep -q '= _NET_WM_WINDOW_TYPE_DIALOG' ||
    fail "'$1' is not a dialog window: $(xprop -id "$dialog" _NET_WM_WINDOW_TYPE)"
  local hints
  hints=$(xprop -id "$dialog" WM_NORMAL_HINTS)
  grep -q "minimum size: $2 by $3" <<<"$hints" && grep -q "maximum size: $2 by $3" <<<"$hints" ||
    fail "'$1' may be resized: $hints"
  # Motif hints: flags, functions, decorations. Neither minimise (functions 8, decorations 32)
  # nor maximise (16, 64) is asked for, and close (32) is.
  read -r flags funcs decor _ < <(xprop -id "$dialog" _MOTIF_WM_HINTS | sed 's/.*= //; s/,/ /g')
  [ $((flags & 3)) -eq 3 ] && [ $((funcs & 1)) -eq 0 ] && [ $((decor & 1)) -eq 0 ] &&
    [ $((funcs & 24)) -eq 0 ] && [ $((funcs & 32)) -ne 0 ] && [ $((decor & 96)) -eq 0 ] ||
    fail "'$1' asks for more than a close button: _MOTIF_WM_HINTS $flags $funcs $decor"
  local actions
  actions=$(xprop -id "$dialog" _NET_WM_ALLOWED_ACTIONS)
  grep -q MAXIMIZE <<<"$actions" && fail "openbox offers to maximise '$1': $actions"
  grep -q ACTION_CLOSE <<<"$actions" || fail "openbox offers no close for '$1': $actions"
  # openbox offers to minimise any dialog; doing so must not leave the game hidden.
  xdotool windowminimize "$dialog"
  sleep 1
  for w in "$dialog" "$main"; do
    xprop -id "$w" WM_STATE | grep -q 'window state: Normal' ||
      fail "minimising '$1' left $(title "$w") hidden"
  done
}

open_dialog $((604 + 30)) $((10 + 6))
check_dialog "О программе" 371 125
close_dialog
open_dialog $((222 + 48)) $((8 + 13))
check_dialog "Настройки " 290 176 # the level's group below the effects
close_dialog
# The lined-up fleet touches itself: starting the battle refuses it in a box with the game's
# own title.
open_dialog $((110 + 48)) $((8 + 13))
[ "$(title "$dialog")" = "Сальвора" ] || fail "touching-ships box titled '$(title "$dialog")'"
xdotool key Return
shot
quit_game
echo "ok: frame ${fw}x${fh} at $fx,$fy centred; captions and dialog hints as the game gives them"
