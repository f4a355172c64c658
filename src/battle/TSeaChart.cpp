// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TSeaChart.h"

#include "BoardGeometry.h"

#include <algorithm>

namespace {

// Ships of each size in a fleet, indexed by decks.
constexpr std::array<int32_t, 5> ShipsOfSize = {0, 4, 3, 2, 1};

bool Contains(const std::vector<TPoint>& Cells, TPoint Cell) {
  return std::find(Cells.begin(), Cells.end(), Cell) != Cells.end();
}

// Whether the cells are one straight row of neighbours without gaps or repeats.
bool IsStraightShip(std::vector<TPoint> Cells) {
  std::sort(Cells.begin(), Cells.end(),
            [](TPoint A, TPoint B) { return A.X != B.X ? A.X < B.X : A.Y < B.Y; });
  const TPoint First = Cells.front();
  const bool Vertical = Cells.size() > 1 && Cells[1].X == First.X;
  for (size_t K = 0; K < Cells.size(); ++K) {
    const auto Step = static_cast<int32_t>(K);
    if (Cells[K] != (Vertical ? TPoint{First.X, First.Y + Step} : TPoint{First.X + Step, First.Y}))
      return false;
  }
  return true;
}

} // namespace

bool TSeaChart::TouchesOtherDeck(TPoint Cell, const std::vector<TPoint>& Own) const {
  for (int DX = -1; DX <= 1; ++DX)
    for (int DY = -1; DY <= 1; ++DY) {
      const TPoint N{Cell.X + DX, Cell.Y + DY};
      if (!InBoard(N) || N == Cell || Contains(Own, N))
        continue;
      const TMark Mark = At(N);
      // An unsunk deck straight beside a new hit may be the same ship.
      const bool Beside = DX == 0 || DY == 0;
      if (Mark == mkSunk || (Mark == mkHit && (!Own.empty() || !Beside)))
        return true;
    }
  return false;
}

int32_t TSeaChart::LargestAfloat() const {
  for (int32_t Size = 4; Size >= 1; --Size)
    if (FSunkOfSize[Size] < ShipsOfSize[Size])
      return Size;
  return 0;
}

TSeaChart::TAnswerFault TSeaChart::Check(TPoint Shot, TShotResult Result,
                                         const std::vector<TPoint>& Cells) const {
  if (!InBoard(Shot) || At(Shot) != mkUnknown)
    return TAnswerFault::afKnownCell;
  if (Result == TShotResult::srMiss)
    return TAnswerFault::afNone;
  if (Result == TShotResult::srHit) {
    if (TouchesOtherDeck(Shot, {}))
      return TAnswerFault::afTouching;
    // The unsunk hits in line with the shot, both ways, and the shot itself.
    auto Run = [&](int DX, int DY) {
      int32_t Length = 0;
      for (TPoint P{Shot.X + DX, Shot.Y + DY}; InBoard(P) && At(P) == mkHit;
           P = {P.X + DX, P.Y + DY})
        ++Length;
      return Length;
    };
    const int32_t Across = Run(1, 0) + Run(-1, 0), Down = Run(0, 1) + Run(0, -1);
    // A bent row cannot come here: its corner decks would touch, which is refused above.
    if (std::max(Across, Down) + 1 >= LargestAfloat())
      return TAnswerFault::afLongWreck;
    return TAnswerFault::afNone;
  }
  if (Cells.empty() || Cells.size() > 4 || !Contains(Cells, Shot))
    return TAnswerFault::afSunkShape;
  for (TPoint Cell : Cells)
    if (!InBoard(Cell) || (Cell != Shot && At(Cell) != mkHit))
      return TAnswerFault::afSunkShape;
  if (!IsStraightShip(Cells))
    return TAnswerFault::afSunkShape;
  const auto Size = static_cast<int32_t>(Cells.size());
  if (FSunkOfSize[Size] >= ShipsOfSize[Size])
    return TAnswerFault::afSunkSize;
  for (TPoint Cell : Cells)
    if (TouchesOtherDeck(Cell, Cells))
      return TAnswerFault::afTouching;
  return TAnswerFault::afNone;
}

void TSeaChart::Apply(TPoint Shot, TShotResult Result, const std::vector<TPoint>& Cells) {
  if (!InBoard(Shot))
    return;
  if (Result != TShotResult::srSunk) {
    FMarks[Shot.X][Shot.Y] = Result == TShotResult::srHit ? mkHit : mkWater;
    return;
  }
  for (TPoint Cell : Cells)
    FMarks[Cell.X][Cell.Y] = mkSunk;
  for (TPoint Cell : Cells)
    for (int DX = -1; DX <= 1; ++DX)
      for (int DY = -1; DY <= 1; ++DY) {
        const TPoint N{Cell.X + DX, Cell.Y + DY};
        if (InBoard(N) && At(N) == mkUnknown)
          FMarks[N.X][N.Y] = mkWater;
      }
  ++FSunkOfSize[Cells.size()];
  ++FSunk;
}
