// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TMessageCodec.h"

#include <QCborArray>
#include <QCborMap>
#include <QCborParserError>
#include <QCborStreamReader>
#include <QCborValue>
#include <QCoreApplication>
#include <bit>
#include <limits>

namespace {

enum TField : unsigned {
  fdName = 1u << 0,
  fdText = 1u << 1,
  fdNonce = 1u << 2,
  fdFleetCommit = 1u << 3,
  fdCoinCommit = 1u << 4,
  fdCell = 1u << 5,
  fdResult = 1u << 6,
  fdCells = 1u << 7,
  fdLayout = 1u << 8,
  fdSalt = 1u << 9,
  fdAccept = 1u << 10,
};

struct TTypeInfo {
  TPeerMsgType Type;
  const char* Name;
  unsigned Fields;
};

// Each type by the name it travels under, and the fields it carries (an answer carries the
// sunk ship's cells too when its result is srSunk).
constexpr TTypeInfo Types[] = {
    {TPeerMsgType::pmHello, "hello", fdName | fdNonce},
    {TPeerMsgType::pmCommit, "commit", fdFleetCommit | fdCoinCommit},
    {TPeerMsgType::pmCoin, "coin", fdNonce},
    {TPeerMsgType::pmShot, "shot", fdCell},
    {TPeerMsgType::pmAnswer, "answer", fdCell | fdResult},
    {TPeerMsgType::pmReveal, "reveal", fdLayout | fdSalt},
    {TPeerMsgType::pmChat, "chat", fdText},
    {TPeerMsgType::pmRematch, "rematch", 0},
    {TPeerMsgType::pmRematchReply, "rematch-reply", fdAccept},
    {TPeerMsgType::pmBye, "bye", fdText},
};

const QString KeyType = QStringLiteral("type");
const QString KeyName = QStringLiteral("name");
const QString KeyText = QStringLiteral("text");
const QString KeyNonce = QStringLiteral("nonce");
const QString KeyFleet = QStringLiteral("fleet");
const QString KeyCoin = QStringLiteral("coin");
const QString KeyCell = QStringLiteral("cell");
const QString KeyResult = QStringLiteral("result");
const QString KeyCells = QStringLiteral("cells");
const QString KeyLayout = QStringLiteral("layout");
const QString KeySalt = QStringLiteral("salt");
const QString KeyAccept = QStringLiteral("accept");

const TTypeInfo* FindType(TPeerMsgType Type) {
  for (const TTypeInfo& Info : Types)
    if (Info.Type == Type)
      return &Info;
  return nullptr;
}

unsigned FieldsOf(const TTypeInfo& Info, TShotResult Result) {
  return Info.Fields |
         (Info.Type == TPeerMsgType::pmAnswer && Result == TShotResult::srSunk ? fdCells : 0u);
}

bool IsControl(QChar C) {
  return C.unicode() < 0x20 || (C.unicode() >= 0x7F && C.unicode() < 0xA0);
}

QString CleanText(const std::string& Text, size_t MaxBytes) {
  QString Clean = QString::fromStdString(Text);
  for (QChar& C : Clean)
    if (IsControl(C))
      C = QLatin1Char(' ');
  // Cut whole characters (a surrogate pair stays together) until the UTF-8 fits.
  if (static_cast<size_t>(Clean.size()) > MaxBytes)
    Clean.truncate(static_cast<qsizetype>(MaxBytes) + 1);
  while (static_cast<size_t>(Clean.toUtf8().size()) > MaxBytes) {
    Clean.chop(Clean.size() >= 2 && Clean.back().isLowSurrogate() ? 2 : 1);
  }
  return Clean;
}

template <size_t N>
QByteArray Bytes(const std::array<uint8_t, N>& Value) {
  return QByteArray(reinterpret_cast<const char*>(Value.data()), static_cast<qsizetype>(N));
}

QCborArray CellValue(TPoint Cell) {
  return QCborArray{Cell.X, Cell.Y};
}

// Reading: each helper returns false when the value is not what the field must be.
class TReader {
public:
  QString Error;

  bool Corrupt() {
    Error = QCoreApplication::translate("TMessageCodec", "Сообщение повреждено");
    return false;
  }

  bool Int32(const QCborValue& Value, int32_t& Out) {
    if (!Value.isInteger())
      return Corrupt();
    const qint64 Wide = Value.toInteger();
    if (Wide < std::numeric_limits<int32_t>::min() || Wide > std::numeric_limits<int32_t>::max())
      return Corrupt();
    Out = static_cast<int32_t>(Wide);
    return true;
  }

  bool Cell(const QCborValue& Value, TPoint& Out) {
    if (!Value.isArray() || Value.toArray().size() != 2)
      return Corrupt();
    const QCborArray Pair = Value.toArray();
    return Int32(Pair.at(0), Out.X) && Int32(Pair.at(1), Out.Y);
  }

  template <size_t N>
  bool Fixed(const QCborValue& Value, std::array<uint8_t, N>& Out) {
    if (!Value.isByteArray() || Value.toByteArray().size() != static_cast<qsizetype>(N))
      return Corrupt();
    const QByteArray Raw = Value.toByteArray();
    std::copy(Raw.begin(), Raw.end(), Out.begin());
    return true;
  }

  bool Text(const QCborValue& Value, size_t MaxBytes, std::string& Out) {
    if (!Value.isString())
      return Corrupt();
    const QString Text = Value.toString();
    for (QChar C : Text)
      if (IsControl(C)) {
        Error =
            QCoreApplication::translate("TMessageCodec", "Недопустимый символ в тексте сообщения");
        return false;
      }
    const QByteArray Utf8 = Text.toUtf8();
    if (static_cast<size_t>(Utf8.size()) > MaxBytes) {
      Error = QCoreApplication::translate("TMessageCodec", "Сообщение слишком длинное");
      return false;
    }
    Out = Utf8.toStdString();
    return true;
  }

  bool Cells(const QCborValue& Value, std::vector<TPoint>& Out) {
    if (!Value.isArray())
      return Corrupt();
    const QCborArray List = Value.toArray();
    if (List.isEmpty() || static_cast<size_t>(List.size()) > MaxSunkCells)
      return Corrupt();
    Out.resize(static_cast<size_t>(List.size()));
    for (qsizetype I = 0; I < List.size(); ++I)
      if (!Cell(List.at(I), Out[static_cast<size_t>(I)]))
        return false;
    return true;
  }

  bool Layout(const QCborValue& Value, TFleetLayout& Out) {
    if (!Value.isArray() || Value.toArray().size() != static_cast<qsizetype>(Out.size()))
      return Corrupt();
    const QCborArray List = Value.toArray();
    for (size_t I = 0; I < Out.size(); ++I) {
      const QCborValue Place = List.at(static_cast<qsizetype>(I));
      if (!Place.isArray() || Place.toArray().size() != 3 || !Place.toArray().at(2).isBool())
        return Corrupt();
      const QCborArray Triple = Place.toArray();
      if (!Int32(Triple.at(0), Out[I].Head.X) || !Int32(Triple.at(1), Out[I].Head.Y))
        return false;
      Out[I].Vertical = Triple.at(2).toBool();
    }
    return true;
  }
};

} // namespace

QByteArray TMessageCodec::Encode(const TPeerMessage& Message) {
  const TTypeInfo* Info = FindType(Message.Type);
  if (!Info)
    return {};
  const unsigned Fields = FieldsOf(*Info, Message.Result);
  QCborMap Map;
  Map.insert(KeyType, QString::fromLatin1(Info->Name));
  if (Fields & fdName)
    Map.insert(KeyName, CleanText(Message.Name, MaxPeerNameBytes));
  if (Fields & fdText)
    Map.insert(KeyText, CleanText(Message.Text, MaxPeerTextBytes));
  if (Fields & fdNonce)
    Map.insert(KeyNonce, Bytes(Message.Nonce));
  if (Fields & fdFleetCommit)
    Map.insert(KeyFleet, Bytes(Message.FleetCommit));
  if (Fields & fdCoinCommit)
    Map.insert(KeyCoin, Bytes(Message.CoinCommit));
  if (Fields & fdCell)
    Map.insert(KeyCell, CellValue(Message.Cell));
  if (Fields & fdResult)
    Map.insert(KeyResult, static_cast<int>(Message.Result));
  if (Fields & fdCells) {
    QCborArray Cells;
    for (size_t I = 0; I < Message.Cells.size() && I < MaxSunkCells; ++I)
      Cells.append(CellValue(Message.Cells[I]));
    Map.insert(KeyCells, Cells);
  }
  if (Fields & fdLayout) {
    QCborArray Layout;
    for (const TShipPlace& Place : Message.Layout)
      Layout.append(QCborArray{Place.Head.X, Place.Head.Y, Place.Vertical});
    Map.insert(KeyLayout, Layout);
  }
  if (Fields & fdSalt)
    Map.insert(KeySalt, Bytes(Message.Salt));
  if (Fields & fdAccept)
    Map.insert(KeyAccept, Message.Accept);
  return Map.toCborValue().toCbor();
}

QCborValue TMessageCodec::ParseWhole(const QByteArray& Payload) {
  QCborStreamReader Stream(Payload);
  QCborValue Value = QCborValue::fromCbor(Stream);
  if (Stream.lastError() != QCborError::NoError || Stream.currentOffset() != Payload.size())
    return {};
  return Value;
}

bool TMessageCodec::Decode(const QByteArray& Payload, TPeerMessage& Message, QString& Error) {
  TReader Read;
  Message = TPeerMessage{};
  const QCborValue Value = ParseWhole(Payload);
  if (!Value.isMap()) {
    Read.Corrupt();
    Error = Read.Error;
    return false;
  }
  const QCborMap Map = Value.toMap();
  const QCborValue TypeName = Map.value(KeyType);
  const TTypeInfo* Info = nullptr;
  for (const TTypeInfo& Candidate : Types)
    if (TypeName.isString() && TypeName.toString() == QLatin1String(Candidate.Name))
      Info = &Candidate;
  if (!Info) {
    Error = TypeName.isString()
                ? QCoreApplication::translate("TMessageCodec", "Неизвестный тип сообщения")
                : QCoreApplication::translate("TMessageCodec", "Сообщение повреждено");
    return false;
  }
  Message.Type = Info->Type;

  bool Ok = true;
  if (Info->Fields & fdResult) {
    int32_t Result = -1;
    Ok = Read.Int32(Map.value(KeyResult), Result);
    if (Ok && (Result < 0 || Result > static_cast<int>(TShotResult::srSunk)))
      Ok = Read.Corrupt();
    if (Ok)
      Message.Result = static_cast<TShotResult>(Result);
  }
  const unsigned Fields = FieldsOf(*Info, Message.Result);
  // Exactly the type's keys: with each of them present, the count rules out extras and twins.
  if (Ok && Map.size() != 1 + std::popcount(Fields))
    Ok = Read.Corrupt();
  if (Ok && (Fields & fdName))
    Ok = Read.Text(Map.value(KeyName), MaxPeerNameBytes, Message.Name);
  if (Ok && (Fields & fdText))
    Ok = Read.Text(Map.value(KeyText), MaxPeerTextBytes, Message.Text);
  if (Ok && (Fields & fdNonce))
    Ok = Read.Fixed(Map.value(KeyNonce), Message.Nonce);
  if (Ok && (Fields & fdFleetCommit))
    Ok = Read.Fixed(Map.value(KeyFleet), Message.FleetCommit);
  if (Ok && (Fields & fdCoinCommit))
    Ok = Read.Fixed(Map.value(KeyCoin), Message.CoinCommit);
  if (Ok && (Fields & fdCell))
    Ok = Read.Cell(Map.value(KeyCell), Message.Cell);
  if (Ok && (Fields & fdCells))
    Ok = Read.Cells(Map.value(KeyCells), Message.Cells);
  if (Ok && (Fields & fdLayout))
    Ok = Read.Layout(Map.value(KeyLayout), Message.Layout);
  if (Ok && (Fields & fdSalt))
    Ok = Read.Fixed(Map.value(KeySalt), Message.Salt);
  if (Ok && (Fields & fdAccept)) {
    const QCborValue Accept = Map.value(KeyAccept);
    Ok = Accept.isBool() ? (Message.Accept = Accept.toBool(), true) : Read.Corrupt();
  }
  if (!Ok) {
    Error = Read.Error;
    Message = TPeerMessage{};
  }
  return Ok;
}
