// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QImage>

// The three button glyphs, RGB; the colour of the bottom-left pixel is transparent.
// New game, 20 x 21 on white: an orange-brown ship's steering wheel.
QImage MakeNewGlyph();
// Start battle, 42 x 21 on pure green: a cannon (grey barrel, brown carriage, yellow wheels)
// for the enabled button, then its flat grey silhouette for the disabled one.
QImage MakeStartGlyph();
// Options, 16 x 16 on magenta: a small window with two ticked check boxes.
QImage MakeOptionsGlyph();
