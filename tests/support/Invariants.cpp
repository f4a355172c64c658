// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "Invariants.h"

#include "BoardGeometry.h"
#include "TFleets.h"

#include <algorithm>
#include <cstring>

namespace {

// The parts of a fault's text: a cell is written (X,Y), a ship by its number.
struct TShipNo {
  int I;
};
std::string Text(const char* Part) {
  return Part;
}
std::string Text(int Number) {
  return std::to_string(Number);
}
std::string Text(TPoint Cell) {
  return "(" + std::to_string(Cell.X) + "," + std::to_string(Cell.Y) + ")";
}
std::string Text(TShipNo Ship) {
  return "ship " + std::to_string(Ship.I);
}

// Adds a fault. Its text is built here, out of line, so that the checks, which run after every
// shot of every simulated game, stay small while all is well.
template <typename... TParts>
[[gnu::cold, gnu::noinline]] void Fault(std::vector<std::string>& Faults, TParts... Parts) {
  Faults.push_back((Text(Parts) + ...));
}

// The ship's decks hold it, its head alone is marked, and its damage matches its hit decks.
void CheckShipCells(const TBoard& Board, const TShip& Ship, int I, bool InBattle,
                    std::vector<std::string>& Faults) {
  const TShipState Expected = Ship.FHits == 0            ? ssIntact
                              : Ship.FHits == Ship.FSize ? ssSunk
                                                         : ssDamaged;
  if (Ship.FState != Expected || Ship.FHits < 0 || Ship.FHits > Ship.FSize)
    Fault(Faults, TShipNo{I}, ": state does not match its ", Ship.FHits, " hits");
  if (!Ship.OnBoard()) {
    if (InBattle)
      Fault(Faults, TShipNo{I}, ": not on the board in battle");
    return;
  }
  const TPoint Tail = Ship.Deck(Ship.FSize - 1);
  if (Tail.X > 9 || Tail.Y > 9) {
    Fault(Faults, TShipNo{I}, ": sticks out of the board");
    return;
  }
  int Hits = 0;
  for (int K = 0; K < Ship.FSize; ++K) {
    const TPoint P = Ship.Deck(K);
    const TCell& Cell = Board[P];
    if (Cell.State != csShip || Cell.Ship != &Ship)
      Fault(Faults, TShipNo{I}, ": deck ", P, " not held by it");
    if (Cell.IsHead != (K == 0))
      Fault(Faults, TShipNo{I}, ": head mark wrong at ", P);
    Hits += Cell.IsHit ? 1 : 0;
  }
  if (InBattle && Hits != Ship.FHits)
    Fault(Faults, TShipNo{I}, ": ", Hits, " hit decks but ", Ship.FHits, " hits");
}

// Byte for byte, as the boards are compared.
bool SameCell(const TCell& A, const TCell& B) {
  return std::memcmp(&A, &B, sizeof A) == 0;
}

} // namespace

std::vector<std::string> CheckBoard(const TBoard& Board, TFleets& Fleets, int FirstShip,
                                    TBoardCheck Check) {
  std::vector<std::string> Faults;
  const bool InBattle = Check == TBoardCheck::bcBattle;
  uint8_t Owned[10][10] = {};
  for (int I = FirstShip; I < FirstShip + TFleets::FleetSize; ++I) {
    const TShip& Ship = Fleets.Ship(I);
    CheckShipCells(Board, Ship, I, InBattle, Faults);
    if (!Ship.OnBoard())
      continue;
    const TPoint Tail = Ship.Deck(Ship.FSize - 1);
    if (Tail.X > 9 || Tail.Y > 9)
      continue;
    for (int K = 0; K < Ship.FSize; ++K)
      ++Owned[Ship.Deck(K).X][Ship.Deck(K).Y];
    if (InBattle && !Ship.HasClearance())
      Fault(Faults, TShipNo{I}, ": touches another ship in battle");
  }
  // Every cell is looked at without a branch; only a board found wrong is gone over again to
  // name its cells.
  auto Wrong = [&](int X, int Y) {
    const TCell& Cell = Board(X, Y);
    const bool Deck = Cell.State == csShip;
    return (Deck != (Cell.Ship != nullptr)) | (Deck & (Owned[X][Y] != 1));
  };
  bool AnyWrong = false;
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y)
      AnyWrong |= Wrong(X, Y);
  for (int X = 0; AnyWrong && X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y)
      if (Wrong(X, Y))
        Fault(Faults, "cell ", TPoint{X, Y}, ": state and ship disagree, or held by ",
              int{Owned[X][Y]}, " ships of the fleet");
  return Faults;
}

TBoardWatch::TBoardWatch(const TBoard& Board, TFleets& Fleets, int FirstShip)
    : FBoard(Board), FFirstShip(FirstShip), FSeen(Board) {
  for (int I = 0; I < TFleets::FleetSize; ++I) {
    const TShip& Ship = Fleets.Ship(FirstShip + I);
    FShip[I] = &Ship;
    FShips[I] = FieldsOf(Ship);
  }
}

std::vector<std::string> TBoardWatch::CheckUntouched() const {
  std::vector<std::string> Faults;
  if (std::memcmp(&FSeen, &FBoard, sizeof FBoard) != 0)
    Fault(Faults, "a shot on the other board changed this one");
  for (int I = 0; I < TFleets::FleetSize; ++I)
    if (!(FShips[I] == FieldsOf(*FShip[I])))
      Fault(Faults, TShipNo{FFirstShip + I}, ": changed by a shot on the other board");
  return Faults;
}

// What the rules say a shot at Cell does, applied to the board and the ships as last seen:
// water becomes known water; an unhit deck becomes hit and its ship counts one more hit, and a
// ship so sunk marks its ring (the cells next to it, corners included) as known water. Then
// the real board must equal the expected one byte for byte, and every ship its expected fields.
std::vector<std::string> TBoardWatch::CheckShot(TPoint Cell) {
  std::vector<std::string> Faults;
  if (!InBoard(Cell)) {
    Fault(Faults, "a shot at ", Cell, ", off the board");
    return Faults;
  }
  TCell& Expected = FSeen[Cell];
  if (Expected.State == csEmpty) {
    Expected.State = csMiss;
  } else if (Expected.State == csShip && !Expected.IsHit) {
    Expected.IsHit = true;
    const int I = IndexOf(Expected.Ship);
    if (I < 0) {
      Fault(Faults, "the deck at ", Cell, " holds no ship of this fleet");
    } else {
      TShipFields& Ship = FShips[I];
      ++Ship.Hits;
      Ship.State = Ship.Hits == FShip[I]->FSize ? ssSunk : ssDamaged;
      if (Ship.State == ssSunk)
        ExpectRing(Ship, FShip[I]->FSize);
    }
  } else {
    Fault(Faults, "a shot at ", Cell, ", where a shot had fallen before");
  }
  if (std::memcmp(&FSeen, &FBoard, sizeof FBoard) != 0)
    ReportCells(Cell, Faults);
  unsigned Changed = 0;
  for (int I = 0; I < TFleets::FleetSize; ++I)
    Changed |= static_cast<unsigned>(!(FShips[I] == FieldsOf(*FShip[I]))) << I;
  if (Changed != 0)
    ReportShips(Cell, Changed, Faults);
  return Faults;
}

int TBoardWatch::IndexOf(const TShip* Ship) const {
  for (int I = 0; I < TFleets::FleetSize; ++I)
    if (FShip[I] == Ship)
      return I;
  return -1;
}

// The clamped rectangle around the ship, less its own decks, is its ring on the board.
void TBoardWatch::ExpectRing(const TShipFields& Ship, int32_t Size) {
  const TPoint Head = Ship.Pos;
  const TPoint Tail =
      Ship.Vertical ? TPoint{Head.X, Head.Y + Size - 1} : TPoint{Head.X + Size - 1, Head.Y};
  for (int X = std::max(Head.X - 1, 0); X <= std::min(Tail.X + 1, 9); ++X)
    for (int Y = std::max(Head.Y - 1, 0); Y <= std::min(Tail.Y + 1, 9); ++Y) {
      const bool Own = X >= Head.X && X <= Tail.X && Y >= Head.Y && Y <= Tail.Y;
      if (!Own && FSeen(X, Y).State == csEmpty)
        FSeen(X, Y).State = csMiss;
    }
}

// Names every cell that is not as the shot should have left it, then takes the board as seen.
void TBoardWatch::ReportCells(TPoint Shot, std::vector<std::string>& Faults) {
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y) {
      const TCell &Want = FSeen(X, Y), &Got = FBoard(X, Y);
      if (SameCell(Want, Got))
        continue;
      if (Want.State != Got.State)
        Fault(Faults, "cell ", TPoint{X, Y}, ": state ", int{Got.State}, " where ", int{Want.State},
              " was due after the shot at ", Shot);
      else
        Fault(Faults, "cell ", TPoint{X, Y}, ": changed by the shot at ", Shot,
              " as no shot may change a cell");
    }
  FSeen = FBoard;
}

// Names every ship whose fields are not as the shot should have left them, then takes them as
// seen.
void TBoardWatch::ReportShips(TPoint Shot, unsigned Changed, std::vector<std::string>& Faults) {
  for (int I = 0; I < TFleets::FleetSize; ++I)
    if (Changed & (1u << I)) {
      const TShipFields Now = FieldsOf(*FShip[I]);
      Fault(Faults, TShipNo{FFirstShip + I}, ": ", Now.Hits, " hits where ", FShips[I].Hits,
            " were due after the shot at ", Shot, ", or moved, turned or its state wrong");
      FShips[I] = Now;
    }
}

std::vector<std::string> CheckTargeting(const TTargeting& Targeting, const TBoard& MyBoard,
                                        TFleets& Fleets) {
  std::vector<std::string> Faults;
  const TShip* Damaged = nullptr;
  int DamagedCount = 0;
  for (int I = 0; I < TFleets::FleetSize; ++I)
    if (Fleets.MyShip(I).FState == ssDamaged) {
      Damaged = &Fleets.MyShip(I);
      ++DamagedCount;
    }
  const auto& Wounded = Targeting.FWounded;
  if (Wounded.empty()) {
    if (Targeting.FHuntAxis != TTargeting::axNone)
      Fault(Faults, "no wounded cells but an axis guess");
    if (DamagedCount != 0)
      Fault(Faults, "no wounded cells but a damaged ship");
    return Faults;
  }
  if (DamagedCount != 1) {
    Fault(Faults, DamagedCount, " damaged ships while hunting");
    return Faults;
  }
  for (TPoint P : Wounded) {
    const TCell& Cell = MyBoard[P];
    if (Cell.State != csShip || Cell.Ship != Damaged || !Cell.IsHit)
      Fault(Faults, "wounded cell ", P, " is not a hit deck of the damaged ship");
  }
  if (static_cast<int>(Wounded.size()) != Damaged->FHits)
    Fault(Faults, "wounded list holds ", static_cast<int>(Wounded.size()), " cells for ",
          Damaged->FHits, " hits");
  const int32_t Axis = Damaged->FVertical ? TTargeting::axY : TTargeting::axX;
  if (Targeting.FHuntAxis != TTargeting::axNone && Targeting.FHuntAxis != Axis)
    Fault(Faults, "axis guess is not the ship's axis");
  if (Wounded.size() >= 2 && Targeting.FHuntAxis != Axis)
    Fault(Faults, "axis unknown after two hits");
  return Faults;
}
