// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QImage>

// The aiming cursor, 32 x 32 ARGB: a black crosshair (bars on columns and rows 15 and 16) and a
// thin black ring through rows and columns 5 and 26; everything else fully transparent. Its
// hot spot is (15, 15).
QImage MakeTargetCursor();

// The application icon at Size x Size, ARGB, painted like the ships and the wood: the front
// half of a grey warship, bow to the left, under a cloudy blue sky above rippled dark sea, in
// a light oak frame with rounded corners.
QImage MakeIcon(int Size);
