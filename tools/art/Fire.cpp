// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "Fire.h"

#include "ArtCanvas.h"
#include "TNoise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int Frames = 33;
constexpr int Width = 30;
constexpr int Height = 60;
constexpr int BaseRow = 53;
constexpr int HighestTip = 10;
constexpr int FirstColumn = 3;
constexpr int LastColumn = 26;
// The turbulence rises Rise px a frame; its lattice repeats after NoisePeriod cells of
// NoiseScale px, and Frames * Rise = NoisePeriod * NoiseScale, so frame 32 runs into frame 0.
constexpr double NoiseScale = 7.0;
constexpr int NoisePeriod = 11;
constexpr double Rise = NoiseScale * NoisePeriod / Frames;

QColor FlameColour(double T) {
  struct TStop {
    double At;
    QColor C;
  };
  static const TStop Stops[] = {{0.00, QColor(128, 26, 8)},    {0.22, QColor(206, 66, 14)},
                                {0.42, QColor(244, 132, 24)},  {0.62, QColor(255, 190, 52)},
                                {0.80, QColor(255, 226, 120)}, {1.00, QColor(255, 250, 218)}};
  T = std::clamp(T, 0.0, 1.0);
  for (int I = 1; I < 6; ++I) {
    if (T <= Stops[I].At) {
      return Mix(Stops[I - 1].C, Stops[I].C,
                 (T - Stops[I - 1].At) / (Stops[I].At - Stops[I - 1].At));
    }
  }
  return Stops[5].C;
}

bool InBounds(int X, int Y) {
  return X >= FirstColumn && X <= LastColumn && Y >= 0 && Y <= BaseRow;
}

// A spark: the whole logical pixel (X, Y), Scale x Scale device pixels.
void Put(QImage& Frame, int Scale, int X, int Y, QColor C) {
  if (!InBounds(X, Y))
    return;
  for (int DY = 0; DY < Scale; ++DY)
    for (int DX = 0; DX < Scale; ++DX)
      Frame.setPixel(X * Scale + DX, Y * Scale + DY, C.rgb());
}

} // namespace

QList<QImage> MakeFireFrames(int Scale) {
  const TNoise Turbulence(0xF17Eu);
  const TNoise Tongues(0x70A6u);
  QList<QImage> Result;
  for (int K = 0; K < Frames; ++K) {
    const double Theta = 2 * std::numbers::pi * K / Frames;
    // Flicker: the flame's height, width and sway pulse at a few rates that fit the loop.
    const double Tall = 28.0 + 7.0 * std::sin(2 * Theta + 0.3) + 4.5 * std::sin(5 * Theta + 1.7);
    const double Wide = 9.6 + 0.9 * std::sin(3 * Theta + 0.8);
    const double Sway = 2.4 * std::sin(Theta * 4 + 0.5) + 1.2 * std::sin(Theta * 7);

    QImage Frame(Width * Scale, Height * Scale, QImage::Format_ARGB32);
    Frame.fill(Qt::transparent);
    // Device rows and columns; Y and X are the logical coordinates of their centres.
    for (int DY = 0; DY < (BaseRow + 1) * Scale; ++DY) {
      const int Row = DY / Scale;
      const double Y = Logical(DY, Scale);
      const double H = (BaseRow + 0.5 - Y) / Tall; // 0 at the base, 1 at the tip
      // A finer raster catches thin tongues above the highest row the tips reach at 1x; they
      // stay below it, so that the flame keeps its height at every scale.
      if (H > 1.35 || (Scale > 1 && Row < HighestTip)) {
        continue;
      }
      const double Centre = 14.5 + Sway * std::pow(std::min(H, 1.2), 1.6);
      const double Half =
          Wide * std::pow(std::max(0.0, 1.0 - H * 0.85), 0.85) * std::min(1.0, (H + 0.32) * 2.2);
      for (int DX = FirstColumn * Scale; DX < (LastColumn + 1) * Scale; ++DX) {
        const double X = Logical(DX, Scale);
        const double NY = (Y + K * Rise) / NoiseScale;
        const double N = Turbulence.Fractal(X / 5.0, NY, 3, 0.55, 0, NoisePeriod);
        const double Tongue = Tongues.Value(X / 3.0, NY * 1.6, 0, int(NoisePeriod * 1.6 + 0.5));
        // Turbulence bites deeper towards the tip, breaking it into tongues.
        const double Edge = 1.0 - std::abs(X + 0.5 - Centre) / std::max(Half, 0.5);
        const double I = Edge - (N - 0.5) * (0.5 + 1.3 * H) - (Tongue - 0.5) * 0.6 * H -
                         std::max(0.0, H - 0.85) * 2.2;
        const bool Base = Row >= BaseRow - 1 && std::abs(X + 0.5 - 14.5) <= Wide * 0.72;
        if (I <= 0.0 && !Base) {
          continue;
        }
        const double Heat = std::clamp(I, 0.0, 1.0) * (0.98 - 0.55 * H) + 0.1 * (1.0 - H);
        if (InBounds(DX / Scale, Row))
          Frame.setPixel(DX, DY, FlameColour(Heat).rgb());
      }
    }
    // Sparks: each lives five frames, rising and drifting; births are spread over the loop.
    TArtRandom Random(0x5EA4u);
    for (int S = 0; S < 14; ++S) {
      const int Born = int(Random.Uniform() * Frames);
      const double X0 = Random.Range(8, 21);
      const double Drift = Random.Range(-1.2, 1.2);
      const double Start = Random.Range(30, 40);
      const int Age = (K - Born + Frames) % Frames;
      if (Age >= 5) {
        continue;
      }
      const int X = int(X0 + Drift * Age);
      const int Y = int(Start - Tall * 0.55 - 5.5 * Age);
      const QColor Hot = Age < 3 ? QColor(255, 236, 150) : QColor(250, 160, 50);
      Put(Frame, Scale, X, Y, Hot);
      if (Age < 3) {
        Put(Frame, Scale, X - (Drift > 0 ? 1 : 0), Y + 1, QColor(226, 100, 24));
      }
    }
    Result.append(Frame);
  }
  return Result;
}

QImage MakeFireSheet(const QList<QImage>& FramesList) {
  const int W = FramesList.value(0).width(), H = FramesList.value(0).height();
  QImage Sheet(W * 4, H * ((FramesList.size() + 3) / 4), QImage::Format_RGB888);
  Sheet.fill(Qt::black);
  for (int K = 0; K < FramesList.size(); ++K) {
    const QImage& F = FramesList[K];
    for (int Y = 0; Y < H; ++Y) {
      for (int X = 0; X < W; ++X) {
        const QRgb P = F.pixel(X, Y);
        if (qAlpha(P) != 0) {
          Sheet.setPixel((K % 4) * W + X, (K / 4) * H + Y, P);
        }
      }
    }
  }
  return Sheet;
}

QImage MakeFireMask(const QList<QImage>& FramesList) {
  const int W = FramesList.value(0).width(), H = FramesList.value(0).height();
  QImage Mask(W * 4, H * ((FramesList.size() + 3) / 4), QImage::Format_Mono);
  Mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  Mask.fill(1); // everything transparent but the flame pixels
  for (int K = 0; K < FramesList.size(); ++K) {
    for (int Y = 0; Y < H; ++Y) {
      for (int X = 0; X < W; ++X) {
        if (qAlpha(FramesList[K].pixel(X, Y)) != 0) {
          Mask.setPixel((K % 4) * W + X, (K / 4) * H + Y, 0);
        }
      }
    }
  }
  return Mask;
}
