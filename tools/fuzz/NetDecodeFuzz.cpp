// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// libFuzzer over everything the game reads from the network: the framing, the messages, the
// greeting and the beacon, and then the battle, which is handed every message decoded, in
// order, as the other player's. Built by scripts/fuzz-net.sh only.
#include "NetFuzzGame.h"
#include "TBeacon.h"
#include "TFrameCodec.h"
#include "THandshake.h"
#include "TMessageCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* What) {
  std::fprintf(stderr, "net fuzz: %s\n", What);
  std::abort();
}

// What was accepted can be sent back unchanged and fits in a frame.
void CheckRoundTrip(const TPeerMessage& Message) {
  const QByteArray Bytes = TMessageCodec::Encode(Message);
  TPeerMessage Reread;
  QString Error;
  if (Bytes.size() > TFrameCodec::MaxPayloadBytes || !TMessageCodec::Decode(Bytes, Reread, Error) ||
      !(Reread == Message))
    Fail("a message does not survive encoding");
}

// The greeting is only ever the first frame, and a beacon a datagram of its own: the first
// payload is read as either too.
void CheckPayload(const QByteArray& Payload, std::vector<TPeerMessage>& Messages, bool First) {
  TPeerMessage Message;
  QString Error;
  if (TMessageCodec::Decode(Payload, Message, Error)) {
    CheckRoundTrip(Message);
    Messages.push_back(Message);
  } else if (Error.isEmpty()) {
    Fail("a refusal without its cause");
  }
  if (!First)
    return;
  THandshake Greeting;
  THandshake::Decode(Payload, Greeting);
  TBeaconInfo Beacon;
  TBeaconInfo::Decode(Payload, Beacon);
}

void CheckFeed(const TNetFeed& Feed) {
  if (Feed.Faults().empty())
    return;
  for (const std::string& Line : Feed.Faults())
    std::fprintf(stderr, "net fuzz: %s\n", Line.c_str());
  Fail("the battle broke a rule");
}

// Every message, as the other player's, to a battle in which the player plays as Head says.
// The reason of a refusal must be readable by the other side too, in the pmBye that carries
// it.
void PlayMessages(const std::vector<TPeerMessage>& Messages, const TFuzzHead& Head) {
  TNetFeed Feed(FuzzTools(), Head.Host, Head.Timing);
  for (const TPeerMessage& Message : Messages) {
    Feed.Feed(Message);
    CheckFeed(Feed);
  }
  Feed.Finish();
  CheckFeed(Feed);
  if (Feed.Link().FClosed) {
    TPeerMessage Bye = MakePeerMessage(TPeerMsgType::pmBye);
    Bye.Text = Feed.Link().FCloseReason;
    const QByteArray Bytes = TMessageCodec::Encode(Bye);
    TPeerMessage Reread;
    QString Error;
    if (!TMessageCodec::Decode(Bytes, Reread, Error))
      Fail("the reason of a refusal cannot be sent");
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size == 0)
    return 0;
  const TFuzzHead Head = ReadFuzzHead(Data[0]);
  const char* Stream = reinterpret_cast<const char*>(Data + 1);
  const size_t Length = Size - 1;
  TFrameCodec Frames;
  QByteArray Reframed;
  std::vector<TPeerMessage> Messages;
  size_t Fed = 0;
  while (Fed < Length) {
    const size_t Take = std::min(Head.Step, Length - Fed);
    const bool Ok = Frames.Feed(Stream + Fed, static_cast<qsizetype>(Take));
    Fed += Take;
    QByteArray Payload;
    while (Frames.Next(Payload)) {
      CheckPayload(Payload, Messages, Reframed.isEmpty());
      Reframed += TFrameCodec::Encode(Payload);
    }
    if (!Ok)
      break;
  }
  // Whatever came out is exactly the start of what went in, framed the same way.
  if (Reframed.size() > static_cast<qsizetype>(Length) ||
      QByteArray::fromRawData(Stream, Reframed.size()) != Reframed)
    Fail("the frames out are not the stream in");
  if (Frames.Broken() && Frames.Error().isEmpty())
    Fail("a broken stream without its cause");
  PlayMessages(Messages, Head);
  return 0;
}
