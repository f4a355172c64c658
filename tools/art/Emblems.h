// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QImage>

// The aiming cursor, 32 x 32 ARGB: a black crosshair (bars on columns and rows 15 and 16) and a
// thin black ring through rows and columns 5 and 26; everything else fully transparent. Its
// hot spot is (15, 15). Scale 2 or 3 draws it on a finer raster, in logical pixels as above.
QImage MakeTargetCursor(int Scale = 1);

// The application icon at Size x Size, ARGB, painted like the ships and the wood: the front
// half of a grey warship, bow to the left, under a cloudy blue sky above rippled dark sea, in
// a light oak frame with rounded corners. Drawn from a 32-unit model, so that the 32 px icon
// at 2x is the one of 64 px.
QImage MakeIcon(int Size);
