#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The window at scale 1, 1.5 and 2 (QT_SCALE_FACTOR) on an Xvfb display: the same moment of a
# battle (salvora-screenshots' battle.png), the same logical part of it at each scale, at the
# screen's own pixels: docs/scale-1.png, docs/scale-1.5.png, docs/scale-2.png for the README.
#   tools/art/scale-screenshots.sh <build folder> [docs folder]
set -euo pipefail
build=$1 docs=${2:-$(dirname "$0")/../../docs}
work=$(mktemp -d)
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
for scale in 1 1.5 2; do
  mkdir -p "$work/$scale"
  QT_SCALE_FACTOR=$scale "$build/salvora-screenshots" "$work/$scale" >/dev/null 2>&1
  # The header's buttons, the player's board from row А to row Д: 341 x 240 logical pixels.
  geometry=$(awk -v s="$scale" 'BEGIN { printf "%dx%d+0+0", 341 * s + 0.5, 240 * s + 0.5 }')
  convert "$work/$scale/battle.png" -crop "$geometry" +repage -strip "$docs/scale-$scale.png"
  echo "wrote $docs/scale-$scale.png ($geometry)"
done
