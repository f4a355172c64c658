// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TFleetSampler.h"
#include "TShooter.h"

class TRandomSource;

// The strongest computer: it weighs whole fleets that agree with every answer its shots have
// had, and shoots at the cell most likely to hold a deck. It stands its own fleet where such a
// shooter looks last.
class TStrongShooter : public TShooter {
public:
  // Fleets weighed for every shot: more gain little and cost time.
  static constexpr int FleetsPerShot = 1000;
  // Legal fleets drawn for the placement (about 15 ms); the one least likely to be found
  // stands.
  static constexpr int PlacementCandidates = 100;

  TPoint ChooseTarget(const TShotBoard& Seen) override;
  bool PlaceFleet(TFleets& Fleets) override;

  // Stands Fleet on the board of the player's ships (Player) or of the computer's, which must be
  // empty; the simulator uses it for the player's fleet too.
  static void StandFleet(TFleets& Fleets, bool Player, const TFleetSampler::TFleet& Fleet);
  // Of PlacementCandidates uniformly drawn legal fleets, the one whose one-deckers lie where a
  // deck is least expected before the first shot.
  static TFleetSampler::TFleet HiddenFleet(TRandomSource& Random);

  int FFleetsPerShot = FleetsPerShot;
  // Counts the places of each ship on its own instead of weighing whole fleets: faster, but
  // blind to the no-touching rule between ships. Kept to compare the two.
  bool FCountPlaces = false;
};
