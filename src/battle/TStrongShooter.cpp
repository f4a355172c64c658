// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TStrongShooter.h"

#include "TFleets.h"
#include "TRandomSource.h"

#include <vector>

namespace {

// How often each cell holds a deck in a legal fleet drawn uniformly, weighed once from a fixed
// seed so that it never disturbs the game's draws.
const std::array<double, 100>& DeckShares() {
  static const std::array<double, 100> Shares = [] {
    TRandomSource Fixed;
    Fixed.Seed(20260101);
    std::array<double, 100> Odds{};
    const double Total = TFleetSampler::DeckOdds(TShotBoard{}, 4000, Odds, Fixed);
    for (double& Share : Odds)
      Share /= Total;
    return Odds;
  }();
  return Shares;
}

} // namespace

TPoint TStrongShooter::ChooseTarget(const TShotBoard& Seen) {
  Randomize();
  TRandomSource& Random = TRandomSource::Instance();
  std::array<double, 100> Odds;
  const double Total = FCountPlaces ? TFleetSampler::PlaceCounts(Seen, Odds)
                                    : TFleetSampler::DeckOdds(Seen, FFleetsPerShot, Odds, Random);
  std::vector<int> Best;
  double BestOdds = -1;
  for (int I = 0; I < 100; ++I) {
    if (Seen.Cells[I] != seUnknown)
      continue;
    // With no fleet drawn (it cannot happen in a fair game) every unshot cell is as good.
    const double Here = Total > 0 ? Odds[I] : 0;
    if (Here > BestOdds) {
      BestOdds = Here;
      Best.clear();
    }
    if (Here == BestOdds)
      Best.push_back(I);
  }
  const int Cell = Best[Random.Random(static_cast<uint32_t>(Best.size()))];
  return {Cell % 10, Cell / 10};
}

TFleetSampler::TFleet TStrongShooter::HiddenFleet(TRandomSource& Random) {
  const auto& Shares = DeckShares();
  TFleetSampler::TFleet Hidden{};
  double Lowest = 1e9;
  for (int C = 0; C < PlacementCandidates; ++C) {
    const TFleetSampler::TFleet Fleet = TFleetSampler::DrawFleet(Random);
    // Measured: the one-deckers decide. Fleets whose one-deckers stand where decks are least
    // expected take the strong shooter about a shot more than uniform ones; steering the
    // larger ships too, either way, takes that back.
    double Exposure = 0;
    for (const auto* Place : Fleet)
      if (Place->Size == 1)
        Exposure += Shares[Place->Head.Y * 10 + Place->Head.X];
    if (Exposure < Lowest) {
      Lowest = Exposure;
      Hidden = Fleet;
    }
  }
  return Hidden;
}

void TStrongShooter::StandFleet(TFleets& Fleets, bool Player, const TFleetSampler::TFleet& Fleet) {
  TBoard& Board = Player ? Fleets.FMyBoard : Fleets.FEnemyBoard;
  for (int I = 0; I < TFleets::FleetSize; ++I) {
    TShip& Ship = Player ? Fleets.MyShip(I) : Fleets.EnemyShip(I);
    Ship.SetBoard(&Board);
    Ship.FVertical = Fleet[I]->Vertical;
    Ship.MoveTo(Fleet[I]->Head);
  }
  Fleets.FLastEnd = TPlacementEnd::peStood;
  Fleets.FLastAttempts = 0;
}

bool TStrongShooter::PlaceFleet(TFleets& Fleets) {
  Randomize();
  StandFleet(Fleets, false, HiddenFleet(TRandomSource::Instance()));
  return true;
}
