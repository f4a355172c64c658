// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// The pictures the window loads: sizes, colour rules and transparency as the game relies on,
// in each set (1x, 2x, 3x); sizes and rows below are logical, times the scale S.
#include "ArtFile.h"
#include "uUtils.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QtMath>
#include <gtest/gtest.h>

namespace {

QImage Load(const QString& Name) {
  return Art(Name, 1);
}

bool IsWhite(QRgb P) {
  return (P & 0xFFFFFF) == 0xFFFFFF;
}

// Pure white pixels from row FromRow down that cannot be reached from the border through other
// white pixels: in the hull these would let the sea show through the middle of a ship. (Higher
// up, white framed by masts and stays is sky seen through the rigging, and meant to be.)
int EnclosedWhite(const QImage& Ship, int FromRow) {
  const int W = Ship.width(), H = Ship.height();
  std::vector<char> Seen(size_t(W) * H, 0);
  QList<QPoint> Todo;
  for (int X = 0; X < W; ++X) {
    Todo << QPoint(X, 0) << QPoint(X, H - 1);
  }
  for (int Y = 0; Y < H; ++Y) {
    Todo << QPoint(0, Y) << QPoint(W - 1, Y);
  }
  while (!Todo.isEmpty()) {
    const QPoint P = Todo.takeLast();
    if (P.x() < 0 || P.y() < 0 || P.x() >= W || P.y() >= H) {
      continue;
    }
    char& S = Seen[size_t(P.y()) * W + P.x()];
    if (S || !IsWhite(Ship.pixel(P))) {
      continue;
    }
    S = 1;
    Todo << P + QPoint(1, 0) << P + QPoint(-1, 0) << P + QPoint(0, 1) << P + QPoint(0, -1);
  }
  int Count = 0;
  for (int Y = FromRow; Y < H; ++Y) {
    for (int X = 0; X < W; ++X) {
      Count += IsWhite(Ship.pixel(X, Y)) && !Seen[size_t(Y) * W + X];
    }
  }
  return Count;
}

double MeanLightness(const QImage& Image, int FromRow, int ToRow) {
  double Sum = 0;
  for (int Y = FromRow; Y <= ToRow; ++Y) {
    for (int X = 0; X < Image.width(); ++X) {
      Sum += qGray(Image.pixel(X, Y));
    }
  }
  return Sum / ((ToRow - FromRow + 1) * Image.width());
}

// A picture set of each scale.
struct TPicturesAt : testing::TestWithParam<int> {
  const int S = GetParam();
  QImage Load(const QString& Name) const { return Art(Name, S); }
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Sets, TPicturesAt, testing::Values(1, 2, 3));

TEST_P(TPicturesAt, SeaBackgroundsAreDistinctOpaqueSquaresWithSkyOnTop) {
  const QImage My = Load(S == 1 ? "background-my.png" : "background-my.jpg"); // finer: JPEG
  const QImage Enemy = Load(S == 1 ? "background-enemy.png" : "background-enemy.jpg");
  for (const QImage& Sea : {My, Enemy}) {
    ASSERT_EQ(Sea.size(), QSize(320, 320) * S);
    EXPECT_FALSE(Sea.hasAlphaChannel());
    // A pale sky band over darker water.
    EXPECT_GT(MeanLightness(Sea, 0, 8 * S - 1), MeanLightness(Sea, 20 * S, 320 * S - 1) + 40);
    // Water is blue to blue-green: blue outweighs red below the horizon.
    const QColor Mid(Sea.pixel(160 * S, 200 * S));
    EXPECT_GT(Mid.blue(), Mid.red() + 30);
  }
  EXPECT_NE(My, Enemy);
}

// White is the ships' transparent colour: a white hole inside a hull would show the sea.
TEST_P(TPicturesAt, ShipsStandOnWhiteWithNoWhiteInside) {
  for (int Decks = 1; Decks <= 4; ++Decks) {
    const QImage Ship = Load(QStringLiteral("ship%1.png").arg(Decks));
    ASSERT_EQ(Ship.size(), QSize(32 * Decks, 32) * S) << Decks;
    EXPECT_FALSE(Ship.hasAlphaChannel()) << Decks;
    // From the highest deck down (17.6): above it the finer sets show sky between the
    // destroyer's aft turrets, under a barrel.
    EXPECT_EQ(EnclosedWhite(Ship, S == 1 ? 17 : qCeil(17.6 * S)), 0) << Decks;
    int Top = 32, Bottom = -1;
    bool LeftColumnUsed = false;
    for (int Y = 0; Y < 32 * S; ++Y) {
      for (int X = 0; X < Ship.width(); ++X) {
        if (!IsWhite(Ship.pixel(X, Y))) {
          Top = std::min(Top, Y / S);
          Bottom = std::max(Bottom, Y / S);
          LeftColumnUsed |= X < S;
        }
      }
    }
    EXPECT_LE(Top, 6) << "masts reach towards the top edge, ship " << Decks;
    EXPECT_GE(Bottom, 26) << "hull sits low, ship " << Decks;
    // The submarine and the frigate reach their left edge, the others leave it white.
    EXPECT_EQ(LeftColumnUsed, Decks == 1 || Decks == 3) << Decks;
  }
}

// The window makes the vertical ships at start-up; their bow ends up at the top. (At 2x and 3x
// they are checked on the board, HiDpiTest.)
TEST(Pictures, VerticalShipsComeFromRotateBitmap) {
  for (int Decks = 1; Decks <= 4; ++Decks) {
    const QImage Ship = Load(QStringLiteral("ship%1.png").arg(Decks));
    QImage Vertical = Ship;
    RotateBitmap(Vertical, 0xFFFFFF, -90);
    ASSERT_EQ(Vertical.size(), QSize(32, 32 * Decks));
    for (int X = 0; X < 32; ++X) {
      EXPECT_TRUE(IsWhite(Vertical.pixel(X, 0))) << "first row transparent, ship " << Decks;
    }
    // The bow (right end) of the horizontal ship is now near the top.
    EXPECT_EQ(Vertical.pixel(20, 1), Ship.pixel(Ship.width() - 1, 20)) << Decks;
  }
}

TEST_P(TPicturesAt, TargetCursorIsABlackCrosshairWithARing) {
  const QImage Cursor = Load("cursor-target.png").convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(Cursor.size(), QSize(32, 32) * S);
  int RingLeft = 32, RingRight = -1;
  for (int DY = 0; DY < 32 * S; ++DY) {
    for (int DX = 0; DX < 32 * S; ++DX) {
      const int X = DX / S, Y = DY / S; // device pixel to logical
      const QRgb P = Cursor.pixel(DX, DY);
      const bool Bar = X == 15 || X == 16 || Y == 15 || Y == 16;
      if (Bar) {
        EXPECT_EQ(P, qRgba(0, 0, 0, 255)) << X << "," << Y;
        continue;
      }
      // Everything else is either black figure or fully transparent: no white, no grey.
      EXPECT_TRUE(qAlpha(P) == 0 || P == qRgba(0, 0, 0, 255)) << X << "," << Y;
      if (qAlpha(P) != 0 && Y == 10) {
        RingLeft = std::min(RingLeft, X);
        RingRight = std::max(RingRight, X);
      }
      if (qAlpha(P) != 0) {
        EXPECT_TRUE(X >= 5 && X <= 26 && Y >= 5 && Y <= 26) << X << "," << Y;
      }
    }
  }
  EXPECT_LT(RingLeft, 10);
  EXPECT_GT(RingRight, 21);
  EXPECT_NE(qAlpha(Cursor.pixel(15 * S, 5 * S + S / 2)), 0);
  EXPECT_NE(qAlpha(Cursor.pixel(5 * S + S / 2, 15 * S)), 0);
}

TEST(Pictures, IconsHaveEverySizeWithTransparentCorners) {
  for (int Size : {32, 48, 64, 128, 256}) {
    const QImage Icon = Load(QStringLiteral("icon-%1.png").arg(Size));
    ASSERT_EQ(Icon.size(), QSize(Size, Size));
    ASSERT_TRUE(Icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(Icon.pixel(0, 0)), 0) << Size;
    EXPECT_EQ(qAlpha(Icon.pixel(Size / 2, Size / 2)), 255) << Size;
  }
}

TEST_P(TPicturesAt, WoodStripsFitTheWindow) {
  const QImage Header = Load("header.png");
  const QImage Footer = Load("footer.png");
  EXPECT_EQ(Header.size(), QSize(681, 44) * S);
  EXPECT_EQ(Footer.size(), QSize(681, 87) * S);
  EXPECT_FALSE(Header.hasAlphaChannel());
  EXPECT_FALSE(Footer.hasAlphaChannel());
  // The header is the lighter oak.
  EXPECT_GT(MeanLightness(Header, 0, 44 * S - 1), MeanLightness(Footer, 0, 87 * S - 1));
}

// A glyph's bottom-left pixel gives its transparent colour; the button draws nothing there.
TEST_P(TPicturesAt, GlyphsHaveTheirSizesAndTransparentColours) {
  struct TCase {
    const char* Name;
    QSize Size;
    QRgb Key;
  };
  for (const TCase& C : {TCase{"glyph-new.png", {20, 21}, qRgb(255, 255, 255)},
                         TCase{"glyph-start.png", {42, 21}, qRgb(0, 255, 0)},
                         TCase{"glyph-options.png", {16, 16}, qRgb(255, 0, 255)},
                         TCase{"glyph-net.png", {20, 20}, qRgb(255, 255, 255)}}) {
    const QImage Glyph = Load(C.Name);
    ASSERT_EQ(Glyph.size(), C.Size * S) << C.Name;
    EXPECT_FALSE(Glyph.hasAlphaChannel()) << C.Name;
    EXPECT_EQ(Glyph.pixel(0, Glyph.height() - 1) & 0xFFFFFF, C.Key & 0xFFFFFF) << C.Name;
    int Figure = 0;
    for (int Y = 0; Y < Glyph.height(); ++Y) {
      for (int X = 0; X < Glyph.width(); ++X) {
        Figure += (Glyph.pixel(X, Y) & 0xFFFFFF) != (C.Key & 0xFFFFFF);
      }
    }
    EXPECT_GT(Figure, Glyph.width() * Glyph.height() / 8) << C.Name;
  }
}

// The disabled start button shows a flat grey silhouette of exactly the enabled outline.
TEST_P(TPicturesAt, StartGlyphDisabledHalfIsAGreySilhouette) {
  const QImage Glyph = Load("glyph-start.png");
  ASSERT_EQ(Glyph.size(), QSize(42, 21) * S);
  const QRgb Green = qRgb(0, 255, 0) & 0xFFFFFF;
  QList<QRgb> Greys;
  for (int Y = 0; Y < 21 * S; ++Y) {
    for (int X = 0; X < 21 * S; ++X) {
      const QRgb Enabled = Glyph.pixel(X, Y) & 0xFFFFFF;
      const QRgb Disabled = Glyph.pixel(X + 21 * S, Y) & 0xFFFFFF;
      EXPECT_EQ(Enabled == Green, Disabled == Green) << X << "," << Y;
      if (Disabled != Green) {
        EXPECT_TRUE(qRed(Disabled) == qGreen(Disabled) && qGreen(Disabled) == qBlue(Disabled))
            << X << "," << Y;
      }
    }
  }
}
