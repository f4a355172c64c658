// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "NetTestBytes.h"
#include "TFrameCodec.h"
#include "TMessageCodec.h"
#include "TNetAddress.h"

#include <QCborArray>
#include <gtest/gtest.h>
#include <limits>

namespace {

QCborMap Shot(QCborValue Cell) {
  return {{QStringLiteral("type"), QStringLiteral("shot")}, {QStringLiteral("cell"), Cell}};
}

QCborMap Answer(int Result, QCborArray Cells) {
  return {{QStringLiteral("type"), QStringLiteral("answer")},
          {QStringLiteral("cell"), QCborArray{1, 2}},
          {QStringLiteral("result"), Result},
          {QStringLiteral("cells"), Cells}};
}

QCborMap WithText(const char* Type, const char* Key, const QString& Text) {
  return {{QStringLiteral("type"), QLatin1String(Type)}, {QLatin1String(Key), Text}};
}

TPeerMessage ShotAt(int X, int Y) {
  TPeerMessage M;
  M.Type = TPeerMsgType::pmShot;
  M.Cell = {X, Y};
  return M;
}

TPeerMessage Chat(const std::string& Text) {
  TPeerMessage M;
  M.Type = TPeerMsgType::pmChat;
  M.Text = Text;
  return M;
}

struct TDecodeCase {
  const char* Name;
  QByteArray Payload;
  TPeerMessage Expected; // when Error is empty
  QString Error;
};

// A message is handed out only whole and only once, wherever the stream is cut; then it is
// read strictly, and what is wrong with it is named for the player.
TEST(NetDecode, EveryCaseAtEverySplit) {
  const QString Corrupt = QStringLiteral("Сообщение повреждено");
  const QString TooLong = QStringLiteral("Сообщение слишком длинное");
  QCborArray NineShips;
  for (int I = 0; I < 9; ++I)
    NineShips.append(QCborArray{I, 0, false});
  QByteArray Truncated = Cbor(Shot(QCborArray{3, 4}));
  Truncated.chop(1);
  // "bad" as a text string with an invalid UTF-8 byte pair in the middle.
  QByteArray BadUtf8 = Cbor(WithText("chat", "text", QStringLiteral("bad")));
  BadUtf8.replace("bad", "b\xC3\x28");
  const std::string Hello = "Привет, ёж! ⚓";
  QCborMap ShotWithName = Shot(QCborArray{3, 4});
  ShotWithName.insert(QStringLiteral("name"), QStringLiteral("x"));

  const TDecodeCase Cases[] = {
      {"shot", Cbor(Shot(QCborArray{3, 4})), ShotAt(3, 4), {}},
      {"chat in Cyrillic",
       Cbor(WithText("chat", "text", QString::fromStdString(Hello))),
       Chat(Hello),
       {}},
      {"unknown type",
       Cbor({{QStringLiteral("type"), QStringLiteral("fire")}}),
       {},
       QStringLiteral("Неизвестный тип сообщения")},
      {"type not a text", Cbor({{QStringLiteral("type"), 3}}), {}, Corrupt},
      {"missing field", Cbor({{QStringLiteral("type"), QStringLiteral("shot")}}), {}, Corrupt},
      {"extra field", Cbor(ShotWithName), {}, Corrupt},
      {"cell is text", Cbor(Shot(QStringLiteral("A1"))), {}, Corrupt},
      {"cell of three", Cbor(Shot(QCborArray{1, 2, 3})), {}, Corrupt},
      {"coordinate over int32",
       Cbor(Shot(QCborArray{qint64(std::numeric_limits<int32_t>::max()) + 1, 0})),
       {},
       Corrupt},
      {"negative coordinate fits", Cbor(Shot(QCborArray{-1, 0})), ShotAt(-1, 0), {}},
      {"nonce one byte short",
       Cbor({{QStringLiteral("type"), QStringLiteral("coin")},
             {QStringLiteral("nonce"), QByteArray(15, 'n')}}),
       {},
       Corrupt},
      {"sunk with five cells",
       Cbor(Answer(2, {QCborArray{0, 0}, QCborArray{0, 1}, QCborArray{0, 2}, QCborArray{0, 3},
                       QCborArray{0, 4}})),
       {},
       Corrupt},
      {"sunk without cells", Cbor(Answer(2, {})), {}, Corrupt},
      {"result out of range", Cbor(Answer(3, {QCborArray{0, 0}})), {}, Corrupt},
      {"a miss with cells", Cbor(Answer(0, {QCborArray{0, 0}})), {}, Corrupt},
      {"nine ships",
       Cbor({{QStringLiteral("type"), QStringLiteral("reveal")},
             {QStringLiteral("layout"), NineShips},
             {QStringLiteral("salt"), QByteArray(16, 's')}}),
       {},
       Corrupt},
      {"name of 66 bytes",
       Cbor({{QStringLiteral("type"), QStringLiteral("hello")},
             {QStringLiteral("name"), QString(33, QChar(0x0416))},
             {QStringLiteral("nonce"), QByteArray(16, 'n')}}),
       {},
       TooLong},
      {"chat with a newline",
       Cbor(WithText("chat", "text", QStringLiteral("a\nb"))),
       {},
       QStringLiteral("Недопустимый символ в тексте сообщения")},
      {"invalid UTF-8", BadUtf8, {}, Corrupt},
      {"truncated", Truncated, {}, Corrupt},
      {"trailing bytes", Cbor(Shot(QCborArray{3, 4})) + '\0', {}, Corrupt},
      {"not a map", QCborValue(QStringLiteral("shot")).toCbor(), {}, Corrupt},
      {"empty", QByteArray(), {}, Corrupt},
  };
  for (const TDecodeCase& Case : Cases) {
    const QByteArray Stream = FrameOf(Case.Payload);
    for (qsizetype Cut = 0; Cut <= Stream.size(); ++Cut) {
      SCOPED_TRACE(testing::Message() << Case.Name << ", cut at " << Cut);
      TFrameCodec Frames;
      QByteArray Payload;
      ASSERT_TRUE(Frames.Feed(Stream.left(Cut)));
      if (Cut < Stream.size()) {
        ASSERT_FALSE(Frames.Next(Payload)) << "a part was handed out";
      }
      ASSERT_TRUE(Frames.Feed(Stream.mid(Cut)));
      ASSERT_TRUE(Frames.Next(Payload));
      ASSERT_FALSE(Frames.Next(Payload)) << "handed out twice";
      if (Cut > 0)
        continue; // the decoding is the same for every cut
      TPeerMessage Decoded;
      QString Error;
      const bool Ok = TMessageCodec::Decode(Payload, Decoded, Error);
      EXPECT_EQ(Ok, Case.Error.isEmpty());
      EXPECT_EQ(Error, Case.Error);
      if (Ok) {
        EXPECT_EQ(Decoded, Case.Expected);
      }
    }
  }
}

// A length over the limit breaks the stream as soon as the length is read, not after its
// bytes were collected; frames before it still come out.
TEST(NetDecode, OversizedLengthRefusedBeforeBuffering) {
  TFrameCodec Frames;
  const QByteArray Good = FrameOf("ok");
  QByteArray Header = FrameOf(QByteArray(TFrameCodec::MaxPayloadBytes + 1, 'x'));
  Header.truncate(4);
  EXPECT_FALSE(Frames.Feed(Good + Header));
  EXPECT_EQ(Frames.Error(), QStringLiteral("Сообщение слишком длинное"));
  QByteArray Payload;
  EXPECT_TRUE(Frames.Next(Payload));
  EXPECT_EQ(Payload, QByteArray("ok"));
  // The largest allowed message passes.
  TFrameCodec Largest;
  EXPECT_TRUE(Largest.Feed(FrameOf(QByteArray(TFrameCodec::MaxPayloadBytes, 'x'))));
  EXPECT_TRUE(Largest.Next(Payload));
}

TPeerMessage Filled(TPeerMsgType Type) {
  TPeerMessage M;
  M.Type = Type;
  switch (Type) {
  case TPeerMsgType::pmHello:
    M.Name = "Капитан Немо";
    M.Nonce.fill(0xA5);
    break;
  case TPeerMsgType::pmCommit:
    M.FleetCommit.fill(0x11);
    M.CoinCommit.fill(0xFE);
    break;
  case TPeerMsgType::pmCoin:
    M.Nonce.fill(0x5A);
    break;
  case TPeerMsgType::pmShot:
    M.Cell = {9, 0};
    break;
  case TPeerMsgType::pmAnswer:
    M.Cell = {4, 7};
    M.Result = TShotResult::srSunk;
    M.Cells = {{4, 5}, {4, 6}, {4, 7}};
    break;
  case TPeerMsgType::pmReveal:
    for (size_t I = 0; I < M.Layout.size(); ++I)
      M.Layout[I] = {{int32_t(I), int32_t(9 - I)}, I % 2 == 0};
    M.Salt.fill(0x3C);
    break;
  case TPeerMsgType::pmChat:
  case TPeerMsgType::pmBye:
    M.Text = "Мимо!";
    break;
  case TPeerMsgType::pmRematchReply:
    M.Accept = true;
    break;
  case TPeerMsgType::pmRematch:
    break;
  }
  return M;
}

// Every message arrives as sent; fields its type does not carry are neither sent nor read.
TEST(NetDecode, EveryTypeRoundTrips) {
  for (int T = 0; T <= int(TPeerMsgType::pmBye); ++T) {
    SCOPED_TRACE(T);
    const TPeerMessage Sent = Filled(TPeerMsgType(T));
    TPeerMessage Got;
    QString Error;
    ASSERT_TRUE(TMessageCodec::Decode(TMessageCodec::Encode(Sent), Got, Error))
        << qPrintable(Error);
    EXPECT_EQ(Got, Sent);
    TPeerMessage Stray = Sent;
    Stray.Name = Stray.Type == TPeerMsgType::pmHello ? Stray.Name : "stray";
    Stray.Accept = Stray.Type == TPeerMsgType::pmRematchReply;
    ASSERT_TRUE(TMessageCodec::Decode(TMessageCodec::Encode(Stray), Got, Error));
    EXPECT_EQ(Got, Sent);
  }
  // A miss carries no cells even when the sender left some behind.
  TPeerMessage Miss = Filled(TPeerMsgType::pmAnswer);
  Miss.Result = TShotResult::srMiss;
  TPeerMessage Got;
  QString Error;
  ASSERT_TRUE(TMessageCodec::Decode(TMessageCodec::Encode(Miss), Got, Error));
  EXPECT_TRUE(Got.Cells.empty());
  // A text over its limit is cut to whole characters, never refused by the other side.
  ASSERT_TRUE(TMessageCodec::Decode(
      TMessageCodec::Encode(Chat(std::string(300, 'a') +
                                 "ёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёёё")),
      Got, Error))
      << qPrintable(Error);
  EXPECT_EQ(Got.Text.size(), MaxPeerTextBytes);
}

// What a player types in the join field, and the --join argument.
TEST(NetAddress, ParsesHostAndPort) {
  struct TCase {
    const char* Text;
    const char* Host; // nullptr: refused
    quint16 Port;
  };
  const TCase Cases[] = {
      {"192.168.1.5", "192.168.1.5", 47600},
      {" 192.168.1.5:5000 ", "192.168.1.5", 5000},
      {"friend.lan:65535", "friend.lan", 65535},
      {"[::1]:5000", "::1", 5000},
      {"[fe80::1%eth0]", "fe80::1%eth0", 47600},
      {"2001:db8::7", "2001:db8::7", 47600},
      {"", nullptr, 0},
      {"host:", nullptr, 0},
      {"host:0", nullptr, 0},
      {"host:65536", nullptr, 0},
      {"host:+5", nullptr, 0},
      {"[::1", nullptr, 0},
      {"[::1]5000", nullptr, 0},
      {"[friend.lan]:5000", nullptr, 0},
      {"1.2.3.4:5:6", nullptr, 0},
      {"my friend", nullptr, 0},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    QString Error;
    const auto Parsed = TNetAddress::Parse(QString::fromUtf8(Case.Text), 47600, &Error);
    ASSERT_EQ(Parsed.has_value(), Case.Host != nullptr);
    EXPECT_EQ(Error.isEmpty(), Case.Host != nullptr);
    if (Parsed) {
      EXPECT_EQ(Parsed->Host, QString::fromUtf8(Case.Host));
      EXPECT_EQ(Parsed->Port, Case.Port);
      EXPECT_EQ(TNetAddress::Parse(TNetAddress::Format(Parsed->Host, Parsed->Port), 1), Parsed);
    }
  }
}

} // namespace
