// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TBoard.h"

#include <array>
#include <cstdint>
#include <vector>

// The computer's choice of target on the player's board: next to its hits on a ship still
// afloat, guided by a guess of that ship's axis, otherwise at random among the cells still
// worth a shot. It reads the whole board, unshot decks included.
class TTargeting {
public:
  static constexpr int32_t axNone = -1, axX = 0, axY = 1;

  // Four orders of the neighbours (dx, dy): rows 0 and 1 along X first, rows 2 and 3
  // along Y first.
  static constexpr std::array<std::array<TPoint, 4>, 4> HuntSteps = {{
      {{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}},
      {{{-1, 0}, {1, 0}, {0, 1}, {0, -1}}},
      {{{0, 1}, {0, -1}, {1, 0}, {-1, 0}}},
      {{{0, -1}, {0, 1}, {1, 0}, {-1, 0}}},
  }};

  // The cell of the computer's next shot.
  TPoint ChooseTarget(const TBoard& Board);
  // A cell next to a wounded one that is neither known water nor hit. X and Y hold the last
  // candidate examined, also when the result is false.
  bool PickNearWounded(const TBoard& Board, int32_t& X, int32_t& Y);
  // Uniform among the cells that are unknown water or decks of intact ships.
  TPoint RandomTarget(const TBoard& Board);
  void ClearWounded() { FWounded.clear(); }

  // Hits on the one damaged player ship, in the order they were made.
  std::vector<TPoint> FWounded;
  int32_t FHuntAxis = 0;
};
