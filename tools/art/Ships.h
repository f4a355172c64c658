// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QImage>

// Side view of the ship of Decks decks (1..4), 32 px per deck and 32 px high, RGB on pure
// white (the transparent colour): a submarine, a gunboat, a frigate and a destroyer. Hulls sit
// low in the picture, masts and superstructure rise towards the top edge; bows point right.
// Edges are blended against the sea so that no pale fringe shows on the board. Scale 2 or 3
// draws the same ship with two or three device pixels to a logical one.
QImage MakeShip(int Decks, int Scale = 1);
