// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TPlacementOutlook.h"

#include "TShip.h"

#include <algorithm>

namespace {

int CellIndex(int X, int Y) {
  return 10 * Y + X;
}

// Bits Low..High of a row or column, clamped to the board.
unsigned Span(int Low, int High) {
  Low = std::max(Low, 0);
  High = std::min(High, 9);
  return ((1u << (High - Low + 1)) - 1) << Low;
}

} // namespace

TPlacementOutlook::TPlacementOutlook(const TBoard& Board, const TShip& Ship, TPoint Candidate)
    : FSize(Ship.FSize), FStartVertical(Ship.FVertical),
      FDiagonal((Candidate.X - Candidate.Y + 10) % 10) {
  // The other ships' decks, by row and by column, and the same grown by one cell across: a
  // ship fits, or stands clear, when one mask finds none of them.
  for (int X = 0; X < 10; ++X) {
    unsigned Column = 0;
    for (int Y = 0; Y < 10; ++Y) {
      const TCell& Cell = Board(X, Y);
      const unsigned Deck = (Cell.State == csShip) & (Cell.Ship != &Ship);
      Column |= Deck << Y;
      FRows[Y] |= static_cast<uint16_t>(Deck << X);
    }
    FColumns[X] = static_cast<uint16_t>(Column);
  }
  for (int I = 0; I < 10; ++I) {
    FRowsNear[I] = FRows[I] | (I > 0 ? FRows[I - 1] : 0) | (I < 9 ? FRows[I + 1] : 0);
    FColumnsNear[I] = FColumns[I] | (I > 0 ? FColumns[I - 1] : 0) | (I < 9 ? FColumns[I + 1] : 0);
  }
  FStart = StateOf(Candidate, PlaceOf(Ship));

  // Every state the walk can reach from here, in the order found, with the two outcomes of
  // its attempt. A few dozen states are reached of the thousands there are: the lists are
  // filled from the front and only the bit sets are cleared, so that asking touches little
  // memory besides the board.
  std::array<TAttempt, States> Attempts;
  std::bitset<States> Reached;
  std::array<int16_t, States> Order;
  int Count = 0;
  Order[Count++] = static_cast<int16_t>(FStart);
  Reached[FStart] = true;
  for (int I = 0; I < Count; ++I) {
    Attempts[I] = Attempt(Order[I]);
    for (int16_t Next : Attempts[I].Next)
      if (Next != Stands && !Reached[Next]) {
        Reached[Next] = true;
        Order[Count++] = Next;
      }
  }

  // Back from the attempts that may stand: a state is good when one of its outcomes stands or
  // leads to a good state. Passes in reverse order of discovery settle most states at once;
  // the walk's rounds of the diagonal need a few more.
  for (bool Changed = true; Changed;) {
    Changed = false;
    for (int I = Count - 1; I >= 0; --I) {
      const int State = Order[I];
      if (FGood[State])
        continue;
      for (int16_t Next : Attempts[I].Next)
        if (Next == Stands || FGood[Next]) {
          FGood[State] = true;
          Changed = true;
          break;
        }
    }
  }
}

bool TPlacementOutlook::CanStand(TPoint Candidate, const TShip& Ship) const {
  return FGood[StateOf(Candidate, PlaceOf(Ship))];
}

int TPlacementOutlook::PlaceOf(const TShip& Ship) {
  if (!Ship.OnBoard())
    return OffBoard;
  return (Ship.FVertical ? 100 : 0) + CellIndex(Ship.FPos.X, Ship.FPos.Y);
}

// The ship's own decks never block it: it leaves them when it moves or turns.
bool TPlacementOutlook::Fits(TPoint Head, bool Vertical) const {
  return Vertical ? (FColumns[Head.X] & Span(Head.Y, Head.Y + FSize - 1)) == 0
                  : (FRows[Head.Y] & Span(Head.X, Head.X + FSize - 1)) == 0;
}

// The ring of the ship standing at Head, less the sides that the board's edge cuts off, is the
// clamped rectangle around it less its own decks; only other ships' decks are looked for, in
// the rows (or columns) of the ship grown by one cell.
bool TPlacementOutlook::Clear(TPoint Head, bool Vertical) const {
  return Vertical ? (FColumnsNear[Head.X] & Span(Head.Y - 1, Head.Y + FSize)) == 0
                  : (FRowsNear[Head.Y] & Span(Head.X - 1, Head.X + FSize)) == 0;
}

bool TPlacementOutlook::Covers(int Place, TPoint Cell) const {
  if (Place == OffBoard)
    return false;
  const bool Vertical = Place >= 100;
  const int X = Place % 10, Y = Place % 100 / 10;
  return Vertical ? Cell.X == X && Cell.Y >= Y && Cell.Y < Y + FSize
                  : Cell.Y == Y && Cell.X >= X && Cell.X < X + FSize;
}

// One attempt of the walk, as the placement makes it: the candidate must be free water, the
// ship moves there (pulled back from the far edge), the turn drawn may turn it about its head
// (pulled back again), and it stands when nothing touches it. A failed attempt leaves the ship
// where the attempt put it.
TPlacementOutlook::TAttempt TPlacementOutlook::Attempt(int State) const {
  const int Place = State % Places;
  const int X = State / Places;
  const TPoint Candidate{X, (X - FDiagonal + 10) % 10};
  const int Following = (X + 1) % 10 * Places;
  const bool Vertical = Place == OffBoard ? FStartVertical : Place >= 100;
  auto Stay = [&](int NewPlace) { return static_cast<int16_t>(Following + NewPlace); };
  auto PlaceAt = [](TPoint Head, bool Upright) {
    return (Upright ? 100 : 0) + CellIndex(Head.X, Head.Y);
  };

  if ((FRows[Candidate.Y] >> Candidate.X & 1) != 0 || Covers(Place, Candidate))
    return {{Stay(Place), Stay(Place)}};
  const TPoint Moved = ClampedHead(Candidate, Vertical, FSize);
  if (!Fits(Moved, Vertical))
    return {{Stay(Place), Stay(Place)}};
  const int16_t Kept = Clear(Moved, Vertical) ? Stands : Stay(PlaceAt(Moved, Vertical));
  if (FSize == 1)
    return {{Kept, Kept}};
  const TPoint Turned = ClampedHead(Moved, !Vertical, FSize);
  if (!Fits(Turned, !Vertical))
    return {{Kept, Stay(PlaceAt(Moved, Vertical))}};
  return {{Kept, Clear(Turned, !Vertical) ? Stands : Stay(PlaceAt(Turned, !Vertical))}};
}
