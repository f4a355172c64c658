#include "Invariants.h"

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

// Whether any byte of a column differs: the cheap way to pass over the columns a shot leaves
// alone.
bool ColumnChanged(const TBoard& A, const TBoard& B, int X) {
  return std::memcmp(&A.Cells[X], &B.Cells[X], sizeof A.Cells[X]) != 0;
}

// Byte for byte, as the columns are compared: a fixed size the compiler compares inline.
bool SameCell(const TCell& A, const TCell& B) {
  return std::memcmp(&A, &B, sizeof A) == 0;
}

} // namespace

std::vector<std::string> CheckBoard(const TBoard& Board, TFleets& Fleets, int FirstShip,
                                    TBoardCheck Check) {
  std::vector<std::string> Faults;
  const bool InBattle = Check == TBoardCheck::bcBattle;
  int Owned[10][10] = {};
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
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y) {
      const TCell& Cell = Board(X, Y);
      if ((Cell.State == csShip) != (Cell.Ship != nullptr))
        Fault(Faults, "cell ", TPoint{X, Y}, ": state and ship disagree");
      if (Cell.State == csShip && Owned[X][Y] != 1)
        Fault(Faults, "cell ", TPoint{X, Y}, ": held by ", Owned[X][Y], " ships of the fleet");
    }
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
  if (std::memcmp(&FSeen, &FBoard, sizeof FBoard) == 0)
    return {};
  return {"a shot on the other board changed this one"};
}

std::vector<std::string> TBoardWatch::CheckShot() {
  std::vector<std::string> Faults;
  int NewHits = 0, NewMisses = 0;
  const TShip* HitShip = nullptr;
  // A shot marks at most its own cell, or the ring of the ship it sinks: 14 cells for a
  // four-decker.
  constexpr int MaxMisses = 16;
  std::array<TPoint, MaxMisses> Misses;
  for (int X = 0; X < 10; ++X) {
    // A column whose bytes are all the same holds the same cells: only the one or two columns
    // that a shot changes are read cell by cell, and then taken as seen.
    if (!ColumnChanged(FSeen, FBoard, X))
      continue;
    for (int Y = 0; Y < 10; ++Y) {
      const TCell &Old = FSeen(X, Y), &New = FBoard(X, Y);
      if (SameCell(Old, New))
        continue;
      if (Old.State == csEmpty && New.State == csMiss && New.Ship == Old.Ship &&
          New.IsHit == Old.IsHit) {
        if (NewMisses < MaxMisses)
          Misses[NewMisses] = {X, Y};
        ++NewMisses;
      } else if (Old.State == csShip && New.State == csShip && New.Ship == Old.Ship &&
                 New.IsHead == Old.IsHead && !Old.IsHit && New.IsHit) {
        ++NewHits;
        HitShip = New.Ship;
      } else {
        Fault(Faults, "cell ", TPoint{X, Y}, ": changed as no shot may change a cell (state ",
              int{Old.State}, " to ", int{New.State}, ")");
      }
    }
    FSeen.Cells[X] = FBoard.Cells[X];
  }
  const bool Sank = HitShip && HitShip->FState == ssSunk;
  if (NewHits + NewMisses == 0 && Faults.empty())
    Fault(Faults, "a shot changed no cell: it fell where a shot had fallen before");
  else if (NewHits > 1 || (NewHits == 0 && NewMisses != 1) ||
           (NewHits == 1 && NewMisses > 0 && !Sank))
    Fault(Faults, "one shot changed ", NewHits, " decks and ", NewMisses, " water cells");
  if (NewMisses > MaxMisses)
    Fault(Faults, "one shot marked ", NewMisses, " cells as known water");
  if (Sank && NewHits == 1)
    CheckRing(*HitShip, Misses.data(), std::min(NewMisses, MaxMisses), Faults);

  // Every ship but the one hit is as it was, and so are its cells, which the comparison above
  // found unchanged. The differences are gathered without a branch per ship.
  unsigned Changed = 0;
  for (int I = 0; I < TFleets::FleetSize; ++I)
    Changed |= static_cast<unsigned>(FShip[I] != HitShip && !(FShips[I] == FieldsOf(*FShip[I])))
               << I;
  for (int I = 0; I < TFleets::FleetSize; ++I)
    if (Changed & (1u << I))
      Fault(Faults, TShipNo{FFirstShip + I}, ": changed by a shot that did not hit it");
  // The ship hit gains one hit and still holds its decks.
  for (int I = 0; HitShip && I < TFleets::FleetSize; ++I)
    if (FShip[I] == HitShip) {
      TShipFields& Old = FShips[I];
      const TShipFields Now = FieldsOf(*HitShip);
      if (Now.Pos != Old.Pos || Now.Vertical != Old.Vertical || Now.Hits != Old.Hits + 1)
        Fault(Faults, TShipNo{FFirstShip + I}, ": hit, but not by one hit where it stood");
      CheckShipCells(FBoard, *HitShip, FFirstShip + I, true, Faults);
      Old = Now;
    }
  return Faults;
}

// The ring of a ship just sunk: every cell next to it, corners included, is known water now,
// and the new known water lies in that ring.
void TBoardWatch::CheckRing(const TShip& Ship, const TPoint* Misses, int Count,
                            std::vector<std::string>& Faults) const {
  const TPoint Head = Ship.FPos, Tail = Ship.Deck(Ship.FSize - 1);
  auto InRing = [&](int X, int Y) {
    return X >= Head.X - 1 && X <= Tail.X + 1 && Y >= Head.Y - 1 && Y <= Tail.Y + 1 &&
           !(X >= Head.X && X <= Tail.X && Y >= Head.Y && Y <= Tail.Y);
  };
  for (int M = 0; M < Count; ++M)
    if (!InRing(Misses[M].X, Misses[M].Y))
      Fault(Faults, "cell ", Misses[M], ": marked known water outside the ring of the ship sunk");
  for (int X = std::max(Head.X - 1, 0); X <= std::min(Tail.X + 1, 9); ++X)
    for (int Y = std::max(Head.Y - 1, 0); Y <= std::min(Tail.Y + 1, 9); ++Y)
      if (InRing(X, Y) && FBoard(X, Y).State == csEmpty)
        Fault(Faults, "cell ", TPoint{X, Y}, ": in the ring of a sunk ship but not marked");
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
