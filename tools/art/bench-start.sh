#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# What the pictures cost at start: the time from exec to the mapped window (and the processor
# time the game used until then) and the resident memory half a second later, for two builds of the game run in turn (A B B A ...) on one Xvfb
# display, so that both see the same load of the machine.
#   tools/art/bench-start.sh <game A> <game B> [runs per game, 20] [QT_SCALE_FACTOR, 1]
# Each game runs from a folder of its own with its Sounds/ folder and sound off.
set -euo pipefail
a=$1 b=$2 runs=${3:-20} scale=${4:-1}
work=$(mktemp -d)
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
g++ -O2 -std=c++20 -o "$work/map-wait" "$(dirname "$0")/MapWait.cpp" -lX11
for side in a b; do
  exe=${!side}
  mkdir -p "$work/$side"
  cp "$exe" "$work/$side/salvora"
  [ -d "$(dirname "$exe")/Sounds" ] && cp -r "$(dirname "$exe")/Sounds" "$work/$side/"
  printf '[General]\nAnimation=1\nSound=0\n' >"$work/$side/salvora.ini"
done
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")" QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb
"$work/map-wait" "$work/a/salvora" >/dev/null # warm the caches of the system's libraries
for i in $(seq "$runs"); do
  if [ $((i % 2)) -eq 1 ]; then order="a b"; else order="b a"; fi
  for side in $order; do
    echo "$side $("$work/map-wait" "$work/$side/salvora")" >>"$work/results"
  done
done
# BENCH_RESULTS=<file> keeps every run's figures: side, start ms, resident KiB, processor ms.
[ -n "${BENCH_RESULTS:-}" ] && cp "$work/results" "$BENCH_RESULTS"
for side in a b; do
  awk -v s="$side" '$1 == s {print $2, $3, $4}' "$work/results" | sort -n | awk -v s="$side" '
    { ms[NR] = $1; kib += $2; t += $1; cpu += $3 }
    END { printf "%s: start %.1f ms median, %.1f ms mean, %.1f ms processor time mean; resident %.1f MiB mean (%d runs)\n",
          s, ms[int((NR + 1) / 2)], t / NR, cpu / NR, kib / NR / 1024, NR }'
done
