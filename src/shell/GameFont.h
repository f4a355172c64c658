// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QFont>

// The game's texts are laid out in pixels, in the metrics of "MS Sans Serif"; main maps the
// family to a metric-compatible font where it is missing.
inline QFont GameFont(int Pixels, bool Bold = false, bool Underline = false) {
  QFont Font(QStringLiteral("MS Sans Serif"));
  Font.setPixelSize(Pixels);
  Font.setBold(Bold);
  Font.setUnderline(Underline);
  return Font;
}
