// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TKeyboardPlay.h"

#include "BoardGeometry.h"
#include "TGameAccessible.h"
#include "TPaintBox.h"
#include "TSalvoraMainWin.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

namespace {

// The platform's key for the settings where it has one; Linux has none in Qt 6.4, so KDE's.
QList<QKeySequence> PreferencesKeys() {
  QList<QKeySequence> Keys = QKeySequence::keyBindings(QKeySequence::Preferences);
  if (Keys.isEmpty())
    Keys.append(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Comma));
  return Keys;
}

QString KeyNames(const TKeyBinding& Binding) {
  return Binding.Names ? TKeyboardPlay::tr(Binding.Names)
                       : Binding.Keys.value(0).toString(QKeySequence::NativeText);
}

const TKeyBinding& BindingOf(TKeyCommand Command) {
  const auto& All = TKeyboardPlay::Bindings();
  return *std::find_if(All.begin(), All.end(),
                       [Command](const TKeyBinding& B) { return B.Command == Command; });
}

// "Новая игра (Ctrl+N)"
QString WithKey(const QString& Caption, TKeyCommand Command) {
  return Caption.trimmed() + QStringLiteral(" (") + KeyNames(BindingOf(Command)) +
         QStringLiteral(")");
}

} // namespace

const std::vector<TKeyBinding>& TKeyboardPlay::Bindings() {
  using K = TKeyCommand;
  static const std::vector<TKeyBinding> All = {
      {K::kcLeft,
       {Qt::Key_Left},
       QT_TR_NOOP("Стрелки"),
       QT_TR_NOOP("двигают рамку по доске, что сейчас в игре")},
      {K::kcRight, {Qt::Key_Right}},
      {K::kcUp, {Qt::Key_Up}},
      {K::kcDown, {Qt::Key_Down}},
      {K::kcPress,
       {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter},
       QT_TR_NOOP("Пробел, Enter"),
       QT_TR_NOOP("как щелчок по клетке в рамке: выбрать или поставить корабль, выстрелить")},
      // The letters also in the Russian layout, where К lies on R's key: Qt looks the Latin
      // letter up there only when the layouts include a Latin one.
      {K::kcTurn,
       {Qt::Key_R, QKeySequence(QStringLiteral("К"))},
       "R (К)",
       QT_TR_NOOP("повернуть выбранный корабль")},
      {K::kcNextShip, {Qt::Key_Tab}, "Tab", QT_TR_NOOP("выбрать следующий корабль")},
      {K::kcPreviousShip,
       {QKeySequence(Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::SHIFT | Qt::Key_Tab)},
       "Shift+Tab",
       QT_TR_NOOP("выбрать предыдущий корабль")},
      {K::kcRandomFleet,
       {QKeySequence(Qt::CTRL | Qt::Key_R), QKeySequence(QStringLiteral("Ctrl+К"))},
       nullptr,
       QT_TR_NOOP("расставить корабли случайно")},
      {K::kcNew, QKeySequence::keyBindings(QKeySequence::New), nullptr, QT_TR_NOOP("новая игра")},
      {K::kcStart,
       {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)},
       nullptr,
       QT_TR_NOOP("начать бой")},
      {K::kcOptions, PreferencesKeys(), nullptr, QT_TR_NOOP("настройки")},
      {K::kcAbout, {Qt::Key_F1}, nullptr, QT_TR_NOOP("о программе")},
      {K::kcNetwork,
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)},
       nullptr,
       QT_TR_NOOP("игра по сети")},
  };
  return All;
}

QString TKeyboardPlay::KeysHelp() {
  QStringList Lines{tr("Клавиши:")};
  for (const TKeyBinding& Binding : Bindings())
    if (*Binding.Help)
      Lines.append(KeyNames(Binding) + QStringLiteral(" — ") + tr(Binding.Help));
  Lines.append(tr("Esc — закрыть окно диалога"));
  return Lines.join(QLatin1Char('\n'));
}

TKeyboardPlay::TKeyboardPlay(TSalvoraMainWin& Window) : QObject(&Window), FWindow(Window) {
  for (const TKeyBinding& Binding : Bindings()) {
    auto* Action = new QAction(this);
    Action->setShortcuts(Binding.Keys);
    Action->setShortcutContext(Qt::WindowShortcut);
    const TKeyCommand Command = Binding.Command;
    connect(Action, &QAction::triggered, this, [this, Command] { Perform(Command); });
    FWindow.addAction(Action);
  }
  FWindow.btnNew->setToolTip(WithKey(FWindow.btnNew->text(), TKeyCommand::kcNew));
  FWindow.btnStart->setToolTip(WithKey(FWindow.btnStart->text(), TKeyCommand::kcStart) +
                               QLatin1Char('\n') + tr("Расставить корабли случайно: ") +
                               KeyNames(BindingOf(TKeyCommand::kcRandomFleet)));
  FWindow.btnOptions->setToolTip(WithKey(FWindow.btnOptions->text(), TKeyCommand::kcOptions));
  FWindow.lblAbout->setToolTip(WithKey(FWindow.lblAbout->text(), TKeyCommand::kcAbout));
  FWindow.btnNet->setToolTip(WithKey(FWindow.btnNet->text(), TKeyCommand::kcNetwork));
  // A move over a widget that does not track the mouse reaches only the application's
  // filters, so the frame watches there.
  QCoreApplication::instance()->installEventFilter(this);
}

std::optional<TSide> TKeyboardPlay::BoardInPlay() const {
  if (FWindow.FGame.FSetupMode)
    return TSide::sdMy;
  if (FWindow.FGame.FBattle)
    return TSide::sdEnemy;
  return std::nullopt;
}

TPoint TKeyboardPlay::FramedCell(TSide Side) const {
  if (FShown && BoardInPlay() == Side)
    return FCursor[static_cast<int>(Side)];
  return {-1, -1};
}

void TKeyboardPlay::Perform(TKeyCommand Command) {
  const std::optional<TSide> Board = BoardInPlay();
  switch (Command) {
  case TKeyCommand::kcLeft:
  case TKeyCommand::kcRight:
  case TKeyCommand::kcUp:
  case TKeyCommand::kcDown:
    if (Board) {
      TPoint& Cell = FCursor[static_cast<int>(*Board)];
      const int Dx = Command == TKeyCommand::kcLeft ? -1 : Command == TKeyCommand::kcRight;
      const int Dy = Command == TKeyCommand::kcUp ? -1 : Command == TKeyCommand::kcDown;
      Cell = {std::clamp(Cell.X + Dx, 0, 9), std::clamp(Cell.Y + Dy, 0, 9)};
      ShowFrame();
    }
    break;
  case TKeyCommand::kcPress:
    if (Board)
      PressFramedCell(*Board, Qt::LeftButton);
    break;
  case TKeyCommand::kcTurn:
    if (Board == TSide::sdMy)
      PressFramedCell(TSide::sdMy, Qt::RightButton);
    break;
  case TKeyCommand::kcNextShip:
    SelectShip(1);
    break;
  case TKeyCommand::kcPreviousShip:
    SelectShip(-1);
    break;
  case TKeyCommand::kcRandomFleet:
    FWindow.FGame.ArrangePlayerFleet();
    break;
  case TKeyCommand::kcNew:
    FWindow.btnNew->click();
    break;
  case TKeyCommand::kcStart:
    FWindow.btnStart->click(); // a disabled button ignores it, as it ignores the mouse
    break;
  case TKeyCommand::kcOptions:
    FWindow.btnOptions->click();
    break;
  case TKeyCommand::kcAbout:
    FWindow.lblAboutClick();
    break;
  case TKeyCommand::kcNetwork:
    FWindow.btnNet->click(); // disabled while a network game is on
    break;
  }
  // The frame may have moved, or gone over to the other board with the start of the battle.
  FWindow.pbLeft->update();
  FWindow.pbRight->update();
  FWindow.FAccessible->FrameMoved();
}

void TKeyboardPlay::PressFramedCell(TSide Side, Qt::MouseButton Button) {
  ShowFrame();
  const TPoint Pixel = CellToPixel(FCursor[static_cast<int>(Side)]);
  const QPoint Centre(Pixel.X + CellPixels / 2, Pixel.Y + CellPixels / 2);
  if (Side == TSide::sdMy)
    FWindow.pbLeftMouseDown(Button, Centre);
  else
    FWindow.pbRightMouseDown(Button, Centre);
}

// The click on a deck of the neighbouring ship in fleet order, which selects it; the frame
// goes to its head, so that the next press moves it.
void TKeyboardPlay::SelectShip(int Step) {
  TBattleController& Game = FWindow.FGame;
  if (BoardInPlay() != TSide::sdMy || !Game.FSelectedShip)
    return;
  const int Size = TFleets::FleetSize;
  int Selected = 0;
  while (Selected < Size && &Game.FFleets.MyShip(Selected) != Game.FSelectedShip)
    ++Selected;
  const TPoint Head = Game.FFleets.MyShip((Selected + Step + Size) % Size).FPos;
  if (!InBoard(Head))
    return;
  FCursor[static_cast<int>(TSide::sdMy)] = Head;
  PressFramedCell(TSide::sdMy, Qt::LeftButton);
}

void TKeyboardPlay::ShowFrame() {
  FShown = true;
  FShownAt = QCursor::pos();
}

bool TKeyboardPlay::eventFilter(QObject* Watched, QEvent* Event) {
  if (!FShown)
    return false;
  // A game ends with its result shown, after its last repaint of the boards: the frame
  // leaves the computer's board then.
  const bool GameOver = Watched == FWindow.pnlResult && Event->type() == QEvent::Show;
  const bool MouseMoved = Event->type() == QEvent::MouseMove && Watched->isWidgetType() &&
                          static_cast<QWidget*>(Watched)->window() == &FWindow &&
                          static_cast<QMouseEvent*>(Event)->globalPosition().toPoint() != FShownAt;
  if (MouseMoved)
    FShown = false;
  if (MouseMoved || GameOver) {
    FWindow.pbLeft->update();
    FWindow.pbRight->update();
  }
  return false;
}
