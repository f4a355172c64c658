// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TCell.h"
#include "TPoint.h"

#include <array>

inline constexpr int BoardSize = 10;

// One side's sea, indexed [X, Y]: X the column from the left, Y the row from the top.
struct TBoard {
  std::array<std::array<TCell, BoardSize>, BoardSize> Cells{};

  TCell& operator()(int X, int Y) { return Cells[X][Y]; }
  const TCell& operator()(int X, int Y) const { return Cells[X][Y]; }
  TCell& operator[](TPoint P) { return Cells[P.X][P.Y]; }
  const TCell& operator[](TPoint P) const { return Cells[P.X][P.Y]; }
};
