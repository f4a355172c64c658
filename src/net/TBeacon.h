// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class QUdpSocket;

// What a hosted game says of itself on the local network, every so often: this game, its
// protocol version, the host player's name and the port to join at.
struct TBeaconInfo {
  int64_t Version = 0;
  QString Name;
  quint16 Port = 0;

  static QByteArray Encode(const TBeaconInfo& Info);
  // False for anything that is not a beacon of this game.
  static bool Decode(const QByteArray& Datagram, TBeaconInfo& Out);
};

// The host's side of the discovery: a UDP datagram every IntervalMs to each target address
// (by default every IPv4 broadcast address of this machine). No server is needed.
class TBeacon : public QObject {
  Q_OBJECT

public:
  static constexpr quint16 DefaultPort = 47601;
  static constexpr int DefaultIntervalMs = 1000;

  explicit TBeacon(QObject* Parent = nullptr);

  // Where to announce; tests keep it on the loopback (127.255.255.255 or 127.0.0.1).
  void SetTargets(const QList<QHostAddress>& Targets, quint16 BeaconPort = DefaultPort);
  void SetInterval(int Ms) { FTimer.setInterval(Ms); }
  void Start(const QString& Name, quint16 GamePort);
  void Stop() { FTimer.stop(); }
  bool IsActive() const { return FTimer.isActive(); }

private:
  void Announce();

  QUdpSocket* FSocket = nullptr;
  QTimer FTimer;
  QList<QHostAddress> FTargets;
  quint16 FBeaconPort = DefaultPort;
  QByteArray FDatagram;
};
