// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

// Helpers shared by the picture generators.

// A transparent ARGB canvas with an antialiasing painter set up on it.
QImage MakeCanvas(int Width, int Height);

// Turns an antialiased ARGB drawing into an opaque picture with a key colour for transparency:
// pixels less than half covered become Key, the others are blended over Fringe (the colour the
// picture will mostly be seen on) so that edges carry no halo, and a covered pixel that happens
// to equal Key is nudged off it so that it does not turn transparent by accident.
QImage FlattenToKey(const QImage& Drawing, QColor Fringe, QColor Key);

// Linear mix of two colours, T in 0..1.
QColor Mix(QColor A, QColor B, double T);

// Multiplies the colour's channels by Factor, clamped.
QColor Shade(QColor C, double Factor);

// Fills a part of a figure lit from above, lighter at Top and darker at Bottom, in the painted
// look of the ships; Pen 0 draws no outline.
void PaintLitPart(QPainter& P, const QPainterPath& Path, QColor Base, double Top, double Bottom,
                  QColor Outline, double Pen);
