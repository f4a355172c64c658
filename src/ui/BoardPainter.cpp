// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "BoardPainter.h"

#include "BoardGeometry.h"
#include "GameTexts.h"
#include "TCanvas.h"
#include "TShip.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

void DrawMissMark(QPainter& Painter, TPoint Pixel) {
  // Two diagonals of 12 steps, each step two pixels wide; the end points stay unpainted, as
  // a line to a point leaves that point.
  for (int K = 0; K < 12; ++K) {
    Painter.fillRect(Pixel.X + 10 + K, Pixel.Y + 10 + K, 2, 1, clGrid);
    Painter.fillRect(Pixel.X + 10 + K, Pixel.Y + 22 - K, 2, 1, clGrid);
  }
}

namespace {

// A grid line one logical pixel wide, laid on whole device pixels and as wide as the scale
// rounded: at a fractional scale (1.2, 1.4, 1.6...) a plain one-pixel fill comes out one or
// two device pixels wide depending on where it falls, and the grid looks uneven.
void GridLine(QPainter& Painter, QRect Line) {
  const QTransform ToDevice = Painter.deviceTransform();
  const int Width = std::max(1, qRound(ToDevice.m11()));
  const QRectF Device = ToDevice.mapRect(QRectF(Line));
  const int Left = qRound(Device.left()), Top = qRound(Device.top());
  const QRectF Snapped = Line.width() == 1
                             ? QRectF(Left, Top, Width, qRound(Device.bottom()) - Top)
                             : QRectF(Left, Top, qRound(Device.right()) - Left, Width);
  Painter.fillRect(ToDevice.inverted().mapRect(Snapped), clGrid);
}

} // namespace

void PaintBoard(QPainter& Painter, const TBoardView& View, QSize Size, const QFont& Font,
                const QColor& Text, const QColor& Face) {
  if (View.Background)
    Painter.drawPixmap(GridOrigin, GridOrigin, *View.Background);

  Painter.setFont(Font);
  Painter.setPen(Text);
  const QFontMetrics Metrics(Font);
  for (int I = 0; I < 10; ++I) {
    const int P = GridOrigin + CellPixels * I;
    GridLine(Painter, {GridOrigin, P, Size.width() - GridOrigin, 1});
    GridLine(Painter, {P, GridOrigin, 1, Size.height() - GridOrigin});

    const QString Column = QString::number(I + 1);
    const QRect ColumnBox(P + (CellPixels - Metrics.horizontalAdvance(Column)) / 2, 2,
                          Metrics.horizontalAdvance(Column), Metrics.height());
    Painter.fillRect(ColumnBox, Face);
    Painter.drawText(ColumnBox, Qt::AlignLeft | Qt::AlignTop, Column);

    const QString Row = RowName(I);
    const QRect RowBox(2, P + (CellPixels - Metrics.height()) / 2, Metrics.horizontalAdvance(Row),
                       Metrics.height());
    Painter.fillRect(RowBox, Face);
    Painter.drawText(RowBox, Qt::AlignLeft | Qt::AlignTop, Row);
  }

  if (!View.Board)
    return;
  TCanvas Canvas{Painter};
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y) {
      const TCell& Cell = (*View.Board)(X, Y);
      if (Cell.State == csMiss) {
        DrawMissMark(Painter, CellToPixel({X, Y}));
      } else if (Cell.State == csShip) {
        const TShip& Ship = *Cell.Ship;
        if (View.Player) {
          const bool Hidden = View.SetupMode && &Ship == View.SelectedShip && !View.BlinkOn;
          if (Cell.IsHead && !Hidden)
            Ship.Draw(Canvas);
        } else if (Ship.FState == ssSunk || View.RevealEnemy) {
          Ship.Draw(Canvas);
        }
      }
    }
  if (InBoard(View.Framed)) { // two pixels inside the grid lines, above the ships
    const TPoint At = CellToPixel(View.Framed);
    const QRect Cell(At.X + 1, At.Y + 1, CellPixels - 1, CellPixels - 1);
    Painter.fillRect(Cell.left(), Cell.top(), Cell.width(), 2, clFrame);
    Painter.fillRect(Cell.left(), Cell.bottom() - 1, Cell.width(), 2, clFrame);
    Painter.fillRect(Cell.left(), Cell.top(), 2, Cell.height(), clFrame);
    Painter.fillRect(Cell.right() - 1, Cell.top(), 2, Cell.height(), clFrame);
  }
}
