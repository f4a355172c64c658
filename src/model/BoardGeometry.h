// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TPoint.h"

#include <array>
#include <string_view>

// A board is shown in a 336 × 336 paint box: 32-pixel cells from pixel (16, 16), the
// 16-pixel strips at the left and the top carrying the labels.
inline constexpr int CellPixels = 32;
inline constexpr int GridOrigin = 16;
inline constexpr int BoardPixels = GridOrigin + 10 * CellPixels;

// Row labels top to bottom; Й is left out, so the tenth row is К.
inline constexpr std::array<std::string_view, 10> RowLetters = {"А", "Б", "В", "Г", "Д",
                                                                "Е", "Ж", "З", "И", "К"};

// Top-left pixel of a cell; no range check, so (-1, -1) gives (-16, -16).
constexpr TPoint CellToPixel(TPoint Cell) {
  return {GridOrigin + CellPixels * Cell.X, GridOrigin + CellPixels * Cell.Y};
}

// Division truncates toward zero, so the label strips count as column or row 0 and every
// pixel of the paint box gives a cell on the board.
constexpr TPoint PixelToCell(TPoint Pixel) {
  return {(Pixel.X - GridOrigin) / CellPixels, (Pixel.Y - GridOrigin) / CellPixels};
}

constexpr bool InBoard(TPoint Cell) {
  return Cell.X >= 0 && Cell.X <= 9 && Cell.Y >= 0 && Cell.Y <= 9;
}
