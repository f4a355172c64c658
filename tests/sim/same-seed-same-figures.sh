#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Two runs of the simulator with one seed must play the same games, and another seed other
# games; timings may differ.
set -euo pipefail
sim=$1
figures() { "$sim" "$@" | grep -vE '_ms_|per_second'; }
# replays <what> <simulator options>: seed 42 twice alike, seed 43 not.
replays() {
  local what=$1
  shift
  a=$(figures --seed 42 "$@")
  b=$(figures --seed 42 "$@")
  [ "$a" = "$b" ] || { echo "$what: same seed, different games:"; diff <(echo "$a") <(echo "$b"); exit 1; }
  [ "$a" != "$(figures --seed 43 "$@")" ] || { echo "$what: another seed played the very same games"; exit 1; }
}
replays "the design's level" --games 200 --player random
echo "$a"
# Every level replays shot for shot: its draws come from the seeded source too.
for level in gentle strong; do
  replays "$level" --games 20 --level $level --player random
done
# --json prints the same figures as one object that scripts can read.
json=$("$sim" --games 50 --seed 42 --json)
python3 -c 'import json, sys; d = json.loads(sys.argv[1]); assert d["games"] == 50 and d["invariant_violations"] == 0, d' "$json" ||
  { echo "--json printed no usable object: $json"; exit 1; }
