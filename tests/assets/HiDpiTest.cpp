// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// The pictures on screens of every scale, checked against their own art files (name@2x.png),
// not against what the loading code made of them.
#include "BoardGeometry.h"
#include "BoardPainter.h"
#include "TJvBmpAnimator.h"
#include "TJvGIFAnimator.h"
#include "TPaintBox.h"
#include "TPictures.h"
#include "TSalvoraMainWin.h"
#include "TShip.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

QImage Art(const QString& Name, int Scale) {
  QString File = Name;
  if (Scale != 1)
    File.insert(File.lastIndexOf(u'.'), QStringLiteral("@%1x").arg(Scale));
  return QImage(QStringLiteral(":/pictures/") + File).convertToFormat(QImage::Format_RGB32);
}

bool White(QRgb P) {
  return (P & 0xFFFFFF) == 0xFFFFFF;
}

// The picture of a ship as the art says it shows at device pixel (U, V) of its set: the
// horizontal file, or for a vertical ship that file turned a quarter counter-clockwise with the
// bow up and the content one logical row (Scale device rows) lower, white above.
QRgb ShipArt(const QImage& Horizontal, bool Vertical, int Scale, int U, int V) {
  if (!Vertical)
    return Horizontal.pixel(U, V);
  if (V < Scale)
    return qRgb(255, 255, 255);
  return Horizontal.pixel(Horizontal.width() - 1 - (V - Scale), U);
}

// A board with a ship of every size both ways: horizontal ones on rows 0, 2, 4, 6 from
// column 0, vertical ones in columns 5 to 8 from row 0.
struct TFleetOnBoard {
  TBoard Board;
  std::vector<std::unique_ptr<TShip>> Ships;

  explicit TFleetOnBoard(const TPictures& Pictures) {
    for (int Decks = 1; Decks <= 4; ++Decks)
      for (bool Vertical : {false, true}) {
        auto Ship = std::make_unique<TShip>(&Pictures.FShipImages[Decks - 1],
                                            &Pictures.FShipImages[Decks + 3], Decks);
        Ship->SetBoard(&Board);
        Ship->FVertical = Vertical;
        EXPECT_TRUE(Ship->MoveTo(Vertical ? TPoint{4 + Decks, 0} : TPoint{0, 2 * (Decks - 1)}));
        Ships.push_back(std::move(Ship));
      }
  }
};

// The player's board painted on a screen of Ratio, with or without the ships.
QImage PaintedBoard(const TPictures& Pictures, const TBoard* Board, qreal Ratio) {
  const int Side = int(std::ceil(BoardPixels * Ratio));
  QImage Image(Side, Side, QImage::Format_RGB32);
  Image.fill(Qt::black);
  Image.setDevicePixelRatio(Ratio);
  QPainter Painter(&Image);
  TBoardView View;
  View.Board = Board;
  View.Background = &Pictures.FMyBackground;
  PaintBoard(Painter, View, {BoardPixels, BoardPixels}, QFont(), Qt::black, Qt::lightGray);
  return Image;
}

// The ship's rectangle on a screen of Ratio.
QRect DeviceRect(const TShip& Ship, qreal Ratio) {
  const TPoint At = CellToPixel(Ship.FPos);
  const QSize Cells = Ship.FVertical ? QSize(1, Ship.FSize) : QSize(Ship.FSize, 1);
  return QRect(qRound(At.X * Ratio), qRound(At.Y * Ratio), qRound(Cells.width() * 32 * Ratio),
               qRound(Cells.height() * 32 * Ratio));
}

// How steep the edges of a 2x drawing are beside the 1x one: for every strong step of the 1x
// drawing (neighbours 64 or more apart in lightness), the steepest step of the 2x drawing across
// the same place, as a share of the 1x step, on average. About 1 when the 2x drawing is as
// sharp, a half when it is the 1x one blown up smoothly.
double EdgeSteepness(const QImage& One, const QImage& Two) {
  auto L = [](const QImage& I, int X, int Y) { return qGray(I.pixel(X, Y)); };
  double Sum = 0;
  int Edges = 0;
  for (bool Across : {true, false})
    for (int Y = 0; Y + (Across ? 0 : 1) < One.height(); ++Y)
      for (int X = 0; X + (Across ? 1 : 0) < One.width(); ++X) {
        const int Step = std::abs(L(One, X + Across, Y + !Across) - L(One, X, Y));
        if (Step < 64)
          continue;
        for (int Row = 0; Row < 2; ++Row) {
          int Best = 0;
          for (int K = 0; K < 3; ++K) {
            const QPoint P =
                Across ? QPoint(2 * X + K, 2 * Y + Row) : QPoint(2 * X + Row, 2 * Y + K);
            const QPoint Next = P + (Across ? QPoint(1, 0) : QPoint(0, 1));
            Best = std::max(Best, std::abs(L(Two, Next.x(), Next.y()) - L(Two, P.x(), P.y())));
          }
          Sum += std::min(1.0, double(Best) / Step);
          ++Edges;
        }
      }
  return Edges ? Sum / Edges : 0;
}

// The share of 2 x 2 blocks of a 2x picture whose four pixels are not all alike: none in a 1x
// picture enlarged.
double FineBlocks(const QImage& Picture) {
  int Blocks = 0, Fine = 0;
  for (int Y = 0; Y + 1 < Picture.height(); Y += 2)
    for (int X = 0; X + 1 < Picture.width(); X += 2) {
      const QRgb P = Picture.pixel(X, Y);
      ++Blocks;
      Fine += Picture.pixel(X + 1, Y) != P || Picture.pixel(X, Y + 1) != P ||
              Picture.pixel(X + 1, Y + 1) != P;
    }
  return Blocks ? double(Fine) / Blocks : 0;
}

const qreal Ratios[] = {1.0, 1.25, 1.5, 2.0, 3.0};

} // namespace

// Every ratio takes the set of the next larger whole scale, and every picture keeps its
// logical size there.
TEST(HiDpi, PicturesKeepTheirLogicalSizeAtEveryRatio) {
  const int Sets[] = {1, 2, 2, 2, 3};
  for (int I = 0; I < 5; ++I) {
    const qreal R = Ratios[I];
    const TPictures Pictures(R);
    EXPECT_EQ(Pictures.FScale, Sets[I]) << R;
    // Within a pixel or two: at 1.25 a 30 px frame is 37.5 device pixels, drawn as 38.
    auto Logical = [R](const QPixmap& P, QSize Size) {
      EXPECT_DOUBLE_EQ(P.devicePixelRatio(), R);
      const QSizeF Shown = QSizeF(P.size()) / R;
      return std::abs(Shown.width() - Size.width()) <= 2 &&
             std::abs(Shown.height() - Size.height()) <= 2;
    };
    EXPECT_TRUE(Logical(Pictures.FMyBackground, QSize(320, 320))) << R;
    EXPECT_TRUE(Logical(Pictures.FShipImages[3].FPixmap, QSize(128, 32))) << R;
    EXPECT_TRUE(Logical(Pictures.FShipImages[7].FPixmap, QSize(32, 128))) << R;
    EXPECT_TRUE(Logical(Pictures.FHeader, QSize(681, 44))) << R;
    EXPECT_TRUE(Logical(Pictures.FFooter, QSize(681, 87))) << R;
    EXPECT_TRUE(Logical(Pictures.FFire, QSize(120, 540))) << R;
    EXPECT_TRUE(Logical(Pictures.FTargetCursor.pixmap(), QSize(32, 32))) << R;
    QWidget Window;
    TJvGIFAnimator Cannon(&Window, Pictures.FMyCannon, R);
    EXPECT_EQ(Cannon.size(), QSize(110, 87)) << R;
    EXPECT_EQ(Cannon.FrameCount(), 13) << R;
  }
}

// On the board a ship shows its own art, pixel for pixel at a whole ratio, and the board
// wherever its art is white; at a fractional ratio no pixel is whiter than the ship's own
// colours and the board around it, so that no white edge shows.
TEST(HiDpi, ShipsShowTheirArtAndNeverTheirWhite) {
  for (qreal R : Ratios) {
    const TPictures Pictures(R);
    const int S = Pictures.FScale;
    const TFleetOnBoard Fleet(Pictures);
    const QImage Before = PaintedBoard(Pictures, nullptr, R);
    const QImage After = PaintedBoard(Pictures, &Fleet.Board, R);
    const bool Whole = R == S;
    for (const auto& Ship : Fleet.Ships) {
      const QImage Horizontal = Art(QStringLiteral("ship%1.png").arg(Ship->FSize), S);
      const QRect Source({0, 0},
                         Ship->FVertical ? Horizontal.size().transposed() : Horizontal.size());
      const QRect Rect = DeviceRect(*Ship, R);
      int Wrong = 0;
      for (int Y = Rect.top(); Y <= Rect.bottom(); ++Y)
        for (int X = Rect.left(); X <= Rect.right(); ++X) {
          const QRgb Shown = After.pixel(X, Y);
          const int U = X - Rect.left(), V = Y - Rect.top();
          if (Whole) {
            const QRgb Drawn = ShipArt(Horizontal, Ship->FVertical, S, U, V);
            Wrong += Shown != (White(Drawn) ? Before.pixel(X, Y) : Drawn);
            continue;
          }
          // The art pixels this device pixel is made from, and one around.
          int Most[3] = {qRed(Before.pixel(X, Y)), qGreen(Before.pixel(X, Y)),
                         qBlue(Before.pixel(X, Y))};
          const int Size = int(std::ceil(S / R)) + 1;
          for (int B = int(V * S / R) - 1; B <= int(V * S / R) + Size; ++B)
            for (int A = int(U * S / R) - 1; A <= int(U * S / R) + Size; ++A) {
              if (!Source.contains(A, B))
                continue;
              const QRgb Drawn = ShipArt(Horizontal, Ship->FVertical, S, A, B);
              if (White(Drawn))
                continue;
              Most[0] = std::max(Most[0], qRed(Drawn));
              Most[1] = std::max(Most[1], qGreen(Drawn));
              Most[2] = std::max(Most[2], qBlue(Drawn));
            }
          Wrong += qRed(Shown) > Most[0] + 3 || qGreen(Shown) > Most[1] + 3 ||
                   qBlue(Shown) > Most[2] + 3;
        }
      EXPECT_EQ(Wrong, 0) << "ship of " << Ship->FSize << (Ship->FVertical ? " vertical" : "")
                          << " at " << R;
    }
  }
}

// At 2 a ship is drawn from its 2x art: its edges are as steep as at 1 (not a 1x picture
// blurred up) and it has detail finer than a logical pixel (not a 1x picture enlarged).
TEST(HiDpi, ShipsAreAsSharpAtTwoAsAtOne) {
  QImage Drawn[3];
  for (int R : {1, 2}) {
    const TPictures Pictures(R);
    const TFleetOnBoard Fleet(Pictures);
    const QImage Board = PaintedBoard(Pictures, &Fleet.Board, R);
    const TShip& Destroyer = *Fleet.Ships[6]; // four decks, horizontal
    ASSERT_EQ(Destroyer.FSize, 4);
    Drawn[R] = Board.copy(DeviceRect(Destroyer, R));
  }
  EXPECT_GT(EdgeSteepness(Drawn[1], Drawn[2]), 0.85);
  EXPECT_GT(FineBlocks(Drawn[2]), 0.3);
}

// A flame shows exactly where its mask file says flame, in the colours of its sheet, and the
// board everywhere else; at a fractional ratio, wherever the mask is the same all round.
TEST(HiDpi, FireShowsExactlyWhereItsMaskSaysFlame) {
  const QRgb Board = qRgb(0, 0, 255); // no flame is blue
  for (qreal R : Ratios) {
    const TPictures Pictures(R);
    const int S = Pictures.FScale;
    const QImage Sheet = Art("fire.png", S), Mask = Art("fire-mask.png", S);
    QWidget Panel;
    Panel.resize(TJvBmpAnimator::FrameWidth, TJvBmpAnimator::FrameHeight);
    Panel.setAutoFillBackground(true);
    Panel.setPalette(QPalette(QColor(Board)));
    auto* Fire = new TJvBmpAnimator(&Panel, Pictures.FFire, 33);
    for (int K : {0, 9, 21, 32}) {
      Fire->SetPosition(K);
      QImage Shown(qRound(30 * R), qRound(60 * R), QImage::Format_RGB32);
      Shown.setDevicePixelRatio(R);
      Panel.render(&Shown);
      const QPoint Cell((K % 4) * 30 * S, (K / 4) * 60 * S);
      auto Flame = [&](int U, int V) { return qGray(Mask.pixel(Cell + QPoint(U, V))) != 0; };
      int Flames = 0, Wrong = 0;
      for (int Y = 0; Y < Shown.height(); ++Y)
        for (int X = 0; X < Shown.width(); ++X) {
          const QRgb P = Shown.pixel(X, Y);
          if (R == S) {
            const bool Here = Flame(X, Y);
            Flames += Here;
            Wrong += P != (Here ? Sheet.pixel(Cell + QPoint(X, Y)) : Board);
            continue;
          }
          int Count = 0, Inside = 0;
          for (int V = int(Y * S / R) - 1; V <= int((Y + 1) * S / R) + 1; ++V)
            for (int U = int(X * S / R) - 1; U <= int((X + 1) * S / R) + 1; ++U)
              if (U >= 0 && V >= 0 && U < 30 * S && V < 60 * S) {
                ++Count;
                Inside += Flame(U, V);
              }
          if (Inside == 0)
            Wrong += P != Board;
          else if (Inside == Count) {
            ++Flames;
            Wrong += qRed(P) <= qBlue(P);
          }
        }
      EXPECT_GT(Flames, 100 * R * R) << "frame " << K << " at " << R;
      EXPECT_EQ(Wrong, 0) << "frame " << K << " at " << R;
    }
  }
}

// The window shows the set of its screen's scale: run at 1, and by ctest under
// QT_SCALE_FACTOR=2, where the sea of the player's board is the 2x art pixel for pixel.
TEST(HiDpi, WindowShowsTheSetOfItsScreen) {
  QTemporaryDir Folder;
  TSalvoraMainWin Window(QDir(Folder.path()).filePath(QStringLiteral("salvora.ini")));
  Window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
  const qreal R = Window.devicePixelRatio();
  const int S = int(R);
  ASSERT_EQ(R, S) << "a whole scale";
  Window.FGame.FFleets.ClearBoard(Window.FGame.FMyBoard);
  const QImage Shown = Window.pbLeft->grab().toImage();
  const QImage Sea = Art(S == 1 ? "background-my.png" : "background-my.jpg", S);
  ASSERT_EQ(Shown.size(), QSize(BoardPixels, BoardPixels) * S);
  int Wrong = 0;
  for (int Y = 17 * S; Y < BoardPixels * S; ++Y)
    for (int X = 17 * S; X < BoardPixels * S; ++X)
      if ((X / S - GridOrigin) % CellPixels != 0 && (Y / S - GridOrigin) % CellPixels != 0)
        Wrong += Shown.pixel(X, Y) != Sea.pixel(X - GridOrigin * S, Y - GridOrigin * S);
  EXPECT_EQ(Wrong, 0) << "at " << R;
}
