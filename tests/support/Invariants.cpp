#include "Invariants.h"

#include "TFleets.h"

#include <algorithm>
#include <cstring>

namespace {

std::string At(int X, int Y) {
  return "(" + std::to_string(X) + "," + std::to_string(Y) + ")";
}

} // namespace

namespace {

std::string ShipName(int I) {
  return "ship " + std::to_string(I);
}

// The ship's decks hold it, its head alone is marked, and its damage matches its hit decks.
void CheckShipCells(const TBoard& Board, const TShip& Ship, int I, bool InBattle,
                    std::vector<std::string>& Faults) {
  const TShipState Expected = Ship.FHits == 0            ? ssIntact
                              : Ship.FHits == Ship.FSize ? ssSunk
                                                         : ssDamaged;
  if (Ship.FState != Expected || Ship.FHits < 0 || Ship.FHits > Ship.FSize)
    Faults.push_back(ShipName(I) + ": state does not match its " + std::to_string(Ship.FHits) +
                     " hits");
  if (!Ship.OnBoard()) {
    if (InBattle)
      Faults.push_back(ShipName(I) + ": not on the board in battle");
    return;
  }
  const TPoint Tail = Ship.Deck(Ship.FSize - 1);
  if (Tail.X > 9 || Tail.Y > 9) {
    Faults.push_back(ShipName(I) + ": sticks out of the board");
    return;
  }
  int Hits = 0;
  for (int K = 0; K < Ship.FSize; ++K) {
    const TPoint P = Ship.Deck(K);
    const TCell& Cell = Board[P];
    if (Cell.State != csShip || Cell.Ship != &Ship)
      Faults.push_back(ShipName(I) + ": deck " + At(P.X, P.Y) + " not held by it");
    if (Cell.IsHead != (K == 0))
      Faults.push_back(ShipName(I) + ": head mark wrong at " + At(P.X, P.Y));
    Hits += Cell.IsHit ? 1 : 0;
  }
  if (InBattle && Hits != Ship.FHits)
    Faults.push_back(ShipName(I) + ": " + std::to_string(Hits) + " hit decks but " +
                     std::to_string(Ship.FHits) + " hits");
}

// Whether any byte of a column differs: the cheap way to pass over the columns a shot leaves
// alone.
bool ColumnChanged(const TBoard& A, const TBoard& B, int X) {
  return std::memcmp(&A.Cells[X], &B.Cells[X], sizeof A.Cells[X]) != 0;
}

bool SameCell(const TCell& A, const TCell& B) {
  return A.State == B.State && A.Ship == B.Ship && A.IsHead == B.IsHead && A.IsHit == B.IsHit;
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
      Faults.push_back(ShipName(I) + ": touches another ship in battle");
  }
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y) {
      const TCell& Cell = Board(X, Y);
      if ((Cell.State == csShip) != (Cell.Ship != nullptr))
        Faults.push_back("cell " + At(X, Y) + ": state and ship disagree");
      if (Cell.State == csShip && Owned[X][Y] != 1)
        Faults.push_back("cell " + At(X, Y) + ": held by " + std::to_string(Owned[X][Y]) +
                         " ships of the fleet");
    }
  return Faults;
}

TBoardWatch::TBoardWatch(const TBoard& Board, TFleets& Fleets, int FirstShip)
    : FBoard(Board), FFleets(Fleets), FFirstShip(FirstShip), FSeen(Board) {
  for (int I = 0; I < TFleets::FleetSize; ++I) {
    const TShip& Ship = Fleets.Ship(FirstShip + I);
    FShips[I] = {Ship.FPos, Ship.FVertical, Ship.FState, Ship.FHits};
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
        Faults.push_back("cell " + At(X, Y) + ": changed as no shot may change a cell (state " +
                         std::to_string(Old.State) + " to " + std::to_string(New.State) + ")");
      }
    }
    FSeen.Cells[X] = FBoard.Cells[X];
  }
  const bool Sank = HitShip && HitShip->FState == ssSunk;
  if (NewHits + NewMisses == 0 && Faults.empty())
    Faults.push_back("a shot changed no cell: it fell where a shot had fallen before");
  else if (NewHits > 1 || (NewHits == 0 && NewMisses != 1) ||
           (NewHits == 1 && NewMisses > 0 && !Sank))
    Faults.push_back("one shot changed " + std::to_string(NewHits) + " decks and " +
                     std::to_string(NewMisses) + " water cells");
  if (NewMisses > MaxMisses)
    Faults.push_back("one shot marked " + std::to_string(NewMisses) + " cells as known water");
  if (Sank && NewHits == 1) {
    // The ring: every cell next to the sunk ship, corners included, is known water now, and
    // the new known water lies in that ring.
    const TPoint Head = HitShip->FPos, Tail = HitShip->Deck(HitShip->FSize - 1);
    auto InRing = [&](int X, int Y) {
      return X >= Head.X - 1 && X <= Tail.X + 1 && Y >= Head.Y - 1 && Y <= Tail.Y + 1 &&
             !(X >= Head.X && X <= Tail.X && Y >= Head.Y && Y <= Tail.Y);
    };
    for (int M = 0; M < std::min(NewMisses, MaxMisses); ++M)
      if (!InRing(Misses[M].X, Misses[M].Y))
        Faults.push_back("cell " + At(Misses[M].X, Misses[M].Y) +
                         ": marked known water outside the ring of the ship sunk");
    for (int X = std::max(Head.X - 1, 0); X <= std::min(Tail.X + 1, 9); ++X)
      for (int Y = std::max(Head.Y - 1, 0); Y <= std::min(Tail.Y + 1, 9); ++Y)
        if (InRing(X, Y) && FBoard(X, Y).State == csEmpty)
          Faults.push_back("cell " + At(X, Y) + ": in the ring of a sunk ship but not marked");
  }
  // The ship hit gains one hit and still holds its decks; every other ship is as it was, and
  // so are its cells, which the comparison above found unchanged.
  for (int I = 0; I < TFleets::FleetSize; ++I) {
    const TShip& Ship = FFleets.Ship(FFirstShip + I);
    TShipFields& Old = FShips[I];
    const bool Hit = &Ship == HitShip;
    if (Ship.FPos != Old.Pos || Ship.FVertical != Old.Vertical ||
        Ship.FHits != Old.Hits + (Hit ? 1 : 0) || (!Hit && Ship.FState != Old.State))
      Faults.push_back(ShipName(FFirstShip + I) + ": changed by a shot that did not hit it");
    if (Hit) {
      CheckShipCells(FBoard, Ship, FFirstShip + I, true, Faults);
      Old = {Ship.FPos, Ship.FVertical, Ship.FState, Ship.FHits};
    }
  }
  return Faults;
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
      Faults.push_back("no wounded cells but an axis guess");
    if (DamagedCount != 0)
      Faults.push_back("no wounded cells but a damaged ship");
    return Faults;
  }
  if (DamagedCount != 1) {
    Faults.push_back(std::to_string(DamagedCount) + " damaged ships while hunting");
    return Faults;
  }
  for (TPoint P : Wounded) {
    const TCell& Cell = MyBoard[P];
    if (Cell.State != csShip || Cell.Ship != Damaged || !Cell.IsHit)
      Faults.push_back("wounded cell " + At(P.X, P.Y) + " is not a hit deck of the damaged ship");
  }
  if (static_cast<int>(Wounded.size()) != Damaged->FHits)
    Faults.push_back("wounded list holds " + std::to_string(Wounded.size()) + " cells for " +
                     std::to_string(Damaged->FHits) + " hits");
  const int32_t Axis = Damaged->FVertical ? TTargeting::axY : TTargeting::axX;
  if (Targeting.FHuntAxis != TTargeting::axNone && Targeting.FHuntAxis != Axis)
    Faults.push_back("axis guess is not the ship's axis");
  if (Wounded.size() >= 2 && Targeting.FHuntAxis != Axis)
    Faults.push_back("axis unknown after two hits");
  return Faults;
}
