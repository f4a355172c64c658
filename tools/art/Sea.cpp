// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "Sea.h"

#include "ArtCanvas.h"
#include "TNoise.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int Size = 320;
constexpr int SkyRows = 8;
constexpr int Samples = 3; // per pixel side, against shimmer near the horizon

struct TWave {
  double DirX = 0.0, DirZ = 0.0, Number = 0.0, Amplitude = 0.0, Phase = 0.0;
};

std::vector<TWave> MakeWaves(const TSeaLook& Look) {
  TArtRandom Random(Look.Seed);
  std::vector<TWave> Waves;
  double Length = 1.5;
  for (int I = 0; I < 22; ++I) {
    const double Angle = Look.WindAngle + Random.Range(-0.6, 0.6);
    TWave W;
    W.DirX = std::sin(Angle);
    W.DirZ = std::cos(Angle);
    W.Number = 2 * std::numbers::pi / Length;
    W.Amplitude = Length * 0.02;
    W.Phase = Random.Range(0, 2 * std::numbers::pi);
    Waves.push_back(W);
    Length *= Random.Range(0.8, 0.9);
  }
  return Waves;
}

// Slope of the water along the line of sight at a point of the sea plane; a slope facing the
// viewer reflects the dark sea, one facing away reflects the bright sky.
double Slope(const std::vector<TWave>& Waves, const TNoise& Noise, double WX, double WZ,
             double Footprint) {
  double S = 0.0;
  for (const TWave& W : Waves) {
    // Waves finer than a pixel's footprint average out to nothing instead of shimmering.
    const double Fade = std::exp(-std::pow(W.Number * Footprint * 0.5, 2.0));
    if (Fade < 0.01) {
      continue;
    }
    S += Fade * W.Amplitude * W.Number * W.DirZ *
         std::cos(W.Number * (W.DirX * WX + W.DirZ * WZ) + W.Phase);
  }
  const double Gust = Noise.Fractal(WX * 0.35, WZ * 0.35, 3); // patches of rougher water
  return S * (0.65 + 0.7 * Gust);
}

} // namespace

QImage MakeSeaBackground(const TSeaLook& Look, int Scale) {
  QImage Sea(Size * Scale, Size * Scale, QImage::Format_RGB888);
  const std::vector<TWave> Waves = MakeWaves(Look);
  const TNoise Noise(Look.Seed ^ 0x5EA5EAu);
  const TNoise Clouds(Look.Seed ^ 0xC10D5u);

  const QColor SkyTop(150, 186, 216);
  const QColor SkyLow(226, 234, 238);
  const QColor Haze = Mix(SkyLow, Look.Lit, 0.45);
  const QColor Glint(236, 244, 246);

  for (int Y = 0; Y < Sea.height(); ++Y) {
    uchar* Row = Sea.scanLine(Y);
    const int LogicalRow = Y / Scale;
    const double LY = Logical(Y, Scale);
    for (int X = 0; X < Sea.width(); ++X) {
      QColor C;
      if (LogicalRow < SkyRows) {
        const double T = std::max(0.0, LY / double(SkyRows - 1));
        C = Mix(SkyTop, SkyLow, std::pow(T, 0.8));
        const double Cloud = Clouds.Fractal(Logical(X, Scale) / 40.0, LY / 4.0, 4);
        C = Mix(C, QColor(246, 246, 244), std::max(0.0, Cloud - 0.5) * 1.6);
      } else {
        double R = 0, G = 0, B = 0;
        for (int SY = 0; SY < Samples; ++SY) {
          for (int SX = 0; SX < Samples; ++SX) {
            const double PX = (X + (SX + 0.5) / Samples) / Scale;
            const double PY = (Y + (SY + 0.5) / Samples) / Scale;
            // Perspective: rows just below the horizon are far away and compressed.
            const double Depth = (PY - SkyRows) / double(Size - SkyRows); // 0 at the horizon
            const double Distance = 1.0 / (Depth + 0.035);
            const double WZ = Distance * 1.6;
            const double WX = (PX - Size / 2.0) / Size * Distance * 1.9;
            // A device pixel's footprint: a finer raster keeps finer ripples.
            const double Footprint = Distance * Distance / Size * 1.6 / Scale;
            const double S = Slope(Waves, Noise, WX, WZ, Footprint);
            // Far water reflects more of the sky (grazing view).
            const double Fresnel = std::clamp(0.12 + 0.75 * std::exp(-Depth * 9.0), 0.0, 0.9);
            const double Mottle = Noise.Fractal(WX * 3.0, WZ * 3.0, 2) - 0.5;
            double Light = std::clamp(0.5 + S * 1.3 + Mottle * 0.35, 0.0, 1.0);
            QColor W = Mix(Look.Deep, Look.Lit, Light);
            W = Mix(W, Haze, Fresnel);
            if (S > 0.5) {
              W = Mix(W, Glint, std::min(0.6, (S - 0.5) * 2.0));
            }
            R += W.red();
            G += W.green();
            B += W.blue();
          }
        }
        const double N = Samples * Samples;
        C = QColor(int(R / N + 0.5), int(G / N + 0.5), int(B / N + 0.5));
        if (LogicalRow == SkyRows) {
          C = Mix(C, Look.Deep, 0.35); // the horizon line, a little darker than the haze
        }
      }
      Row[3 * X] = uchar(C.red());
      Row[3 * X + 1] = uchar(C.green());
      Row[3 * X + 2] = uchar(C.blue());
    }
  }
  return Sea;
}
