// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// The pictures the window loads: sizes, colour rules and transparency as the game relies on.
#include "uUtils.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <gtest/gtest.h>

namespace {

QImage Load(const QString& Name) {
  return QImage(QStringLiteral(":/pictures/") + Name);
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

} // namespace

TEST(Pictures, SeaBackgroundsAreDistinctOpaqueSquaresWithSkyOnTop) {
  const QImage My = Load("background-my.png");
  const QImage Enemy = Load("background-enemy.png");
  for (const QImage& Sea : {My, Enemy}) {
    ASSERT_EQ(Sea.size(), QSize(320, 320));
    EXPECT_FALSE(Sea.hasAlphaChannel());
    // A pale sky band over darker water.
    EXPECT_GT(MeanLightness(Sea, 0, 7), MeanLightness(Sea, 20, 319) + 40);
    // Water is blue to blue-green: blue outweighs red below the horizon.
    const QColor Mid(Sea.pixel(160, 200));
    EXPECT_GT(Mid.blue(), Mid.red() + 30);
  }
  EXPECT_NE(My, Enemy);
}

// White is the ships' transparent colour: a white hole inside a hull would show the sea.
TEST(Pictures, ShipsStandOnWhiteWithNoWhiteInside) {
  for (int Decks = 1; Decks <= 4; ++Decks) {
    const QImage Ship = Load(QStringLiteral("ship%1.png").arg(Decks));
    ASSERT_EQ(Ship.size(), QSize(32 * Decks, 32)) << Decks;
    EXPECT_FALSE(Ship.hasAlphaChannel()) << Decks;
    EXPECT_EQ(EnclosedWhite(Ship, 17), 0) << Decks;
    int Top = 32, Bottom = -1;
    bool LeftColumnUsed = false;
    for (int Y = 0; Y < 32; ++Y) {
      for (int X = 0; X < Ship.width(); ++X) {
        if (!IsWhite(Ship.pixel(X, Y))) {
          Top = std::min(Top, Y);
          Bottom = std::max(Bottom, Y);
          LeftColumnUsed |= X == 0;
        }
      }
    }
    EXPECT_LE(Top, 6) << "masts reach towards the top edge, ship " << Decks;
    EXPECT_GE(Bottom, 26) << "hull sits low, ship " << Decks;
    // The submarine and the frigate reach their left edge, the others leave it white.
    EXPECT_EQ(LeftColumnUsed, Decks == 1 || Decks == 3) << Decks;
  }
}

// The window makes the vertical ships at start-up; their bow ends up at the top.
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

TEST(Pictures, TargetCursorIsABlackCrosshairWithARing) {
  const QImage Cursor = Load("cursor-target.png").convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(Cursor.size(), QSize(32, 32));
  int RingLeft = 32, RingRight = -1;
  for (int Y = 0; Y < 32; ++Y) {
    for (int X = 0; X < 32; ++X) {
      const QRgb P = Cursor.pixel(X, Y);
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
  EXPECT_NE(qAlpha(Cursor.pixel(15, 5)), 0);
  EXPECT_NE(qAlpha(Cursor.pixel(5, 15)), 0);
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

TEST(Pictures, WoodStripsFitTheWindow) {
  const QImage Header = Load("header.png");
  const QImage Footer = Load("footer.png");
  EXPECT_EQ(Header.size(), QSize(681, 44));
  EXPECT_EQ(Footer.size(), QSize(681, 87));
  EXPECT_FALSE(Header.hasAlphaChannel());
  EXPECT_FALSE(Footer.hasAlphaChannel());
  // The header is the lighter oak.
  EXPECT_GT(MeanLightness(Header, 0, 43), MeanLightness(Footer, 0, 86));
}

// A glyph's bottom-left pixel gives its transparent colour; the button draws nothing there.
TEST(Pictures, GlyphsHaveTheirSizesAndTransparentColours) {
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
    ASSERT_EQ(Glyph.size(), C.Size) << C.Name;
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
TEST(Pictures, StartGlyphDisabledHalfIsAGreySilhouette) {
  const QImage Glyph = Load("glyph-start.png");
  ASSERT_EQ(Glyph.size(), QSize(42, 21));
  const QRgb Green = qRgb(0, 255, 0) & 0xFFFFFF;
  QList<QRgb> Greys;
  for (int Y = 0; Y < 21; ++Y) {
    for (int X = 0; X < 21; ++X) {
      const QRgb Enabled = Glyph.pixel(X, Y) & 0xFFFFFF;
      const QRgb Disabled = Glyph.pixel(X + 21, Y) & 0xFFFFFF;
      EXPECT_EQ(Enabled == Green, Disabled == Green) << X << "," << Y;
      if (Disabled != Green) {
        EXPECT_TRUE(qRed(Disabled) == qGreen(Disabled) && qGreen(Disabled) == qBlue(Disabled))
            << X << "," << Y;
      }
    }
  }
}
