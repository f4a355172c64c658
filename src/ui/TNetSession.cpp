// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TNetSession.h"

#include "TBattleController.h"
#include "TBeacon.h"
#include "TNetHost.h"
#include "TNetJoin.h"
#include "TPeerConnection.h"
#include "TSystemTools.h"

#include <QHostAddress>

namespace {

// Where the beacon is sent: SALVORA_BEACON names the addresses (comma-separated), so that a
// test keeps it on the loopback; otherwise every broadcast address of this machine.
QList<QHostAddress> BeaconTargets() {
  QList<QHostAddress> Targets;
  for (const QString& Text : qEnvironmentVariable("SALVORA_BEACON").split(u',', Qt::SkipEmptyParts))
    if (QHostAddress Address(Text.trimmed()); !Address.isNull())
      Targets.append(Address);
  return Targets;
}

} // namespace

TNetSession::TNetSession(TBattleController& Game, TNetScreen& Screen, QObject* Parent)
    : QObject(Parent), FGame(Game), FScreen(Screen) {}

TNetSession::~TNetSession() {
  End();
}

bool TNetSession::Host(const QString& Name, quint16 Port) {
  Cancel();
  FName = Name;
  FHost = new TNetHost(this);
  if (!FHost->Listen(Port)) {
    const QString Error = FHost->ErrorText();
    delete FHost;
    FHost = nullptr;
    if (FOnStatus)
      FOnStatus(Error, true);
    return false;
  }
  connect(FHost, &TNetHost::PeerConnected, this,
          [this](TPeerConnection* Peer) { PeerConnected(Peer, true); });
  connect(FHost, &TNetHost::PeerFailed, this, [this](const QString& Reason) {
    if (FOnStatus && !Playing())
      FOnStatus(Reason, true);
  });
  FBeacon = new TBeacon(this);
  if (const QList<QHostAddress> Targets = BeaconTargets(); !Targets.isEmpty())
    FBeacon->SetTargets(Targets);
  FBeacon->Start(Name, FHost->Port());
  if (FOnStatus)
    FOnStatus(tr("Ждём соперника на порту %1…").arg(FHost->Port()), false);
  return true;
}

void TNetSession::Join(const QString& Name, const QString& Host, quint16 Port) {
  Cancel();
  FName = Name;
  FJoin = new TNetJoin(this);
  connect(FJoin, &TNetJoin::Joined, this,
          [this](TPeerConnection* Peer) { PeerConnected(Peer, false); });
  connect(FJoin, &TNetJoin::Failed, this, [this](const QString& Reason) {
    if (FOnStatus)
      FOnStatus(Reason, true);
  });
  FJoin->Start(Host, Port);
  if (FOnStatus)
    FOnStatus(tr("Подключение к %1…").arg(Host), false);
}

TPeerConnection* TNetSession::Peer() const {
  return FPeer;
}

bool TNetSession::Waiting() const {
  return !Playing() && ((FHost && FHost->IsListening()) || FJoin);
}

void TNetSession::Cancel() {
  if (Playing())
    return;
  End();
}

void TNetSession::End() {
  if (FBeacon)
    FBeacon->Stop();
  // The connection is a child of the host or the join; both go once the event loop is back,
  // never inside a signal of theirs.
  for (QObject* Owner :
       {static_cast<QObject*>(FHost), static_cast<QObject*>(FJoin), static_cast<QObject*>(FBeacon)})
    if (Owner) {
      Owner->disconnect(this);
      Owner->deleteLater();
    }
  if (FPeer)
    FPeer->disconnect(this);
  FHost = nullptr;
  FJoin = nullptr;
  FBeacon = nullptr;
  FPeer = nullptr;
}

void TNetSession::PeerConnected(TPeerConnection* Peer, bool AsHost) {
  if (Playing() || !Peer)
    return;
  FPeer = Peer;
  if (FBeacon)
    FBeacon->Stop(); // the game is taken: no more news of it
  connect(Peer, &TPeerConnection::MessageReceived, this,
          [this](const TPeerMessage& Message) { FGame.PeerMessage(Message); });
  connect(Peer, &TPeerConnection::Closed, this,
          [this](const QString& Reason) { FGame.PeerLost(Reason.toStdString()); });
  FGame.StartNetGame(*Peer, FScreen, SystemFairPlayTools(), AsHost, FName.toStdString());
  if (FOnConnected)
    FOnConnected();
}
