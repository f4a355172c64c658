// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "NetFeed.h"

#include "BoardGeometry.h"
#include "Invariants.h"

#include <utility>

namespace {
// More landings than a round has shots means a cannon that never rests.
constexpr int MaxLandings = 1000;
} // namespace

TNetFeed::TNetFeed(const TFairPlayTools& Tools, bool Host, TFeedTiming Timing)
    : FTools(Tools), FHost(Host), FTiming(Timing) {
  FScreen.FRecord = false;
  FGame.StartNetGame(FLink, FNetScreen, FTools, FHost, "fuzz");
  Act();
}

void TNetFeed::Feed(const TPeerMessage& Message) {
  // The first hello after the player's own is the one his commitments are made with.
  if (Message.Type == TPeerMsgType::pmHello && !FPeerNonceKnown && FGame.IsNetGame()) {
    FPeerNonce = Message.Nonce;
    FPeerNonceKnown = true;
  }
  FGame.PeerMessage(Message);
  Act();
}

void TNetFeed::Finish() {
  FGame.PeerLost("end of input");
  FGame.NewGame();
  LandCannons();
  Check();
}

std::deque<TPeerMessage> TNetFeed::TakeSent() {
  Check();
  FSentSeen = 0;
  return std::exchange(FLink.FOut, {});
}

void TNetFeed::Act() {
  LandCannons();
  if (FGame.IsNetGame() && FScreen.FResultVisible)
    FGame.NewGame();
  if (FGame.IsNetGame() && FGame.FSetupMode) {
    FGame.ArrangePlayerFleet();
    FGame.StartBattle();
  }
  for (int I = 0; I < 100 && FGame.CanAim(); ++I)
    if (const TPoint Cell{I / 10, I % 10}; FGame.IsValidTarget(Cell)) {
      const TPoint Pixel = CellToPixel(Cell);
      FGame.EnemyBoardPress({Pixel.X + 5, Pixel.Y + 5});
      break;
    }
  if (FTiming == TFeedTiming::ftCannonFirst)
    LandCannons();
  Check();
}

void TNetFeed::LandCannons() {
  int Landings = 0;
  while (FScreen.FinishCannon(FGame))
    if (++Landings > MaxLandings)
      return Fault("the cannons never come to rest");
}

void TNetFeed::Check() {
  while (FSentSeen < FLink.FOut.size())
    CheckSent(FLink.FOut[FSentSeen++]);
  // The board changes only when the other side's shot lands, or when a round begins.
  const std::pair<int32_t, int> Version{FGame.FEnemyShots, FRound};
  if (!FGame.FSetupMode && Version != FCheckedVersion) {
    FCheckedVersion = Version;
    for (std::string& Line : CheckBoard(FGame.FMyBoard, FGame.FFleets, 0, TBoardCheck::bcBattle))
      Fault(std::move(Line));
  }
}

void TNetFeed::CheckSent(const TPeerMessage& Message) {
  const TNonce& HostNonce = FHost ? FMyNonce : FPeerNonce;
  const TNonce& JoinerNonce = FHost ? FPeerNonce : FMyNonce;
  switch (Message.Type) {
  case TPeerMsgType::pmHello: // a new round
    ++FRound;
    FMyNonce = Message.Nonce;
    FPeerNonceKnown = FCommitSent = false;
    FMyAnswers.clear();
    return;
  case TPeerMsgType::pmCommit:
    if (!FPeerNonceKnown)
      return Fault("committed before the other side's hello");
    FCommitSent = true;
    FCommit = Message;
    return;
  case TPeerMsgType::pmCoin:
    if (!FCommitSent || CoinCommitment(FTools.Sha256, Message.Nonce, HostNonce, JoinerNonce,
                                       FHost) != FCommit.CoinCommit)
      return Fault("the coin does not match its commitment");
    return;
  case TPeerMsgType::pmAnswer:
    FMyAnswers.push_back({Message.Cell, Message.Result, Message.Cells});
    return;
  case TPeerMsgType::pmReveal:
    if (CheckFleet(Message.Layout) != TFleetFault::ffNone)
      Fault("revealed a fleet the rules do not allow");
    if (!FCommitSent || FleetCommitment(FTools.Sha256, Message.Layout, Message.Salt, HostNonce,
                                        JoinerNonce, FHost) != FCommit.FleetCommit)
      Fault("the revealed fleet does not match its commitment");
    if (const int Untrue = FirstUntrueAnswer(Message.Layout, FMyAnswers); Untrue >= 0)
      Fault("answer " + std::to_string(Untrue + 1) + " was not true");
    return;
  default:
    return;
  }
}

void TNetFeed::Fault(std::string Text) {
  if (FFaults.size() < 20)
    FFaults.push_back(std::move(Text));
}

std::vector<std::string> FeedPeerMessages(const std::vector<TPeerMessage>& Messages,
                                          const TFairPlayTools& Tools, bool Host,
                                          TFeedTiming Timing) {
  TNetFeed Feed(Tools, Host, Timing);
  for (const TPeerMessage& Message : Messages)
    Feed.Feed(Message);
  Feed.Finish();
  return Feed.Faults();
}
