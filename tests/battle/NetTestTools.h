// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TFairPlay.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <algorithm>
#include <memory>

// SHA-256 from Qt, as the window hands it to the game, and random bytes that are the same in
// every run (from a counter of their own: only their being fresh matters to the game).
inline TFairPlayTools NetTestTools(uint8_t Seed) {
  auto Counter = std::make_shared<uint32_t>(Seed * 0x01000193u);
  return {[](const std::vector<uint8_t>& Data) {
            const QByteArray Hash = QCryptographicHash::hash(
                QByteArrayView(Data.data(), static_cast<qsizetype>(Data.size())),
                QCryptographicHash::Sha256);
            TDigest Digest{};
            std::copy_n(Hash.constData(), Digest.size(), Digest.begin());
            return Digest;
          },
          [Counter](uint8_t* Bytes, size_t Size) {
            for (size_t I = 0; I < Size; ++I) {
              *Counter = *Counter * 1664525u + 1013904223u;
              Bytes[I] = static_cast<uint8_t>(*Counter >> 24);
            }
          }};
}

// Heads of a fleet in which no two ships touch, by fleet index, all ships lying across.
inline const TPoint Spread[10] = {{9, 8}, {7, 8}, {5, 8}, {8, 6}, {5, 6},
                                  {8, 4}, {5, 4}, {5, 2}, {5, 0}, {0, 0}};
inline TFleetLayout Across() {
  TFleetLayout Layout;
  for (int I = 0; I < 10; ++I)
    Layout[I] = {Spread[I], false};
  return Layout;
}
