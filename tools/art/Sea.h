// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

// The look of one board's sea: its seed and its two water colours.
struct TSeaLook {
  uint32_t Seed = 0;
  QColor Deep;            // the troughs and the water in shadow
  QColor Lit;             // the faces turned to the sky
  double WindAngle = 0.0; // direction the ripples travel, in radians from straight away
};

// Open sea seen from a little above the water, 320 x 320, RGB: a pale sky band in the top
// 8 rows, the horizon below it, ripples over the rest that grow finer towards the horizon.
// Scale 2 or 3 paints the same sea on a finer raster, with the ripples a finer pixel can show.
QImage MakeSeaBackground(const TSeaLook& Look, int Scale = 1);
