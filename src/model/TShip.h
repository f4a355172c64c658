#pragma once

#include "TBoard.h"
#include "TPoint.h"

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
