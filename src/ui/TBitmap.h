// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QPixmap>

// A picture of the game as the ships refer to it: pixels plus the mask of its transparent
// colour.
class TBitmap {
public:
  QPixmap FPixmap;
};
