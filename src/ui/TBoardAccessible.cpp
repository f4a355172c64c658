// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TBoardAccessible.h"

#include "BoardGeometry.h"
#include "GameTexts.h"
#include "TBoardCellAccessible.h"
#include "TGameAccessible.h"
#include "TPaintBox.h"
#include "TSalvoraMainWin.h"

TBoardAccessible::TBoardAccessible(TPaintBox* Box) : QAccessibleWidget(Box, QAccessible::Table) {
  for (int I = 0; I < 100; ++I) {
    FCells[I] = new TBoardCellAccessible(*this, I / 10, I % 10);
    FCellIds[I] = QAccessible::registerAccessibleInterface(FCells[I]);
  }
}

// Qt's registry owns the cells once registered; they go with their table.
TBoardAccessible::~TBoardAccessible() {
  for (QAccessible::Id Id : FCellIds)
    QAccessible::deleteAccessibleInterface(Id);
}

const TGameAccessible* TBoardAccessible::Game() const {
  const auto* Window = dynamic_cast<const TSalvoraMainWin*>(widget()->window());
  return Window ? Window->FAccessible : nullptr;
}

TPaintBox* TBoardAccessible::Box() const {
  return static_cast<TPaintBox*>(widget());
}

TSide TBoardAccessible::Side() const {
  return Box()->FTag == 0 ? TSide::sdMy : TSide::sdEnemy;
}

TBoardCellAccessible* TBoardAccessible::Cell(int Row, int Column) const {
  if (Row < 0 || Row >= 10 || Column < 0 || Column >= 10)
    return nullptr;
  return FCells[Row * 10 + Column];
}

void* TBoardAccessible::interface_cast(QAccessible::InterfaceType Type) {
  if (Type == QAccessible::TableInterface)
    return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(Type);
}

QString TBoardAccessible::text(QAccessible::Text Kind) const {
  if (Kind == QAccessible::Name)
    return TGameAccessible::BoardName(Side());
  return QAccessibleWidget::text(Kind);
}

int TBoardAccessible::childCount() const {
  return 100;
}

QAccessibleInterface* TBoardAccessible::child(int Index) const {
  return Index >= 0 && Index < 100 ? FCells[Index] : nullptr;
}

int TBoardAccessible::indexOfChild(const QAccessibleInterface* Child) const {
  for (int I = 0; I < 100; ++I)
    if (FCells[I] == Child)
      return I;
  return -1;
}

// X and Y in screen pixels; the label strips belong to no cell.
QAccessibleInterface* TBoardAccessible::childAt(int X, int Y) const {
  const QPoint Pixel = widget()->mapFromGlobal(QPoint(X, Y));
  if (Pixel.x() < GridOrigin || Pixel.y() < GridOrigin)
    return nullptr;
  const TPoint At = PixelToCell({Pixel.x(), Pixel.y()});
  return Cell(At.Y, At.X);
}

QAccessibleInterface* TBoardAccessible::focusChild() const {
  const TGameAccessible* Game = this->Game();
  if (!Game)
    return nullptr;
  const TPoint Framed = Game->FramedCell(Side());
  return InBoard(Framed) ? Cell(Framed.Y, Framed.X) : nullptr;
}

QAccessibleInterface* TBoardAccessible::cellAt(int Row, int Column) const {
  return Cell(Row, Column);
}

QString TBoardAccessible::columnDescription(int Column) const {
  return QString::number(Column + 1);
}

QString TBoardAccessible::rowDescription(int Row) const {
  if (Row < 0 || Row >= 10)
    return {};
  return RowName(Row);
}
