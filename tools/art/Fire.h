// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QImage>
#include <QList>

// The burning-deck animation: 33 frames of 30 x 60, a golden-orange flame standing on rows 52
// and 53 (rows 54..59 stay empty), its tip between rows 10 and 40, within columns 3..26. The
// frames loop without a jump and some throw sparks. Each frame is ARGB with alpha 0 or 255.
// Scale 2 or 3 gives the same flames on a finer raster (60 x 120, 90 x 180), all sizes and rows
// above in logical pixels.
QList<QImage> MakeFireFrames(int Scale = 1);

// The frames laid out 4 wide, frame k at column k mod 4 and row k div 4 (120 x 540 at 1x),
// RGB; masked-out pixels are black.
QImage MakeFireSheet(const QList<QImage>& Frames);

// The sheet's 1-bit mask, same layout. A set bit (index 1, black) marks a TRANSPARENT pixel,
// as in the game's image list; a clear bit (index 0, white) a flame pixel. QPixmap::setMask
// takes black as opaque, so a loader inverts the mask first (QImage::invertPixels).
QImage MakeFireMask(const QList<QImage>& Frames);
