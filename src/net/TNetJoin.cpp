// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TNetJoin.h"

#include "TNetAddress.h"
#include "TPeerConnection.h"

#include <QTcpSocket>

TNetJoin::TNetJoin(QObject* Parent) : QObject(Parent) {
  TPeerConnection::RegisterTypes();
  FTimeout.setSingleShot(true);
  FTimeout.setInterval(DefaultTimeoutMs);
  connect(&FTimeout, &QTimer::timeout, this, [this] { Fail(tr("%1 не отвечает").arg(FWhere)); });
}

void TNetJoin::SetTimings(int HeartbeatMs, int SilenceMs) {
  FHeartbeatMs = HeartbeatMs;
  FSilenceMs = SilenceMs;
}

void TNetJoin::Start(const QString& Host, quint16 Port) {
  Cancel();
  FWhere = TNetAddress::Format(Host, Port);
  FSocket = new QTcpSocket(this);
  connect(FSocket, &QTcpSocket::connected, this, &TNetJoin::SocketConnected);
  connect(FSocket, &QTcpSocket::errorOccurred, this, &TNetJoin::SocketError);
  FTimeout.start();
  FSocket->connectToHost(Host, Port);
}

void TNetJoin::Cancel() {
  FTimeout.stop();
  FJoined = false;
  if (FPeer)
    FPeer->deleteLater();
  else if (FSocket) {
    FSocket->disconnect(this);
    FSocket->abort();
    FSocket->deleteLater();
  }
  FPeer = nullptr;
  FSocket = nullptr;
}

void TNetJoin::SocketConnected() {
  // From here the connection watches the socket.
  FSocket->disconnect(this);
  auto* Peer = new TPeerConnection(FSocket, TPeerRole::prGuest, this);
  if (FHeartbeatMs > 0)
    Peer->SetTimings(FHeartbeatMs, FSilenceMs);
  FPeer = Peer;
  connect(Peer, &TPeerConnection::Connected, this, [this, Peer] {
    FTimeout.stop();
    FJoined = true;
    emit Joined(Peer);
  });
  connect(Peer, &TPeerConnection::Closed, this, [this, Peer](const QString& Reason) {
    // After the greeting the connection's own Closed tells the rest.
    if (FPeer == Peer && !FJoined)
      Fail(Reason);
  });
}

void TNetJoin::SocketError() {
  if (!FSocket)
    return;
  switch (FSocket->error()) {
  case QAbstractSocket::ConnectionRefusedError:
    Fail(tr("На %1 никто не ждёт игры (соединение отклонено)").arg(FWhere));
    break;
  case QAbstractSocket::HostNotFoundError:
    Fail(tr("Адрес %1 не найден").arg(FWhere));
    break;
  case QAbstractSocket::SocketTimeoutError:
    Fail(tr("%1 не отвечает").arg(FWhere));
    break;
  case QAbstractSocket::NetworkError:
    Fail(tr("Нет сети: %1 недоступен").arg(FWhere));
    break;
  default:
    Fail(tr("Не удалось подключиться к %1: %2").arg(FWhere, FSocket->errorString()));
  }
}

void TNetJoin::Fail(const QString& Reason) {
  Cancel();
  emit Failed(Reason);
}
