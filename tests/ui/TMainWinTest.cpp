#include "BoardGeometry.h"
#include "BoardPainter.h"
#include "TClock.h"
#include "TJvBmpAnimator.h"
#include "TJvGIFAnimator.h"
#include "TOptionsDialog.h"
#include "TPaintBox.h"
#include "TSalvoraMainWin.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>
#include <gtest/gtest.h>
#include <set>

namespace {

const QColor Grid(192, 192, 192);
const TPoint Spread[10] = {{9, 8}, {7, 8}, {5, 8}, {8, 6}, {5, 6},
                           {8, 4}, {5, 4}, {5, 2}, {5, 0}, {0, 0}};

struct TMainWinTest : testing::Test {
  QTemporaryDir Folder;
  TSalvoraMainWin Window{QDir(Folder.path()).filePath(QStringLiteral("salvora.ini"))};
  TBattleController& Game = Window.FGame;

  void SetUp() override {
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
  }
  QImage Board(TPaintBox* Box) { return Box->grab().toImage(); }
  QPoint Centre(TPoint Cell) { return {CellToPixel(Cell).X + 16, CellToPixel(Cell).Y + 16}; }
  void SpreadFleet() {
    for (int I = 8; I >= 0; --I)
      ASSERT_TRUE(Game.FFleets.MyShip(I).MoveTo(Spread[I]));
  }
  void StartBattleWithKnownFleet() {
    SpreadFleet();
    QTest::mouseClick(Window.btnStart, Qt::LeftButton);
    ASSERT_TRUE(Game.FBattle);
    Game.FFleets.ClearBoard(Game.FEnemyBoard);
    for (int I = 9; I >= 0; --I)
      ASSERT_TRUE(Game.FFleets.EnemyShip(I).MoveTo(Spread[I]));
  }
  // Waits for the cannon's pass to end and its shot to land.
  void WaitForLanding(TJvGIFAnimator* Cannon) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Cannon->Animating(); }, 5000));
  }
};

} // namespace

// The grid runs from 16 to the paint box's edge, with no line past it; labels sit in the
// strips of the panel's face colour.
TEST_F(TMainWinTest, EmptyBoardShowsGridLabelsAndBackground) {
  const QImage Image = Board(Window.pbRight);
  ASSERT_EQ(Image.size(), QSize(336, 336));
  EXPECT_EQ(QColor(Image.pixel(16, 16)), Grid);
  EXPECT_EQ(QColor(Image.pixel(335, 16)), Grid);
  EXPECT_EQ(QColor(Image.pixel(304, 200)), Grid);
  EXPECT_NE(QColor(Image.pixel(335, 200)), Grid); // no line at the right edge
  EXPECT_NE(QColor(Image.pixel(200, 335)), Grid);
  const QColor Face = Window.pbRight->palette().color(QPalette::Window);
  EXPECT_EQ(QColor(Image.pixel(1, 1)), Face);
  // Some dark text pixels in the strip above column 10 and beside row К.
  auto HasText = [&](QRect Area) {
    for (int X = Area.left(); X <= Area.right(); ++X)
      for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
        if (qGray(Image.pixel(X, Y)) < 100)
          return true;
    return false;
  };
  EXPECT_TRUE(HasText({304, 0, 32, 15}));
  EXPECT_TRUE(HasText({0, 304, 15, 32}));
  // Over the empty sea, nothing but the background and the grid.
  const QImage Sea = Window.FPictures.FEnemyBackground.toImage();
  int Differing = 0;
  for (int X = 17; X < 336; ++X)
    for (int Y = 17; Y < 336; ++Y)
      if ((X - 16) % 32 != 0 && (Y - 16) % 32 != 0)
        Differing += Image.pixel(X, Y) != Sea.pixel(X - 16, Y - 16);
  EXPECT_EQ(Differing, 0);
}

// At a fractional scale (the desktop's, or QT_SCALE_FACTOR) a one-pixel line falls on one or
// two device pixels depending on where it lies; every grid line must come out as wide as the
// others.
TEST_F(TMainWinTest, GridLinesAreEquallyWideAtEveryScale) {
  for (double Scale : {1.0, 1.2, 1.25, 1.4, 1.5, 1.6, 1.75, 2.0}) {
    const int Side = qCeil(BoardPixels * Scale);
    QImage Image(Side, Side, QImage::Format_RGB32);
    Image.fill(Qt::black);
    Image.setDevicePixelRatio(Scale);
    {
      QPainter Painter(&Image);
      PaintBoard(Painter, TBoardView{}, {BoardPixels, BoardPixels}, Window.font(), Qt::black,
                 Qt::black);
    }
    // The widths of the grey runs along one row (across the vertical lines) and one column.
    const int Across = qRound(200 * Scale);
    for (bool Vertical : {true, false}) {
      std::vector<int> Widths;
      for (int I = 0, Run = 0; I <= Side; ++I) {
        const bool OnLine =
            I < Side && QColor(Vertical ? Image.pixel(I, Across) : Image.pixel(Across, I)) == Grid;
        if (OnLine) {
          ++Run;
        } else if (Run > 0) {
          Widths.push_back(Run);
          Run = 0;
        }
      }
      EXPECT_EQ(Widths, std::vector<int>(10, std::max(1, qRound(Scale))))
          << "scale " << Scale << (Vertical ? ", vertical lines" : ", horizontal lines");
    }
  }
}

TEST_F(TMainWinTest, MissCrossIsDrawnAtItsExactPixels) {
  Game.FEnemyBoard(0, 0).State = csMiss;
  const QImage Image = Board(Window.pbRight);
  for (int K = 0; K < 12; ++K) {
    EXPECT_EQ(QColor(Image.pixel(26 + K, 26 + K)), Grid) << K;
    EXPECT_EQ(QColor(Image.pixel(26 + K, 38 - K)), Grid) << K;
  }
  EXPECT_NE(QColor(Image.pixel(38, 38)), Grid); // the end point stays unpainted
  EXPECT_NE(QColor(Image.pixel(38, 26)), Grid);
  EXPECT_NE(QColor(Image.pixel(32, 26)), Grid);
}

// The selected ship is missing in the dark half of the blink, the other nine stay.
TEST_F(TMainWinTest, SelectedShipBlinksDuringSetUp) {
  Game.FBlinkOn = true;
  const QImage Shown = Board(Window.pbLeft);
  Game.FBlinkOn = false;
  const QImage Hidden = Board(Window.pbLeft);
  const QPoint FourDecker = Centre({1, 0}), OneDecker = Centre({0, 9});
  EXPECT_NE(Shown.pixel(FourDecker), Hidden.pixel(FourDecker));
  EXPECT_EQ(Shown.pixel(OneDecker), Hidden.pixel(OneDecker));
  Window.tmSetupTimer();
  EXPECT_TRUE(Game.FBlinkOn);
}

TEST_F(TMainWinTest, SetUpClicksSelectAndMoveShipsAndLabelStripsCountAsCellZero) {
  QTest::mouseClick(Window.pbLeft, Qt::LeftButton, {}, Centre({1, 1}));
  EXPECT_EQ(Game.FSelectedShip, &Game.FFleets.MyShip(8));
  QTest::mouseClick(Window.pbLeft, Qt::LeftButton, {}, Centre({9, 1}));
  EXPECT_EQ(Game.FFleets.MyShip(8).FPos, (TPoint{7, 1}));
  QTest::mouseClick(Window.pbLeft, Qt::LeftButton, {}, QPoint(3, 3)); // the corner strip
  EXPECT_EQ(Game.FSelectedShip, &Game.FFleets.MyShip(9));
  QTest::mouseClick(Window.pbLeft, Qt::LeftButton, {}, Centre({6, 1}));
  QTest::mouseClick(Window.pbLeft, Qt::RightButton, {}, Centre({3, 7}));
  EXPECT_FALSE(Game.FFleets.MyShip(9).FVertical); // the three-decker on row 1 is in the way
  QTest::mouseClick(Window.pbLeft, Qt::LeftButton, {}, Centre({4, 3}));
  QTest::mouseClick(Window.pbLeft, Qt::RightButton, {}, Centre({3, 7}));
  EXPECT_TRUE(Game.FFleets.MyShip(9).FVertical);
  EXPECT_EQ(Game.FFleets.MyShip(9).FPos, (TPoint{4, 3}));
}

TEST_F(TMainWinTest, RefusedStartLeavesSetUpAndStartEnabled) {
  EXPECT_TRUE(Window.btnStart->isEnabled());
  EXPECT_EQ(Window.StatusPanels[0]->width(), 341);
  // The message box is modal: close it as soon as it shows.
  QTimer::singleShot(0, [] {
    for (QWidget* Top : QApplication::topLevelWidgets())
      if (Top->inherits("QMessageBox"))
        Top->close();
  });
  QTimer::singleShot(50, [] {
    for (QWidget* Top : QApplication::topLevelWidgets())
      if (Top->inherits("QMessageBox"))
        Top->close();
  });
  QTest::mouseClick(Window.btnStart, Qt::LeftButton);
  EXPECT_TRUE(Game.FSetupMode);
  EXPECT_EQ(Game.FSelectedShip, &Game.FFleets.MyShip(0));
  EXPECT_TRUE(Window.btnStart->isEnabled());
}

// A hit deck burns under a sprite that reaches into the cell above; a press on that upper
// part shoots the cell above.
TEST_F(TMainWinTest, ShotLandsAfterTheCannonAndFireForwardsPresses) {
  StartBattleWithKnownFleet();
  EXPECT_FALSE(Window.btnStart->isEnabled());
  QTest::mouseClick(Window.pbRight, Qt::LeftButton, {}, Centre({5, 4}));
  EXPECT_TRUE(Game.FFiring);
  EXPECT_TRUE(Window.MyCannon->Animating());
  WaitForLanding(Window.MyCannon);
  EXPECT_EQ(Window.stShotsMy->text(), "1");
  EXPECT_EQ(Window.StatusPanels[0]->text(), QStringLiteral("Ваш последний удар на Д-6"));
  const auto Fires = Window.Fires(TSide::sdEnemy);
  ASSERT_EQ(Fires.size(), 1u);
  EXPECT_EQ(Fires[0]->geometry(), QRect(16 + 32 * 5, 32 * 4 - 12, 30, 60));
  EXPECT_FALSE(Game.FFiring); // a hit keeps the turn

  QTest::mouseClick(Fires[0], Qt::LeftButton, {}, QPoint(15, 50)); // over the hit cell: nothing
  EXPECT_FALSE(Game.FFiring);
  QTest::mouseClick(Fires[0], Qt::LeftButton, {}, QPoint(15, 10)); // over Г-6
  EXPECT_TRUE(Game.FFiring);
  EXPECT_EQ(Game.FLastShot, (TPoint{5, 3}));
}

TEST_F(TMainWinTest, LastSinkingShowsTheResultAndNewGameClearsIt) {
  StartBattleWithKnownFleet();
  // Every deck but the last one already hit.
  for (int I = 0; I < 10; ++I) {
    TShip& Ship = Game.FFleets.EnemyShip(I);
    for (int K = 0; K < Ship.FSize; ++K) {
      if (I == 9 && K == 3)
        continue;
      Ship.Hit();
      Game.FEnemyBoard[Ship.Deck(K)].IsHit = true;
    }
    if (Ship.FState == ssSunk)
      Ship.MarkSurroundings();
  }
  Game.FEnemyLosses = 9;
  QTest::mouseClick(Window.pbRight, Qt::LeftButton, {}, Centre({3, 0}));
  WaitForLanding(Window.MyCannon);
  EXPECT_TRUE(Window.pnlResult->isVisible());
  EXPECT_EQ(Window.pnlResult->text(), QStringLiteral("Вы победили!"));
  EXPECT_EQ(Window.pnlResult->palette().color(QPalette::WindowText), QColor(0, 128, 0));
  // As the window shows it: the panel's own face under the bevel, not the footer's wood, and
  // the green text centred on it.
  const QImage Result = Window.grab(Window.pnlResult->geometry()).toImage();
  const QColor Face = Window.palette().color(QPalette::Window);
  EXPECT_EQ(QColor(Result.pixel(4, 4)), Face);
  EXPECT_EQ(QColor(Result.pixel(151, 36)), Face);
  int Left = Result.width(), Right = -1;
  for (int X = 0; X < Result.width(); ++X)
    for (int Y = 0; Y < Result.height(); ++Y)
      if (const QColor C(Result.pixel(X, Y)); C.green() > C.red() + 60) {
        Left = std::min(Left, X);
        Right = std::max(Right, X);
      }
  EXPECT_LE(std::abs(Left - (Result.width() - 1 - Right)), 2) << Left << ".." << Right;
  EXPECT_EQ(Window.stKilledEnemy->text(), "10");
  // The sunk four-decker is drawn where it lies.
  const QImage Image = Board(Window.pbRight);
  Game.FFleets.EnemyShip(9).FState = ssIntact;
  const QImage Hidden = Board(Window.pbRight);
  EXPECT_NE(Image.pixel(Centre({1, 0})), Hidden.pixel(Centre({1, 0})));
  Game.FFleets.EnemyShip(9).FState = ssSunk;

  QTest::mouseClick(Window.btnNew, Qt::LeftButton);
  EXPECT_FALSE(Window.pnlResult->isVisible());
  EXPECT_TRUE(Window.Fires(TSide::sdEnemy).empty());
  EXPECT_EQ(Window.stShotsMy->text(), "0");
  EXPECT_TRUE(Window.btnStart->isEnabled());
}

// A new game halts a flying cannon; its stop never lands in the new game.
TEST_F(TMainWinTest, NewGameHaltsAFlyingCannon) {
  StartBattleWithKnownFleet();
  QTest::mouseClick(Window.pbRight, Qt::LeftButton, {}, Centre({2, 2}));
  ASSERT_TRUE(Window.MyCannon->Animating());
  QTest::mouseClick(Window.btnNew, Qt::LeftButton);
  EXPECT_FALSE(Window.MyCannon->Animating());
  EXPECT_EQ(Window.MyCannon->FrameIndex(), 0);
  QTest::qWait(2200);
  EXPECT_EQ(Game.FMyShots, 0);
  EXPECT_EQ(Game.FEnemyBoard(2, 2).State, csEmpty);
}

// A settings file that cannot be written is reported in an error box naming it, and the
// game goes on closing; one that can be written keeps both settings.
TEST_F(TMainWinTest, SettingsAreWrittenAtExitOrTheFailureIsShown) {
  Window.FSound = false;
  ASSERT_TRUE(Window.SaveSettings());
  QFile Written(Window.FSettingsPath);
  ASSERT_TRUE(Written.open(QIODevice::ReadOnly));
  const QByteArray Text = Written.readAll();
  EXPECT_TRUE(Text.contains("Animation=1"));
  EXPECT_TRUE(Text.contains("Sound=0"));

  QFile Blocker(QDir(Folder.path()).filePath(QStringLiteral("not-a-folder")));
  ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
  Blocker.close();
  Window.FSettingsPath = Blocker.fileName() + QStringLiteral("/salvora.ini");
  QString Shown;
  QTimer::singleShot(100, [&] {
    for (QWidget* Top : QApplication::topLevelWidgets())
      if (auto* Box = qobject_cast<QMessageBox*>(Top)) {
        Shown = Box->windowTitle() + QStringLiteral("|") + Box->text();
        Box->close();
      }
  });
  EXPECT_FALSE(Window.SaveSettings());
  EXPECT_EQ(Shown, QStringLiteral("Сальвора|Unable to write to ") + Window.FSettingsPath +
                       QStringLiteral("."));
}

// While the player may shoot, the right board aims over cells that may be shot at and shows
// the arrow elsewhere; in set-up and while a shot is in flight it keeps the ordinary cursor.
TEST_F(TMainWinTest, AimingCursorFollowsTheCellsThatMayBeShotAt) {
  auto Over = [&](TPoint Cell) {
    QCursor::setPos(Window.pnlRightClient->mapToGlobal(Centre(Cell)));
    Window.RightPanelWndProc();
  };
  Over({2, 2});
  EXPECT_FALSE(Window.pnlRight->testAttribute(Qt::WA_SetCursor)); // set-up
  StartBattleWithKnownFleet();
  Game.FEnemyBoard(7, 7).State = csMiss;
  Over({2, 2});
  ASSERT_TRUE(Window.pnlRight->testAttribute(Qt::WA_SetCursor));
  EXPECT_EQ(Window.pnlRight->cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(Window.pnlRight->cursor().hotSpot(), QPoint(15, 15));
  Over({7, 7});
  EXPECT_EQ(Window.pnlRight->cursor().shape(), Qt::ArrowCursor);
  Over({0, 0}); // an unhit deck may be shot at
  EXPECT_EQ(Window.pnlRight->cursor().shape(), Qt::BitmapCursor);
  QTest::mouseClick(Window.pbRight, Qt::LeftButton, {}, Centre({2, 2}));
  Over({3, 3});
  EXPECT_FALSE(Window.pnlRight->testAttribute(Qt::WA_SetCursor)); // a shot in flight
}

namespace {

// Answers the next modal dialog as soon as it shows.
template <typename TDialog, typename TAnswer>
void Answer(TAnswer Do) {
  QTimer::singleShot(0, [Do] {
    if (auto* Dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
      Do(static_cast<TDialog&>(*Dialog));
  });
}

} // namespace

TEST_F(TMainWinTest, OptionsChangeOnlyWhenConfirmed) {
  bool Animation = true, Sound = true;
  Answer<TOptionsDialog>([](TOptionsDialog& Dialog) {
    Dialog.chkSound->setChecked(false);
    QTest::keyClick(&Dialog, Qt::Key_Escape);
  });
  EXPECT_FALSE(TOptionsDialog::ShowOptions(Animation, Sound, &Window));
  EXPECT_TRUE(Animation);
  EXPECT_TRUE(Sound);

  Answer<TOptionsDialog>([](TOptionsDialog& Dialog) {
    EXPECT_TRUE(Dialog.chkAnimation->isChecked());
    Dialog.chkSound->setChecked(false);
    QTest::mouseClick(Dialog.btnOK, Qt::LeftButton);
  });
  EXPECT_TRUE(TOptionsDialog::ShowOptions(Animation, Sound, &Window));
  EXPECT_TRUE(Animation);
  EXPECT_FALSE(Sound);
}

// Switching the animation off stills every flame on frame 0, on both boards; switching it on
// starts them out of step; a change of the sound alone leaves them be.
TEST_F(TMainWinTest, OptionsUpdateTheFiresOnlyWhenTheAnimationChanges) {
  for (int X = 0; X < 4; ++X) {
    Window.AddFire(TSide::sdMy, {X, 5});
    Window.AddFire(TSide::sdEnemy, {X, 6});
  }
  auto Toggle = [&](bool Animation, bool Sound) {
    Answer<TOptionsDialog>([=](TOptionsDialog& Dialog) {
      Dialog.chkAnimation->setChecked(Animation);
      Dialog.chkSound->setChecked(Sound);
      QTest::mouseClick(Dialog.btnOK, Qt::LeftButton);
    });
    Window.btnOptionsClick();
  };
  Window.FFireTimer.stop();
  for (TSide Side : {TSide::sdMy, TSide::sdEnemy})
    for (TJvBmpAnimator* Fire : Window.Fires(Side))
      Fire->SetCurrent(5);
  Toggle(true, false); // the sound only
  EXPECT_FALSE(Window.FSound);
  for (TSide Side : {TSide::sdMy, TSide::sdEnemy})
    for (TJvBmpAnimator* Fire : Window.Fires(Side)) {
      EXPECT_TRUE(Fire->Active());
      EXPECT_EQ(Fire->Current(), 5);
    }

  Toggle(false, false);
  EXPECT_FALSE(Window.FAnimation);
  for (TSide Side : {TSide::sdMy, TSide::sdEnemy})
    for (TJvBmpAnimator* Fire : Window.Fires(Side))
      EXPECT_FALSE(Fire->Active());

  Toggle(true, false);
  std::set<int> Frames;
  for (TSide Side : {TSide::sdMy, TSide::sdEnemy})
    for (TJvBmpAnimator* Fire : Window.Fires(Side)) {
      EXPECT_TRUE(Fire->Active());
      Frames.insert(Fire->Current());
    }
  EXPECT_GT(Frames.size(), 1u); // out of step
  EXPECT_TRUE(Window.FFireTimer.isActive());
}

// Frames run 0 to 32 and round again; a still sprite shows its position.
TEST_F(TMainWinTest, FireFramesCycleWhileActive) {
  Window.FAnimation = true;
  Window.AddFire(TSide::sdEnemy, {0, 0});
  TJvBmpAnimator* Fire = Window.Fires(TSide::sdEnemy).at(0);
  EXPECT_EQ(Fire->Current(), 0);
  EXPECT_EQ(Fire->geometry(), QRect(16, -12, 30, 60));
  for (int I = 0; I < 32; ++I)
    Fire->Step();
  EXPECT_EQ(Fire->Current(), 32);
  Fire->Step();
  EXPECT_EQ(Fire->Current(), 0);
  Fire->SetActive(false);
  Fire->Step();
  EXPECT_EQ(Fire->Current(), 0);
}
