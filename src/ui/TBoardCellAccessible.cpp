// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TBoardCellAccessible.h"

#include "BoardGeometry.h"
#include "TBoardAccessible.h"
#include "TGameAccessible.h"
#include "TPaintBox.h"

#include <QWidget>

TBoardCellAccessible::TBoardCellAccessible(TBoardAccessible& Table, int Row, int Column)
    : FTable(Table), FRow(Row), FColumn(Column) {}

bool TBoardCellAccessible::isValid() const {
  return FTable.isValid();
}

QWindow* TBoardCellAccessible::window() const {
  return FTable.window();
}

QAccessibleInterface* TBoardCellAccessible::parent() const {
  return &FTable;
}

QAccessibleInterface* TBoardCellAccessible::table() const {
  return &FTable;
}

QString TBoardCellAccessible::text(QAccessible::Text Kind) const {
  const TGameAccessible* Game = FTable.Game();
  if (Kind != QAccessible::Name || !Game)
    return {};
  return Game->CellName(FTable.Side(), {FColumn, FRow});
}

QRect TBoardCellAccessible::rect() const {
  const QWidget* Box = FTable.Box();
  const TPoint Pixel = CellToPixel({FColumn, FRow});
  return QRect(Box->mapToGlobal(QPoint(Pixel.X, Pixel.Y)), QSize(CellPixels, CellPixels));
}

QAccessible::State TBoardCellAccessible::state() const {
  QAccessible::State State;
  State.focusable = true;
  const TGameAccessible* Game = FTable.Game();
  if (Game && Game->FramedCell(FTable.Side()) == TPoint{FColumn, FRow})
    State.focused = true;
  return State;
}

void* TBoardCellAccessible::interface_cast(QAccessible::InterfaceType Type) {
  if (Type == QAccessible::TableCellInterface)
    return static_cast<QAccessibleTableCellInterface*>(this);
  return nullptr;
}
