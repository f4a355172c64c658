// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class TBattleController;
class TBeacon;
class TNetHost;
class TNetJoin;
class TNetScreen;
class TPeerConnection;

// The window's side of a network game: hosts or joins, announces a hosted game on the local
// network while it waits, and once the other side has greeted hands the connection to the
// battle controller, whose messages and loss it then carries. Nothing here waits: every step
// answers through the event loop.
class TNetSession : public QObject {
  Q_DECLARE_TR_FUNCTIONS(TNetSession)

public:
  TNetSession(TBattleController& Game, TNetScreen& Screen, QObject* Parent = nullptr);
  ~TNetSession() override;

  // Listens on Port and announces the game; false, with the reason in FOnStatus, when the port
  // cannot be opened.
  bool Host(const QString& Name, quint16 Port);
  // Connects to Host at Port; the outcome comes through FOnStatus or FOnConnected.
  void Join(const QString& Name, const QString& Host, quint16 Port);
  // Stops waiting for a guest or for a host; a game already begun is not touched.
  void Cancel();
  // The network game is over: the listening port is closed and the connection let go.
  void End();
  bool Waiting() const;
  bool Playing() const { return !FPeer.isNull(); }
  TPeerConnection* Peer() const;

  // What the session is doing or why it failed, for the dialog's status line.
  std::function<void(const QString& Text, bool Error)> FOnStatus;
  // The other side has greeted and the battle controller has the game.
  std::function<void()> FOnConnected;

private:
  void PeerConnected(TPeerConnection* Peer, bool AsHost);

  TBattleController& FGame;
  TNetScreen& FScreen;
  QString FName{};
  TNetHost* FHost = nullptr;
  TNetJoin* FJoin = nullptr;
  TBeacon* FBeacon = nullptr;
  QPointer<TPeerConnection> FPeer;
};
