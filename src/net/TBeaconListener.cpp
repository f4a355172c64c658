// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TBeaconListener.h"

#include "TBeacon.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

TBeaconListener::TBeaconListener(QObject* Parent) : QObject(Parent), FSocket(new QUdpSocket(this)) {
  FSweep.setInterval(250);
  connect(&FSweep, &QTimer::timeout, this, &TBeaconListener::DropSilent);
  connect(FSocket, &QUdpSocket::readyRead, this, &TBeaconListener::ReadDatagrams);
}

bool TBeaconListener::Start(quint16 BeaconPort, const QHostAddress& Address) {
  Stop();
  // Shared, so that two games on one machine both listen.
  if (!FSocket->bind(Address, BeaconPort, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint))
    return false;
  FSweep.start();
  return true;
}

void TBeaconListener::Stop() {
  FSocket->close();
  FSweep.stop();
  if (!FEntries.isEmpty()) {
    FEntries.clear();
    emit GamesChanged();
  }
}

QList<TBeaconGame> TBeaconListener::Games() const {
  QList<TBeaconGame> Result;
  for (const TEntry& Entry : FEntries)
    Result.append(Entry.Game);
  return Result;
}

void TBeaconListener::ReadDatagrams() {
  bool Changed = false;
  while (FSocket->hasPendingDatagrams()) {
    const QNetworkDatagram Datagram = FSocket->receiveDatagram(1024);
    TBeaconInfo Info;
    if (!TBeaconInfo::Decode(Datagram.data(), Info))
      continue;
    TBeaconGame Game{Info.Name, Datagram.senderAddress(), Info.Port, Info.Version};
    // One game per address and port; an IPv4 address mapped into IPv6 is the same address.
    bool Ok = false;
    const QHostAddress V4(Game.Address.toIPv4Address(&Ok));
    if (Ok)
      Game.Address = V4;
    auto Found = std::find_if(FEntries.begin(), FEntries.end(), [&](const TEntry& Entry) {
      return Entry.Game.Address == Game.Address && Entry.Game.Port == Game.Port;
    });
    if (Found == FEntries.end()) {
      if (FEntries.size() >= MaxGames)
        continue;
      FEntries.append({Game, {}});
      Found = FEntries.end() - 1;
      Changed = true;
    } else if (Found->Game.Name != Game.Name || Found->Game.Version != Game.Version) {
      Found->Game = Game;
      Changed = true;
    }
    Found->Heard.start();
  }
  if (Changed)
    emit GamesChanged();
}

void TBeaconListener::DropSilent() {
  const auto Before = FEntries.size();
  FEntries.removeIf([this](const TEntry& Entry) { return Entry.Heard.elapsed() > FDropMs; });
  if (FEntries.size() != Before)
    emit GamesChanged();
}
