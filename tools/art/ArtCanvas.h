// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

// Helpers shared by the picture generators.

// A transparent ARGB canvas with an antialiasing painter set up on it.
QImage MakeCanvas(int Width, int Height);

// Every picture is drawn at 1x, 2x and 3x from the same code: Scale device pixels to a
// logical pixel. The logical coordinate of a device pixel's centre, as a 1x drawing addresses
// its pixels (Logical(X, 1) == X, so that the 1x pictures keep every byte).
inline double Logical(int Device, int Scale) {
  return (Device + 0.5) / Scale - 0.5;
}

// The file name of a picture at a scale, as Qt looks for it: name.png, name@2x.png.
QString ScaledName(const QString& Base, const QString& Suffix, int Scale);

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
