#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The real game takes its language from the locale it is started under: its help and its
# window's title are English under an English locale, Russian under a Russian one and under
# the C locale, which it has no catalogue for.
# Usage: locale-in-window.sh SALVORA
set -euo pipefail
source "$(dirname "$0")/../e2e/game-window.sh"
trap 'cleanup_window; rm -rf "$work" || true' EXIT
cp "$1" "$work/salvora" # its settings file goes beside it, not beside the build's
start_display
for case in en_US.UTF-8:Usage:Salvora ru_RU.UTF-8:Использование:Сальвора C:Использование:Сальвора; do
  IFS=: read -r locale usage title <<<"$case"
  help=$(env -u LANGUAGE LC_ALL="$locale" "$work/salvora" --help | head -n 1)
  [[ $help == "$usage: salvora "* ]] || fail "the help under $locale begins '$help'"
  env -u LANGUAGE LC_ALL="$locale" "$work/salvora" >"$work/log" 2>&1 &
  game_pid=$!
  # The title as the window gives it in UTF-8; xdotool's search by name misses Cyrillic here.
  shown=""
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --class salvora 2>/dev/null | head -1 || true)
    [ -n "$win" ] && shown=$(xprop -id "$win" _NET_WM_NAME 2>/dev/null || true)
    [ -n "$shown" ] && break
    sleep 0.1
  done
  [ "$shown" = "_NET_WM_NAME(UTF8_STRING) = \"$title\"" ] ||
    fail "under $locale the window is titled: '$shown' $(cat "$work/log")"
  kill "$game_pid" && wait "$game_pid" || true
  game_pid=""
done
echo "PASS"
