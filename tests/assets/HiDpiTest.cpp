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
#include <gtest/gtest.h>
#include <memory>

namespace {

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

// Channel by channel the lighter of A and B.
QRgb Lighter(QRgb A, QRgb B) {
  return qRgb(std::max(qRed(A), qRed(B)), std::max(qGreen(A), qGreen(B)),
              std::max(qBlue(A), qBlue(B)));
}

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
  // The art pixels that device pixel (X, Y) shows: one, or when scaled all it is made from and
  // one more round.
  QRect Footprint(int X, int Y) const {
    const int M = WholeRatio ? 0 : 1;
    return QRect(QPoint(int(X * S / R) - M, int(Y * S / R) - M),
                 QPoint(int((X + 1) * S / R) - 1 + 2 * M, int((Y + 1) * S / R) - 1 + 2 * M));
  }
};

} // namespace

TEST_P(THiDpi, PicturesKeepTheirLogicalSize) {
  ASSERT_EQ(S, GetParam().second);
  const std::pair<QPixmap, QSize> Sizes[] = {{Pictures.FMyBackground, {320, 320}},
                                             {Pictures.FShipImages[7].FPixmap, {32, 128}},
                                             {Pictures.FHeader, {681, 44}},
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
  // A ship of every size both ways: horizontal on rows 0, 2, 4, 6, vertical in columns 5 to 8.
  TBoard Grid;
  std::vector<std::unique_ptr<TShip>> Ships;
  for (int I = 0; I < 8; ++I) {
    const int Decks = I % 4 + 1;
    auto& Ship = Ships.emplace_back(std::make_unique<TShip>(
        &Pictures.FShipImages[Decks - 1], &Pictures.FShipImages[Decks + 3], Decks));
    Ship->SetBoard(&Grid);
    Ship->FVertical = I >= 4;
    EXPECT_TRUE(Ship->MoveTo(I >= 4 ? TPoint{4 + Decks, 0} : TPoint{0, 2 * (Decks - 1)}));
  }
  const QImage Before = PaintedBoard(Pictures, nullptr, R);
  const QImage After = PaintedBoard(Pictures, &Grid, R);
  for (const auto& Ship : Ships) {
    // A vertical ship is its file turned a quarter counter-clockwise, bow up, one logical row
    // lower, white above.
    const QImage Flat = Art(QStringLiteral("ship%1.png").arg(Ship->FSize), S);
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
      QRgb Most = Board; // a blend of the board and the art's colours is no lighter
      const QRect From = Footprint(U, V);
      for (int B = From.top(); B <= From.bottom(); ++B)
        for (int A = From.left(); A <= From.right(); ++A)
          Most = White(ArtAt(A, B)) ? Most : Lighter(Most, ArtAt(A, B));
      return qRed(Shown) > qRed(Most) + 3 || qGreen(Shown) > qGreen(Most) + 3 ||
             qBlue(Shown) > qBlue(Most) + 3;
    });
    EXPECT_EQ(Wrong, 0) << "ship of " << Ship->FSize << (Ship->FVertical ? " vertical" : "");
  }
}

// A flame shows exactly where its mask file says flame, in its sheet's colours, and the board
// elsewhere; when scaled, wherever the mask is the same all round.
TEST_P(THiDpi, FireShowsExactlyWhereItsMaskSaysFlame) {
  const QRgb Board = qRgb(0, 0, 255); // no flame is blue
  const QImage Sheet = Art("fire.png", S), Mask = Art("fire-mask.png", S);
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
    auto Flame = [&](int U, int V) { return qGray(Mask.pixel(Cell + QPoint(U, V))) != 0; };
    int Flames = 0;
    const int Wrong = CountWhere(Shown.rect(), [&](int X, int Y) {
      const QRgb P = Shown.pixel(X, Y);
      const QRect Around = Footprint(X, Y) & QRect(0, 0, 30 * S, 60 * S);
      const int Inside = CountWhere(Around, Flame);
      const bool All = Inside == Around.width() * Around.height();
      Flames += All;
      if (Inside == 0)
        return P != Board;
      return All && (WholeRatio ? P != Sheet.pixel(Cell + QPoint(X, Y)) : qRed(P) <= qBlue(P));
    });
    EXPECT_GT(Flames, 100 * R * R) << "frame " << K;
    EXPECT_EQ(Wrong, 0) << "frame " << K;
  }
}

INSTANTIATE_TEST_SUITE_P(Ratios, THiDpi,
                         testing::Values(std::pair(1.0, 1), std::pair(1.25, 2), std::pair(1.5, 2),
                                         std::pair(2.0, 2), std::pair(3.0, 3)));

// The 2x art is drawn at 2x, not the 1x one blown up: at every step of 64 or more in lightness
// between 1x neighbours in a row, its rows step about as steeply across the same place (blown up
// smoothly: half as steeply), and a third of its 2 x 2 blocks hold detail (by pixel: none).
TEST(HiDpi, TwoTimesArtIsAsSharpAsOneTimes) {
  auto L = [](const QImage& I, int X, int Y) { return qGray(I.pixel(X, Y)); };
  for (int Decks = 1; Decks <= 4; ++Decks) {
    const QImage One = Art(QStringLiteral("ship%1.png").arg(Decks), 1);
    const QImage Two = Art(QStringLiteral("ship%1.png").arg(Decks), 2);
    double Steepness = 0;
    int Steps = 0, Fine = 0;
    for (int Y = 0; Y < One.height(); ++Y)
      for (int X = 0; X < One.width(); ++X) {
        const QRgb P = Two.pixel(2 * X, 2 * Y);
        Fine += Two.pixel(2 * X + 1, 2 * Y) != P || Two.pixel(2 * X, 2 * Y + 1) != P ||
                Two.pixel(2 * X + 1, 2 * Y + 1) != P;
        const int Step = X + 1 < One.width() ? std::abs(L(One, X + 1, Y) - L(One, X, Y)) : 0;
        for (int Row = 2 * Y; Step >= 64 && Row < 2 * Y + 2; ++Row, ++Steps) {
          int Best = 0;
          for (int K = 2 * X; K < 2 * X + 3; ++K)
            Best = std::max(Best, std::abs(L(Two, K + 1, Row) - L(Two, K, Row)));
          Steepness += std::min(1.0, double(Best) / Step);
        }
      }
    EXPECT_GT(Steepness / Steps, 0.7) << Decks; // over 0.8 drawn, 0.43 blown up
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
  const QImage Sea = Art(S == 1 ? "background-my.png" : "background-my.jpg", S);
  ASSERT_EQ(Shown.size(), QSize(BoardPixels, BoardPixels) * S);
  int Wrong = 0;
  for (int Y = 17 * S; Y < BoardPixels * S; ++Y)
    for (int X = 17 * S; X < BoardPixels * S; ++X)
      if ((X / S - GridOrigin) % CellPixels != 0 && (Y / S - GridOrigin) % CellPixels != 0)
        Wrong += Shown.pixel(X, Y) != Sea.pixel(X - GridOrigin * S, Y - GridOrigin * S);
  EXPECT_EQ(Wrong, 0) << "at " << S;
}
