// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TBeacon.h"

#include "TMessageCodec.h"

#include <QCborMap>
#include <QCborValue>
#include <QNetworkInterface>
#include <QUdpSocket>

namespace {
const QString KeyGame = QStringLiteral("game");
const QString KeyVersion = QStringLiteral("version");
const QString KeyName = QStringLiteral("name");
const QString KeyPort = QStringLiteral("port");
const QString Magic = QStringLiteral("salvora-beacon");
constexpr qsizetype MaxDatagramBytes = 512;

// Every IPv4 broadcast address of the interfaces that are up, and the limited broadcast.
QList<QHostAddress> BroadcastAddresses() {
  QList<QHostAddress> Result{QHostAddress(QHostAddress::Broadcast)};
  for (const QNetworkInterface& Interface : QNetworkInterface::allInterfaces()) {
    const auto Flags = Interface.flags();
    if (!(Flags & QNetworkInterface::IsUp) || !(Flags & QNetworkInterface::CanBroadcast))
      continue;
    for (const QNetworkAddressEntry& Entry : Interface.addressEntries())
      if (!Entry.broadcast().isNull() && !Result.contains(Entry.broadcast()))
        Result.append(Entry.broadcast());
  }
  return Result;
}
} // namespace

QByteArray TBeaconInfo::Encode(const TBeaconInfo& Info) {
  QCborMap Map;
  Map.insert(KeyGame, Magic);
  Map.insert(KeyVersion, static_cast<qint64>(Info.Version));
  Map.insert(KeyName, Info.Name);
  Map.insert(KeyPort, static_cast<int>(Info.Port));
  return Map.toCborValue().toCbor();
}

bool TBeaconInfo::Decode(const QByteArray& Datagram, TBeaconInfo& Out) {
  if (Datagram.size() > MaxDatagramBytes)
    return false;
  const QCborValue Value = TMessageCodec::ParseWhole(Datagram);
  if (!Value.isMap())
    return false;
  const QCborMap Map = Value.toMap();
  const QCborValue Version = Map.value(KeyVersion);
  const QCborValue Name = Map.value(KeyName);
  const QCborValue Port = Map.value(KeyPort);
  if (Map.value(KeyGame) != QCborValue(Magic) || !Version.isInteger() || !Name.isString() ||
      !Port.isInteger() || Port.toInteger() < 1 || Port.toInteger() > 65535 ||
      static_cast<size_t>(Name.toString().toUtf8().size()) > MaxPeerNameBytes)
    return false;
  Out.Version = Version.toInteger();
  Out.Name = Name.toString();
  for (QChar& C : Out.Name)
    if (C.unicode() < 0x20)
      C = QLatin1Char(' ');
  Out.Port = static_cast<quint16>(Port.toInteger());
  return true;
}

TBeacon::TBeacon(QObject* Parent) : QObject(Parent), FSocket(new QUdpSocket(this)) {
  FTimer.setInterval(DefaultIntervalMs);
  connect(&FTimer, &QTimer::timeout, this, &TBeacon::Announce);
}

void TBeacon::SetTargets(const QList<QHostAddress>& Targets, quint16 BeaconPort) {
  FTargets = Targets;
  FBeaconPort = BeaconPort;
}

void TBeacon::Start(const QString& Name, quint16 GamePort) {
  FDatagram = TBeaconInfo::Encode({PeerProtocolVersion, Name, GamePort});
  FTimer.start();
  Announce();
}

void TBeacon::Announce() {
  const QList<QHostAddress> Targets = FTargets.isEmpty() ? BroadcastAddresses() : FTargets;
  for (const QHostAddress& Target : Targets)
    FSocket->writeDatagram(FDatagram, Target, FBeaconPort);
}
