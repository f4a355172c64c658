// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TFrameCodec.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <cstring>

QByteArray TFrameCodec::Encode(const QByteArray& Payload) {
  if (Payload.size() > MaxPayloadBytes)
    return {};
  QByteArray Frame(HeaderBytes, Qt::Uninitialized);
  qToBigEndian<quint32>(static_cast<quint32>(Payload.size()), Frame.data());
  return Frame + Payload;
}

bool TFrameCodec::Feed(const char* Data, qsizetype Size) {
  if (Broken())
    return false;
  while (Size > 0) {
    if (FHeaderFill < HeaderBytes) {
      const qsizetype Take = std::min(HeaderBytes - FHeaderFill, Size);
      std::memcpy(FHeader.data() + FHeaderFill, Data, static_cast<size_t>(Take));
      FHeaderFill += Take;
      Data += Take;
      Size -= Take;
      if (FHeaderFill < HeaderBytes)
        break;
      const quint32 Length = qFromBigEndian<quint32>(FHeader.data());
      // Judged on the length alone: an oversized message is never buffered.
      if (Length > MaxPayloadBytes) {
        FError = QCoreApplication::translate("TFrameCodec", "Сообщение слишком длинное");
        return false;
      }
      FExpected = Length;
      FPartial.clear();
      FPartial.reserve(FExpected);
    }
    const qsizetype Take = std::min(FExpected - FPartial.size(), Size);
    FPartial.append(Data, Take);
    Data += Take;
    Size -= Take;
    if (FPartial.size() == FExpected) {
      FReady.push_back(FPartial);
      FPartial.clear();
      FHeaderFill = 0;
    }
  }
  return true;
}

bool TFrameCodec::Next(QByteArray& Payload) {
  if (FReady.empty())
    return false;
  Payload = std::move(FReady.front());
  FReady.pop_front();
  return true;
}
