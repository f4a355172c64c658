// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "NetTestBytes.h"
#include "TFrameCodec.h"
#include "TMessageCodec.h"
#include "TNetAddress.h"

#include <QCborArray>
#include <gtest/gtest.h>

// Messages are written with designated initialisers, naming only the fields they carry.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using enum TPeerMsgType;

const QString Corrupt = QStringLiteral("Сообщение повреждено");
const QString TooLong = QStringLiteral("Сообщение слишком длинное");

QByteArray Shot(QCborValue Cell) {
  return Cbor({{"type", "shot"}, {"cell", Cell}});
}
QByteArray Answer(int Result, QCborArray Cells) {
  return Cbor(
      {{"type", "answer"}, {"cell", QCborArray{1, 2}}, {"result", Result}, {"cells", Cells}});
}
QByteArray Chat(const QString& Text) {
  return Cbor({{"type", "chat"}, {"text", Text}});
}
template <class TBytes>
TBytes Filled(uint8_t Byte) {
  TBytes Bytes;
  Bytes.fill(Byte);
  return Bytes;
}

// A message is handed out only whole and only once, wherever the stream is cut (inside a
// character too); then it is read strictly, and what is wrong with it is named for the player.
TEST(NetDecode, EveryCaseAtEverySplit) {
  QCborArray NineShips, FiveCells;
  for (int I = 0; I < 9; ++I) {
    NineShips.append(QCborArray{I, 0, false});
    if (I < 5)
      FiveCells.append(QCborArray{0, I});
  }
  const auto Bytes = [](int Size) { return QByteArray(Size, 'b'); };
  const QByteArray LongDigest =
      Cbor({{"type", "commit"}, {"fleet", Bytes(33)}, {"coin", Bytes(32)}});
  QByteArray BadUtf8 = Chat("bad");
  BadUtf8.replace("bad", "b\xC3\x28");
  const char* Hello = "Привет, ёж! ⚓";
  const QCborArray Cell{3, 4};
  struct TCase {
    const char* Name;
    QByteArray Payload;
    TPeerMessage Expected; // when Error is empty
    QString Error;
  };
  const TCase Cases[] = {
      {"shot", Shot(Cell), {.Type = pmShot, .Cell = {3, 4}}, {}},
      {"chat in Cyrillic", Chat(QString::fromUtf8(Hello)), {.Type = pmChat, .Text = Hello}, {}},
      {"negative coordinate fits", Shot(QCborArray{-1, 0}), {.Type = pmShot, .Cell = {-1, 0}}, {}},
      {"unknown type", Cbor({{"type", "fire"}}), {}, "Неизвестный тип сообщения"},
      {"type not a text", Cbor({{"type", 3}}), {}, Corrupt},
      {"missing key", Cbor({{"type", "shot"}}), {}, Corrupt},
      {"extra key", Cbor({{"type", "shot"}, {"cell", Cell}, {"name", "x"}}), {}, Corrupt},
      {"cell is text", Shot("A1"), {}, Corrupt},
      {"cell of three", Shot(QCborArray{1, 2, 3}), {}, Corrupt},
      {"coordinate over int32", Shot(QCborArray{qint64(INT32_MAX) + 1, 0}), {}, Corrupt},
      {"coordinate under int32", Shot(QCborArray{qint64(INT32_MIN) - 1, 0}), {}, Corrupt},
      {"nonce of 15 bytes", Cbor({{"type", "coin"}, {"nonce", Bytes(15)}}), {}, Corrupt},
      {"digest of 33 bytes", LongDigest, {}, Corrupt},
      {"sunk with five cells", Answer(2, FiveCells), {}, Corrupt},
      {"sunk without cells", Answer(2, {}), {}, Corrupt},
      {"result out of range", Answer(3, {QCborArray{0, 0}}), {}, Corrupt},
      {"a miss with cells", Answer(0, {QCborArray{0, 0}}), {}, Corrupt},
      {"nine ships",
       Cbor({{"type", "reveal"}, {"layout", NineShips}, {"salt", Bytes(16)}}),
       {},
       Corrupt},
      {"name of 66 bytes",
       Cbor({{"type", "hello"}, {"name", QString(33, u'Ж')}, {"nonce", Bytes(16)}}),
       {},
       TooLong},
      {"chat with a newline", Chat("a\nb"), {}, "Недопустимый символ в тексте сообщения"},
      {"invalid UTF-8", BadUtf8, {}, Corrupt},
      {"truncated", Shot(Cell).chopped(1), {}, Corrupt},
      {"trailing bytes", Shot(Cell) + '\0', {}, Corrupt},
      {"not a map", QCborValue("shot").toCbor(), {}, Corrupt},
      {"empty", QByteArray(), {}, Corrupt},
  };
  for (const TCase& Case : Cases) {
    const QByteArray Stream = FrameOf(Case.Payload);
    for (qsizetype Cut = 0; Cut <= Stream.size(); ++Cut) {
      SCOPED_TRACE(testing::Message() << Case.Name << ", cut at " << Cut);
      TFrameCodec Frames;
      QByteArray Payload;
      ASSERT_TRUE(Frames.Feed(Stream.left(Cut)));
      ASSERT_TRUE(Cut == Stream.size() || !Frames.Next(Payload)) << "a part was handed out";
      ASSERT_TRUE(Frames.Feed(Stream.mid(Cut)));
      ASSERT_TRUE(Frames.Next(Payload));
      ASSERT_FALSE(Frames.Next(Payload)) << "handed out twice";
      ASSERT_EQ(Payload, Case.Payload);
    }
    TPeerMessage Decoded;
    QString Error;
    EXPECT_EQ(TMessageCodec::Decode(Case.Payload, Decoded, Error), Case.Error.isEmpty())
        << Case.Name;
    EXPECT_EQ(Error, Case.Error) << Case.Name;
    EXPECT_TRUE(!Error.isEmpty() || Decoded == Case.Expected) << Case.Name;
  }
}

// A frame of 4 KiB passes; a longer length breaks the stream as soon as it is read, not after
// its bytes were collected, and the frames before it still come out.
TEST(NetDecode, FramesOver4KiBRefusedBeforeBuffering) {
  TFrameCodec Frames;
  QByteArray Payload;
  EXPECT_TRUE(Frames.Feed(FrameOf(QByteArray(4096, 'x'))));
  EXPECT_TRUE(Frames.Next(Payload));
  EXPECT_FALSE(Frames.Feed(FrameOf("ok") + FrameOf(QByteArray(4097, 'x')).left(4)));
  EXPECT_EQ(Frames.Error(), TooLong);
  EXPECT_TRUE(Frames.Next(Payload));
  EXPECT_EQ(Payload, QByteArray("ok"));
}

// Every message arrives as sent; fields its type does not carry are neither sent nor read.
TEST(NetDecode, EveryTypeRoundTrips) {
  TFleetLayout Layout;
  for (int I = 0; I < 10; ++I)
    Layout[I] = {{I, 9 - I}, I % 2 == 0};
  const TPeerMessage Messages[] = {
      {.Type = pmHello, .Name = "Капитан Немо", .Nonce = Filled<TNonce>(0xA5)},
      {.Type = pmCommit, .FleetCommit = Filled<TDigest>(0x11), .CoinCommit = Filled<TDigest>(0xFE)},
      {.Type = pmCoin, .Nonce = Filled<TNonce>(0x5A)},
      {.Type = pmShot, .Cell = {9, 0}},
      {.Type = pmAnswer,
       .Cell = {4, 7},
       .Result = TShotResult::srSunk,
       .Cells = {{4, 5}, {4, 6}, {4, 7}}},
      {.Type = pmReveal, .Layout = Layout, .Salt = Filled<TNonce>(0x3C)},
      {.Type = pmChat, .Text = "Мимо!"},
      {.Type = pmRematch},
      {.Type = pmRematchReply, .Accept = true},
      {.Type = pmBye, .Text = "Пока"},
  };
  TPeerMessage Got;
  QString Error;
  for (const TPeerMessage& Sent : Messages) {
    SCOPED_TRACE(int(Sent.Type));
    TPeerMessage Stray = Sent;
    Stray.Name = Sent.Type == pmHello ? Sent.Name : "stray";
    Stray.Accept = Sent.Type == pmRematchReply;
    for (const TPeerMessage& M : {Sent, Stray}) {
      ASSERT_TRUE(TMessageCodec::Decode(TMessageCodec::Encode(M), Got, Error)) << qPrintable(Error);
      EXPECT_EQ(Got, Sent);
    }
  }
  // A miss carries no cells even when the sender left some behind.
  TPeerMessage Miss = Messages[4];
  Miss.Result = TShotResult::srMiss;
  ASSERT_TRUE(TMessageCodec::Decode(TMessageCodec::Encode(Miss), Got, Error));
  EXPECT_TRUE(Got.Cells.empty());
  // A text over its limit is cut to whole characters, never refused by the other side.
  std::string Long(300, 'a');
  for (int I = 0; I < 61; ++I)
    Long += "ё";
  ASSERT_TRUE(
      TMessageCodec::Decode(TMessageCodec::Encode({.Type = pmChat, .Text = Long}), Got, Error));
  EXPECT_EQ(Got.Text, Long.substr(0, 400));
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
