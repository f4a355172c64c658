#include "TShip.h"

#include <algorithm>

TShip::TShip(const TBitmap* HorzImage, const TBitmap* VertImage, int32_t Size)
    : FHorzImage(HorzImage), FVertImage(VertImage), FSize(Size) {}

void TShip::SetBoard(TBoard* Board) {
  FBoard = Board;
  Changed();
}

// The random placement moves and turns ships thousands of times a second: the loops below
// step along the ship instead of asking its orientation at every deck.

void TShip::Remove() {
  if (!OnBoard())
    return;
  const TPoint Step = StepAlong(FVertical);
  for (int32_t K = 0; K < FSize; ++K) {
    TCell& Cell = (*FBoard)(FPos.X + K * Step.X, FPos.Y + K * Step.Y);
    Cell.State = csEmpty;
    Cell.Ship = nullptr;
  }
}

void TShip::Put() {
  FPos = Clamped(FPos, FVertical);
  const TPoint Step = StepAlong(FVertical);
  for (int32_t K = 0; K < FSize; ++K) {
    TCell& Cell = (*FBoard)(FPos.X + K * Step.X, FPos.Y + K * Step.Y);
    Cell.State = csShip;
    Cell.Ship = this;
    Cell.IsHead = K == 0;
  }
}

bool TShip::CanPlace(TPoint Cell, bool Vertical) const {
  const TPoint Head = Clamped(Cell, Vertical);
  const TPoint Step = StepAlong(Vertical);
  for (int32_t K = 0; K < FSize; ++K) {
    const TCell& Target = (*FBoard)(Head.X + K * Step.X, Head.Y + K * Step.Y);
    if (Target.State == csShip && Target.Ship != this)
      return false;
  }
  return true;
}

bool TShip::MoveTo(TPoint Cell) {
  if (Cell == FPos)
    return true;
  if (!CanPlace(Cell, FVertical))
    return false;
  Remove();
  FPos = Cell;
  Put();
  Changed();
  return true;
}

bool TShip::Rotate() {
  if (FSize == 1)
    return true;
  if (!CanPlace(FPos, !FVertical))
    return false;
  Remove();
  FVertical = !FVertical;
  Put();
  Changed();
  return true;
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

TShip::TRing TShip::Ring() const {
  const TPoint Tail = Deck(FSize - 1);
  return {std::max(FPos.X - 1, 0), std::max(FPos.Y - 1, 0), std::min(Tail.X + 1, 9),
          std::min(Tail.Y + 1, 9)};
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

// The sides of the ring that had to be clamped lie on the ship's own row or column and are
// left out; what the other sides cover is the whole clamped rectangle less the ship's own
// decks. The ship stands on its cells, so each column of the rectangle holds exactly its own
// decks there, and more when the ship touches another: the decks of a column are counted
// without a branch per cell. Any deck counts, whoever it belongs to.
bool TShip::HasClearance() const {
  const TRing R = Ring();
  for (int X = R.X1; X <= R.X2; ++X) {
    const int32_t Own =
        FVertical ? (X == FPos.X ? FSize : 0) : (X >= FPos.X && X < FPos.X + FSize ? 1 : 0);
    int32_t Decks = 0;
    for (int Y = R.Y1; Y <= R.Y2; ++Y)
      Decks += (*FBoard)(X, Y).State == csShip;
    if (Decks != Own)
      return false;
  }
  return true;
}

void TShip::Hit() {
  ++FHits;
  FState = FHits == FSize ? ssSunk : ssDamaged;
}
