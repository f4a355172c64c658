// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TKeyboardPlay.h"

#include "BoardGeometry.h"
#include "TClock.h"
#include "TCueWait.h"
#include "TJvGIFAnimator.h"
#include "TPaintBox.h"
#include "TSalvoraMainWin.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

const TPoint Spread[10] = {{9, 8}, {7, 8}, {5, 8}, {8, 6}, {5, 6},
                           {8, 4}, {5, 4}, {5, 2}, {5, 0}, {0, 0}};

enum class TState { stSetup, stBattle, stFlying, stOver, stCue };

// A window of its own for each case, so that no frame is left over from the one before.
struct TKeyGame {
  QTemporaryDir Folder;
  std::unique_ptr<TSalvoraMainWin> Owned;
  TSalvoraMainWin& Window = Open();
  TBattleController& Game = Window.FGame;
  QString DialogShown;
  // The same random arrangements every run, and placements that give up without a wait.
  uint64_t Counter = 2026;
  uint32_t Ticks = 0;

  TKeyGame() {
    TClock::SetCounter([this] { return Counter++; });
    TClock::SetTickCount([this] { return Ticks++; });
  }
  ~TKeyGame() {
    TClock::SetCounter({});
    TClock::SetTickCount({});
  }
  TSalvoraMainWin& Open() {
    Owned = std::make_unique<TSalvoraMainWin>(
        QDir(Folder.path()).filePath(QStringLiteral("salvora.ini")));
    Owned->show();
    Owned->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(Owned.get()));
    return *Owned;
  }
  void Enter(TState State) {
    if (State == TState::stSetup || State == TState::stCue)
      return;
    for (int I = 8; I >= 0; --I)
      ASSERT_TRUE(Game.FFleets.MyShip(I).MoveTo(Spread[I]));
    Window.btnStartClick();
    ASSERT_TRUE(Game.FBattle);
    Game.FFleets.ClearBoard(Game.FEnemyBoard);
    for (int I = 9; I >= 0; --I)
      ASSERT_TRUE(Game.FFleets.EnemyShip(I).MoveTo(Spread[I]));
    if (State == TState::stFlying)
      Window.pbRightMouseDown(Qt::LeftButton, {16 + 32 * 4 + 5, 16 + 32 * 4 + 5});
    if (State == TState::stOver)
      Game.FBattle = false; // the flags of a finished game
  }
  // With the text given, so that a key beyond ASCII (К) goes through as well.
  void Press(QKeyCombination Key) {
    for (QTest::KeyAction Action : {QTest::Press, QTest::Release})
      QTest::sendKeyEvent(Action, &Window, Key.key(), QString(), Key.keyboardModifiers());
  }
  // Closes the next modal dialog with Esc as soon as it shows, noting its caption.
  void AnswerDialogWithEsc() {
    QTimer::singleShot(0, [this] {
      if (QWidget* Dialog = QApplication::activeModalWidget()) {
        DialogShown = Dialog->windowTitle();
        QTest::keyClick(Dialog, Qt::Key_Escape);
      }
    });
  }
  int Selected() const {
    for (int I = 0; I < 10; ++I)
      if (Game.FSelectedShip == &Game.FFleets.MyShip(I))
        return I;
    return -1;
  }
  TPoint Framed(TSide Side) const { return Window.FKeyboard->FramedCell(Side); }
  bool LinedUp() {
    for (int I = 0; I < 10; ++I)
      if (Game.FFleets.MyShip(I).FPos != TPoint{0, 9 - I})
        return false;
    return true;
  }
};

using K = Qt::Key;
const Qt::KeyboardModifier Ctrl = Qt::ControlModifier, Shift = Qt::ShiftModifier;
const Qt::Key Cyrillic_Ka = Qt::Key(0x041A); // К, on R's key

struct TKeyCase {
  TState State;
  std::vector<QKeyCombination> Keys;
  std::function<void(TKeyGame&)> Expect;
};

} // namespace

// Each key does what its click would do, where that click would do it, and nothing elsewhere.
TEST(TKeyboardPlayTest, EachKeyActsLikeItsClickAndOnlyWhereTheClickWould) {
  using T = TKeyGame;
  const TPoint None{-1, -1};
  const std::vector<TKeyCase> Cases = {
      // Set-up: the frame walks the player's board and stops at its edges.
      {TState::stSetup, {}, [&](T& G) { EXPECT_EQ(G.Framed(TSide::sdMy), None); }},
      {TState::stSetup,
       {K::Key_Left, K::Key_Up},
       [&](T& G) {
         EXPECT_EQ(G.Framed(TSide::sdMy), (TPoint{0, 0}));
         EXPECT_EQ(G.Framed(TSide::sdEnemy), None);
       }},
      {TState::stSetup,
       {K::Key_Right, K::Key_Down, K::Key_Down},
       [&](T& G) {
         EXPECT_EQ(G.Framed(TSide::sdMy), (TPoint{1, 2}));
       }},
      // Space, Return and keypad Enter: the left click, which selects a ship or moves it.
      {TState::stSetup, {K::Key_Down, K::Key_Space}, [&](T& G) { EXPECT_EQ(G.Selected(), 8); }},
      {TState::stSetup, {K::Key_Down, K::Key_Return}, [&](T& G) { EXPECT_EQ(G.Selected(), 8); }},
      {TState::stSetup,
       {K::Key_Down, Qt::KeypadModifier | K::Key_Enter},
       [&](T& G) { EXPECT_EQ(G.Selected(), 8); }},
      {TState::stSetup, std::vector<QKeyCombination>(6, K::Key_Right),
       [&](T& G) {
         G.Press(K::Key_Space);
         EXPECT_EQ(G.Game.FFleets.MyShip(9).FPos, (TPoint{6, 0}));
         G.Press(K::Key_R); // R is the right click: turns it
         EXPECT_TRUE(G.Game.FFleets.MyShip(9).FVertical);
         G.Press(Cyrillic_Ka); // and so is the same key in the Russian layout
         EXPECT_FALSE(G.Game.FFleets.MyShip(9).FVertical);
       }},
      // Tab and Shift+Tab select in fleet order, round the ends, the frame on the new head.
      {TState::stSetup,
       {K::Key_Tab},
       [&](T& G) {
         EXPECT_EQ(G.Selected(), 0);
         EXPECT_EQ(G.Framed(TSide::sdMy), (TPoint{0, 9}));
       }},
      {TState::stSetup,
       {Shift | K::Key_Backtab},
       [&](T& G) {
         EXPECT_EQ(G.Selected(), 8);
         EXPECT_EQ(G.Framed(TSide::sdMy), (TPoint{0, 1}));
       }},
      {TState::stSetup,
       {Ctrl | K::Key_R},
       [&](T& G) {
         EXPECT_FALSE(G.LinedUp());
         EXPECT_EQ(G.Selected(), 9);
         G.Press(Ctrl | K::Key_Return); // and the battle starts
         EXPECT_TRUE(G.Game.FBattle);
       }},
      {TState::stSetup, {Ctrl | Cyrillic_Ka}, [&](T& G) { EXPECT_FALSE(G.LinedUp()); }},
      {TState::stCue,
       {},
       [&](T& G) { // keys are eaten while a cue is waited for
         QTimer::singleShot(30, [&G] {
           G.Press(K::Key_Tab);
           G.Press(Ctrl | K::Key_R);
         });
         TCueWait::Run([] { return false; }, 200);
         EXPECT_EQ(G.Selected(), 9);
         EXPECT_TRUE(G.LinedUp());
       }},
      // The battle: the frame walks the computer's board; Space shoots the framed cell.
      {TState::stBattle,
       {K::Key_Right, K::Key_Down},
       [&](T& G) {
         EXPECT_EQ(G.Framed(TSide::sdEnemy), (TPoint{1, 1}));
         EXPECT_EQ(G.Framed(TSide::sdMy), None);
         G.Press(K::Key_Space);
         EXPECT_TRUE(G.Game.FFiring);
         EXPECT_EQ(G.Game.FLastShot, (TPoint{1, 1}));
       }},
      // Set-up keys do nothing in battle; the start key nothing once it has started.
      {TState::stBattle,
       {K::Key_R, K::Key_Tab, Shift | K::Key_Backtab, Ctrl | K::Key_R, Ctrl | K::Key_Return},
       [&](T& G) {
         EXPECT_EQ(G.Game.FSelectedShip, nullptr);
         for (int I = 0; I < 9; ++I)
           EXPECT_EQ(G.Game.FFleets.MyShip(I).FPos, Spread[I]);
         EXPECT_FALSE(G.Game.FFiring);
       }},
      // A shot in flight: the frame moves, but Space does not fire again.
      {TState::stFlying,
       {K::Key_Down, K::Key_Space},
       [&](T& G) {
         EXPECT_EQ(G.Game.FLastShot, (TPoint{4, 4}));
         EXPECT_EQ(G.Framed(TSide::sdEnemy), (TPoint{0, 1}));
       }},
      {TState::stOver,
       {K::Key_Right, K::Key_Space},
       [&](T& G) {
         EXPECT_EQ(G.Framed(TSide::sdEnemy), None);
         EXPECT_FALSE(G.Game.FFiring);
         EXPECT_EQ(G.Game.FMyShots, 0);
       }},
      // The buttons' keys, in any state.
      {TState::stOver,
       {QKeySequence(QKeySequence::New)[0]},
       [&](T& G) {
         EXPECT_TRUE(G.Game.FSetupMode);
         EXPECT_TRUE(G.LinedUp());
       }},
      {TState::stFlying,
       {},
       [&](T& G) {
         G.AnswerDialogWithEsc();
         G.Press(Ctrl | Shift | K::Key_Comma);
         EXPECT_EQ(G.DialogShown, QStringLiteral("Настройки "));
       }},
      {TState::stSetup,
       {},
       [&](T& G) {
         G.AnswerDialogWithEsc();
         G.Press(K::Key_F1);
         EXPECT_EQ(G.DialogShown, QStringLiteral("О программе"));
       }},
  };
  for (size_t I = 0; I < Cases.size(); ++I) {
    SCOPED_TRACE(testing::Message() << "case " << I);
    TKeyGame Case;
    Case.Enter(Cases[I].State);
    for (QKeyCombination Key : Cases[I].Keys)
      Case.Press(Key);
    Cases[I].Expect(Case);
  }
}

// The frame is drawn above the ships and leaves with the next move of the mouse.
TEST(TKeyboardPlayTest, FrameIsDrawnUntilTheMouseMoves) {
  TKeyGame Play;
  TSalvoraMainWin& Window = Play.Window;
  Window.tmSetup.stop(); // the blink would change the ships between the pictures
  const QImage Plain = Window.pbLeft->grab().toImage();
  QTest::keyClick(&Window, Qt::Key_Right);
  const QImage Framed = Window.pbLeft->grab().toImage();
  const QColor Yellow(255, 255, 0);
  for (QPoint Edge : {QPoint(49, 17), QPoint(49, 47), QPoint(50, 30), QPoint(78, 18),
                      QPoint(79, 40), QPoint(60, 46)})
    EXPECT_EQ(QColor(Framed.pixel(Edge)), Yellow) << Edge.x() << "," << Edge.y();
  EXPECT_EQ(Framed.pixel(64, 32), Plain.pixel(64, 32)); // the ship inside shows
  EXPECT_EQ(Framed.pixel(48, 30), Plain.pixel(48, 30)); // the grid line stays
  QTest::mouseMove(Window.pbLeft, {200, 200});
  QTest::mouseMove(Window.pbLeft, {210, 200});
  EXPECT_EQ(Window.pbLeft->grab().toImage(), Plain);
}

// The last sinking repaints the board while the battle still runs; the frame must still
// leave it as the game ends, on the screen and not only in a fresh paint.
TEST(TKeyboardPlayTest, FrameLeavesTheBoardWhenTheGameEnds) {
  TKeyGame Play;
  Play.Enter(TState::stBattle);
  TBattleController& Core = Play.Game;
  for (int I = 0; I < 10; ++I) {
    TShip& Ship = Core.FFleets.EnemyShip(I);
    for (int K = 0; K < Ship.FSize; ++K)
      if (I != 9 || K != 3) {
        Ship.Hit();
        Core.FEnemyBoard[Ship.Deck(K)].IsHit = true;
      }
  }
  Core.FEnemyLosses = 9;
  for (int I = 0; I < 3; ++I)
    Play.Press(Qt::Key_Right);
  Play.Press(Qt::Key_Space);
  Play.Window.MyCannon->FastForward();
  ASSERT_FALSE(Core.FBattle);
  QTest::qWait(50);
  const QPoint Corner = Play.Window.pbRight->mapTo(&Play.Window, QPoint(16 + 96 + 31, 17));
  const QImage Screen = Play.Window.screen()->grabWindow(Play.Window.winId()).toImage();
  EXPECT_NE(QColor(Screen.pixel(Corner)), QColor(255, 255, 0));
}
