// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TBoard.h"
#include "TShip.h"
#include "TTargeting.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TFleets;

// Checks of what must hold on a board and in the computer's targeting; each returns the
// violations it found as readable lines, none when all is well. They cost next to nothing
// while all is well, so the simulator runs them after every shot of every game.

enum class TBoardCheck {
  bcSetup,  // ships may be off the board and may touch
  bcBattle, // every ship stands, clear of the others, and its hits are its hit decks
};

// Every cell and every ship of one fleet agree: decks where the ships say, heads marked,
// hits counted, and in battle no two ships touching.
std::vector<std::string> CheckBoard(const TBoard& Board, TFleets& Fleets, int FirstShip,
                                    TBoardCheck Check);
// Follows the board of one fleet, the fleet from FirstShip, through a battle, from a start
// that the full check has found sound. After every shot on this board it works out what the
// rules say the shot does (the cell shot becomes known water or a hit deck, the ship hit counts
// one more hit, a ship sunk has its ring marked as known water) and requires the board to be
// exactly that, byte for byte, and every ship of the fleet too. By induction from the full
// check at the start, every cell and every ship are so checked after every shot. Whatever
// changed here since the last check counts, so a shot on the other board that touched this one
// shows at the next check, and CheckUntouched finds it at the end of a game.
class TBoardWatch {
public:
  TBoardWatch(const TBoard& Board, TFleets& Fleets, int FirstShip);

  // After a shot at Cell, the cell the game says it shot.
  std::vector<std::string> CheckShot(TPoint Cell);
  std::vector<std::string> CheckUntouched() const;

private:
  struct TShipFields {
    TPoint Pos;
    bool Vertical = false;
    TShipState State = ssIntact;
    int32_t Hits = 0;

    // Field by field in registers, with no branch, so that ten ships compare quickly. (Built
    // in memory and compared as bytes, the small stores stall the wide loads.)
    friend bool operator==(const TShipFields& A, const TShipFields& B) {
      return ((A.Pos.X ^ B.Pos.X) | (A.Pos.Y ^ B.Pos.Y) | (A.Vertical ^ B.Vertical) |
              (A.State ^ B.State) | (A.Hits ^ B.Hits)) == 0;
    }
  };
  static TShipFields FieldsOf(const TShip& Ship) {
    return {Ship.FPos, Ship.FVertical, Ship.FState, Ship.FHits};
  }
  int IndexOf(const TShip* Ship) const;
  void ExpectRing(const TShipFields& Ship, int32_t Size);
  void ReportCells(TPoint Shot, std::vector<std::string>& Faults);
  void ReportShips(TPoint Shot, unsigned Changed, std::vector<std::string>& Faults);

  const TBoard& FBoard;
  int FFirstShip = 0;
  TBoard FSeen;                         // the board as the last check left it, then as due
  std::array<const TShip*, 10> FShip{}; // the fleet's ships
  std::array<TShipFields, 10> FShips{}; // their fields as last seen, then as due
};
// The wounded list holds all the hit decks of the one damaged player ship, and the axis
// guess is unknown or that ship's axis, known once two decks are hit.
std::vector<std::string> CheckTargeting(const TTargeting& Targeting, const TBoard& MyBoard,
                                        TFleets& Fleets);
