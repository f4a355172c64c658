// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QByteArray>
#include <QCborMap>
#include <QCborValue>
#include <QString>
#include <ostream>

// Wire bytes built by hand, so that the tests do not take the codecs' word for the format.
inline QByteArray FrameOf(const QByteArray& Payload) {
  const auto Size = static_cast<quint32>(Payload.size());
  QByteArray Frame;
  Frame.append(char(Size >> 24))
      .append(char(Size >> 16))
      .append(char(Size >> 8))
      .append(char(Size));
  return Frame + Payload;
}

inline QByteArray Cbor(const QCborMap& Map) {
  return Map.toCborValue().toCbor();
}

inline QByteArray HelloFrame(qint64 Version) {
  return FrameOf(Cbor(
      {{QStringLiteral("game"), QStringLiteral("salvora")}, {QStringLiteral("version"), Version}}));
}

// Readable failures: gtest prints a QString as text.
inline void PrintTo(const QString& Text, std::ostream* Out) {
  *Out << Text.toStdString();
}
