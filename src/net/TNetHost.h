// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TPeerConnection.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>

class QTcpServer;

// Hosting a network game: listens on a port (IPv4 and IPv6) for one guest at a time; a
// second caller is told the game is taken. The connection belongs to the host and is deleted
// (later) once it has ended or the next guest takes its place.
class TNetHost : public QObject {
  Q_OBJECT

public:
  static constexpr quint16 DefaultPort = 47600;

  explicit TNetHost(QObject* Parent = nullptr);

  // False, with ErrorText, when the port cannot be opened (taken, forbidden, no network).
  bool Listen(quint16 Port = DefaultPort, const QHostAddress& Address = QHostAddress::Any);
  void Stop();
  bool IsListening() const;
  quint16 Port() const;
  QString ErrorText() const { return FError; }
  // The guest now playing or greeting, if any.
  TPeerConnection* Peer() const { return FPeer; }
  // Applied to each guest from now on.
  void SetTimings(int HeartbeatMs, int SilenceMs);

  // This machine's addresses to tell a friend, those reachable from another machine first;
  // loopback and link-local addresses are left out. Empty when there is no network.
  static QList<QHostAddress> LocalAddresses();

signals:
  // A guest has greeted and may play.
  void PeerConnected(TPeerConnection* Peer);
  // A guest left or was turned away before the greeting was done (another version…).
  void PeerFailed(const QString& Reason);

private:
  void AcceptPending();

  QTcpServer* FServer = nullptr;
  QPointer<TPeerConnection> FPeer;
  bool FPeerGreeted = false;
  QString FError;
  int FHeartbeatMs = 0;
  int FSilenceMs = 0;
};
