// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QImage>

// The three button glyphs, RGB; the colour of the bottom-left pixel is transparent. Sizes are
// logical: Scale 2 or 3 draws the same glyph with two or three device pixels to one.
// New game, 20 x 21 on white: an orange-brown ship's steering wheel.
QImage MakeNewGlyph(int Scale = 1);
// Start battle, 42 x 21 on pure green: a cannon (grey barrel, brown carriage, yellow wheels)
// for the enabled button, then its flat grey silhouette for the disabled one.
QImage MakeStartGlyph(int Scale = 1);
// Options, 16 x 16 on magenta: a small window with two ticked check boxes.
QImage MakeOptionsGlyph(int Scale = 1);
// «Игра по сети»: a globe, 20 x 20, white where the button shows through.
QImage MakeNetGlyph(int Scale = 1);
