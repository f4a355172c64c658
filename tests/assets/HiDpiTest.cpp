// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// The pictures on screens of every ratio, checked against their own art files.
#include "ArtFile.h"
#include "BoardGeometry.h"
#include "BoardPainter.h"
#include "TJvBmpAnimator.h"
#include "TJvGIFAnimator.h"
#include "TPaintBox.h"
#include "TPictures.h"
#include "TSalvoraMainWin.h"
#include "TShip.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

QImage Rgb(const QString& Name, int Scale) {
  return Art(Name, Scale).convertToFormat(QImage::Format_RGB32);
}

bool White(QRgb P) {
  return (P & 0xFFFFFF) == 0xFFFFFF;
}

// The device pixels of Rect for which Wrong(X, Y) holds.
template <class F>
int CountWhere(QRect Rect, F Wrong) {
  int N = 0;
  for (int Y = Rect.top(); Y <= Rect.bottom(); ++Y)
    for (int X = Rect.left(); X <= Rect.right(); ++X)
      N += Wrong(X, Y);
  return N;
}

// Whether no channel of P is lighter than in all of Around, but for rounding: a blend of them
// cannot be.
bool NoLighter(QRgb P, const std::vector<QRgb>& Around) {
  int Most[3] = {};
  for (QRgb O : Around)
    Most[0] = std::max(Most[0], qRed(O)), Most[1] = std::max(Most[1], qGreen(O)),
    Most[2] = std::max(Most[2], qBlue(O));
  return qRed(P) <= Most[0] + 3 && qGreen(P) <= Most[1] + 3 && qBlue(P) <= Most[2] + 3;
}

// How steep a 2x drawing's edges are beside the 1x one's: for every step of 64 or more in
// lightness between 1x neighbours, the steepest 2x step across the same place as a share of it,
// on average. About 1 when the 2x drawing is as sharp, a half when it is the 1x one blurred up.
double EdgeSteepness(const QImage& One, const QImage& Two) {
  auto L = [](const QImage& I, QPoint P) { return qGray(I.pixel(P)); };
  double Sum = 0;
  int Edges = 0;
  for (QPoint D : {QPoint(1, 0), QPoint(0, 1)})
    for (int Y = 0; Y + D.y() < One.height(); ++Y)
      for (int X = 0; X + D.x() < One.width(); ++X) {
        const int Step = std::abs(L(One, QPoint(X, Y) + D) - L(One, {X, Y}));
        for (int Row = 0; Step >= 64 && Row < 2; ++Row, ++Edges) {
          int Best = 0;
          for (int K = 0; K < 3; ++K) {
            const QPoint P = 2 * QPoint(X, Y) + D * K + QPoint(D.y(), D.x()) * Row;
            Best = std::max(Best, std::abs(L(Two, P + D) - L(Two, P)));
          }
          Sum += std::min(1.0, double(Best) / Step);
        }
      }
  return Edges ? Sum / Edges : 0;
}

// A board with a ship of every size both ways: horizontal ones on rows 0, 2, 4, 6, vertical
// ones in columns 5 to 8.
struct TFleetOnBoard {
  TBoard Board;
  std::vector<std::unique_ptr<TShip>> Ships;

  explicit TFleetOnBoard(const TPictures& Pictures) {
    for (int Decks = 1; Decks <= 4; ++Decks)
      for (bool Vertical : {false, true}) {
        auto& Ship = Ships.emplace_back(std::make_unique<TShip>(
            &Pictures.FShipImages[Decks - 1], &Pictures.FShipImages[Decks + 3], Decks));
        Ship->SetBoard(&Board);
        Ship->FVertical = Vertical;
        EXPECT_TRUE(Ship->MoveTo(Vertical ? TPoint{4 + Decks, 0} : TPoint{0, 2 * (Decks - 1)}));
      }
  }
};

QImage PaintedBoard(const TPictures& Pictures, const TBoard* Board, qreal Ratio) {
  QImage Image(QSize(BoardPixels, BoardPixels) * Ratio + QSize(1, 1), QImage::Format_RGB32);
  Image.fill(Qt::black);
  Image.setDevicePixelRatio(Ratio);
  QPainter Painter(&Image);
  TBoardView View;
  View.Board = Board;
  View.Background = &Pictures.FMyBackground;
  PaintBoard(Painter, View, {BoardPixels, BoardPixels}, QFont(), Qt::black, Qt::lightGray);
  return Image;
}

// Every ratio, with the set it takes: the next larger whole scale.
struct THiDpi : testing::TestWithParam<std::pair<qreal, int>> {
  const qreal R = GetParam().first;
  const TPictures Pictures{R};
  const int S = Pictures.FScale;
  const bool WholeRatio = R == S;
};

} // namespace

TEST_P(THiDpi, PicturesKeepTheirLogicalSize) {
  ASSERT_EQ(S, GetParam().second);
  const std::pair<QPixmap, QSize> Sizes[] = {{Pictures.FMyBackground, {320, 320}},
                                             {Pictures.FShipImages[3].FPixmap, {128, 32}},
                                             {Pictures.FShipImages[7].FPixmap, {32, 128}},
                                             {Pictures.FHeader, {681, 44}},
                                             {Pictures.FFooter, {681, 87}},
                                             {Pictures.FFire, {120, 540}},
                                             {Pictures.FTargetCursor.pixmap(), {32, 32}}};
  for (const auto& [Pixmap, Size] : Sizes) {
    EXPECT_DOUBLE_EQ(Pixmap.devicePixelRatio(), R);
    // Within two pixels: at 1.25 a 30 px frame is 37.5 device pixels, drawn as 38.
    const QSizeF Shown = QSizeF(Pixmap.size()) / R - Size;
    EXPECT_TRUE(std::abs(Shown.width()) <= 2 && std::abs(Shown.height()) <= 2) << Size.width();
  }
  QWidget Window;
  TJvGIFAnimator Cannon(&Window, Pictures.FMyCannon, R);
  EXPECT_EQ(Cannon.size(), QSize(110, 87));
  EXPECT_EQ(Cannon.FrameCount(), 13);
}

// A ship shows its art pixel for pixel at a whole ratio, the board where the art is white; at a
// fractional one no pixel is lighter than the art and the board around it: no white edge.
TEST_P(THiDpi, ShipsShowTheirArtAndNeverTheirWhite) {
  const TFleetOnBoard Fleet(Pictures);
  const QImage Before = PaintedBoard(Pictures, nullptr, R);
  const QImage After = PaintedBoard(Pictures, &Fleet.Board, R);
  for (const auto& Ship : Fleet.Ships) {
    // A vertical ship is its file turned a quarter counter-clockwise, bow up, one logical row
    // lower, white above.
    const QImage Flat = Rgb(QStringLiteral("ship%1.png").arg(Ship->FSize), S);
    auto ArtAt = [&](int U, int V) {
      if (Ship->FVertical)
        std::tie(U, V) = std::pair(Flat.width() - 1 - (V - S), V < S ? -1 : U);
      return Flat.rect().contains(U, V) ? Flat.pixel(U, V) : qRgb(255, 255, 255);
    };
    const TPoint At = CellToPixel(Ship->FPos);
    const QPoint Origin = QPointF(At.X * R, At.Y * R).toPoint();
    const QSize Cells = Ship->FVertical ? QSize(1, Ship->FSize) : QSize(Ship->FSize, 1);
    const QRect Rect(Origin, (QSizeF(Cells) * CellPixels * R).toSize());
    const int Wrong = CountWhere(Rect, [&](int X, int Y) {
      const int U = X - Origin.x(), V = Y - Origin.y();
      const QRgb Shown = After.pixel(X, Y), Board = Before.pixel(X, Y);
      if (WholeRatio)
        return Shown != (White(ArtAt(U, V)) ? Board : ArtAt(U, V));
      std::vector<QRgb> Around{Board}; // the art pixels this one is made from, and one more
      const int Reach = int(std::ceil(S / R)) + 1;
      for (int B = int(V * S / R) - 1; B <= int(V * S / R) + Reach; ++B)
        for (int A = int(U * S / R) - 1; A <= int(U * S / R) + Reach; ++A)
          if (!White(ArtAt(A, B)))
            Around.push_back(ArtAt(A, B));
      return !NoLighter(Shown, Around);
    });
    EXPECT_EQ(Wrong, 0) << "ship of " << Ship->FSize << (Ship->FVertical ? " vertical" : "");
  }
}

// A flame shows exactly where its mask file says flame, in its sheet's colours, and the board
// elsewhere; at a fractional ratio, wherever the mask is the same all round.
TEST_P(THiDpi, FireShowsExactlyWhereItsMaskSaysFlame) {
  const QRgb Board = qRgb(0, 0, 255); // no flame is blue
  const QImage Sheet = Rgb("fire.png", S), Mask = Rgb("fire-mask.png", S);
  QWidget Panel;
  Panel.resize(TJvBmpAnimator::FrameWidth, TJvBmpAnimator::FrameHeight);
  Panel.setAutoFillBackground(true);
  Panel.setPalette(QPalette(QColor(Board)));
  auto* Fire = new TJvBmpAnimator(&Panel, Pictures.FFire, 33);
  for (int K : {0, 9, 21, 32}) {
    Fire->SetPosition(K);
    QImage Shown(QSizeF(30 * R, 60 * R).toSize(), QImage::Format_RGB32);
    Shown.setDevicePixelRatio(R);
    Panel.render(&Shown);
    const QPoint Cell((K % 4) * 30 * S, (K / 4) * 60 * S);
    const QRect Frame(0, 0, 30 * S, 60 * S);
    auto Flame = [&](int U, int V) { return qGray(Mask.pixel(Cell + QPoint(U, V))) != 0; };
    int Flames = 0;
    const int Wrong = CountWhere(Shown.rect(), [&](int X, int Y) {
      const QRgb P = Shown.pixel(X, Y);
      if (WholeRatio) {
        Flames += Flame(X, Y);
        return P != (Flame(X, Y) ? Sheet.pixel(Cell + QPoint(X, Y)) : Board);
      }
      const QRect Around = QRect(QPoint(int(X * S / R) - 1, int(Y * S / R) - 1),
                                 QPoint(int((X + 1) * S / R) + 1, int((Y + 1) * S / R) + 1)) &
                           Frame;
      const int Inside = CountWhere(Around, Flame);
      const bool All = Inside == Around.width() * Around.height();
      Flames += All;
      return Inside == 0 ? P != Board : All && qRed(P) <= qBlue(P);
    });
    EXPECT_GT(Flames, 100 * R * R) << "frame " << K;
    EXPECT_EQ(Wrong, 0) << "frame " << K;
  }
}

INSTANTIATE_TEST_SUITE_P(Ratios, THiDpi,
                         testing::Values(std::pair(1.0, 1), std::pair(1.25, 2), std::pair(1.5, 2),
                                         std::pair(2.0, 2), std::pair(3.0, 3)));

// The 2x art is drawn at 2x, not the 1x one blown up: its edges are as steep as at 1x (not
// blurred) and it has detail finer than a logical pixel (not enlarged by pixel).
TEST(HiDpi, TwoTimesArtIsAsSharpAsOneTimes) {
  for (int Decks = 1; Decks <= 4; ++Decks) {
    const QImage One = Rgb(QStringLiteral("ship%1.png").arg(Decks), 1);
    const QImage Two = Rgb(QStringLiteral("ship%1.png").arg(Decks), 2);
    EXPECT_GT(EdgeSteepness(One, Two), 0.85) << Decks;
    const int Fine = CountWhere(QRect(0, 0, One.width(), One.height()), [&](int X, int Y) {
      const QRgb P = Two.pixel(2 * X, 2 * Y);
      return Two.pixel(2 * X + 1, 2 * Y) != P || Two.pixel(2 * X, 2 * Y + 1) != P ||
             Two.pixel(2 * X + 1, 2 * Y + 1) != P;
    });
    EXPECT_GT(Fine, One.width() * One.height() * 3 / 10) << Decks;
  }
}

// The window shows the set of its screen's scale: run at 1, and by ctest under
// QT_SCALE_FACTOR=2, where the sea of the player's board is the 2x art pixel for pixel.
TEST(HiDpi, WindowShowsTheSetOfItsScreen) {
  QTemporaryDir Folder;
  TSalvoraMainWin Window(QDir(Folder.path()).filePath(QStringLiteral("salvora.ini")));
  Window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
  const int S = int(Window.devicePixelRatio());
  ASSERT_EQ(Window.devicePixelRatio(), S) << "a whole scale";
  Window.FGame.FFleets.ClearBoard(Window.FGame.FMyBoard);
  const QImage Shown = Window.pbLeft->grab().toImage();
  const QImage Sea = Rgb(S == 1 ? "background-my.png" : "background-my.jpg", S);
  ASSERT_EQ(Shown.size(), QSize(BoardPixels, BoardPixels) * S);
  const QRect Water(17 * S, 17 * S, (BoardPixels - 17) * S, (BoardPixels - 17) * S);
  EXPECT_EQ(CountWhere(Water,
                       [&](int X, int Y) {
                         const bool Grid = (X / S - GridOrigin) % CellPixels == 0 ||
                                           (Y / S - GridOrigin) % CellPixels == 0;
                         return !Grid && Shown.pixel(X, Y) !=
                                             Sea.pixel(X - GridOrigin * S, Y - GridOrigin * S);
                       }),
            0)
      << "at " << S;
}
