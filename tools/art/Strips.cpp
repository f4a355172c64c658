// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "Strips.h"

#include "ArtCanvas.h"
#include "TNoise.h"

#include <algorithm>
#include <cmath>

QImage MakeWood(int Width, int Height, const TWoodLook& Look, int Scale) {
  const TNoise Warp(Look.Seed);
  const TNoise Fibres(Look.Seed ^ 0xF1B3u);
  QImage Wood(Width * Scale, Height * Scale, QImage::Format_RGB888);
  for (int DY = 0; DY < Wood.height(); ++DY) {
    uchar* Row = Wood.scanLine(DY);
    const double Y = Logical(DY, Scale);
    for (int DX = 0; DX < Wood.width(); ++DX) {
      const double X = Logical(DX, Scale);
      const double W = Warp.Fractal(X / Look.WarpScale, Y / (Look.WarpScale * 0.35), 4);
      const double G = (Y + Look.Warp * (W - 0.5) * 40.0) * Look.Lines;
      const double Ring = G - std::floor(G);
      // Late wood: a dark, sharp line at the end of each growth ring; early wood: pale.
      const double Late = std::pow(std::max(0.0, Ring - 0.72) / 0.28, 2.0);
      const double Fibre = Fibres.Fractal(X / 60.0, Y * 1.3, 3);
      const double T = std::clamp(0.18 + 0.55 * Late + 0.35 * (Fibre - 0.5), 0.0, 1.0);
      QColor C = Mix(Look.Light, Look.Dark, T);
      // Pores: fine dark flecks along the grain.
      if (Fibres.Hash(DX / Scale / 3, DY / Scale) > 0.985) {
        C = Shade(C, 0.86);
      }
      Row[3 * DX] = uchar(C.red());
      Row[3 * DX + 1] = uchar(C.green());
      Row[3 * DX + 2] = uchar(C.blue());
    }
  }
  return Wood;
}

namespace {

// A bevel: a light top edge and a dark bottom edge, so the strip reads as a board. Depth is
// logical; each device row takes the strength of its logical row.
void Bevel(QImage& Wood, int Depth, int Scale) {
  for (int D = 0; D < Depth * Scale; ++D) {
    const double Strength = 1.0 - D / Scale / double(Depth);
    for (int X = 0; X < Wood.width(); ++X) {
      const QColor Top = QColor(Wood.pixel(X, D));
      Wood.setPixel(X, D, Shade(Top, 1.0 + 0.22 * Strength).rgb());
      const int Y = Wood.height() - 1 - D;
      const QColor Bottom = QColor(Wood.pixel(X, Y));
      Wood.setPixel(X, Y, Shade(Bottom, 1.0 - 0.3 * Strength).rgb());
    }
  }
}

} // namespace

QImage MakeHeaderStrip(int Scale) {
  QImage Wood = MakeWood(
      681, 44, {0x0A4Bu, QColor(222, 190, 140), QColor(160, 116, 66), 0.3, 0.3, 320.0}, Scale);
  Bevel(Wood, 2, Scale);
  return Wood;
}

QImage MakeFooterStrip(int Scale) {
  QImage Wood = MakeWood(
      681, 87, {0xF00Du, QColor(196, 128, 72), QColor(110, 58, 28), 0.14, 1.5, 260.0}, Scale);
  Bevel(Wood, 3, Scale);
  return Wood;
}
