// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TGameAccessible.h"

#include "BoardGeometry.h"
#include "GameTexts.h"
#include "Messages.h"
#include "TBoardAccessible.h"
#include "TBoardCellAccessible.h"
#include "TKeyboardPlay.h"
#include "TPaintBox.h"
#include "TSalvoraMainWin.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPushButton>

namespace {

// Boards are tables, the game's window a window and its status bar a status bar, which a
// screen reader reads out on its own command (plain widgets would be nameless fillers); every
// other widget keeps Qt's own interface.
QAccessibleInterface* BoardFactory(const QString&, QObject* Object) {
  if (auto* Box = dynamic_cast<TPaintBox*>(Object))
    return new TBoardAccessible(Box);
  if (auto* Window = dynamic_cast<TSalvoraMainWin*>(Object))
    return new QAccessibleWidget(Window, QAccessible::Window);
  auto* Window = dynamic_cast<TSalvoraMainWin*>(Object->parent());
  if (Window && Object == Window->StatusBar)
    return new QAccessibleWidget(Window->StatusBar, QAccessible::StatusBar);
  return nullptr;
}

QString TurnText(bool Mine) {
  return Mine ? TGameAccessible::tr("Ваш ход.") : TGameAccessible::tr("Ход противника.");
}

} // namespace

void TGameAccessible::InstallFactory() {
  static const bool Installed = (QAccessible::installFactory(BoardFactory), true);
  (void)Installed;
}

TGameAccessible::TGameAccessible(TSalvoraMainWin& Window) : QObject(&Window), FWindow(Window) {
  InstallFactory();
  // A name that the caption gives only with its padding.
  FWindow.btnOptions->setAccessibleName(FWindow.btnOptions->text().trimmed());
  CountersChanged();
  FWindow.StatusPanels[0]->setAccessibleDescription(tr("Ваш последний выстрел"));
  FWindow.StatusPanels[1]->setAccessibleDescription(tr("Выстрел противника"));
  FWindow.pnlResult->setAccessibleDescription(tr("Итог боя"));
  for (int Panel : {0, 1})
    FWindow.StatusPanels[Panel]->setAccessibleName(IdleNews(Panel));
}

QString TGameAccessible::BoardName(TSide Side) {
  return Side == TSide::sdMy ? tr("Ваше поле") : tr("Поле противника");
}

QString TGameAccessible::CellName(TSide Side, TPoint Cell) const {
  const TBattleController& Game = FWindow.FGame;
  const bool Mine = Side == TSide::sdMy;
  const TCell& C = (Mine ? Game.FMyBoard : Game.FEnemyBoard)[Cell];
  const char* Known = Mine ? QT_TR_NOOP("вода") : QT_TR_NOOP("неизвестно");
  if (C.State == csMiss) {
    Known = QT_TR_NOOP("известная вода");
  } else if (C.State == csShip) {
    if (C.Ship->FState == ssSunk)
      Known = QT_TR_NOOP("потопленный корабль");
    else if (C.IsHit)
      Known = QT_TR_NOOP("подбитая палуба");
    else if (Mine && C.Ship == Game.FSelectedShip && Game.FSetupMode)
      Known = QT_TR_NOOP("палуба выбранного корабля");
    else if (Mine || Game.FRevealEnemy)
      Known = QT_TR_NOOP("палуба корабля");
  }
  return RowName(Cell.Y) + QLatin1Char('-') + QString::number(Cell.X + 1) + QStringLiteral(": ") +
         tr(Known);
}

TPoint TGameAccessible::FramedCell(TSide Side) const {
  return FWindow.FKeyboard ? FWindow.FKeyboard->FramedCell(Side) : TPoint{-1, -1};
}

// "Ваш последний удар на Б-3: мимо. Ход противника."
QString TGameAccessible::ShotNews(int Panel) const {
  const TBattleController& Game = FWindow.FGame;
  const bool Mine = Panel == 0;
  const TPoint Shot = Mine ? Game.FLastShot : Game.FEnemyLastShot;
  const TCell& C = (Mine ? Game.FEnemyBoard : Game.FMyBoard)[Shot];
  const bool Hit = C.State == csShip && C.IsHit;
  QString News = FWindow.StatusPanels[Panel]->text() + QStringLiteral(": ");
  if (!Hit)
    News += tr("мимо. ");
  else if (C.Ship->FState == ssSunk)
    News += tr("корабль потоплен. ");
  else
    News += tr("попадание. ");
  if (Game.FEnemyLosses == TFleets::FleetSize)
    return News + QString::fromStdString(LoadStr(msgYouWin));
  if (Game.FMyLosses == TFleets::FleetSize)
    return News + QString::fromStdString(LoadStr(msgYouLost));
  // A hit earns the shooter another shot.
  return News + TurnText(Mine == Hit);
}

void TGameAccessible::StatusChanged(int Panel) {
  const bool Empty = FWindow.StatusPanels[Panel]->text().isEmpty();
  FShotLanding[Panel] = !Empty;
  if (!Empty)
    return; // told once its board shows where the shot landed
  if (Panel == 0)
    Announce(0, FWindow.FGame.FBattle ? tr("Бой начался. ") + TurnText(true) : IdleNews(0));
  else
    Announce(1, IdleNews(1));
}

void TGameAccessible::BoardChanged(TSide Side) {
  const int Panel = Side == TSide::sdEnemy ? 0 : 1; // the panel of the shots landing there
  if (FShotLanding[Panel]) {
    FShotLanding[Panel] = false;
    Announce(Panel, ShotNews(Panel), true);
  }
  if (QAccessible::isActive())
    NameCellsChanged(Side);
}

// The framed cell takes the focus whenever the frame goes to another cell.
void TGameAccessible::FrameMoved() {
  if (!QAccessible::isActive())
    return;
  for (TSide Side : {TSide::sdMy, TSide::sdEnemy}) {
    const TPoint Cell = FramedCell(Side);
    if (!InBoard(Cell))
      continue;
    if (FFocusSide == static_cast<int>(Side) && FFocusCell == Cell)
      return;
    FFocusSide = static_cast<int>(Side);
    FFocusCell = Cell;
    if (auto* Board = static_cast<TBoardAccessible*>(Table(Side))) {
      QAccessibleEvent Event(Board->Cell(Cell.Y, Cell.X), QAccessible::Focus);
      QAccessible::updateAccessibility(&Event);
    }
    return;
  }
  FFocusSide = -1;
}

QAccessibleInterface* TGameAccessible::Table(TSide Side) const {
  QAccessibleInterface* Board =
      QAccessible::queryAccessibleInterface(Side == TSide::sdMy ? FWindow.pbLeft : FWindow.pbRight);
  return Board && Board->tableInterface() ? Board : nullptr;
}

void TGameAccessible::NameCellsChanged(TSide Side) {
  auto* Board = static_cast<TBoardAccessible*>(Table(Side));
  if (!Board)
    return;
  auto& Said = FSaid[static_cast<int>(Side)];
  for (int Y = 0; Y < BoardSize; ++Y)
    for (int X = 0; X < BoardSize; ++X) {
      QString Name = CellName(Side, {X, Y});
      QString& Before = Said[Y * BoardSize + X];
      if (Name == Before)
        continue;
      const bool Told = !Before.isEmpty();
      Before = std::move(Name);
      if (Told) {
        QAccessibleEvent Event(Board->Cell(Y, X), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&Event);
      }
    }
}

// The counters show a bare number under a caption of their side: their names say what
// they count.
void TGameAccessible::CountersChanged() {
  static const std::array<const char*, 4> Captions = {
      QT_TR_NOOP("Ваши выстрелы: "), QT_TR_NOOP("Убито ваших кораблей: "),
      QT_TR_NOOP("Выстрелы противника: "), QT_TR_NOOP("Убито кораблей противника: ")};
  QLabel* const Counters[] = {FWindow.stShotsMy, FWindow.stKilledMy, FWindow.stShotsEnemy,
                              FWindow.stKilledEnemy};
  for (size_t I = 0; I < Captions.size(); ++I)
    Counters[I]->setAccessibleName(tr(Captions[I]) + Counters[I]->text());
}

QString TGameAccessible::IdleNews(int Panel) {
  return Panel == 0 ? tr("Новая игра: расставьте корабли.") : tr("Противник ещё не стрелял.");
}

// The panel's accessible name carries the news, its shown text stays as it is; the name
// change is the event a screen reader speaks. The name is never empty: a label without one
// tells every change of its text itself, and the shot would be told twice.
void TGameAccessible::Announce(int Panel, const QString& News, bool Again) {
  QLabel* Status = FWindow.StatusPanels[Panel];
  if (Status->accessibleName() != News) {
    Status->setAccessibleName(News);
  } else if (Again && QAccessible::isActive()) {
    QAccessibleEvent Event(Status, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&Event);
  }
}
