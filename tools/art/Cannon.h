// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// The shot animation of the player's cannon: 13 frames of 110 x 87, RGB with pure white as the
// transparent colour. Frame 0 and frame 12 show the cannon at rest, muzzle up to the right;
// frame 1 a muzzle flash; frame 2 only the growing fireball, to be laid over frame 1; then the
// ball leaves through the top right corner and black smoke turns grey, white and fades.
// Scale 2 or 3 draws the same frames at 220 x 174 or 330 x 261.
QList<QImage> MakeCannonFrames(int Scale = 1);

// The same frames as the computer's cannon: mirrored, muzzle up to the left.
QList<QImage> MirrorFrames(const QList<QImage>& Frames);

// The frames as a GIF89a stream: one 256-entry global table with background and transparent
// index 254 (pure white), NETSCAPE2.0 loop count 0, every frame full size with delay 15 and
// disposal 2, except frames 1 and 12 with disposal 1.
QByteArray EncodeCannonGif(const QList<QImage>& Frames);
