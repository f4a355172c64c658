// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "THandshake.h"

#include "TMessageCodec.h"

#include <QCborMap>
#include <QCborValue>

namespace {
const QString KeyGame = QStringLiteral("game");
const QString KeyVersion = QStringLiteral("version");
const QString KeyRefused = QStringLiteral("refused");
const QString Magic = QStringLiteral("salvora");
// A refusal's reason is shown to the player: one line, not a page.
constexpr qsizetype MaxReasonChars = 200;
} // namespace

QByteArray THandshake::EncodeHello(int32_t Version) {
  QCborMap Map;
  Map.insert(KeyGame, Magic);
  Map.insert(KeyVersion, Version);
  return Map.toCborValue().toCbor();
}

QByteArray THandshake::EncodeRefusal(const QString& Reason) {
  QCborMap Map;
  Map.insert(KeyGame, Magic);
  Map.insert(KeyRefused, Reason.left(MaxReasonChars));
  return Map.toCborValue().toCbor();
}

bool THandshake::Decode(const QByteArray& Payload, THandshake& Out) {
  Out = THandshake{};
  const QCborValue Value = TMessageCodec::ParseWhole(Payload);
  if (!Value.isMap() || Value.toMap().value(KeyGame) != QCborValue(Magic))
    return false;
  const QCborMap Map = Value.toMap();
  if (Map.value(KeyRefused).isString()) {
    Out.Refused = true;
    Out.Reason = Map.value(KeyRefused).toString().left(MaxReasonChars);
    for (QChar& C : Out.Reason)
      if (C.unicode() < 0x20)
        C = QLatin1Char(' ');
    return true;
  }
  if (!Map.value(KeyVersion).isInteger())
    return false;
  Out.Version = Map.value(KeyVersion).toInteger();
  return true;
}
