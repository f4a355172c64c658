#pragma once

#include "TBoard.h"
#include "TTargeting.h"

#include <string>
#include <vector>

class TFleets;

// Checks of what must hold on a board and in the computer's targeting; each returns the
// violations it found as readable lines, none when all is well.

enum class TBoardCheck {
  bcSetup,      // ships may be off the board and may touch
  bcBattle,     // every ship stands, clear of the others, and its hits are its hit decks
  bcBattleShot, // as in battle, less the clearance, which no shot can change
};

// Every cell and every ship of one fleet agree: decks where the ships say, heads marked,
// hits counted, and in battle no two ships touching.
std::vector<std::string> CheckBoard(const TBoard& Board, TFleets& Fleets, int FirstShip,
                                    TBoardCheck Check);
// Once the battle runs, a cell's state only goes from empty to miss, and a hit stays a hit.
std::vector<std::string> CheckBoardProgress(const TBoard& Before, const TBoard& After);
// The wounded list holds all the hit decks of the one damaged player ship, and the axis
// guess is unknown or that ship's axis, known once two decks are hit.
std::vector<std::string> CheckTargeting(const TTargeting& Targeting, const TBoard& MyBoard,
                                        TFleets& Fleets);
// One computer shot changed exactly one cell that had not been shot, besides the ring of a
// ship it sank.
std::vector<std::string> CheckSingleShot(const TBoard& Before, const TBoard& After);
