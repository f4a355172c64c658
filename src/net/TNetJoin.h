// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TPeerConnection.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QTcpSocket;

// Joining a network game: connects to a host and greets it, within a time limit. The
// connection belongs to this object until the next Start or Cancel.
class TNetJoin : public QObject {
  Q_OBJECT

public:
  // From the first packet to the host's greeting.
  static constexpr int DefaultTimeoutMs = 8000;

  explicit TNetJoin(QObject* Parent = nullptr);

  // Host is an IPv4 or IPv6 address or a name; the answer comes as Joined or Failed.
  void Start(const QString& Host, quint16 Port);
  void Cancel();
  void SetTimeout(int Ms) { FTimeout.setInterval(Ms); }
  // Applied to the connection once made.
  void SetTimings(int HeartbeatMs, int SilenceMs);
  TPeerConnection* Peer() const { return FPeer; }

signals:
  void Joined(TPeerConnection* Peer);
  // Refused, unknown host, no answer, another version, game taken: said for a player.
  void Failed(const QString& Reason);

private:
  void SocketConnected();
  void SocketError();
  void Fail(const QString& Reason);

  QPointer<QTcpSocket> FSocket;
  QPointer<TPeerConnection> FPeer;
  QTimer FTimeout;
  QString FWhere;
  bool FJoined = false;
  int FHeartbeatMs = 0;
  int FSilenceMs = 0;
};
