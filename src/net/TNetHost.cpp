// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TNetHost.h"

#include "TFrameCodec.h"
#include "THandshake.h"
#include "TPeerConnection.h"

#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>

TNetHost::TNetHost(QObject* Parent) : QObject(Parent), FServer(new QTcpServer(this)) {
  TPeerConnection::RegisterTypes();
  connect(FServer, &QTcpServer::newConnection, this, &TNetHost::AcceptPending);
}

bool TNetHost::Listen(quint16 Port, const QHostAddress& Address) {
  Stop();
  FError.clear();
  if (FServer->listen(Address, Port))
    return true;
  // A machine without IPv6 still hosts over IPv4.
  if (Address == QHostAddress::Any &&
      FServer->serverError() != QAbstractSocket::AddressInUseError &&
      FServer->listen(QHostAddress::AnyIPv4, Port))
    return true;
  switch (FServer->serverError()) {
  case QAbstractSocket::AddressInUseError:
    FError = tr("Порт %1 уже занят другой программой. Выберите другой порт.").arg(Port);
    break;
  case QAbstractSocket::SocketAccessError:
    FError = tr("Нет прав открыть порт %1. Выберите порт больше 1024.").arg(Port);
    break;
  case QAbstractSocket::SocketAddressNotAvailableError:
  case QAbstractSocket::NetworkError:
    FError = tr("Нет сети: порт %1 открыть не удалось.").arg(Port);
    break;
  default:
    FError = tr("Порт %1 открыть не удалось: %2").arg(Port).arg(FServer->errorString());
  }
  return false;
}

void TNetHost::Stop() {
  FServer->close();
  if (FPeer)
    FPeer->deleteLater();
  FPeer = nullptr;
}

bool TNetHost::IsListening() const {
  return FServer->isListening();
}

quint16 TNetHost::Port() const {
  return FServer->serverPort();
}

void TNetHost::SetTimings(int HeartbeatMs, int SilenceMs) {
  FHeartbeatMs = HeartbeatMs;
  FSilenceMs = SilenceMs;
}

void TNetHost::AcceptPending() {
  while (QTcpSocket* Socket = FServer->nextPendingConnection()) {
    if (FPeer && FPeer->IsOpen()) {
      // Told in the greeting's own form, which any version of the game reads.
      Socket->write(
          TFrameCodec::Encode(THandshake::EncodeRefusal(tr("Эта игра уже занята другим игроком"))));
      connect(Socket, &QTcpSocket::disconnected, Socket, &QObject::deleteLater);
      Socket->disconnectFromHost();
      continue;
    }
    if (FPeer)
      FPeer->deleteLater();
    auto* Peer = new TPeerConnection(Socket, TPeerRole::prHost, this);
    if (FHeartbeatMs > 0)
      Peer->SetTimings(FHeartbeatMs, FSilenceMs);
    FPeer = Peer;
    FPeerGreeted = false;
    connect(Peer, &TPeerConnection::Connected, this, [this, Peer] {
      FPeerGreeted = true;
      emit PeerConnected(Peer);
    });
    connect(Peer, &TPeerConnection::Closed, this, [this, Peer](const QString& Reason) {
      if (FPeer == Peer && !FPeerGreeted)
        emit PeerFailed(Reason);
    });
  }
}

namespace {
// The ranges of home and office networks (Qt 6.4 has no test of its own for them).
bool IsPrivate(const QHostAddress& Address) {
  static const QPair<QHostAddress, int> Ranges[] = {
      QHostAddress::parseSubnet(QStringLiteral("10.0.0.0/8")),
      QHostAddress::parseSubnet(QStringLiteral("172.16.0.0/12")),
      QHostAddress::parseSubnet(QStringLiteral("192.168.0.0/16")),
  };
  for (const auto& Range : Ranges)
    if (Address.isInSubnet(Range))
      return true;
  return Address.isUniqueLocalUnicast();
}
} // namespace

QList<QHostAddress> TNetHost::LocalAddresses() {
  QList<QHostAddress> Global;
  QList<QHostAddress> Private;
  for (const QNetworkInterface& Interface : QNetworkInterface::allInterfaces()) {
    const auto Flags = Interface.flags();
    if (!(Flags & QNetworkInterface::IsUp) || !(Flags & QNetworkInterface::IsRunning) ||
        (Flags & QNetworkInterface::IsLoopBack))
      continue;
    for (const QNetworkAddressEntry& Entry : Interface.addressEntries()) {
      const QHostAddress Address = Entry.ip();
      if (Address.isLoopback() || Address.isLinkLocal())
        continue;
      // A friend on the same network uses the private address; over the internet, a global.
      (IsPrivate(Address) ? Private : Global).append(Address);
    }
  }
  // IPv4 first within each group: the shorter one to read out.
  const auto ByProtocol = [](const QHostAddress& A, const QHostAddress& B) {
    return A.protocol() == QAbstractSocket::IPv4Protocol &&
           B.protocol() != QAbstractSocket::IPv4Protocol;
  };
  std::stable_sort(Private.begin(), Private.end(), ByProtocol);
  std::stable_sort(Global.begin(), Global.end(), ByProtocol);
  return Private + Global;
}
