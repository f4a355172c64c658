// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "uUtils.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr uint32_t Back = 0x00112233; // 0x00BBGGRR: red 0x33, green 0x22, blue 0x11
const QRgb BackRgb = qRgb(0x33, 0x22, 0x11);

// Every pixel of a picture up to 256 x 256 has its own colour: red = column, green = row.
QRgb Tag(int X, int Y) {
  return qRgb(X, Y, (X * 7 + Y * 3) & 0xFF);
}

QImage Tagged(int W, int H) {
  QImage Image(W, H, QImage::Format_RGB32);
  for (int Y = 0; Y < H; ++Y) {
    for (int X = 0; X < W; ++X) {
      Image.setPixel(X, Y, Tag(X, Y));
    }
  }
  return Image;
}

QImage Turned(int W, int H, double Angle) {
  QImage Image = Tagged(W, H);
  RotateBitmap(Image, Back, Angle);
  return Image;
}

} // namespace

// Whole turns must leave the pixels alone but still hand back a 24-bit picture.
TEST(RotateBitmap, IdentityAnglesKeepPixelsAndGive24Bits) {
  for (double Angle : {0.0, 360.0, 720.0, -360.0}) {
    QImage Indexed(5, 3, QImage::Format_Indexed8);
    Indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 50)});
    for (int Y = 0; Y < 3; ++Y) {
      for (int X = 0; X < 5; ++X) {
        Indexed.setPixel(X, Y, (X + Y) % 2);
      }
    }
    QImage Picture = Indexed;
    RotateBitmap(Picture, Back, Angle);
    ASSERT_EQ(Picture.format(), QImage::Format_BGR888) << Angle;
    ASSERT_EQ(Picture.size(), QSize(5, 3)) << Angle;
    for (int Y = 0; Y < 3; ++Y) {
      for (int X = 0; X < 5; ++X) {
        EXPECT_EQ(Picture.pixel(X, Y), Indexed.pixel(X, Y)) << Angle << " at " << X << "," << Y;
      }
    }
  }
}

TEST(RotateBitmap, QuarterTurnsAreExact) {
  const QImage Right = Turned(64, 32, 90);
  ASSERT_EQ(Right.size(), QSize(32, 64));
  const QImage Left = Turned(64, 32, 270);
  ASSERT_EQ(Left.size(), QSize(32, 64));
  for (int Y = 0; Y < 64; ++Y) {
    for (int X = 0; X < 32; ++X) {
      ASSERT_EQ(Right.pixel(X, Y), Tag(Y, 31 - X)) << X << "," << Y;
      ASSERT_EQ(Left.pixel(X, Y), Tag(63 - Y, X)) << X << "," << Y;
    }
  }
}

TEST(RotateBitmap, HalfTurnKeepsSizeAndReversesBothAxes) {
  const QImage Picture = Turned(64, 32, 180);
  ASSERT_EQ(Picture.size(), QSize(64, 32));
  EXPECT_EQ(Picture.pixel(63, 31), Tag(0, 0));
  for (int Y = 0; Y < 32; ++Y) {
    for (int X = 0; X < 64; ++X) {
      ASSERT_EQ(Picture.pixel(X, Y), Tag(63 - X, 31 - Y)) << X << "," << Y;
    }
  }
}

// The vertical ships are made this way: one row lower than an exact quarter turn.
TEST(RotateBitmap, MinusNinetyLiesOneRowLowerWithBackgroundFirstRow) {
  const QImage Picture = Turned(128, 32, -90);
  ASSERT_EQ(Picture.size(), QSize(32, 128));
  for (int X = 0; X < 32; ++X) {
    EXPECT_EQ(Picture.pixel(X, 0), BackRgb) << X;
  }
  for (int J = 1; J < 128; ++J) {
    for (int I = 0; I < 32; ++I) {
      ASSERT_EQ(Picture.pixel(I, J), Tag(128 - J, I)) << I << "," << J;
    }
  }
}

// Angles outside the whole-turn table go the general way, with its rounding about (0, 0).
TEST(RotateBitmap, OtherAnglesTakeTheGeneralRotation) {
  const QImage Minus180 = Turned(64, 32, -180);
  ASSERT_EQ(Minus180.size(), QSize(64, 32));
  for (int J = 0; J < 32; ++J) {
    for (int I = 0; I < 64; ++I) {
      const QRgb Expected = (I >= 1 && J >= 1) ? Tag(64 - I, 32 - J) : BackRgb;
      ASSERT_EQ(Minus180.pixel(I, J), Expected) << I << "," << J;
    }
  }

  // 450 is not 90: the content is one column to the right, column 0 is background.
  const QImage Turn450 = Turned(64, 32, 450);
  ASSERT_EQ(Turn450.size(), QSize(32, 64));
  for (int J = 0; J < 64; ++J) {
    for (int I = 0; I < 32; ++I) {
      const QRgb Expected = I >= 1 ? Tag(J, 32 - I) : BackRgb;
      ASSERT_EQ(Turn450.pixel(I, J), Expected) << I << "," << J;
    }
  }

  const QImage Minus720 = Turned(64, 32, -720);
  ASSERT_EQ(Minus720.size(), QSize(64, 32));
  for (int J = 0; J < 32; ++J) {
    for (int I = 0; I < 64; ++I) {
      ASSERT_EQ(Minus720.pixel(I, J), Tag(I, J)) << I << "," << J;
    }
  }

  // A fractional angle never takes the quarter turn, even next to 90.
  const QImage Near90 = Turned(64, 32, 90.5);
  EXPECT_NE(Near90.size(), QSize(32, 64));
  EXPECT_EQ(Near90.size(), QSize(33, 64));
  EXPECT_EQ(Near90.pixel(0, 0), BackRgb);
}

TEST(RotateBitmap, FortyFiveDegreesGrowsThePictureAndFillsCorners) {
  const QImage Picture = Turned(32, 32, 45);
  ASSERT_EQ(Picture.size(), QSize(46, 45));
  EXPECT_EQ(Picture.pixel(0, 0), BackRgb);
  EXPECT_EQ(Picture.pixel(45, 0), BackRgb);
  EXPECT_EQ(Picture.pixel(0, 44), BackRgb);
  EXPECT_EQ(Picture.pixel(45, 44), BackRgb);
  // Left = -23: the source's top-left corner lands on column 23 of row 0.
  EXPECT_EQ(Picture.pixel(23, 0), Tag(0, 0));
  EXPECT_NE(Picture.pixel(23, 22), BackRgb);
}

// The background colour is 0x00BBGGRR and the bytes are stored blue, green, red.
TEST(RotateBitmap, BackColourBytesAreBlueGreenRed) {
  const QImage Picture = Turned(8, 4, -90);
  const uchar* Row = Picture.constScanLine(0);
  EXPECT_EQ(Row[0], 0x11);
  EXPECT_EQ(Row[1], 0x22);
  EXPECT_EQ(Row[2], 0x33);
}

// Degenerate input must not crash and must not invent pixels.
TEST(RotateBitmap, EmptyPicturesAndNonFiniteAnglesAreHarmless) {
  for (double Angle : {0.0, 90.0, 270.0, 180.0, -90.0, 33.3}) {
    for (QSize Size : {QSize(0, 5), QSize(7, 0), QSize(0, 0)}) {
      QImage Picture(Size, QImage::Format_RGB32);
      RotateBitmap(Picture, Back, Angle);
      EXPECT_EQ(qint64(Picture.width()) * Picture.height(), 0) << Angle;
    }
  }
  for (double Angle :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity()}) {
    QImage Picture = Tagged(6, 4);
    RotateBitmap(Picture, Back, Angle);
    ASSERT_EQ(Picture.size(), QSize(6, 4));
    EXPECT_EQ(Picture.format(), QImage::Format_BGR888);
    EXPECT_EQ(Picture.pixel(5, 3), Tag(5, 3));
  }
}
