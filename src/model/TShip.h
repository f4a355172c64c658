// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TBoard.h"
#include "TPoint.h"

#include <algorithm>
#include <cstdint>
#include <functional>

class TBitmap; // a ship picture; owned and drawn by the window
struct TCanvas;

enum TShipState : uint8_t { ssIntact = 0, ssDamaged = 1, ssSunk = 2 };

// The head of a ship of Size decks pulled back so that its far end stays on the board; only
// the far end is pulled back, the head is the caller's to keep on the board.
constexpr TPoint ClampedHead(TPoint Head, bool Vertical, int32_t Size) {
  if (Vertical)
    Head.Y = Head.Y < 10 - Size ? Head.Y : 10 - Size;
  else
    Head.X = Head.X < 10 - Size ? Head.X : 10 - Size;
  return Head;
}

// One ship of a fleet. It keeps its own cells on its board up to date: every accepted move
// or rotation takes it off its old cells and writes it into the new ones, and no move or
// rotation is accepted that would overlap another ship. Touching is allowed here; only
// HasClearance tests it.
class TShip {
public:
  using TNotifyEvent = std::function<void(TShip& Sender)>;

  TShip(const TBitmap* HorzImage, const TBitmap* VertImage, int32_t Size);

  void SetBoard(TBoard* Board);
  void Remove();
  void Put();
  bool CanPlace(TPoint Cell, bool Vertical) const;
  bool MoveTo(TPoint Cell);
  bool Rotate();
  void Reset();
  void Changed();
  void MarkSurroundings();
  bool HasClearance() const;
  void Hit();
  // Draws the picture over the ship's cells; defined by the window, which owns the pictures.
  void Draw(TCanvas& Canvas) const;

  const TBitmap* FHorzImage = nullptr;
  const TBitmap* FVertImage = nullptr;
  TBoard* FBoard = nullptr;
  TPoint FPos{-1, -1};
  int32_t FSize = 1;
  bool FVertical = false;
  TShipState FState = ssIntact;
  int32_t FHits = 0;
  TNotifyEvent FOnChange;

  bool OnBoard() const { return FPos.X >= 0 && FPos.Y >= 0; }
  // The k-th deck counted from the head.
  TPoint Deck(int32_t K) const {
    return FVertical ? TPoint{FPos.X, FPos.Y + K} : TPoint{FPos.X + K, FPos.Y};
  }

private:
  struct TRing {
    int X1, Y1, X2, Y2;
  };
  TPoint Clamped(TPoint Head, bool Vertical) const { return ClampedHead(Head, Vertical, FSize); }
  static constexpr TPoint StepAlong(bool Vertical) {
    return Vertical ? TPoint{0, 1} : TPoint{1, 0};
  }
  TRing Ring() const;
};

// The random placement moves and turns ships and tests their ring thousands of times a
// second: these are defined here so that it inlines them, and their loops step along the ship
// instead of asking its orientation at every deck.

inline void TShip::Remove() {
  if (!OnBoard())
    return;
  const TPoint Step = StepAlong(FVertical);
  for (int32_t K = 0; K < FSize; ++K) {
    TCell& Cell = (*FBoard)(FPos.X + K * Step.X, FPos.Y + K * Step.Y);
    Cell.State = csEmpty;
    Cell.Ship = nullptr;
  }
}

inline void TShip::Put() {
  FPos = Clamped(FPos, FVertical);
  const TPoint Step = StepAlong(FVertical);
  for (int32_t K = 0; K < FSize; ++K) {
    TCell& Cell = (*FBoard)(FPos.X + K * Step.X, FPos.Y + K * Step.Y);
    Cell.State = csShip;
    Cell.Ship = this;
    Cell.IsHead = K == 0;
  }
}

inline bool TShip::CanPlace(TPoint Cell, bool Vertical) const {
  const TPoint Head = Clamped(Cell, Vertical);
  const TPoint Step = StepAlong(Vertical);
  for (int32_t K = 0; K < FSize; ++K) {
    const TCell& Target = (*FBoard)(Head.X + K * Step.X, Head.Y + K * Step.Y);
    if (Target.State == csShip && Target.Ship != this)
      return false;
  }
  return true;
}

inline bool TShip::MoveTo(TPoint Cell) {
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

inline bool TShip::Rotate() {
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

inline TShip::TRing TShip::Ring() const {
  const TPoint Tail = Deck(FSize - 1);
  return {std::max(FPos.X - 1, 0), std::max(FPos.Y - 1, 0), std::min(Tail.X + 1, 9),
          std::min(Tail.Y + 1, 9)};
}

// The sides of the ring that had to be clamped lie on the ship's own row or column and are
// left out; what the other sides cover is the whole clamped rectangle less the ship's own
// decks. The ship stands on its cells, so each column of the rectangle holds exactly its own
// decks there, and more when the ship touches another: the decks of a column are counted
// without a branch per cell. Any deck counts, whoever it belongs to.
inline bool TShip::HasClearance() const {
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
