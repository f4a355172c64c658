// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TSystemTools.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <algorithm>

TFairPlayTools SystemFairPlayTools() {
  TFairPlayTools Tools;
  Tools.Sha256 = [](const std::vector<uint8_t>& Data) {
    const QByteArray Hash = QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char*>(Data.data()), qsizetype(Data.size())),
        QCryptographicHash::Sha256);
    TDigest Digest{};
    std::copy_n(reinterpret_cast<const uint8_t*>(Hash.constData()), Digest.size(), Digest.begin());
    return Digest;
  };
  Tools.RandomBytes = [](uint8_t* Data, size_t Size) {
    for (size_t I = 0; I < Size; ++I)
      Data[I] = static_cast<uint8_t>(QRandomGenerator::system()->bounded(256));
  };
  return Tools;
}
