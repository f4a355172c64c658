// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TGameScreen.h"

#include <QAccessibleWidget>
#include <array>

class TBoardCellAccessible;
class TGameAccessible;
class TPaintBox;

// A board as a screen reader sees it: a table of ten rows (А … К) by ten columns (1 … 10)
// whose cells say their coordinate and what is known of them. The cells are made with the
// table and live as long as it does.
class TBoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
  explicit TBoardAccessible(TPaintBox* Box);
  ~TBoardAccessible() override;

  TSide Side() const;
  TPaintBox* Box() const;
  // Null until the window has made it.
  const TGameAccessible* Game() const;
  TBoardCellAccessible* Cell(int Row, int Column) const;

  // QAccessibleInterface
  void* interface_cast(QAccessible::InterfaceType Type) override;
  QString text(QAccessible::Text Kind) const override;
  int childCount() const override;
  QAccessibleInterface* child(int Index) const override;
  int indexOfChild(const QAccessibleInterface* Child) const override;
  QAccessibleInterface* childAt(int X, int Y) const override;
  QAccessibleInterface* focusChild() const override;

  // QAccessibleTableInterface
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int Row, int Column) const override;
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int Column) const override;
  QString rowDescription(int Row) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return 10; }
  int rowCount() const override { return 10; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
  std::array<TBoardCellAccessible*, 100> FCells{}; // row by row; owned by Qt's registry
  std::array<QAccessible::Id, 100> FCellIds{};
};
