// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TPeerMessage.h"

#include <QByteArray>
#include <QCborValue>
#include <QString>

// A message of the network game as CBOR: a map with its type by name and exactly the fields
// that type carries. Reading is strict: anything else is refused, with the cause in words a
// player can read, and the connection is closed with it.
class TMessageCodec {
public:
  // Texts over their limits are cut at a character boundary and control characters become
  // spaces, so that what is sent is always something the other side accepts.
  static QByteArray Encode(const TPeerMessage& Message);
  // Fields the type does not carry are left at their defaults.
  static bool Decode(const QByteArray& Payload, TPeerMessage& Message, QString& Error);
  // One whole CBOR value and nothing after it; undefined otherwise. Qt's parser can leave a
  // half-built container behind on an error that must never be looked into.
  static QCborValue ParseWhole(const QByteArray& Payload);
};
