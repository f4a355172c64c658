// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TShip.h"

#include <algorithm>

TShip::TShip(const TBitmap* HorzImage, const TBitmap* VertImage, int32_t Size)
    : FHorzImage(HorzImage), FVertImage(VertImage), FSize(Size) {}

void TShip::SetBoard(TBoard* Board) {
  FBoard = Board;
  Changed();
}

void TShip::Reset() {
  Remove();
  FPos = {-1, -1};
  FState = ssIntact;
  FHits = 0;
  FVertical = false;
}

void TShip::Changed() {
  if (FOnChange)
    FOnChange(*this);
}

void TShip::MarkSurroundings() {
  const TRing R = Ring();
  auto Mark = [this](int X, int Y) {
    TCell& Cell = (*FBoard)(X, Y);
    if (Cell.State == csEmpty)
      Cell.State = csMiss;
  };
  for (int X = R.X1; X <= R.X2; ++X) {
    Mark(X, R.Y1);
    Mark(X, R.Y2);
  }
  for (int Y = R.Y1; Y <= R.Y2; ++Y) {
    Mark(R.X1, Y);
    Mark(R.X2, Y);
  }
}

void TShip::Hit() {
  ++FHits;
  FState = FHits == FSize ? ssSunk : ssDamaged;
}
