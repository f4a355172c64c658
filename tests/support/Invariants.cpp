#include "Invariants.h"

#include "TFleets.h"

namespace {

std::string At(int X, int Y) {
  return "(" + std::to_string(X) + "," + std::to_string(Y) + ")";
}

} // namespace

std::vector<std::string> CheckBoard(const TBoard& Board, TFleets& Fleets, int FirstShip,
                                    TBoardCheck Check) {
  std::vector<std::string> Faults;
  const bool InBattle = Check != TBoardCheck::bcSetup;
  int Owned[10][10] = {};
  for (int I = FirstShip; I < FirstShip + TFleets::FleetSize; ++I) {
    const TShip& Ship = Fleets.Ship(I);
    const std::string Name = "ship " + std::to_string(I);
    const TShipState Expected = Ship.FHits == 0            ? ssIntact
                                : Ship.FHits == Ship.FSize ? ssSunk
                                                           : ssDamaged;
    if (Ship.FState != Expected || Ship.FHits < 0 || Ship.FHits > Ship.FSize)
      Faults.push_back(Name + ": state does not match its " + std::to_string(Ship.FHits) + " hits");
    if (!Ship.OnBoard()) {
      if (InBattle)
        Faults.push_back(Name + ": not on the board in battle");
      continue;
    }
    const TPoint Tail = Ship.Deck(Ship.FSize - 1);
    if (Tail.X > 9 || Tail.Y > 9) {
      Faults.push_back(Name + ": sticks out of the board");
      continue;
    }
    int Hits = 0;
    for (int K = 0; K < Ship.FSize; ++K) {
      const TPoint P = Ship.Deck(K);
      const TCell& Cell = Board[P];
      ++Owned[P.X][P.Y];
      if (Cell.State != csShip || Cell.Ship != &Ship)
        Faults.push_back(Name + ": deck " + At(P.X, P.Y) + " not held by it");
      if (Cell.IsHead != (K == 0))
        Faults.push_back(Name + ": head mark wrong at " + At(P.X, P.Y));
      Hits += Cell.IsHit ? 1 : 0;
    }
    if (InBattle && Hits != Ship.FHits)
      Faults.push_back(Name + ": " + std::to_string(Hits) + " hit decks but " +
                       std::to_string(Ship.FHits) + " hits");
    if (Check == TBoardCheck::bcBattle && !Ship.HasClearance())
      Faults.push_back(Name + ": touches another ship in battle");
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

std::vector<std::string> CheckBoardProgress(const TBoard& Before, const TBoard& After) {
  std::vector<std::string> Faults;
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y) {
      const TCell &Old = Before(X, Y), &New = After(X, Y);
      const bool Allowed = Old.State == New.State || (Old.State == csEmpty && New.State == csMiss);
      if (!Allowed)
        Faults.push_back("cell " + At(X, Y) + ": state went from " + std::to_string(Old.State) +
                         " to " + std::to_string(New.State));
      if (Old.State == csShip && Old.IsHit && !New.IsHit)
        Faults.push_back("cell " + At(X, Y) + ": a hit was undone");
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

std::vector<std::string> CheckSingleShot(const TBoard& Before, const TBoard& After) {
  std::vector<std::string> Faults;
  int NewHits = 0, NewMisses = 0;
  const TShip* HitShip = nullptr;
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y) {
      const TCell &Old = Before(X, Y), &New = After(X, Y);
      if (New.State == csShip && New.IsHit && !Old.IsHit) {
        ++NewHits;
        HitShip = New.Ship;
      }
      if (Old.State == csEmpty && New.State == csMiss)
        ++NewMisses;
    }
  const bool Sank = HitShip && HitShip->FState == ssSunk;
  if (NewHits + NewMisses == 0)
    Faults.push_back("a shot changed no cell: it fell where a shot had fallen before");
  else if (NewHits > 1 || (NewHits == 0 && NewMisses != 1) ||
           (NewHits == 1 && NewMisses > 0 && !Sank))
    Faults.push_back("one shot changed " + std::to_string(NewHits) + " decks and " +
                     std::to_string(NewMisses) + " water cells");
  return Faults;
}
