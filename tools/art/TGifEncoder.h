// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <cstdint>

// Writes an animated GIF89a stream in the one layout the cannons use: full-size frames at
// (0, 0) on a 256-entry global colour table, each frame with its own delay and disposal and the
// same transparent index, and the NETSCAPE2.0 looping extension.
class TGifEncoder {
public:
  struct TFrame {
    QImage Indexed;   // Format_Indexed8, the stream's size; indexes into the global table
    int Disposal = 2; // 1: leave in place, 2: restore to background
    int DelayCs = 15; // display time in hundredths of a second
  };

  TGifEncoder(int Width, int Height, QList<QRgb> Palette, int TransparentIndex)
      : FWidth(Width), FHeight(Height), FPalette(std::move(Palette)),
        FTransparentIndex(TransparentIndex) {}

  void AddFrame(const TFrame& Frame) { FFrames.append(Frame); }
  QByteArray Encode() const;

  // LZW-compresses 8-bit indexes with the minimum code size 8, as GIF image data sub-blocks.
  static QByteArray CompressIndexes(const QByteArray& Indexes);

private:
  int FWidth = 0;
  int FHeight = 0;
  QList<QRgb> FPalette;
  int FTransparentIndex = 0;
  QList<TFrame> FFrames;
};
