// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

class QPainter;

// What a game object draws on: the painter of the paint box being painted.
struct TCanvas {
  QPainter& Painter;
};
