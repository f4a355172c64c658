// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// salvora-net-bench: what a network game costs.
//
//   salvora-net-bench [--games N]     whole games between two controllers over the loopback,
//                                     without a window: games a second, bytes a game
//   salvora-net-bench --shots N       two real windows playing over the loopback: the time
//                                     from a shooter's press to the cannon starting on the
//                                     other side, median, 99th percentile and maximum
//
// Both listen and connect on 127.0.0.1 only; run them in a network namespace of their own
// (scripts/bench-net.sh does). Figures print as "name: value" lines.

#include "THeadlessSide.h"
#include "TNetHost.h"
#include "TNetJoin.h"
#include "TNetSession.h"
#include "TPaintBox.h"
#include "TPeerConnection.h"
#include "TSalvoraMainWin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

// Connects a host and a guest on the loopback; Ready gets both connections once greeted.
void Connect(TNetHost& Host, TNetJoin& Join,
             std::function<void(TPeerConnection&, TPeerConnection&)> Ready) {
  if (!Host.Listen(0, QHostAddress::LocalHost)) {
    std::fprintf(stderr, "salvora-net-bench: %s\n", qPrintable(Host.ErrorText()));
    std::exit(1);
  }
  auto Pair = std::make_shared<std::pair<TPeerConnection*, TPeerConnection*>>();
  auto Both = [Pair, Ready] {
    if (Pair->first && Pair->second)
      Ready(*Pair->first, *Pair->second);
  };
  QObject::connect(&Host, &TNetHost::PeerConnected, [Pair, Both](TPeerConnection* Peer) {
    Pair->first = Peer;
    Both();
  });
  QObject::connect(&Join, &TNetJoin::Joined, [Pair, Both](TPeerConnection* Peer) {
    Pair->second = Peer;
    Both();
  });
  QObject::connect(&Join, &TNetJoin::Failed, [](const QString& Reason) {
    std::fprintf(stderr, "salvora-net-bench: %s\n", qPrintable(Reason));
    QCoreApplication::exit(1);
  });
  Join.Start(QStringLiteral("127.0.0.1"), Host.Port());
}

void Wire(TPeerConnection& Connection, TBattleController& Game) {
  QObject::connect(&Connection, &TPeerConnection::MessageReceived,
                   [&Game](const TPeerMessage& Message) { Game.PeerMessage(Message); });
  QObject::connect(&Connection, &TPeerConnection::Closed,
                   [&Game](const QString& Reason) { Game.PeerLost(Reason.toStdString()); });
}

int HeadlessGames(int Games) {
  THeadlessSide HostSide(true, 1), GuestSide(false, 2);
  TNetHost Host;
  TNetJoin Join;
  QElapsedTimer Clock;
  Connect(Host, Join, [&](TPeerConnection& H, TPeerConnection& G) {
    // Programs shoot far faster than players: the flood guard is for people.
    for (TPeerConnection* C : {&H, &G})
      C->SetFloodLimits(1 << 20, 1 << 30);
    Wire(H, HostSide.FGame);
    Wire(G, GuestSide.FGame);
    Clock.start();
    HostSide.Begin(H);
    GuestSide.Begin(G);
  });
  // A game is over for both once each has shown its result and its verdict of the other.
  QTimer Watch;
  int Done = 0;
  QObject::connect(&Watch, &QTimer::timeout, [&] {
    const auto Verdicts = [](const THeadlessSide& S) {
      return S.FCleanVerdicts + S.FOtherVerdicts;
    };
    if (!HostSide.FEnded.empty() || !GuestSide.FEnded.empty()) {
      std::fprintf(stderr, "salvora-net-bench: the game ended: %s%s\n", HostSide.FEnded.c_str(),
                   GuestSide.FEnded.c_str());
      QCoreApplication::exit(1);
    }
    const int Both = std::min(
        {HostSide.FGamesEnded, GuestSide.FGamesEnded, Verdicts(HostSide), Verdicts(GuestSide)});
    if (Both <= Done)
      return;
    Done = Both;
    if (Done >= Games)
      QCoreApplication::exit(0);
    else
      HostSide.OfferRematch();
  });
  Watch.start(1);
  if (QCoreApplication::exec() != 0)
    return 1;
  const double Seconds = Clock.nsecsElapsed() / 1e9;
  std::printf("games: %d\n", Done);
  std::printf("seconds: %.2f\n", Seconds);
  std::printf("games_per_second: %.1f\n", Done / Seconds);
  std::printf("bytes_per_game: %.0f\n",
              double(HostSide.FBytesSent + GuestSide.FBytesSent) / std::max(Done, 1));
  std::printf("unclean_verdicts: %d\n", HostSide.FOtherVerdicts + GuestSide.FOtherVerdicts);
  return HostSide.FOtherVerdicts + GuestSide.FOtherVerdicts == 0 ? 0 : 1;
}

// A real window whose cannons land at the next turn of the event loop, so that 200 shots take
// seconds, not minutes; it notes when the other side's cannon starts.
class TBenchWin : public TSalvoraMainWin {
public:
  using TSalvoraMainWin::TSalvoraMainWin;
  std::function<void()> FOnEnemyCannon;

  void StartCannon(TCannon Cannon, uint32_t Shot) override {
    if (Cannon == TCannon::cnEnemy && FOnEnemyCannon)
      FOnEnemyCannon();
    TSalvoraMainWin::StartCannon(Cannon, Shot);
    QTimer::singleShot(0, this, [this, Cannon, Shot] {
      TSalvoraMainWin::StopCannon(Cannon);
      if (Cannon == TCannon::cnMy)
        FGame.MyCannonStop(Shot);
      else
        FGame.EnemyCannonStop(Shot);
    });
  }
};

int WindowShots(int Shots) {
  QTemporaryDir Folder;
  TBenchWin A(Folder.filePath(QStringLiteral("a.ini"))),
      B(Folder.filePath(QStringLiteral("b.ini")));
  A.show();
  B.show();
  B.move(A.x() + 40, A.y() + 40);
  QElapsedTimer Clock;
  Clock.start();
  std::vector<double> Latencies;
  qint64 PressedAt = -1;
  for (TBenchWin* W : {&A, &B})
    W->FOnEnemyCannon = [&] {
      if (PressedAt >= 0)
        Latencies.push_back((Clock.nsecsElapsed() - PressedAt) / 1e6);
      PressedAt = -1;
    };
  A.FNetSession->FOnStatus = B.FNetSession->FOnStatus = [](const QString& Text, bool Error) {
    if (Error) {
      std::fprintf(stderr, "salvora-net-bench: %s\n", qPrintable(Text));
      QCoreApplication::exit(1);
    }
  };
  // Programs shoot far faster than players: the flood guard is for people.
  for (TBenchWin* W : {&A, &B})
    W->FNetSession->FOnConnected = [W] {
      W->FNetSession->Peer()->SetFloodLimits(1 << 20, 1 << 30);
    };
  const quint16 Port = 47690;
  if (!A.FNetSession->Host(QStringLiteral("A"), Port))
    return 1;
  B.FNetSession->Join(QStringLiteral("B"), QStringLiteral("127.0.0.1"), Port);

  std::mt19937 Random(7);
  QTimer Drive; // the players: spread, start, shoot when they may, offer and take rematches
  QObject::connect(&Drive, &QTimer::timeout, [&] {
    if (int(Latencies.size()) >= Shots)
      QCoreApplication::exit(0);
    for (TBenchWin* W : {&A, &B}) {
      TBattleController& Game = W->FGame;
      if (!Game.IsNetGame())
        continue;
      if (Game.FSetupMode && W->btnStart->isEnabled()) {
        Game.ArrangePlayerFleet();
        W->btnStart->click();
      } else if (W->pnlResult->isVisible()) {
        Game.NewGame(); // offers a rematch, or takes the other's
      } else if (Game.FBattle && Game.CanAim() && PressedAt < 0) {
        std::vector<TPoint> Targets;
        for (int X = 0; X < 10; ++X)
          for (int Y = 0; Y < 10; ++Y)
            if (Game.IsValidTarget({X, Y}))
              Targets.push_back({X, Y});
        if (Targets.empty())
          continue;
        const TPoint Cell = Targets[Random() % Targets.size()];
        const QPointF At(16 + 32 * Cell.X + 16, 16 + 32 * Cell.Y + 16);
        QMouseEvent Press(QEvent::MouseButtonPress, At, W->pbRight->mapToGlobal(At), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        PressedAt = Clock.nsecsElapsed();
        QApplication::sendEvent(W->pbRight, &Press);
      }
    }
  });
  Drive.start(2);
  QTimer::singleShot(600000, [] { QCoreApplication::exit(1); });
  if (QApplication::exec() != 0 || Latencies.empty())
    return 1;
  std::sort(Latencies.begin(), Latencies.end());
  auto At = [&](double Q) {
    return Latencies[std::min(Latencies.size() - 1, size_t(Q * Latencies.size()))];
  };
  std::printf("shots: %zu\n", Latencies.size());
  std::printf("press_to_cannon_median_ms: %.2f\n", At(0.5));
  std::printf("press_to_cannon_p99_ms: %.2f\n", At(0.99));
  std::printf("press_to_cannon_max_ms: %.2f\n", Latencies.back());
  return 0;
}

} // namespace

int main(int Argc, char** Argv) {
  int Games = 200, Shots = 0;
  for (int I = 1; I + 1 < Argc; I += 2) {
    const std::string Option = Argv[I];
    if (Option == "--games")
      Games = std::max(1, std::atoi(Argv[I + 1]));
    else if (Option == "--shots")
      Shots = std::max(1, std::atoi(Argv[I + 1]));
  }
  if (Shots > 0) {
    QApplication App(Argc, Argv);
    return WindowShots(Shots);
  }
  QCoreApplication App(Argc, Argv);
  return HeadlessGames(Games);
}
