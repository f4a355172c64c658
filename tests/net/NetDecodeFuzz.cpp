// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// libFuzzer over everything the game reads from the network before the battle sees it: the
// framing, the messages, the greeting and the beacon. Built by scripts/fuzz-net.sh only.
#include "TBeacon.h"
#include "TFrameCodec.h"
#include "THandshake.h"
#include "TMessageCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void CheckPayload(const QByteArray& Payload) {
  TPeerMessage Message;
  QString Error;
  if (TMessageCodec::Decode(Payload, Message, Error)) {
    // What was accepted can be sent back unchanged and fits in a frame.
    const QByteArray Again = TMessageCodec::Encode(Message);
    TPeerMessage Reread;
    if (Again.size() > TFrameCodec::MaxPayloadBytes ||
        !TMessageCodec::Decode(Again, Reread, Error) || !(Reread == Message))
      std::abort();
  } else if (Error.isEmpty()) {
    std::abort(); // a refusal always names its cause
  }
  THandshake Greeting;
  THandshake::Decode(Payload, Greeting);
  TBeaconInfo Beacon;
  TBeaconInfo::Decode(Payload, Beacon);
}

} // namespace

// The first byte sets how the stream is cut into reads; the rest is the stream.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size == 0)
    return 0;
  const size_t Step = 1 + Data[0] % 97;
  const char* Stream = reinterpret_cast<const char*>(Data + 1);
  const size_t Length = Size - 1;
  TFrameCodec Frames;
  QByteArray Reframed;
  size_t Fed = 0;
  while (Fed < Length) {
    const size_t Take = std::min(Step, Length - Fed);
    const bool Ok = Frames.Feed(Stream + Fed, static_cast<qsizetype>(Take));
    Fed += Take;
    QByteArray Payload;
    while (Frames.Next(Payload)) {
      Reframed += TFrameCodec::Encode(Payload);
      CheckPayload(Payload);
    }
    if (!Ok)
      break;
  }
  // Whatever came out is exactly the start of what went in, framed the same way.
  if (Reframed.size() > static_cast<qsizetype>(Length) ||
      QByteArray::fromRawData(Stream, Reframed.size()) != Reframed)
    std::abort();
  if (Frames.Broken() && Frames.Error().isEmpty())
    std::abort();
  return 0;
}
