#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The simulator's figures against what the game is known to do, the levels' included: the computer sinks a whole
# fleet in 60 shots on average and wins about 94 % of games against a player who shoots at
# random; about three calls of the placement in ten give a hopeless ship up and almost none
# runs out of time; the boards and targeting are checked after every shot. The bounds are four standard errors (measured on 100,000 games), so a
# computer that needs a tenth more shots, or a placement that gives up what could stand, fails.
set -euo pipefail
sim=$1
water=$("$sim" --games 3000 --seed 2 --player water --json)
random=$("$sim" --games 3000 --seed 1 --player random --json)
# The other levels: the gentle one about five shots a fleet above the game's own computer, the
# strong one under 56 against fleets drawn uniformly among all legal fleets (4,000 games:
# 55.73 +- 0.10).
gentle=$("$sim" --games 3000 --seed 2 --player water --level gentle --json)
strong=$("$sim" --games 400 --seed 4 --player water --level strong --fleet uniform --json)
python3 - "$water" "$random" "$gentle" "$strong" <<'PY'
import json, math, sys
water, rand, gentle, strong = (json.loads(a) for a in sys.argv[1:5])
faults = []
def check(name, value, low, high):
    print(f"{name}: {value:.4f} (bounds {low:.4f} .. {high:.4f})")
    if not low <= value <= high:
        faults.append(name)
for d in (water, rand, gentle, strong):
    if d["invariant_violations"] != 0:
        faults.append(f"{d['player']}: {d['invariant_violations']} invariant violations")
    # The checks ran after every shot the game counted, not after some.
    if d["shots_checked"] != d["shots"] or d["shots"] < 60 * d["games"]:
        faults.append(f"{d['player']}: {d['shots_checked']} of {d['shots']} shots checked")
# Every game against the water player is won by the computer, after a whole fleet of shots.
se = water["computer_shots_per_won_game_stddev"] / math.sqrt(water["computer_wins"])
check("computer shots per fleet", water["computer_shots_per_won_game_mean"], 60.0 - 4 * se, 60.0 + 4 * se)
check("games won by the computer against water", water["computer_win_share"], 1.0, 1.0)
share, n = 0.9387, rand["games"]
se = math.sqrt(share * (1 - share) / n)
check("games won by the computer against random shots", rand["computer_win_share"], share - 4 * se, share + 4 * se)
calls = rand["placement_calls_per_start_mean"] * n
share = 0.311
se = math.sqrt(share * (1 - share) / calls)
check("placement calls given up", rand["placement_given_up_share"], share - 4 * se, share + 4 * se)
check("placement calls out of time", rand["placement_out_of_time_share"], 0.0, 0.002)
# Both bands four standard errors wide: one from 20,000 games of another seed, one from 4,000.
for d, mean, sd in ((gentle, 64.84, 6.34), (strong, 55.73, 6.18)):
    se = sd / math.sqrt(d["computer_wins"])
    check(f"{d['level']} level's shots per fleet", d["computer_shots_per_won_game_mean"],
          mean - 4 * se, mean + 4 * se)
if faults:
    sys.exit("out of bounds: " + ", ".join(faults))
PY
