// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TGameScreen.h"
#include "TPoint.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <array>

class QAccessibleInterface;
class TSalvoraMainWin;

// What a screen reader learns of the game: the boards as tables of cells (through a factory
// of accessible interfaces), the keyboard's frame as the focused cell, and every shot, turn
// and end of game as an announcement on the status panel that shows it. The window calls the
// hooks below where its screen changes; nothing here changes what is drawn. While no
// assistive technology listens, no event is sent and the cells' names are not compared.
class TGameAccessible : public QObject {
  Q_DECLARE_TR_FUNCTIONS(TGameAccessible)

public:
  explicit TGameAccessible(TSalvoraMainWin& Window);
  // Before the window makes its boards: an interface asked for earlier stays Qt's own.
  static void InstallFactory();

  // "Б-3: подбитая палуба": the coordinate as the board labels it and what the player knows
  // of the cell; on the computer's board a deck neither hit nor revealed is unknown water.
  QString CellName(TSide Side, TPoint Cell) const;
  static QString BoardName(TSide Side);
  TPoint FramedCell(TSide Side) const;
  // What the status panel says to a screen reader once its shot has landed.
  QString ShotNews(int Panel) const;

  // Hooks of the window.
  void StatusChanged(int Panel);
  void CountersChanged();
  void BoardChanged(TSide Side);
  void FrameMoved();

private:
  QAccessibleInterface* Table(TSide Side) const;
  void NameCellsChanged(TSide Side);
  static QString IdleNews(int Panel);
  // Again: told even when the same news was the last one.
  void Announce(int Panel, const QString& News, bool Again = false);

  TSalvoraMainWin& FWindow;
  std::array<bool, 2>
      FShotLanding{}; // the panel's text named a shot whose board is not redrawn yet
  std::array<std::array<QString, 100>, 2> FSaid{}; // each cell's name as last told
  int FFocusSide = -1;
  TPoint FFocusCell{-1, -1};
};
