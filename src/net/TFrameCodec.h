// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <deque>

// Cuts a byte stream into messages: each is a 4-byte big-endian length and that many bytes.
// A message is handed out only whole, however the stream was split; a length over the limit
// breaks the stream before a byte of that message is kept.
class TFrameCodec {
public:
  // The largest legal message is a few hundred bytes; anything near this is an attack.
  static constexpr qsizetype MaxPayloadBytes = 4096;
  static constexpr qsizetype HeaderBytes = 4;

  // The frame for Payload; empty when Payload is over the limit (it could not be read).
  static QByteArray Encode(const QByteArray& Payload);

  // Takes the next bytes of the stream; false once the stream is broken (see Error).
  bool Feed(const char* Data, qsizetype Size);
  bool Feed(const QByteArray& Bytes) { return Feed(Bytes.constData(), Bytes.size()); }
  // Hands out the next whole message, if one has arrived, in the order sent.
  bool Next(QByteArray& Payload);

  bool Broken() const { return !FError.isEmpty(); }
  // Why the stream broke, in words a player can read.
  QString Error() const { return FError; }

private:
  std::array<char, HeaderBytes> FHeader{};
  qsizetype FHeaderFill = 0;
  qsizetype FExpected = 0;
  QByteArray FPartial;
  std::deque<QByteArray> FReady;
  QString FError;
};
