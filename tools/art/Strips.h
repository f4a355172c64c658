// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

// The look of a wooden board: grain colours, how dense and how figured the grain is.
struct TWoodLook {
  uint32_t Seed = 0;
  QColor Light, Dark;
  double Lines = 0.0; // grain lines per pixel across the board
  double Warp = 0.0;  // how far the grain wanders: straight grain low, figured grain high
  double WarpScale = 0.0;
};

// A board of Width x Height logical pixels with the grain running along it, RGB, at Scale
// device pixels to a logical one.
QImage MakeWood(int Width, int Height, const TWoodLook& Look, int Scale = 1);

// The wooden strips of the main window, RGB; sizes logical, as for MakeWood.
// Header, 681 x 44: light oak with fine straight grain.
QImage MakeHeaderStrip(int Scale = 1);
// Footer, 681 x 87: warmer wood with a pronounced grain figure.
QImage MakeFooterStrip(int Scale = 1);
