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

// Generous: these bound a hang, they do not time anything.
constexpr int WaitMs = 10000;

// Two ends of one TCP connection over the loopback, neither yet wrapped.
struct TSocketPair {
  QTcpServer Server;
  QTcpSocket* HostEnd = nullptr;
  std::unique_ptr<QTcpSocket> GuestEnd = std::make_unique<QTcpSocket>();

  TSocketPair() {
    EXPECT_TRUE(Server.listen(QHostAddress::LocalHost));
    GuestEnd->connectToHost(QHostAddress::LocalHost, Server.serverPort());
    EXPECT_TRUE(QTest::qWaitFor([this] { return Server.hasPendingConnections(); }, WaitMs));
    HostEnd = Server.nextPendingConnection();
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return GuestEnd->state() == QAbstractSocket::ConnectedState; }, WaitMs));
  }
};

TPeerMessage ShotAt(int X, int Y) {
  TPeerMessage M;
  M.Type = TPeerMsgType::pmShot;
  M.Cell = {X, Y};
  return M;
}

QString LastReason(const QSignalSpy& Spy) {
  return Spy.isEmpty() ? QString() : Spy.last().at(0).toString();
}

// A guest joins a host over IPv4 and IPv6 on the default port; messages flow both ways.
TEST(NetConnection, HostAndGuestGreetAndTalk) {
  // Only the loopback here: nothing a friend could reach, so nothing to show.
  EXPECT_TRUE(TNetHost::LocalAddresses().isEmpty());
  for (const char* Address : {"127.0.0.1", "::1"}) {
    SCOPED_TRACE(Address);
    TNetHost Host;
    ASSERT_TRUE(Host.Listen()) << qPrintable(Host.ErrorText());
    EXPECT_EQ(Host.Port(), 47600);
    TNetJoin Join;
    QSignalSpy HostSaw(&Host, &TNetHost::PeerConnected);
    QSignalSpy Joined(&Join, &TNetJoin::Joined);
    Join.Start(QString::fromLatin1(Address), TNetHost::DefaultPort);
    ASSERT_TRUE(QTest::qWaitFor([&] { return HostSaw.size() == 1 && Joined.size() == 1; }, WaitMs));
    QSignalSpy HostGot(Host.Peer(), &TPeerConnection::MessageReceived);
    QSignalSpy GuestGot(Join.Peer(), &TPeerConnection::MessageReceived);
    Join.Peer()->Send(ShotAt(3, 4));
    TPeerMessage Answer;
    Answer.Type = TPeerMsgType::pmAnswer;
    Answer.Cell = {3, 4};
    Answer.Result = TShotResult::srHit;
    Host.Peer()->Send(Answer);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return HostGot.size() == 1 && GuestGot.size() == 1; }, WaitMs));
    EXPECT_EQ(HostGot.at(0).at(0).value<TPeerMessage>(), ShotAt(3, 4));
    EXPECT_EQ(GuestGot.at(0).at(0).value<TPeerMessage>(), Answer);
  }
}

// Another version is refused, and each side reads why, from its own point of view.
TEST(NetConnection, VersionMismatchRefusedOnBothSides) {
  for (int GuestVersion : {PeerProtocolVersion + 1, PeerProtocolVersion - 1}) {
    SCOPED_TRACE(GuestVersion);
    TSocketPair Pair;
    TPeerConnection Host(Pair.HostEnd, TPeerRole::prHost);
    TPeerConnection Guest(Pair.GuestEnd.release(), TPeerRole::prGuest);
    Guest.SetProtocolVersion(GuestVersion);
    QSignalSpy HostClosed(&Host, &TPeerConnection::Closed);
    QSignalSpy GuestClosed(&Guest, &TPeerConnection::Closed);
    QSignalSpy GuestConnected(&Guest, &TPeerConnection::Connected);
    ASSERT_TRUE(QTest::qWaitFor([&] { return HostClosed.size() && GuestClosed.size(); }, WaitMs));
    const QString Text = QStringLiteral("Разные версии игры: у вас протокол %1, у соперника %2");
    EXPECT_EQ(LastReason(HostClosed), Text.arg(PeerProtocolVersion).arg(GuestVersion));
    EXPECT_EQ(LastReason(GuestClosed), Text.arg(GuestVersion).arg(PeerProtocolVersion));
    EXPECT_TRUE(GuestConnected.isEmpty());
  }
}

// Heartbeats keep a quiet game alive; a peer that falls silent is lost within the timeout.
TEST(NetConnection, SilenceIsLostButHeartbeatsKeepAlive) {
  TSocketPair Pair;
  TPeerConnection Host(Pair.HostEnd, TPeerRole::prHost);
  TPeerConnection Guest(Pair.GuestEnd.release(), TPeerRole::prGuest);
  Host.SetTimings(50, 400);
  Guest.SetTimings(50, 400);
  // Sent before the greeting is done: goes out right after it.
  QSignalSpy GuestGot(&Guest, &TPeerConnection::MessageReceived);
  Host.Send(ShotAt(1, 2));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Host.IsConnected() && Guest.IsConnected(); }, WaitMs));
  QTest::qWait(1500);
  EXPECT_TRUE(Host.IsConnected());
  EXPECT_TRUE(Guest.IsConnected());
  ASSERT_EQ(GuestGot.size(), 1);
  EXPECT_EQ(GuestGot.at(0).at(0).value<TPeerMessage>(), ShotAt(1, 2));

  // A host that greets and then says nothing more.
  TSocketPair Silent;
  TPeerConnection Waiting(Silent.GuestEnd.release(), TPeerRole::prGuest);
  Waiting.SetTimings(50, 400);
  QSignalSpy Closed(&Waiting, &TPeerConnection::Closed);
  Silent.HostEnd->write(HelloFrame(PeerProtocolVersion));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Closed.isEmpty(); }, WaitMs));
  EXPECT_EQ(LastReason(Closed), QStringLiteral("Соединение потеряно"));
  EXPECT_EQ(Closed.size(), 1);
}

// Leaving with a word, or the socket dropping: the other side is told.
TEST(NetConnection, PeerLeavingIsSeen) {
  for (bool Abrupt : {false, true}) {
    SCOPED_TRACE(Abrupt);
    TSocketPair Pair;
    TPeerConnection Host(Pair.HostEnd, TPeerRole::prHost);
    auto* GuestSocket = Pair.GuestEnd.release();
    TPeerConnection Guest(GuestSocket, TPeerRole::prGuest);
    QSignalSpy HostGot(&Host, &TPeerConnection::MessageReceived);
    QSignalSpy HostClosed(&Host, &TPeerConnection::Closed);
    QSignalSpy GuestClosed(&Guest, &TPeerConnection::Closed);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Host.IsConnected() && Guest.IsConnected(); }, WaitMs));
    if (Abrupt)
      GuestSocket->abort();
    else
      Guest.Close("Мне пора");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !HostClosed.isEmpty(); }, WaitMs));
    EXPECT_EQ(LastReason(HostClosed),
              Abrupt ? QStringLiteral("Соединение потеряно") : QStringLiteral("Мне пора"));
    if (!Abrupt) {
      ASSERT_EQ(HostGot.size(), 1);
      EXPECT_EQ(HostGot.at(0).at(0).value<TPeerMessage>().Type, TPeerMsgType::pmBye);
      // This end's own Close says nothing to itself.
      EXPECT_TRUE(GuestClosed.isEmpty());
    }
  }
}

// Bad input ends the connection with its cause, and the sender is told that cause.
TEST(NetConnection, BadInputClosesWithItsCause) {
  struct TCase {
    const char* Name;
    QByteArray Bytes;
    QString Reason;
  };
  const QByteArray Hello = HelloFrame(PeerProtocolVersion);
  QByteArray Flood;
  for (int I = 0; I < 1000; ++I)
    Flood += FrameOf({});
  const TCase Cases[] = {
      {"unknown type", Hello + FrameOf(Cbor({{QStringLiteral("type"), QStringLiteral("nuke")}})),
       QStringLiteral("Неизвестный тип сообщения")},
      {"oversized", Hello + QByteArray("\x7F\xFF\xFF\xFF", 4),
       QStringLiteral("Сообщение слишком длинное")},
      {"flood", Hello + Flood, QStringLiteral("Соперник шлёт слишком много сообщений")},
      {"not this game", FrameOf("GET / HTTP/1.1"), QStringLiteral("На том конце не Сальвора")},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TSocketPair Pair;
    TPeerConnection Host(Pair.HostEnd, TPeerRole::prHost);
    QSignalSpy Closed(&Host, &TPeerConnection::Closed);
    Pair.GuestEnd->write(Case.Bytes);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Closed.isEmpty(); }, WaitMs));
    EXPECT_EQ(LastReason(Closed), Case.Reason);
    QByteArray Heard;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
          Heard += Pair.GuestEnd->readAll();
          return Heard.contains(Case.Reason.toUtf8());
        },
        WaitMs));
  }
}

// A port in use is named; a second guest is told the game is taken; once the first has
// left, the next one gets in.
TEST(NetHost, PortTakenAndOneGuestAtATime) {
  TNetHost Host;
  ASSERT_TRUE(Host.Listen(47610));
  TNetHost Second;
  EXPECT_FALSE(Second.Listen(47610));
  EXPECT_EQ(Second.ErrorText(),
            QStringLiteral("Порт 47610 уже занят другой программой. Выберите другой порт."));

  TNetJoin First;
  QSignalSpy FirstJoined(&First, &TNetJoin::Joined);
  First.Start(QStringLiteral("127.0.0.1"), 47610);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !FirstJoined.isEmpty(); }, WaitMs));
  TNetJoin Late;
  QSignalSpy LateFailed(&Late, &TNetJoin::Failed);
  QSignalSpy LateJoined(&Late, &TNetJoin::Joined);
  Late.Start(QStringLiteral("127.0.0.1"), 47610);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !LateFailed.isEmpty(); }, WaitMs));
  EXPECT_EQ(LastReason(LateFailed), QStringLiteral("Эта игра уже занята другим игроком"));
  EXPECT_TRUE(LateJoined.isEmpty());

  First.Peer()->Close("Пока");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Host.Peer() || !Host.Peer()->IsOpen(); }, WaitMs));
  Late.Start(QStringLiteral("127.0.0.1"), 47610);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !LateJoined.isEmpty(); }, WaitMs));
}

// Why a join failed, in words a player can act on.
TEST(NetJoin, FailuresAreNamed) {
  QTcpServer Mute; // accepts and never greets
  ASSERT_TRUE(Mute.listen(QHostAddress::LocalHost, 47620));
  struct TCase {
    const char* Host;
    quint16 Port;
    QString Reason;
  };
  const TCase Cases[] = {
      {"127.0.0.1", 47621,
       QStringLiteral("На 127.0.0.1:47621 никто не ждёт игры (соединение отклонено)")},
      {"127.0.0.1", 47620, QStringLiteral("127.0.0.1:47620 не отвечает")},
      {"nosuchhost.invalid", 47620, QStringLiteral("Адрес nosuchhost.invalid:47620 не найден")},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Host);
    TNetJoin Join;
    Join.SetTimeout(500);
    QSignalSpy Failed(&Join, &TNetJoin::Failed);
    Join.Start(QString::fromLatin1(Case.Host), Case.Port);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Failed.isEmpty(); }, WaitMs));
    EXPECT_EQ(LastReason(Failed), Case.Reason);
    EXPECT_EQ(Failed.size(), 1);
  }
}

// A hosted game is heard on the loopback's broadcast address, junk is ignored, and a game
// that falls silent is dropped from the list.
TEST(NetBeacon, HeardThenDroppedWhenSilent) {
  constexpr quint16 BeaconPort = 47630;
  TBeaconListener Listener;
  Listener.SetDropMs(600);
  ASSERT_TRUE(Listener.Start(BeaconPort));
  QUdpSocket Junk;
  Junk.writeDatagram("junk", QHostAddress(QStringLiteral("127.255.255.255")), BeaconPort);
  Junk.writeDatagram(Cbor({{QStringLiteral("game"), QStringLiteral("other")},
                           {QStringLiteral("version"), 1},
                           {QStringLiteral("name"), QStringLiteral("x")},
                           {QStringLiteral("port"), 1}}),
                     QHostAddress::LocalHost, BeaconPort);
  QTest::qWait(300);
  EXPECT_TRUE(Listener.Games().isEmpty());

  TBeacon Beacon;
  Beacon.SetTargets({QHostAddress(QStringLiteral("127.255.255.255"))}, BeaconPort);
  Beacon.SetInterval(100);
  Beacon.Start(QStringLiteral("Капитан Немо"), 47600);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Listener.Games().size() == 1; }, WaitMs));
  const TBeaconGame Game = Listener.Games().at(0);
  EXPECT_EQ(Game.Name, QStringLiteral("Капитан Немо"));
  EXPECT_EQ(Game.Port, 47600);
  EXPECT_EQ(Game.Address, QHostAddress(QHostAddress::LocalHost));
  EXPECT_EQ(Game.Version, PeerProtocolVersion);
  // Still listed while it keeps announcing, past the drop time.
  QTest::qWait(1200);
  EXPECT_EQ(Listener.Games().size(), 1);

  Beacon.Stop();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Listener.Games().isEmpty(); }, WaitMs));
}

} // namespace
