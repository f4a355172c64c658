#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The game under a screen reader's eyes: a session bus and an accessibility bus of the test's
# own, the game with Qt's AT-SPI bridge always on, and screen-reader.py reading the tree and
# its events while the keyboard wins a game against the fleet fleet-for-seed knows.
set -euo pipefail
[ -n "${E2E_DEBUG:-}" ] && set -x
game=$1 fleet=$2
# A session bus of its own, so that neither a user's desktop nor a parallel run is touched.
if [ -z "${SALVORA_A11Y_SESSION:-}" ]; then
  rc=0
  env SALVORA_A11Y_SESSION=1 dbus-run-session -- bash "$0" "$@" 2> >(grep --line-buffered -v 'fd limit' >&2) || rc=$?
  [ "$rc" -eq 0 ] || echo "FAIL: the test's session bus ended with status $rc"
  exit "$rc"
fi
source "$(dirname "$0")/game-window.sh"
# No step may end the test without saying which.
set -E
trap 'echo "FAIL: line $LINENO: \"$BASH_COMMAND\" ended with status $?"' ERR
trap 'cleanup_window; rm -rf "$work" || true' EXIT
export SALVORA_SEED=20261209
decks=$("$fleet") || { echo "FAIL: fleet-for-seed found no battle"; exit 1; }
start_display
# Asking the session bus for the accessibility bus starts it (D-Bus activation); it ends with the
# session bus.
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.1
done
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_game "$game" '[General]\nSound=0\nAnimation=0\n'
xdotool windowfocus --sync "$win"
# The system's Python, where python3-pyatspi lives.
/usr/bin/python3 "$(dirname "$0")/screen-reader.py" <<<"$decks" || fail "read through AT-SPI"
# The cells live in Qt's registry of interfaces: the game must still end cleanly.
kill -0 "$game_pid" 2>/dev/null || { cat "$work/game/log"; fail "the game had ended by itself"; }
kill -TERM "$game_pid"
rc=0
wait "$game_pid" || rc=$?
game_pid=""
[ "$rc" -eq 0 ] || fail "the game ended with status $rc after being read"
