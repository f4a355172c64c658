// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TTargeting.h"

#include "TRandomSource.h"
#include "TShip.h"

TPoint TTargeting::ChooseTarget(const TBoard& Board) {
  TPoint Cell;
  if (!FWounded.empty() && PickNearWounded(Board, Cell.X, Cell.Y))
    return Cell;
  return RandomTarget(Board);
}

// Water and an unshot deck are equally acceptable, so the search does not steer towards the
// ship; it learns the axis from the deck it has just picked, which that shot will hit.
bool TTargeting::PickNearWounded(const TBoard& Board, int32_t& X, int32_t& Y) {
  Randomize();
  const bool Backwards = Random(2) == 1;
  const auto Count = static_cast<int>(FWounded.size());
  for (int N = 0; N < Count; ++N) {
    const TPoint Wound = FWounded[Backwards ? Count - 1 - N : N];
    int Row, Pairs;
    if (FHuntAxis == axX) {
      Row = static_cast<int>(Random(2));
      Pairs = 2;
    } else if (FHuntAxis == axY) {
      Row = 2 + static_cast<int>(Random(2));
      Pairs = 2;
    } else {
      Row = static_cast<int>(Random(4));
      Pairs = 4;
    }
    for (int K = 0; K < Pairs; ++K) {
      const TPoint Step = HuntSteps[Row][K];
      X = Wound.X + Step.X;
      Y = Wound.Y + Step.Y;
      if (X < 0 || X > 9 || Y < 0 || Y > 9)
        continue;
      const TCell& Cell = Board(X, Y);
      if (Cell.State == csMiss || Cell.IsHit)
        continue;
      if (Cell.State == csShip)
        FHuntAxis = Step.X != 0 ? axX : axY;
      return true;
    }
  }
  return false;
}

TPoint TTargeting::RandomTarget(const TBoard& Board) {
  Randomize();
  for (;;) {
    const TPoint Cell{static_cast<int32_t>(Random(10)), static_cast<int32_t>(Random(10))};
    const TCell& C = Board[Cell];
    if (C.State == csEmpty || (C.State == csShip && C.Ship->FState == ssIntact))
      return Cell;
  }
}
