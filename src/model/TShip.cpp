#include "TShip.h"

#include <algorithm>

TShip::TShip(const TBitmap* HorzImage, const TBitmap* VertImage, int32_t Size)
    : FHorzImage(HorzImage), FVertImage(VertImage), FSize(Size) {}

void TShip::SetBoard(TBoard* Board) {
  FBoard = Board;
  Changed();
}

void TShip::Remove() {
  if (!OnBoard())
    return;
  for (int32_t K = 0; K < FSize; ++K) {
    TCell& Cell = (*FBoard)[Deck(K)];
    Cell.State = csEmpty;
    Cell.Ship = nullptr;
  }
}

void TShip::Put() {
  FPos = Clamped(FPos, FVertical);
  for (int32_t K = 0; K < FSize; ++K) {
    TCell& Cell = (*FBoard)[Deck(K)];
    Cell.State = csShip;
    Cell.Ship = this;
    Cell.IsHead = false;
  }
  (*FBoard)[FPos].IsHead = true;
}

bool TShip::CanPlace(TPoint Cell, bool Vertical) const {
  const TPoint Head = Clamped(Cell, Vertical);
  for (int32_t K = 0; K < FSize; ++K) {
    const TCell& Target = Vertical ? (*FBoard)(Head.X, Head.Y + K) : (*FBoard)(Head.X + K, Head.Y);
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

// A side of the ring that had to be clamped lies on the ship's own row or column and is
// left out, so the ship's own decks never count; the other sides still cover its cells.
bool TShip::HasClearance() const {
  const TPoint Tail = Deck(FSize - 1);
  const TRing R = Ring();
  const bool Left = FPos.X > 0, Top = FPos.Y > 0, Right = Tail.X < 9, Bottom = Tail.Y < 9;
  auto IsDeck = [this](int X, int Y) { return (*FBoard)(X, Y).State == csShip; };
  for (int X = R.X1; X <= R.X2; ++X)
    if ((Top && IsDeck(X, R.Y1)) || (Bottom && IsDeck(X, R.Y2)))
      return false;
  for (int Y = R.Y1; Y <= R.Y2; ++Y)
    if ((Left && IsDeck(R.X1, Y)) || (Right && IsDeck(R.X2, Y)))
      return false;
  return true;
}

void TShip::Hit() {
  ++FHits;
  FState = FHits == FSize ? ssSunk : ssDamaged;
}
