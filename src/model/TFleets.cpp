// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TFleets.h"

#include "TClock.h"
#include "TPlacementOutlook.h"
#include "TRandomSource.h"

#include <optional>

int32_t TFleets::DecksOf(int FleetIndex) {
  return FleetIndex < 4 ? 1 : FleetIndex < 7 ? 2 : FleetIndex < 9 ? 3 : 4;
}

void TFleets::CreateFleets(const TShipImages& Images) {
  for (int I = 0; I < ShipCount; ++I) {
    const int32_t Decks = DecksOf(I % FleetSize);
    FShips[I] = std::make_unique<TShip>(Images[Decks - 1], Images[Decks + 3], Decks);
  }
}

void TFleets::FreeFleets() {
  for (auto& Ship : FShips)
    Ship.reset();
}

// A ship is reset at its head, the first of its cells in this order, and Reset empties all
// of its cells at once, so every ship is reset exactly once.
void TFleets::ClearBoard(TBoard& Board) {
  for (auto& Column : Board.Cells)
    for (TCell& Cell : Column) {
      if (Cell.Ship)
        Cell.Ship->Reset();
      Cell = TCell{};
    }
}

TShip* TFleets::LineUpPlayerFleet() {
  for (int I = FleetSize - 1; I >= 0; --I) {
    MyShip(I).SetBoard(&FMyBoard);
    MyShip(I).MoveTo({0, FleetSize - 1 - I});
  }
  return &MyShip(FleetSize - 1);
}

TShip* TFleets::FirstShipWithoutClearance() {
  for (int I = 0; I < FleetSize; ++I)
    if (!MyShip(I).HasClearance())
      return &MyShip(I);
  return nullptr;
}

// Each ship walks one wrapped diagonal from a random cell, with a random turn at every
// attempt, until it stands clear of the others. The clock is read only after a failed
// attempt, and the unsigned difference survives the wrap of the tick count.
//
// A ship that has failed a whole round of its diagonal asks whether any walk from there can
// still stand it; when none can, the placement gives up at once instead of spinning out the
// time limit. The question draws nothing, so every placement that goes on is the very walk
// it would have been, draw for draw.
bool TFleets::PlaceFleet(int First, TBoard& Board) {
  Randomize();
  const uint32_t Start = TClock::GetTickCount();
  FLastAttempts = 0;
  std::optional<TPlacementOutlook> Outlook;
  for (int I = First; I < First + FleetSize; ++I) {
    TShip& Ship = *FShips[I];
    Ship.SetBoard(&Board);
    TPoint P;
    P.X = static_cast<int32_t>(Random(10));
    P.Y = static_cast<int32_t>(Random(10));
    Outlook.reset();
    for (int32_t Failed = 0;; ++Failed) {
      ++FLastAttempts;
      if (Board[P].State == csEmpty && Ship.MoveTo(P) && (Random(2) == 0 || Ship.Rotate()) &&
          Ship.HasClearance())
        break;
      P = {(P.X + 1) % 10, (P.Y + 1) % 10};
      if (FGiveUpHopeless && Failed + 1 >= OutlookAfter) {
        if (!Outlook)
          Outlook.emplace(Board, Ship, P);
        if (!Outlook->CanStand(P, Ship)) {
          FLastEnd = TPlacementEnd::peHopeless;
          return false;
        }
      }
      if (TClock::GetTickCount() - Start > static_cast<uint32_t>(PlacementLimitMs)) {
        FLastEnd = TPlacementEnd::peOutOfTime;
        return false;
      }
    }
  }
  FLastEnd = TPlacementEnd::peStood;
  return true;
}
