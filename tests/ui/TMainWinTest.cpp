// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "BoardGeometry.h"
#include "BoardPainter.h"
#include "GameTexts.h"
#include "NetTexts.h"
#include "TAboutDlg.h"
#include "TClock.h"
#include "TGameAccessible.h"
#include "TJvBmpAnimator.h"
#include "TJvGIFAnimator.h"
#include "TKeyboardPlay.h"
#include "TNetStrip.h"
#include "TOptionsDialog.h"
#include "TPaintBox.h"
#include "TPinnedRandom.h"
#include "TSalvoraMainWin.h"
#include "TSettings.h"
#include "TStrongShooter.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
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

// How many pixels of the picture have exactly this colour.
int CountColour(const QImage& Image, const QColor& Colour) {
  int Count = 0;
  for (int X = 0; X < Image.width(); ++X)
    for (int Y = 0; Y < Image.height(); ++Y)
      Count += QColor(Image.pixel(X, Y)).rgb() == Colour.rgb();
  return Count;
}

// Whether every line of a text fits the width it is given, in the widget's own font.
bool TextFits(const QWidget* Widget, const QString& Text, int Width) {
  const QFontMetrics Metrics(Widget->font());
  for (const QString& Line : Text.split(u'\n'))
    if (Metrics.horizontalAdvance(Line) > Width)
      return false;
  return true;
}

struct TMainWinTest : testing::Test {
  TPinnedRandom Random{11};
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

// Every component where the layout puts it (in the window's client coordinates), in its
// font, its text fitting it, and coloured as the layout says.
TEST_F(TMainWinTest, ComponentsFollowTheLayout) {
  EXPECT_EQ(Window.size(), QSize(682, 490));
  EXPECT_EQ(Window.minimumSize(), Window.maximumSize()); // not resizable
  EXPECT_EQ(Window.pnlLeft->contentsRect(), QRect(2, 2, 336, 336));
  auto Labels = [&](const QString& Text) {
    QList<QLabel*> Found;
    for (QLabel* Label : Window.findChildren<QLabel*>())
      if (Label->text() == Text)
        Found << Label;
    std::sort(Found.begin(), Found.end(), [](QLabel* A, QLabel* B) { return A->x() < B->x(); });
    return Found.size() == 2 ? Found : QList<QLabel*>{nullptr, nullptr};
  };
  const QList<QLabel*> Shots = Labels(QStringLiteral("Выстрелов:"));
  const QList<QLabel*> Killed = Labels(QStringLiteral("Убито моих:"));
  const QColor Yellow(255, 255, 0), Aqua(0, 255, 255), Maroon(128, 0, 0);
  struct TRow {
    const char* Name;
    QWidget* Widget;
    QRect Rect;
    int Pixels = 11;
    bool Bold = false, Underline = false;
    QColor Text{}, Back{}; // colours its pixels must show; invalid: not looked at
  };
  const TRow Rows[] = {
      {"Image1", Window.Image1, {0, 0, 681, 44}},
      {"Image2", Window.Image2, {0, 384, 681, 87}},
      {"MyCannon", Window.MyCannon, {3, 383, 110, 87}},
      {"EnemyCannon", Window.EnemyCannon, {569, 383, 110, 87}},
      {"lblShots", Shots[0], {131, 409, 86, 16}, 13, true},
      {"lblKilled", Killed[0], {131, 429, 89, 16}, 13, true},
      {"lblShots2", Shots[1], {426, 409, 86, 16}, 13, true},
      {"lblKilled2", Killed[1], {426, 429, 89, 16}, 13, true},
      {"lblAbout", Window.lblAbout, {604, 10, 68, 13}, 11, false, true, Maroon},
      {"pnlLeft", Window.pnlLeft, {0, 44, 340, 340}},
      {"pbLeft", Window.pbLeft, {2, 46, 336, 336}}, // the panel's client area
      {"pnlRight", Window.pnlRight, {342, 44, 340, 340}},
      {"pbRight", Window.pbRight, {344, 46, 336, 336}},
      {"btnNew", Window.btnNew, {9, 8, 96, 27}},
      {"btnStart", Window.btnStart, {110, 8, 96, 27}},
      {"stShotsMy", Window.stShotsMy, {223, 408, 32, 18}, 13, true, false, Yellow, Qt::black},
      {"stKilledMy", Window.stKilledMy, {223, 429, 32, 18}, 13, true, false, Aqua, Qt::black},
      {"StatusBar", Window.StatusBar, {0, 471, 682, 19}},
      {"stShotsEnemy", Window.stShotsEnemy, {520, 408, 32, 18}, 13, true, false, Yellow, Qt::black},
      {"stKilledEnemy", Window.stKilledEnemy, {520, 429, 32, 18}, 13, true, false, Aqua, Qt::black},
      {"pnlResult", Window.pnlResult, {263, 408, 156, 41}, 16, true},
      {"btnOptions", Window.btnOptions, {222, 8, 96, 27}},
  };
  for (const TRow& Row : Rows) {
    SCOPED_TRACE(Row.Name);
    ASSERT_NE(Row.Widget, nullptr);
    EXPECT_EQ(QRect(Row.Widget->mapTo(&Window, QPoint(0, 0)), Row.Widget->size()), Row.Rect);
    const QFontInfo Font(Row.Widget->font());
    EXPECT_EQ(Font.pixelSize(), Row.Pixels);
    EXPECT_EQ(Font.bold(), Row.Bold);
    EXPECT_EQ(Font.underline(), Row.Underline);
    if (const auto* Label = qobject_cast<const QLabel*>(Row.Widget)) {
      EXPECT_TRUE(TextFits(Label, Label->text(), Label->contentsRect().width()));
    }
    if (const auto* Button = qobject_cast<const QPushButton*>(Row.Widget)) {
      EXPECT_TRUE(TextFits(Button, Button->text(), Button->width() - Button->iconSize().width()));
    }
    const QImage Pixels = Window.grab(Row.Rect).toImage(); // as the window shows it
    if (Row.Text.isValid()) {
      EXPECT_GT(CountColour(Pixels, Row.Text), 0);
    }
    if (Row.Back.isValid()) {
      EXPECT_GT(CountColour(Pixels, Row.Back), Pixels.width() * Pixels.height() / 2);
    }
  }
}

// The two dialogs: their size, every control where the layout puts it (in its parent's
// client coordinates), each caption fitting its control, the group's caption in blue and
// the links underlined.
TEST_F(TMainWinTest, DialogsFollowTheirLayouts) {
  TOptionsDialog Options(&Window);
  TAboutDlg About(&Window, Window.FPictures.FIcon);
  // The level's group below the effects grows the dialog; the buttons stay at its foot.
  EXPECT_EQ(Options.size(), QSize(290, 176));
  EXPECT_EQ(About.size(), QSize(371, 125));
  QFrame* Bevel = nullptr;
  for (QFrame* Frame : About.findChildren<QFrame*>())
    if (Frame->frameShape() == QFrame::HLine)
      Bevel = Frame;
  ASSERT_NE(Bevel, nullptr);
  const struct {
    QWidget* Widget;
    QRect Rect;
    QString Text;
  } Rows[] = {
      {Options.grpEffects, {8, 7, 274, 77}, QStringLiteral(" Эффекты ")},
      {Options.chkAnimation, {14, 21, 241, 17}, QStringLiteral("Анимация пожаров на кораблях")},
      {Options.chkSound, {14, 45, 241, 17}, QStringLiteral("Звук ")},
      {Options.grpLevel, {8, 92, 274, 45}, QStringLiteral(" Уровень компьютера ")},
      {Options.rbGentle, {14, 21, 80, 17}, QStringLiteral("Новичок")},
      {Options.rbNormal, {100, 21, 80, 17}, QStringLiteral("Обычный")},
      {Options.rbStrong, {186, 21, 80, 17}, QStringLiteral("Сильный")},
      {Options.btnOK, {128, 145, 75, 23}, QStringLiteral("OK")},
      {Options.btnCancel, {207, 145, 75, 23}, QStringLiteral(" Отмена ")},
      {About.Image1, {8, 12, 32, 32}, {}},
      // The labels size themselves to their text (the version line is 74 pixels here).
      {About.Label1,
       {56, 12, About.Label1->width(), 26},
       QStringLiteral("Сальвора\nВерсия 1.0.1.9")},
      {About.Label2, {56, 44, 214, 13}, About.Label2->text()},
      {Bevel, {56, 68, 228, 2}, {}},
      {About.Label3, {56, 78, About.Label3->width(), 13}, About.Label3->text()},
      {About.Label4, {56, 96, About.Label4->width(), 13}, About.Label4->text()},
      {About.OKBtn, {288, 8, 75, 23}, QStringLiteral("OK")},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Text.toStdString());
    EXPECT_EQ(Row.Widget->geometry(), Row.Rect);
    EXPECT_EQ(QFontInfo(Row.Widget->font()).pixelSize(), 11);
    QString Text;
    int Room = Row.Rect.width() - 20; // a box's tick, a button's or a group's edges
    if (const auto* Button = qobject_cast<const QAbstractButton*>(Row.Widget))
      Text = Button->text();
    else if (const auto* Group = qobject_cast<const QGroupBox*>(Row.Widget))
      Text = Group->title();
    else if (const auto* Label = qobject_cast<const QLabel*>(Row.Widget))
      Text = Label->text(), Room = Row.Rect.width();
    EXPECT_EQ(Text, Row.Text);
    EXPECT_TRUE(TextFits(Row.Widget, Text, Room));
    EXPECT_TRUE(Text.isEmpty() || (Text.count(u'\n') + 1) * 12 <= Row.Rect.height()); // lines
  }
  EXPECT_GT(CountColour(Options.grpEffects->grab(QRect(0, 0, 274, 14)).toImage(), Qt::blue), 0);
  // Its letters have no stroke a whole pixel wide: blue, if not pure blue.
  const QImage LevelTitle = Options.grpLevel->grab(QRect(0, 0, 274, 14)).toImage();
  int Blue = 0;
  for (int X = 0; X < LevelTitle.width(); ++X)
    for (int Y = 0; Y < LevelTitle.height(); ++Y) {
      const QColor C(LevelTitle.pixel(X, Y));
      Blue += C.blue() > 200 && C.red() < 120 && C.green() < 120;
    }
  EXPECT_GT(Blue, 20);
  EXPECT_TRUE(Options.rbNormal->isChecked()); // the game's own computer unless told otherwise
  EXPECT_TRUE(QFontInfo(About.Label3->font()).underline());
  EXPECT_TRUE(QFontInfo(About.Label4->font()).underline());
  EXPECT_TRUE(Options.btnOK->isDefault());
  EXPECT_TRUE(About.OKBtn->isDefault());
}

namespace {

// The catalogues of the test's locale, installed before the window is made; afterwards none.
struct TLocaleSwitch {
  explicit TLocaleSwitch(const char* Locale) {
    InstallTranslations(QLocale(QLatin1String(Locale)));
  }
  ~TLocaleSwitch() { InstallTranslations(QLocale::c()); }
};

struct TLanguageTest : testing::WithParamInterface<const char*>, TLocaleSwitch, TMainWinTest {
  TLanguageTest() : TLocaleSwitch(GetParam()) {}
};

// Every caption in Parent fits its control, by the layout tests' rules.
void ExpectCaptionsFit(const QWidget* Parent) {
  for (const QWidget* Widget : Parent->findChildren<QWidget*>()) {
    QString Text;
    int Room = Widget->width() - 20; // a box's tick, a button's or a group's edges
    if (const auto* Button = qobject_cast<const QAbstractButton*>(Widget)) {
      Text = Button->text();
      if (!Button->icon().isNull())
        Room = Widget->width() - Button->iconSize().width();
    } else if (const auto* Group = qobject_cast<const QGroupBox*>(Widget)) {
      Text = Group->title();
    } else if (const auto* Label = qobject_cast<const QLabel*>(Widget);
               Label && !Label->wordWrap()) {
      Text = Label->text(), Room = Label->contentsRect().width();
    }
    EXPECT_TRUE(TextFits(Widget, Text, Room)) << Text.toStdString();
  }
}

} // namespace

// The game speaks English from its catalogue under an English locale, Russian under a Russian
// one: in the window, its dialogs, the keys' help, the status after a shot and the cells' names;
// and every caption fits its control.
TEST_P(TLanguageTest, WindowDialogsAndShotsSpeakTheLocalesLanguage) {
  const bool English = QLatin1String(GetParam()).startsWith(u"en");
  const auto Says = [English](const QString& Shown, const char* InEnglish, const char* InRussian) {
    EXPECT_EQ(Shown.toStdString(), English ? InEnglish : InRussian);
  };
  Says(Window.windowTitle(), "Salvora", "Сальвора");
  Says(Window.btnNew->text(), "New game", "Новая игра");
  Says(Window.btnStart->toolTip().section(u'(', 0, 0), "Start battle ", "Начать бой ");
  Says(TKeyboardPlay::KeysHelp().section(u'\n', 0, 0), "Keys:", "Клавиши:");
  TOptionsDialog Options(&Window);
  TAboutDlg About(&Window, Window.FPictures.FIcon);
  Says(Options.chkAnimation->text(), "Animated fires on the ships", "Анимация пожаров на кораблях");
  Says(About.Label2->text(), "A naval battle against the computer.",
       "Морской бой против компьютера.");
  StartBattleWithKnownFleet();
  QTest::mouseClick(Window.pbRight, Qt::LeftButton, {}, Centre({5, 4}));
  WaitForLanding(Window.MyCannon);
  Says(Window.StatusPanels[0]->text(), "Your last shot at E-6", "Ваш последний удар на Д-6");
  Says(Window.FAccessible->CellName(TSide::sdEnemy, {5, 4}), "E-6: hit deck",
       "Д-6: подбитая палуба");
  ExpectCaptionsFit(&Window); // the dialogs too, its children
  // The network strip's waits and a rematch's news (a long verdict has its own line).
  const QLabel* Turn = Window.NetStrip().lblTurn;
  for (int Id : {ntWaitOpponent, ntWaitFleet, ntWaitShot, ntRematchOffered, ntRematchToMe,
                 ntRematchDeclined, ntRematchDeclinedByMe, ntRematchLapsed})
    EXPECT_TRUE(TextFits(Turn, QString::fromStdString(std::string(NetText(Id))),
                         Turn->contentsRect().width()))
        << NetText(Id);
}

INSTANTIATE_TEST_SUITE_P(Locales, TLanguageTest, testing::Values("en_US", "ru_RU"));

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

// The computer sinks the player's tenth ship: "Вы проиграли" in maroon, and every computer
// ship still afloat is drawn on its board until the next game.
TEST_F(TMainWinTest, LostGameShowsTheResultInMaroonAndTheComputersShips) {
  StartBattleWithKnownFleet();
  // All but the one-decker on И-10 sunk and every other cell known water: the computer's next
  // shot can only land there.
  for (int I = 1; I < 10; ++I) {
    TShip& Ship = Game.FFleets.MyShip(I);
    for (int K = 0; K < Ship.FSize; ++K) {
      Ship.Hit();
      Game.FMyBoard[Ship.Deck(K)].IsHit = true;
    }
  }
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y)
      if (Game.FMyBoard(X, Y).State == csEmpty)
        Game.FMyBoard(X, Y).State = csMiss;
  Game.FMyLosses = 9;
  const QImage Sea = Board(Window.pbRight);
  QTest::mouseClick(Window.pbRight, Qt::LeftButton, {}, Centre({2, 2})); // water
  Window.MyCannon->FastForward();
  Window.EnemyCannon->FastForward();
  ASSERT_FALSE(Game.FBattle);
  EXPECT_EQ(Game.FMyLosses, 10);
  EXPECT_EQ(Window.stKilledMy->text(), "10");
  EXPECT_TRUE(Window.pnlResult->isVisible());
  EXPECT_EQ(Window.pnlResult->text(), QStringLiteral("Вы проиграли"));
  const QImage Result = Window.grab(Window.pnlResult->geometry()).toImage();
  EXPECT_GT(CountColour(Result, QColor(128, 0, 0)), 20);
  EXPECT_EQ(CountColour(Result, QColor(0, 128, 0)), 0);

  // Most pixels of each ship's cells show the ship instead of the sea, until the next game.
  auto ShipShare = [&](const QImage& Image, int I) {
    const int Decks = I < 4 ? 1 : I < 7 ? 2 : I < 9 ? 3 : 4; // the fleet's order
    int Differing = 0;
    for (int X = 1; X < 32 * Decks; ++X)
      for (int Y = 1; Y < 32; ++Y) {
        const QPoint P(CellToPixel(Spread[I]).X + X, CellToPixel(Spread[I]).Y + Y);
        Differing += Image.pixel(P) != Sea.pixel(P);
      }
    return Differing * 100 / (Decks * 32 * 31);
  };
  const QImage Revealed = Board(Window.pbRight);
  // What a screen reader hears of the last shot, and reads on the revealed fleet.
  EXPECT_EQ(Window.StatusPanels[1]->accessibleName().toStdString(),
            "Последний удар противника на И-10: корабль потоплен. Вы проиграли");
  EXPECT_EQ(Window.FAccessible->CellName(TSide::sdEnemy, {0, 0}).toStdString(),
            "А-1: палуба корабля");
  QTest::mouseClick(Window.btnNew, Qt::LeftButton);
  const QImage Hidden = Board(Window.pbRight);
  for (int I = 0; I < 10; ++I) {
    EXPECT_GT(ShipShare(Revealed, I), 30) << I;
    EXPECT_EQ(ShipShare(Hidden, I), 0) << I;
  }
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

  // The level: shown as given, changed by a click only when confirmed.
  int32_t Level = TSettings::LevelStrong;
  Answer<TOptionsDialog>([](TOptionsDialog& Dialog) {
    EXPECT_TRUE(Dialog.rbStrong->isChecked());
    QTest::mouseClick(Dialog.rbGentle, Qt::LeftButton);
    QTest::keyClick(&Dialog, Qt::Key_Escape);
  });
  EXPECT_FALSE(TOptionsDialog::ShowOptions(Animation, Sound, Level, &Window));
  EXPECT_EQ(Level, TSettings::LevelStrong);
  Answer<TOptionsDialog>([](TOptionsDialog& Dialog) {
    QTest::mouseClick(Dialog.rbGentle, Qt::LeftButton);
    QTest::mouseClick(Dialog.btnOK, Qt::LeftButton);
  });
  EXPECT_TRUE(TOptionsDialog::ShowOptions(Animation, Sound, Level, &Window));
  EXPECT_EQ(Level, TSettings::LevelGentle);
}

// A level chosen in the options shoots from the computer's next shot and is kept: a window
// opened on the saved file plays it too.
TEST_F(TMainWinTest, ChosenLevelPlaysAtOnceAndIsKept) {
  EXPECT_EQ(Window.FGame.FShooter, nullptr); // the game's own computer
  Answer<TOptionsDialog>([](TOptionsDialog& Dialog) {
    QTest::mouseClick(Dialog.rbStrong, Qt::LeftButton);
    QTest::mouseClick(Dialog.btnOK, Qt::LeftButton);
  });
  Window.btnOptionsClick();
  EXPECT_NE(dynamic_cast<TStrongShooter*>(Window.FGame.FShooter.get()), nullptr);
  ASSERT_TRUE(Window.SaveSettings());
  TSalvoraMainWin Reopened(Window.FSettingsPath);
  EXPECT_NE(dynamic_cast<TStrongShooter*>(Reopened.FGame.FShooter.get()), nullptr);
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

// A flame is drawn through its mask: the flame's pixels show over the board and, around
// them, the board shows through where the frame has only background. Checked against the art
// files, so that a mask loaded inside out fails.
TEST_F(TMainWinTest, FlameShowsThroughItsMask) {
  const QImage Before = Window.pnlRightClient->grab().toImage();
  Window.AddFire(TSide::sdEnemy, {2, 3});
  Window.FFireTimer.stop(); // frame 0 stays
  const QImage After = Window.pnlRightClient->grab().toImage();
  const QImage Sheet(QStringLiteral(":/pictures/fire.png"));
  const QImage Mask(QStringLiteral(":/pictures/fire-mask.png")); // black: transparent
  const QPoint At = Window.Fires(TSide::sdEnemy).at(0)->pos();
  int Flame = 0, Through = 0, Wrong = 0;
  for (int X = 0; X < 30; ++X)
    for (int Y = 0; Y < 60; ++Y) {
      const QRgb Shown = After.pixel(At + QPoint(X, Y));
      if (qGray(Mask.pixel(X, Y)) == 0) {
        ++Through;
        Wrong += Shown != Before.pixel(At + QPoint(X, Y));
      } else {
        ++Flame;
        Wrong += Shown != (Sheet.pixel(X, Y) | 0xFF000000u);
      }
    }
  EXPECT_GT(Flame, 200);
  EXPECT_GT(Through, 200);
  EXPECT_EQ(Wrong, 0);
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
