#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The simulator built for speed and run: Release with link-time optimisation, then optimised
# by GCC from a profile of its own games (20,000 against a random player and 5,000 against
# water, with other seeds than the default run), in build-bench/.
#
#   bash scripts/bench-sim.sh                          # --games 100000 --seed 7
#   bash scripts/bench-sim.sh --games 100000 --player water
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- --games 100000 --seed 7
bash scripts/setup.sh

dir=build-bench
profile=$PWD/$dir/profile
configure() {
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INTERPROCEDURAL_OPTIMIZATION=ON \
    -DBUILD_TESTING=OFF "-DCMAKE_CXX_FLAGS=$1" >/dev/null
  cmake --build "$dir" -j"$(nproc)" --target salvora-sim >/dev/null
}

rm -rf "$profile"
configure "-fprofile-generate=$profile"
"$dir/salvora-sim" --games 20000 --seed 1 >/dev/null
"$dir/salvora-sim" --games 5000 --seed 2 --player water >/dev/null
configure "-fprofile-use=$profile -fprofile-partial-training"
exec "$dir/salvora-sim" "$@"
