// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <unordered_map>

// Chooses one colour table for a set of pictures by median cut over their colours, and maps
// pictures onto it. One colour, the key, is kept out of the cut and gets an index of its own.
class TPaletteQuantizer {
public:
  // Key: the colour that marks transparent pixels; KeyIndex: its index in the table.
  TPaletteQuantizer(QRgb Key, int KeyIndex) : FKey(Key & 0xFFFFFF), FKeyIndex(KeyIndex) {}

  void AddPicture(const QImage& Picture);
  // Builds a table of 256 entries using at most Colours entries for the pictures' colours.
  QList<QRgb> Build(int Colours);
  // The picture as indexes into the table that Build returned.
  QImage Map(const QImage& Picture);

private:
  QRgb FKey = 0;
  int FKeyIndex = 0;
  std::unordered_map<QRgb, int> FCounts;
  QList<QRgb> FPalette;
  std::unordered_map<QRgb, int> FNearest;
};
