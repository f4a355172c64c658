// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TBoard.h"

#include <QColor>
#include <QFont>
#include <QPixmap>

class QPainter;
class TShip;

// What one board shows, read afresh at every paint.
struct TBoardView {
  const TBoard* Board = nullptr;
  const QPixmap* Background = nullptr;
  bool Player = true; // the player's board shows his ships; the computer's only sunk ones
  bool SetupMode = false;
  const TShip* SelectedShip = nullptr;
  bool BlinkOn = true;
  bool RevealEnemy = false;
  TPoint Framed{-1, -1}; // the cell under the keyboard's frame, if on the board
};

inline const QColor clGrid{192, 192, 192};
inline const QColor clFrame{255, 255, 0};

// Draws a whole board into a 336 × 336 paint box: background, grid, labels, the ships that
// may be seen and a cross on every cell known to be water.
void PaintBoard(QPainter& Painter, const TBoardView& View, QSize Size, const QFont& Font,
                const QColor& Text, const QColor& Face);
// The cross of a cell known to be water, given the cell's top-left pixel.
void DrawMissMark(QPainter& Painter, TPoint Pixel);
