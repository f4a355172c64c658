// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TBoard.h"
#include "TShip.h"

#include <array>
#include <cstdint>
#include <memory>

// How a call of the random placement ended.
enum class TPlacementEnd : uint8_t {
  peStood,     // every ship stands
  peHopeless,  // a ship could never have stood: given up at once
  peOutOfTime, // the time limit ran out
};

// Both fleets and both boards. Ships 0..9 are the player's and stand on FMyBoard, ships
// 10..19 the computer's on FEnemyBoard; each fleet holds, in this order, four one-deckers,
// three two-deckers, two three-deckers and one four-decker.
class TFleets {
public:
  static constexpr int ShipCount = 20;
  static constexpr int FleetSize = 10;
  static constexpr int32_t PlacementLimitMs = 1500;
  // Failed attempts of one ship, a whole round of its diagonal, before the placement asks
  // whether that ship can stand at all: most ships stand long before, and asking costs more
  // than a round.
  static constexpr int32_t OutlookAfter = 10;

  // Entry d - 1 is the horizontal picture of a ship of d decks, entry d + 3 its vertical one.
  using TShipImages = std::array<const TBitmap*, 8>;

  TFleets() = default;
  TFleets(const TFleets&) = delete;
  TFleets& operator=(const TFleets&) = delete;
  ~TFleets() { FreeFleets(); }

  static int32_t DecksOf(int FleetIndex);

  void CreateFleets(const TShipImages& Images);
  void FreeFleets();

  TShip& Ship(int Index) { return *FShips[Index]; }
  TShip& MyShip(int FleetIndex) { return *FShips[FleetIndex]; }
  TShip& EnemyShip(int FleetIndex) { return *FShips[FleetSize + FleetIndex]; }

  // Empties the board's cells; every ship that stood there goes off the board, horizontal
  // and intact. Fire sprites and the repaint are the caller's.
  void ClearBoard(TBoard& Board);
  // Lines the player's fleet up along column 0, four-decker on row 0, one-deckers at the
  // bottom; returns the four-decker, which becomes the selected ship.
  TShip* LineUpPlayerFleet();
  // The first of the player's ships, in fleet order, that touches another ship; null if none.
  TShip* FirstShipWithoutClearance();
  // Places the computer's fleet at random on the empty FEnemyBoard. False when a ship could
  // never stand or the time limit ran out, leaving the board as it was then.
  bool PlaceEnemyFleet() { return PlaceFleet(FleetSize, FEnemyBoard); }
  // The same random placement for the player's fleet, for games played by a program.
  bool PlacePlayerFleet() { return PlaceFleet(0, FMyBoard); }

  TBoard FMyBoard;
  TBoard FEnemyBoard;
  std::array<std::unique_ptr<TShip>, ShipCount> FShips;
  // False: a hopeless ship walks on until the time limit, as the placement first did; the
  // simulator compares the fleets of both ways.
  bool FGiveUpHopeless = true;
  // How the last call of the placement ended, and its attempts over all its ships.
  TPlacementEnd FLastEnd = TPlacementEnd::peStood;
  int32_t FLastAttempts = 0;

private:
  bool PlaceFleet(int First, TBoard& Board);
};
