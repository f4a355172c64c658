// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <cstdint>

// A cell (column X, row Y) or a pixel of a board.
struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;

  friend constexpr bool operator==(TPoint A, TPoint B) = default;
};
