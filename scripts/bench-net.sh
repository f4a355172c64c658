#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The network game's benchmark, in a network namespace of its own where only the loopback
# exists: whole games between two controllers without a window (games a second, bytes a game),
# then two real windows under an X server of its own (the time from a press to the other
# side's cannon, over 200 shots).
#   bash scripts/bench-net.sh [GAMES] [SHOTS]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build build -j"$(nproc)" --target salvora-net-bench >/dev/null
exec unshare --net bash -c '
  set -euo pipefail
  ip link set lo up
  build/salvora-net-bench --games "$1"
  Xvfb -displayfd 3 -screen 0 1400x1000x24 -nolisten tcp 3>/tmp/salvora-bench-net.display >/dev/null 2>&1 &
  xvfb=$!
  trap "kill $xvfb 2>/dev/null || true" EXIT
  for _ in $(seq 100); do [ -s /tmp/salvora-bench-net.display ] && break; sleep 0.05; done
  DISPLAY=":$(head -n 1 /tmp/salvora-bench-net.display)" QT_QPA_PLATFORM=xcb \
    build/salvora-net-bench --shots "$2"
' bench-net "${1:-1000}" "${2:-200}"
