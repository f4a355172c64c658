// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TBoard.h"
#include "TPoint.h"

#include <array>
#include <bitset>
#include <cstdint>

class TShip;

// Whether a ship of the random placement, walking its wrapped diagonal, can still come to
// stand clear of the ships placed before it.
//
// Nothing but the turn drawn at each attempt is random in that walk: the next candidate, the
// ship's place and its orientation decide everything else. The attempts that may follow form
// a small graph over those states, at most 10 candidates × 201 places, each attempt with two
// outcomes, one per turn. A ship is doomed exactly when no state it can reach has an attempt
// that stands it; the walk would then spin until the time limit. The outlook reads the board
// once, draws nothing and changes nothing.
class TPlacementOutlook {
public:
  // The walk is about to attempt Candidate with the ship where it is now.
  TPlacementOutlook(const TBoard& Board, const TShip& Ship, TPoint Candidate);

  // False when the ship, about to attempt Candidate from where it is now, can never stand.
  bool CanStand(TPoint Candidate, const TShip& Ship) const;
  // Whether the state at construction could still lead to a standing ship.
  bool CanStandAtStart() const { return FGood[FStart]; }

private:
  static constexpr int Places = 201; // 2 orientations × 100 heads, and off the board
  static constexpr int OffBoard = 200;
  static constexpr int States = 10 * Places;
  static constexpr int16_t Stands = -1;

  struct TAttempt {
    std::array<int16_t, 2> Next; // by the turn drawn: the following state, or Stands
  };

  static int PlaceOf(const TShip& Ship);
  int StateOf(TPoint Candidate, int Place) const { return Candidate.X * Places + Place; }
  TAttempt Attempt(int State) const;
  bool Fits(TPoint Head, bool Vertical) const;
  bool Clear(TPoint Head, bool Vertical) const;
  bool Covers(int Place, TPoint Cell) const;

  // Decks of the other ships: row Y with bit X, column X with bit Y, and each row (column)
  // with the rows (columns) next to it.
  std::array<uint16_t, 10> FRows{}, FColumns{}, FRowsNear{}, FColumnsNear{};
  int32_t FSize = 1;
  bool FStartVertical = false; // the orientation of a ship that is off the board
  int32_t FDiagonal = 0;       // (X - Y) mod 10 of every candidate
  int FStart = 0;
  std::bitset<States> FGood; // reachable, and some attempt from it may stand
};
