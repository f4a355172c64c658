// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>

class QUdpSocket;

// A game heard on the local network.
struct TBeaconGame {
  QString Name;
  QHostAddress Address;
  quint16 Port = 0;
  // Another version cannot be joined; the list may still show it, greyed.
  int64_t Version = 0;
};

// The joiner's side of the discovery: lists the games whose beacons it hears, newest news
// kept, and drops a game silent for DropMs. Anything else arriving is ignored.
class TBeaconListener : public QObject {
  Q_OBJECT

public:
  static constexpr int DefaultDropMs = 3500;
  // A flood of made-up games cannot fill memory.
  static constexpr int MaxGames = 32;

  explicit TBeaconListener(QObject* Parent = nullptr);

  // False when the port cannot be opened (the list then stays empty).
  bool Start(quint16 BeaconPort, const QHostAddress& Address = QHostAddress::AnyIPv4);
  void Stop();
  void SetDropMs(int Ms) { FDropMs = Ms; }
  QList<TBeaconGame> Games() const;

signals:
  // A game was heard for the first time, changed, or was dropped.
  void GamesChanged();

private:
  struct TEntry {
    TBeaconGame Game;
    QElapsedTimer Heard;
  };

  void ReadDatagrams();
  void DropSilent();

  QUdpSocket* FSocket = nullptr;
  QTimer FSweep;
  QList<TEntry> FEntries;
  int FDropMs = DefaultDropMs;
};
