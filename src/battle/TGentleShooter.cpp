// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TGentleShooter.h"

#include "TRandomSource.h"
#include "TTargeting.h"

#include <vector>

namespace {

bool Inside(int X, int Y) {
  return X >= 0 && X < 10 && Y >= 0 && Y < 10;
}

bool IsHit(const TShotBoard& Seen, int X, int Y) {
  return Inside(X, Y) && Seen.At(X, Y) == seHit;
}

// A cell corner to corner with a hit deck is water: the ship goes on side by side, and no
// other ship may touch it.
bool MayHoldDeck(const TShotBoard& Seen, int X, int Y) {
  if (Seen.At(X, Y) != seUnknown)
    return false;
  for (int DX : {-1, 1})
    for (int DY : {-1, 1})
      if (IsHit(Seen, X + DX, Y + DY))
        return false;
  return true;
}

} // namespace

TPoint TGentleShooter::ChooseTarget(const TShotBoard& Seen) {
  Randomize();
  std::vector<TPoint> Wounded;
  int32_t Axis = TTargeting::axNone;
  for (int Y = 0; Y < 10; ++Y)
    for (int X = 0; X < 10; ++X)
      if (Seen.At(X, Y) == seHit) {
        Wounded.push_back({X, Y});
        if (IsHit(Seen, X + 1, Y))
          Axis = TTargeting::axX;
        if (IsHit(Seen, X, Y + 1))
          Axis = TTargeting::axY;
      }
  // Next to the wounds as the game's own computer searches: the neighbours along the axis once
  // two hits show it, all four before, in one of the orders of its table.
  if (!Wounded.empty() && Random(FollowOneIn) == 0) {
    const bool Backwards = Random(2) == 1;
    const auto Count = static_cast<int>(Wounded.size());
    for (int N = 0; N < Count; ++N) {
      const TPoint Wound = Wounded[Backwards ? Count - 1 - N : N];
      const int Row = Axis == TTargeting::axX   ? static_cast<int>(Random(2))
                      : Axis == TTargeting::axY ? 2 + static_cast<int>(Random(2))
                                                : static_cast<int>(Random(4));
      const int Pairs = Axis == TTargeting::axNone ? 4 : 2;
      for (int K = 0; K < Pairs; ++K) {
        const TPoint Step = TTargeting::HuntSteps[Row][K];
        const int X = Wound.X + Step.X, Y = Wound.Y + Step.Y;
        if (Inside(X, Y) && Seen.At(X, Y) == seUnknown)
          return {X, Y};
      }
    }
  }
  std::vector<TPoint> Open;
  for (int Y = 0; Y < 10; ++Y)
    for (int X = 0; X < 10; ++X)
      if (MayHoldDeck(Seen, X, Y))
        Open.push_back({X, Y});
  if (Open.empty()) // cannot happen while a ship is afloat; any unshot cell will do
    for (int I = 0; I < 100; ++I)
      if (Seen.Cells[I] == seUnknown)
        Open.push_back({I % 10, I / 10});
  return Open[Random(static_cast<uint32_t>(Open.size()))];
}
