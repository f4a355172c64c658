// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "NetTestBytes.h"
#include "TBeacon.h"
#include "TBeaconListener.h"
#include "TNetHost.h"
#include "TNetJoin.h"
#include "TPeerConnection.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Generous: it bounds a hang, it does not time anything.
template <class TCondition>
bool Until(TCondition Condition) {
  return QTest::qWaitFor(Condition, 10000);
}

QString LastReason(const QSignalSpy& Spy) {
  return Spy.isEmpty() ? QString() : Spy.last().at(0).toString();
}

TPeerMessage ShotAt(int X, int Y) {
  TPeerMessage M;
  M.Type = TPeerMsgType::pmShot;
  M.Cell = {X, Y};
  return M;
}

// Two ends of one TCP connection over the loopback, neither yet wrapped.
struct TSocketPair {
  QTcpServer Server;
  QTcpSocket* HostEnd = nullptr;
  QTcpSocket* GuestEnd = new QTcpSocket;
  std::unique_ptr<QTcpSocket> GuestOwner{GuestEnd}; // until a connection takes it

  TSocketPair() {
    EXPECT_TRUE(Server.listen(QHostAddress::LocalHost));
    GuestEnd->connectToHost(QHostAddress::LocalHost, Server.serverPort());
    EXPECT_TRUE(Until([this] { return Server.hasPendingConnections(); }));
    HostEnd = Server.nextPendingConnection();
    EXPECT_TRUE(Until([this] { return GuestEnd->state() == QAbstractSocket::ConnectedState; }));
  }
  QTcpSocket* TakeGuest() { return GuestOwner.release(); }
};

// A guest joins a host over IPv4 and IPv6 on the default port, and messages flow both ways.
// Then it leaves with a word, or its socket drops: the host is told either way.
TEST(NetConnection, HostAndGuestTalkAndPartingIsSeen) {
  // Only the loopback here: nothing a friend could reach, so nothing to show.
  EXPECT_TRUE(TNetHost::LocalAddresses().isEmpty());
  for (const char* Address : {"127.0.0.1", "::1"}) {
    SCOPED_TRACE(Address);
    const bool Abrupt = Address[0] == ':';
    TNetHost Host;
    ASSERT_TRUE(Host.Listen()) << qPrintable(Host.ErrorText());
    EXPECT_EQ(Host.Port(), 47600);
    TNetJoin Join;
    QSignalSpy HostSaw(&Host, &TNetHost::PeerConnected);
    QSignalSpy Joined(&Join, &TNetJoin::Joined);
    Join.Start(QString::fromLatin1(Address), TNetHost::DefaultPort);
    ASSERT_TRUE(Until([&] { return HostSaw.size() == 1 && Joined.size() == 1; }));
    QSignalSpy HostGot(Host.Peer(), &TPeerConnection::MessageReceived);
    QSignalSpy GuestGot(Join.Peer(), &TPeerConnection::MessageReceived);
    QSignalSpy HostClosed(Host.Peer(), &TPeerConnection::Closed);
    QSignalSpy GuestClosed(Join.Peer(), &TPeerConnection::Closed);
    Join.Peer()->Send(ShotAt(3, 4));
    Host.Peer()->Send(ShotAt(5, 6));
    ASSERT_TRUE(Until([&] { return HostGot.size() == 1 && GuestGot.size() == 1; }));
    EXPECT_EQ(HostGot.at(0).at(0).value<TPeerMessage>(), ShotAt(3, 4));
    EXPECT_EQ(GuestGot.at(0).at(0).value<TPeerMessage>(), ShotAt(5, 6));
    if (Abrupt)
      Join.Peer()->findChild<QTcpSocket*>()->abort();
    else
      Join.Peer()->Close("Мне пора");
    ASSERT_TRUE(Until([&] { return !HostClosed.isEmpty(); }));
    EXPECT_EQ(LastReason(HostClosed), Abrupt ? "Соединение потеряно" : "Мне пора");
    EXPECT_EQ(HostGot.last().at(0).value<TPeerMessage>().Type,
              Abrupt ? TPeerMsgType::pmShot : TPeerMsgType::pmBye);
    EXPECT_TRUE(Abrupt || GuestClosed.isEmpty()) << "this end's own Close says nothing to itself";
  }
}

// Another version is refused, and each side reads why, from its own point of view.
TEST(NetConnection, VersionMismatchRefusedOnBothSides) {
  for (int GuestVersion : {PeerProtocolVersion + 1, PeerProtocolVersion - 1}) {
    SCOPED_TRACE(GuestVersion);
    TSocketPair Pair;
    TPeerConnection Host(Pair.HostEnd, TPeerRole::prHost);
    TPeerConnection Guest(Pair.TakeGuest(), TPeerRole::prGuest);
    Guest.SetProtocolVersion(GuestVersion);
    QSignalSpy HostClosed(&Host, &TPeerConnection::Closed);
    QSignalSpy GuestClosed(&Guest, &TPeerConnection::Closed);
    QSignalSpy GuestConnected(&Guest, &TPeerConnection::Connected);
    ASSERT_TRUE(Until([&] { return HostClosed.size() && GuestClosed.size(); }));
    const QString Text = QStringLiteral("Разные версии игры: у вас протокол %1, у соперника %2");
    EXPECT_EQ(LastReason(HostClosed), Text.arg(PeerProtocolVersion).arg(GuestVersion));
    EXPECT_EQ(LastReason(GuestClosed), Text.arg(GuestVersion).arg(PeerProtocolVersion));
    EXPECT_TRUE(GuestConnected.isEmpty());
  }
}

// Heartbeats keep a quiet game alive; a peer that greets and then falls silent is lost within
// the timeout.
TEST(NetConnection, SilenceIsLostButHeartbeatsKeepAlive) {
  TSocketPair Pair, Silent;
  TPeerConnection Host(Pair.HostEnd, TPeerRole::prHost);
  TPeerConnection Guest(Pair.TakeGuest(), TPeerRole::prGuest);
  TPeerConnection Waiting(Silent.TakeGuest(), TPeerRole::prGuest);
  for (TPeerConnection* End : {&Host, &Guest, &Waiting})
    End->SetTimings(50, 400);
  QSignalSpy GuestGot(&Guest, &TPeerConnection::MessageReceived);
  QSignalSpy Closed(&Waiting, &TPeerConnection::Closed);
  Host.Send(ShotAt(1, 2)); // before the greeting is done: goes out right after it
  Silent.HostEnd->write(HelloFrame(PeerProtocolVersion));
  ASSERT_TRUE(Until([&] { return Host.IsConnected() && Guest.IsConnected(); }));
  QTest::qWait(1500);
  EXPECT_TRUE(Host.IsConnected() && Guest.IsConnected());
  ASSERT_EQ(GuestGot.size(), 1);
  EXPECT_EQ(GuestGot.at(0).at(0).value<TPeerMessage>(), ShotAt(1, 2));
  ASSERT_EQ(Closed.size(), 1);
  EXPECT_EQ(LastReason(Closed), "Соединение потеряно");
}

// Bad input ends the connection with its cause, and the sender is told that cause.
TEST(NetConnection, BadInputClosesWithItsCause) {
  const QByteArray Hello = HelloFrame(PeerProtocolVersion);
  QByteArray Flood;
  for (int I = 0; I < 1000; ++I)
    Flood += FrameOf({});
  const std::pair<QByteArray, QString> Cases[] = {
      {Hello + FrameOf(Cbor({{"type", "nuke"}})), "Неизвестный тип сообщения"},
      {Hello + QByteArray("\x7F\xFF\xFF\xFF", 4), "Сообщение слишком длинное"},
      {Hello + Flood, "Соперник шлёт слишком много сообщений"},
      {FrameOf("GET / HTTP/1.1"), "На том конце не Сальвора"},
  };
  for (const auto& [Bytes, Reason] : Cases) {
    SCOPED_TRACE(Reason.toStdString());
    TSocketPair Pair;
    TPeerConnection Host(Pair.HostEnd, TPeerRole::prHost);
    QSignalSpy Closed(&Host, &TPeerConnection::Closed);
    Pair.GuestEnd->write(Bytes);
    ASSERT_TRUE(Until([&] { return !Closed.isEmpty(); }));
    EXPECT_EQ(LastReason(Closed), Reason);
    QByteArray Heard;
    ASSERT_TRUE(
        Until([&] { return (Heard += Pair.GuestEnd->readAll()).contains(Reason.toUtf8()); }));
  }
}

// A port in use is named; a second guest is told the game is taken; once the first has left,
// the next one gets in. A join that fails says why, in words a player can act on.
TEST(NetJoin, PortTakenGameTakenAndFailuresNamed) {
  TNetHost Host;
  ASSERT_TRUE(Host.Listen(47610));
  TNetHost Second;
  EXPECT_FALSE(Second.Listen(47610));
  EXPECT_EQ(Second.ErrorText(), "Порт 47610 уже занят другой программой. Выберите другой порт.");
  TNetJoin First, Late;
  QSignalSpy FirstJoined(&First, &TNetJoin::Joined);
  QSignalSpy LateJoined(&Late, &TNetJoin::Joined);
  First.Start("127.0.0.1", 47610);
  ASSERT_TRUE(Until([&] { return !FirstJoined.isEmpty(); }));

  QTcpServer Mute; // accepts and never greets
  ASSERT_TRUE(Mute.listen(QHostAddress::LocalHost, 47620));
  const std::tuple<const char*, quint16, QString> Cases[] = {
      {"127.0.0.1", 47610, "Эта игра уже занята другим игроком"},
      {"127.0.0.1", 47621, "На 127.0.0.1:47621 никто не ждёт игры (соединение отклонено)"},
      {"127.0.0.1", 47620, "127.0.0.1:47620 не отвечает"},
      {"nosuchhost.invalid", 47620, "Адрес nosuchhost.invalid:47620 не найден"},
  };
  for (const auto& [Address, Port, Reason] : Cases) {
    SCOPED_TRACE(Reason.toStdString());
    TNetJoin Fresh;
    TNetJoin& Join = Port == 47610 ? Late : Fresh;
    Fresh.SetTimeout(500);
    QSignalSpy Failed(&Join, &TNetJoin::Failed);
    Join.Start(Address, Port);
    ASSERT_TRUE(Until([&] { return !Failed.isEmpty(); }));
    EXPECT_EQ(LastReason(Failed), Reason);
    EXPECT_EQ(Failed.size(), 1);
  }
  EXPECT_TRUE(LateJoined.isEmpty());
  First.Peer()->Close("Пока");
  ASSERT_TRUE(Until([&] { return !Host.Peer() || !Host.Peer()->IsOpen(); }));
  Late.Start("127.0.0.1", 47610);
  ASSERT_TRUE(Until([&] { return !LateJoined.isEmpty(); }));
}

// A hosted game is heard on the loopback's broadcast address, junk is ignored, and a game that
// falls silent is dropped from the list, not while it keeps announcing.
TEST(NetBeacon, HeardThenDroppedWhenSilent) {
  constexpr quint16 BeaconPort = 47630;
  const QHostAddress Broadcast(QStringLiteral("127.255.255.255"));
  TBeaconListener Listener;
  Listener.SetDropMs(600);
  ASSERT_TRUE(Listener.Start(BeaconPort));
  QUdpSocket Junk;
  Junk.writeDatagram("junk", Broadcast, BeaconPort);
  Junk.writeDatagram(Cbor({{"game", "other"}, {"version", 1}, {"name", "x"}, {"port", 1}}),
                     Broadcast, BeaconPort);
  QTest::qWait(300);
  EXPECT_TRUE(Listener.Games().isEmpty());

  TBeacon Beacon;
  Beacon.SetTargets({Broadcast}, BeaconPort);
  Beacon.SetInterval(100);
  Beacon.Start(QStringLiteral("Капитан Немо"), 47600);
  ASSERT_TRUE(Until([&] { return Listener.Games().size() == 1; }));
  const TBeaconGame Game = Listener.Games().at(0);
  EXPECT_EQ(Game.Name, "Капитан Немо");
  EXPECT_EQ(Game.Port, 47600);
  EXPECT_EQ(Game.Address, QHostAddress(QHostAddress::LocalHost));
  EXPECT_EQ(Game.Version, PeerProtocolVersion);
  QTest::qWait(1200);
  EXPECT_EQ(Listener.Games().size(), 1);
  Beacon.Stop();
  ASSERT_TRUE(Until([&] { return Listener.Games().isEmpty(); }));
}

} // namespace
