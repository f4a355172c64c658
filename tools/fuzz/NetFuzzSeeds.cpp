// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// Writes the fuzzer's first inputs: one legal stream of each kind, so that it starts from the
// real format, and whole games, so that it starts deep in the battle: everything an honest
// player said to the fuzzer's player over two rounds, from the hello to the rematch. Each game
// is replayed as the fuzzer will replay it, and must end in a clean verdict.
// Usage: salvora_net_fuzz_seeds DIR
#include "BoardGeometry.h"
#include "NetFuzzGame.h"
#include "TBeacon.h"
#include "TFrameCodec.h"
#include "THandshake.h"
#include "TMessageCodec.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>

namespace {

// The honest other player, with his own window and link.
struct TPeer {
  TFakeScreen Screen;
  TFakeNetScreen Net;
  TFakeLink Link;
  TBattleController Game{Screen, {}};
};

// Everything the other player says in a game against the fuzzer's player. He knows where the
// player's ships are and never misses when Aimed; else he shoots from the far corner.
std::vector<TPeerMessage> PlayGame(const TFuzzHead& Head, bool Aimed) {
  TNetFeed Me(FuzzTools(), Head.Host, Head.Timing);
  TPeer Peer;
  Peer.Screen.FRecord = false;
  Peer.Game.StartNetGame(Peer.Link, Peer.Net, NetTestTools(9), !Head.Host, "Пётр");
  std::vector<TPeerMessage> Said;
  for (bool Progress = true; Progress && Said.size() < 2000;) {
    Progress = false;
    for (const TPeerMessage& Message : Me.TakeSent()) {
      Peer.Game.PeerMessage(Message);
      Progress = true;
    }
    while (Peer.Screen.FinishCannon(Peer.Game))
      Progress = true;
    const auto Rounds = std::count_if(Said.begin(), Said.end(), [](const TPeerMessage& M) {
      return M.Type == TPeerMsgType::pmHello;
    });
    if (Peer.Game.IsNetGame() && Peer.Screen.FResultVisible && Rounds < 2)
      Peer.Game.NewGame(); // offers a rematch, or accepts the player's
    if (Peer.Game.IsNetGame() && Peer.Game.FSetupMode) {
      for (int I = 8; I >= 0; --I)
        Peer.Game.FFleets.MyShip(I).MoveTo(Spread[I]);
      Peer.Game.StartBattle();
    }
    if (Peer.Game.CanAim()) {
      TPoint Target{-1, -1};
      for (int I = 0; I < 100 && Target.X < 0; ++I) {
        const TPoint Cell = Aimed ? Me.Game().FFleets.MyShip(I / 10).Deck(std::min(
                                        I % 10, Me.Game().FFleets.MyShip(I / 10).FSize - 1))
                                  : TPoint{9 - I % 10, 9 - I / 10};
        if (Peer.Game.IsValidTarget(Cell))
          Target = Cell;
      }
      const TPoint Pixel = CellToPixel(Target);
      Peer.Game.EnemyBoardPress({Pixel.X + 5, Pixel.Y + 5});
    }
    if (!Peer.Link.FOut.empty()) {
      Said.push_back(Peer.Link.FOut.front());
      Peer.Link.FOut.pop_front();
      Me.Feed(Said.back());
      Progress = true;
    }
  }
  return Said;
}

} // namespace

int main(int Argc, char** Argv) {
  if (Argc != 2)
    return 2;
  const QDir Dir(QString::fromLocal8Bit(Argv[1]));
  int Index = 0;
  auto Write = [&](uint8_t Head, const QByteArray& Stream) {
    QFile File(Dir.filePath(QStringLiteral("seed-%1").arg(Index++, 3, 10, QLatin1Char('0'))));
    return File.open(QIODevice::WriteOnly) && File.write(QByteArray(1, char(Head)) + Stream) > 0;
  };

  QList<QByteArray> Payloads{
      THandshake::EncodeHello(PeerProtocolVersion),
      THandshake::EncodeRefusal(QStringLiteral("Эта игра уже занята")),
      TBeaconInfo::Encode({PeerProtocolVersion, QStringLiteral("Юнга"), 47600}), QByteArray()};
  for (int T = 0; T <= int(TPeerMsgType::pmBye); ++T) {
    TPeerMessage M;
    M.Type = TPeerMsgType(T);
    M.Name = "Капитан";
    M.Text = "Привет, ёж";
    M.Nonce.fill(7);
    M.Cell = {9, 0};
    M.Result = TShotResult::srSunk;
    M.Cells = {{9, 0}, {9, 1}};
    for (size_t I = 0; I < M.Layout.size(); ++I)
      M.Layout[I] = {{int32_t(I), 0}, I % 2 == 1};
    M.Accept = true;
    Payloads.append(TMessageCodec::Encode(M));
  }
  for (const QByteArray& Payload : Payloads)
    for (size_t Step : {1, 5}) // cut into reads of 1 and of 5 bytes
      if (!Write(FuzzHeadByte({false, TFeedTiming::ftAnswerFirst, Step}),
                 TFrameCodec::Encode(Payload) + TFrameCodec::Encode({})))
        return 1;

  for (bool Host : {true, false})
    for (TFeedTiming Timing : {TFeedTiming::ftAnswerFirst, TFeedTiming::ftCannonFirst})
      for (bool Aimed : {true, false}) {
        const TFuzzHead Head{Host, Timing, 64};
        const std::vector<TPeerMessage> Said = PlayGame(Head, Aimed);
        QByteArray Stream;
        for (const TPeerMessage& Message : Said)
          Stream += TFrameCodec::Encode(TMessageCodec::Encode(Message));
        // The replay, as the fuzzer makes it: two rounds, each side revealing in both, and
        // a clean verdict.
        TNetFeed Replay(FuzzTools(), Host, Timing);
        int Reveals = 0;
        auto CountReveals = [&Reveals](const auto& Messages) {
          for (const TPeerMessage& Message : Messages)
            Reveals += Message.Type == TPeerMsgType::pmReveal;
        };
        CountReveals(Said);
        for (const TPeerMessage& Message : Said) {
          Replay.Feed(Message);
          CountReveals(Replay.TakeSent());
        }
        std::printf("game seed %d: %zu messages, %lld bytes, %s, %s, %s, %d reveals, verdict %s\n",
                    Index, Said.size(), static_cast<long long>(Stream.size()),
                    Host ? "host" : "joiner",
                    Timing == TFeedTiming::ftCannonFirst ? "cannon first" : "answer first",
                    Aimed ? "aimed at" : "shot at from the corner", Reveals,
                    Replay.NetScreen().FVerdictText.c_str());
        if (!Replay.Faults().empty() || Replay.NetScreen().FVerdict != TFairVerdict::fvClean ||
            Reveals != 4)
          return 1;
        if (!Write(FuzzHeadByte(Head), Stream))
          return 1;
      }
  return 0;
}
