// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// The other side of a network game for tests/e2e/scripted-peer.sh: joins the game at
// 127.0.0.1:PORT, named after its scenario, and plays by a script that breaks one rule on purpose
// (or none, "honest"). It sinks the game's fleet, spread where the test spreads it, once the game
// has had its turn, and ends when the game closes the connection.
//   salvora-scripted-peer SCENARIO PORT

#include "TFairPlay.h"
#include "TFleets.h"
#include "TFrameCodec.h"
#include "TNetJoin.h"
#include "TPeerConnection.h"
#include "TSystemTools.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>

// Messages are written with designated initialisers, naming only the fields they carry.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using enum TPeerMsgType;

// The game's fleet as tests/e2e/scripted-peer.sh spreads it, deck by deck, and water beside it.
constexpr TPoint GameDecks[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {5, 0}, {6, 0}, {7, 0},
                                {5, 2}, {6, 2}, {7, 2}, {5, 4}, {6, 4}, {8, 4}, {9, 4},
                                {5, 6}, {6, 6}, {8, 6}, {5, 8}, {7, 8}, {9, 8}};
constexpr TPoint GameWater[] = {{0, 9}, {1, 9}};

// The peer's own fleet in fleet order, all across: the same as the game's, so the test knows
// (0, 0) is a deck and (0, 9) water. Another legal one has the four-decker two rows lower, so
// that (0, 0) is water; a touching one a one-decker wedged between the four- and a three-decker.
TFleetLayout Fleet(int Ship = 0, TPoint Head = {8, 6}) {
  TFleetLayout Layout{};
  const TPoint Heads[] = {{8, 6}, {5, 8}, {7, 8}, {9, 8}, {5, 4},
                          {8, 4}, {5, 6}, {5, 0}, {5, 2}, {0, 0}};
  for (int I = 0; I < TFleets::FleetSize; ++I)
    Layout[I].Head = I == Ship ? Head : Heads[I];
  return Layout;
}

const std::string Scenarios[] = {"honest", "lie-hit",     "different-fleet", "touching-fleet",
                                 "junk",   "out-of-turn", "silent"};

class TScriptedPeer {
public:
  TScriptedPeer(const std::string& Scenario, quint16 Port) : FScenario(Scenario), FPort(Port) {
    if (Scenario == "different-fleet")
      FPlayed = Fleet(9, {0, 2});
    else if (Scenario == "touching-fleet")
      FCommitted = FPlayed = Fleet(0, {4, 0});
    FTools.RandomBytes(FNonce.data(), FNonce.size());
    FTools.RandomBytes(FSalt.data(), FSalt.size());
    FTools.RandomBytes(FCoin.data(), FCoin.size());
    QObject::connect(&FJoin, &TNetJoin::Joined, [this](TPeerConnection* Peer) { Joined(Peer); });
    // The game may not be listening yet: knock again for a while.
    QObject::connect(&FJoin, &TNetJoin::Failed, [this](const QString& Reason) {
      if (++FAttempts > 100)
        Quit("no game: " + Reason, 1);
      QTimer::singleShot(100, [this] { FJoin.Start(QStringLiteral("127.0.0.1"), FPort); });
    });
    FJoin.Start(QStringLiteral("127.0.0.1"), FPort);
  }

private:
  void Joined(TPeerConnection* Peer) {
    FPeer = Peer;
    QObject::connect(Peer, &TPeerConnection::MessageReceived,
                     [this](const TPeerMessage& Message) { Received(Message); });
    QObject::connect(Peer, &TPeerConnection::Closed,
                     [](const QString& Reason) { Quit("closed: " + Reason, 0); });
    Peer->Send({.Type = pmHello, .Name = FScenario, .Nonce = FNonce});
  }

  void Received(const TPeerMessage& In) {
    if (FSilentNow)
      return;
    switch (In.Type) {
    case pmHello:
      return FPeer->Send(
          {.Type = pmCommit,
           .FleetCommit =
               FleetCommitment(FTools.Sha256, FCommitted, FSalt, In.Nonce, FNonce, false),
           .CoinCommit = CoinCommitment(FTools.Sha256, FCoin, In.Nonce, FNonce, false)});
    case pmCommit: // the game's player has started the battle
      return FPeer->Send({.Type = pmCoin, .Nonce = FCoin});
    case pmCoin:
      FMyTurn = !HostShootsFirst(FTools.Sha256, In.Nonce, FCoin);
      return BattleBegins();
    case pmShot:
      return Answer(In.Cell);
    case pmAnswer:
      if (In.Result == TShotResult::srMiss)
        return;
      if (In.Result == TShotResult::srSunk && ++FSunk == TFleets::FleetSize)
        return Reveal();
      return ShootDeck();
    default:
      return; // the game's reveal, chat, a rematch: the test ends the game
    }
  }

  void BattleBegins() {
    if (FScenario == "junk") // a frame that holds no message at all
      return void(
          FPeer->findChild<QTcpSocket*>()->write(TFrameCodec::Encode("\xff\xfe not a message")));
    if (FScenario == "silent") { // not a word more, not even a heartbeat
      FSilentNow = true;
      return FPeer->SetTimings(24 * 3600 * 1000, 24 * 3600 * 1000);
    }
    if (FMyTurn) // a miss first, so that the game shoots too
      Shoot(GameWater[0]);
    if (FScenario == "out-of-turn") // and at once a second shot
      Shoot(GameWater[1]);
  }

  void Shoot(TPoint Cell) { FPeer->Send({.Type = pmShot, .Cell = Cell}); }

  // By the fleet it plays with, except the one lie about the first hit.
  void Answer(TPoint Cell) {
    TPeerMessage Out{.Type = pmAnswer, .Cell = Cell};
    for (int I = 0; I < TFleets::FleetSize; ++I) {
      const std::vector<TPoint> Decks = ShipCells(FPlayed[I], TFleets::DecksOf(I));
      if (std::find(Decks.begin(), Decks.end(), Cell) == Decks.end())
        continue;
      if (FScenario == "lie-hit" && !FLied) {
        FLied = true;
        break;
      }
      Out.Result = ++FHits[I] == TFleets::DecksOf(I) ? TShotResult::srSunk : TShotResult::srHit;
      if (Out.Result == TShotResult::srSunk)
        Out.Cells = Decks;
      break;
    }
    FPeer->Send(Out);
    if (Out.Result == TShotResult::srMiss) // its turn: sink the game's fleet
      ShootDeck();
  }

  void ShootDeck() {
    if (FNextDeck < std::size(GameDecks))
      Shoot(GameDecks[FNextDeck++]);
  }

  void Reveal() { FPeer->Send({.Type = pmReveal, .Layout = FPlayed, .Salt = FSalt}); }

  static void Quit(const QString& Why, int Code) {
    std::printf("%s\n", qPrintable(Why));
    std::fflush(stdout);
    QCoreApplication::exit(Code);
  }

  std::string FScenario;
  quint16 FPort = 0;
  TFairPlayTools FTools = SystemFairPlayTools();
  TNetJoin FJoin;
  int FAttempts = 0;
  TPeerConnection* FPeer = nullptr;
  TFleetLayout FCommitted = Fleet(); // what it commits to
  TFleetLayout FPlayed = Fleet();    // what it answers by and reveals
  TNonce FNonce{};
  TNonce FSalt{};
  TNonce FCoin{};
  bool FMyTurn = false;
  bool FSilentNow = false;
  bool FLied = false;
  std::array<int32_t, TFleets::FleetSize> FHits{};
  int FSunk = 0;
  size_t FNextDeck = 0;
};

} // namespace

int main(int Argc, char** Argv) {
  QCoreApplication App(Argc, Argv);
  const int Port = Argc == 3 ? std::atoi(Argv[2]) : 0;
  if (Port <= 0 || Port > 65535 || std::ranges::count(Scenarios, std::string(Argv[1])) == 0) {
    std::fprintf(stderr,
                 "usage: salvora-scripted-peer SCENARIO PORT (see tests/e2e/scripted-peer.sh)\n");
    return 2;
  }
  TScriptedPeer Peer(Argv[1], static_cast<quint16>(Port));
  // A game that never ends the connection must not leave the peer behind.
  QTimer::singleShot(120000, [] { QCoreApplication::exit(3); });
  return App.exec();
}
