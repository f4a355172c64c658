// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "uUtils.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

namespace {

constexpr int BytesPerPixel = 3;

// Rounds to the nearest integer, an exact half to the even neighbour (the default rounding mode).
long long Rnd(double Z) {
  return std::llrint(Z);
}

void QuarterTurn(QImage& Picture, const QImage& Source, double Angle) {
  const int W = Source.width();
  const int H = Source.height();
  Picture = QImage(H, W, QImage::Format_BGR888);
  if (W == 0 || H == 0) {
    return;
  }
  // The source rows are gathered first, so that the inner loop walks a destination row straight.
  const int A = Angle == 90.0 ? H - 1 : 0;
  std::vector<const uchar*> Rows(H);
  for (int I = 0; I < H; ++I) {
    Rows[I] = Source.constScanLine(std::abs(A - I));
  }
  const int B = Angle == 90.0 ? 0 : W - 1;
  for (int Y = 0; Y < W; ++Y) {
    uchar* Dest = Picture.scanLine(Y);
    const int Column = std::abs(B - Y) * BytesPerPixel;
    for (int X = 0; X < H; ++X) {
      std::memcpy(Dest + X * BytesPerPixel, Rows[X] + Column, BytesPerPixel);
    }
  }
}

void HalfTurn(QImage& Picture, const QImage& Source) {
  const int W = Source.width();
  const int H = Source.height();
  for (int R = 0; R < H; ++R) {
    uchar* Dest = Picture.scanLine(R);
    const uchar* Src = Source.constScanLine(H - 1 - R);
    for (int C = 0; C < W; ++C) {
      std::memcpy(Dest + C * BytesPerPixel, Src + (W - 1 - C) * BytesPerPixel, BytesPerPixel);
    }
  }
}

void GeneralTurn(QImage& Picture, const QImage& Source, uint32_t BackColour, double Angle) {
  const int W = Source.width();
  const int H = Source.height();
  const double Back = -Angle * std::numbers::pi / 180.0;
  const double S = std::sin(Back);
  const double C = std::cos(Back);
  const double Alpha = Angle * std::numbers::pi / 180.0;
  const double SinA = std::sin(Alpha);
  const double CosA = std::cos(Alpha);

  const double CornerX[4] = {0.0, double(W), double(W), 0.0};
  const double CornerY[4] = {0.0, 0.0, double(H), double(H)};
  long long Left = 0, Top = 0, Right = 0, Bottom = 0;
  for (int K = 0; K < 4; ++K) {
    const long long X = Rnd(CornerX[K] * CosA - CornerY[K] * SinA);
    const long long Y = Rnd(CornerX[K] * SinA + CornerY[K] * CosA);
    Left = K == 0 ? X : std::min(Left, X);
    Right = K == 0 ? X : std::max(Right, X);
    Top = K == 0 ? Y : std::min(Top, Y);
    Bottom = K == 0 ? Y : std::max(Bottom, Y);
  }
  Picture = QImage(int(Right - Left), int(Bottom - Top), QImage::Format_BGR888);
  if (Picture.isNull()) {
    return;
  }
  const uchar Fill[BytesPerPixel] = {uchar(BackColour >> 16), uchar(BackColour >> 8),
                                     uchar(BackColour)};
  for (int J = 0; J < Picture.height(); ++J) {
    uchar* Dest = Picture.scanLine(J);
    const double Y = double(J + Top);
    for (int I = 0; I < Picture.width(); ++I) {
      const double X = double(I + Left);
      const long long U = Rnd(X * C - Y * S);
      const long long V = Rnd(X * S + Y * C);
      const uchar* From = Fill;
      if (U >= 0 && U < W && V >= 0 && V < H) {
        From = Source.constScanLine(int(V)) + U * BytesPerPixel;
      }
      std::memcpy(Dest + I * BytesPerPixel, From, BytesPerPixel);
    }
  }
}

} // namespace

void RotateBitmap(QImage& Picture, uint32_t BackColour, double Angle) {
  Picture.convertTo(QImage::Format_BGR888);
  // An angle that is not a number would turn every coordinate into garbage: keep the pixels.
  if (!std::isfinite(Angle)) {
    return;
  }
  const QImage Source = Picture.copy();
  const double Whole = std::trunc(Angle);
  if (Angle - Whole != 0.0) {
    GeneralTurn(Picture, Source, BackColour, Angle);
  } else if (Whole == -360.0 || Whole == 0.0 || Whole == 360.0 || Whole == 720.0) {
    return;
  } else if (Whole == 90.0 || Whole == 270.0) {
    QuarterTurn(Picture, Source, Whole);
  } else if (Whole == 180.0) {
    HalfTurn(Picture, Source);
  } else {
    GeneralTurn(Picture, Source, BackColour, Angle);
  }
}

void TurnShipPicture(QImage& Picture, int Scale) {
  RotateBitmap(Picture, 0xFFFFFF, -90);
  // One device row lower already; Scale - 1 more, the rows above filled with white.
  const int Shift = std::min(Scale - 1, Picture.height());
  if (Shift <= 0)
    return;
  const qsizetype Bytes = qsizetype(Picture.width()) * BytesPerPixel;
  for (int Y = Picture.height() - 1; Y >= Shift; --Y)
    std::memcpy(Picture.scanLine(Y), Picture.constScanLine(Y - Shift), Bytes);
  for (int Y = 1; Y <= Shift && Y < Picture.height(); ++Y)
    std::memset(Picture.scanLine(Y), 0xFF, Bytes);
}
