// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// The first frame each way: "this is Сальвора, protocol N", or the host's refusal with its
// reason. Its form never changes between versions, so that any two versions of the game
// understand why they cannot play together; keys it does not know are ignored.
class THandshake {
public:
  bool Refused = false;
  int64_t Version = 0;
  QString Reason;

  static QByteArray EncodeHello(int32_t Version);
  static QByteArray EncodeRefusal(const QString& Reason);
  // False when the frame is not a greeting of this game at all.
  static bool Decode(const QByteArray& Payload, THandshake& Out);
};
