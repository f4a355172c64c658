// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QImage>
#include <cstdint>

// Turns Picture in place by Angle degrees, clockwise as seen on screen for a positive angle.
// BackColour is a colour value 0x00BBGGRR; it fills what the turned picture does not cover.
// The result is always 24 bits per pixel (QImage::Format_BGR888: bytes blue, green, red).
// Whole angles 0, 360, 720 and -360 keep the pixels, 90 and 270 are exact quarter turns and
// 180 an exact half turn; every other angle turns about the top-left corner (0, 0) with
// round-half-to-even, so -90 gives a picture whose content lies one row lower than an exact
// quarter turn, with a first row of BackColour. The vertical ship pictures rely on that.
void RotateBitmap(QImage& Picture, uint32_t BackColour, double Angle);

// The vertical ship picture from the horizontal one, drawn at Scale device pixels to a logical
// one: RotateBitmap's -90 turn, whose content lies one row lower than an exact quarter turn
// with a first row of white. On a finer raster that row is Scale device rows, so that the
// vertical ships look the same at every scale.
void TurnShipPicture(QImage& Picture, int Scale);
