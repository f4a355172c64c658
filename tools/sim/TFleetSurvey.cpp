// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TFleetSurvey.h"

#include "TClock.h"
#include "TFleets.h"

#include <algorithm>
#include <cmath>

TFleetSurvey SurveyFleets(int Count, bool GiveUpHopeless) {
  TFleetSurvey Survey;
  uint32_t Ticks = 0;
  TClock::SetTickCount([&Ticks] { return Ticks++; });
  TFleets Fleets;
  Fleets.CreateFleets({});
  Fleets.FGiveUpHopeless = GiveUpHopeless;
  for (int A = 0; A < Count; ++A) {
    Fleets.ClearBoard(Fleets.FEnemyBoard);
    while (!Fleets.PlaceEnemyFleet())
      Fleets.ClearBoard(Fleets.FEnemyBoard);
    for (int X = 0; X < 10; ++X)
      for (int Y = 0; Y < 10; ++Y)
        Survey.Decks[10 * Y + X] += Fleets.FEnemyBoard(X, Y).State == csShip;
    for (int I = 0; I < TFleets::FleetSize; ++I) {
      const TShip& Ship = Fleets.EnemyShip(I);
      ++Survey.Ships[Ship.FSize];
      Survey.Verticals[Ship.FSize] += Ship.FVertical;
    }
    ++Survey.Arrangements;
  }
  TClock::SetTickCount({});
  return Survey;
}

namespace {

// The two-proportion z-score with the pooled proportion; 0 where neither side saw anything.
double ZScore(int64_t HitsA, int64_t CountA, int64_t HitsB, int64_t CountB) {
  if (CountA == 0 || CountB == 0)
    return 0;
  const double Pooled = static_cast<double>(HitsA + HitsB) / static_cast<double>(CountA + CountB);
  const double Spread =
      std::sqrt(Pooled * (1 - Pooled) * (1.0 / static_cast<double>(CountA) + 1.0 / CountB));
  if (Spread == 0)
    return 0;
  return (static_cast<double>(HitsA) / CountA - static_cast<double>(HitsB) / CountB) / Spread;
}

} // namespace

TSurveyComparison CompareSurveys(const TFleetSurvey& A, const TFleetSurvey& B) {
  TSurveyComparison Result;
  auto Add = [&Result](double Z) {
    Result.MaxZ = std::max(Result.MaxZ, std::abs(Z));
    Result.SumZ2 += Z * Z;
    ++Result.Statistics;
  };
  for (int Cell = 0; Cell < 100; ++Cell)
    Add(ZScore(A.Decks[Cell], A.Arrangements, B.Decks[Cell], B.Arrangements));
  for (int Size = 2; Size <= 4; ++Size)
    Add(ZScore(A.Verticals[Size], A.Ships[Size], B.Verticals[Size], B.Ships[Size]));
  return Result;
}
