// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TBattleController.h"
#include "TFairPlay.h"
#include "TFakeLink.h"
#include "TFakeNetScreen.h"
#include "TFakeScreen.h"
#include "TPeerMessage.h"
#include "TPinnedRandom.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

// Whether the player's cannon lands after the answer to its shot has come, or before.
enum class TFeedTiming { ftAnswerFirst, ftCannonFirst };

// One network game in which the other side says exactly what it is fed, in order, whatever it
// is. After every message each cannon in flight lands; a new round gets the player's fleet
// arranged and the battle started; a finished game is followed by New game (offering a rematch
// or accepting one); and when the player may, he shoots at the first cell he may. The game's
// random numbers are pinned, so the same messages always make the same game.
//
// Checked throughout, the faults collected as readable lines: the player's own board holds
// together, the cannons come to rest, and what the player's side says is honest: its coin and
// its revealed fleet match its commitments, the fleet is legal, and every answer it gave is
// true of that fleet.
class TNetFeed {
public:
  TNetFeed(const TFairPlayTools& Tools, bool Host, TFeedTiming Timing);

  void Feed(const TPeerMessage& Message);
  // The link is lost, and New game is pressed.
  void Finish();
  // What the player's side has sent since the last call, in order.
  std::deque<TPeerMessage> TakeSent();
  const std::vector<std::string>& Faults() const { return FFaults; }

  TBattleController& Game() { return FGame; }
  const TFakeNetScreen& NetScreen() const { return FNetScreen; }
  const TFakeLink& Link() const { return FLink; }

private:
  void Act();
  void LandCannons();
  void Check();
  void CheckSent(const TPeerMessage& Message);
  void Fault(std::string Text);

  TPinnedRandom FRandom{1};
  TFairPlayTools FTools;
  bool FHost = false;
  TFeedTiming FTiming = TFeedTiming::ftAnswerFirst;
  TFakeScreen FScreen;
  TFakeNetScreen FNetScreen;
  TFakeLink FLink;
  TBattleController FGame{FScreen, {}};
  size_t FSentSeen = 0; // messages in FLink.FOut already checked
  int FRound = 0;
  std::pair<int32_t, int> FCheckedVersion{-1, -1}; // shots landed and round at the last check
  std::vector<std::string> FFaults;

  // The round as the player's side has said it.
  TNonce FMyNonce{};
  TNonce FPeerNonce{};
  bool FPeerNonceKnown = false;
  bool FCommitSent = false;
  TPeerMessage FCommit;
  std::vector<TAnswerRecord> FMyAnswers;
};

// The same, for a whole list of messages: the faults found, none when all is well.
std::vector<std::string> FeedPeerMessages(const std::vector<TPeerMessage>& Messages,
                                          const TFairPlayTools& Tools, bool Host,
                                          TFeedTiming Timing = TFeedTiming::ftAnswerFirst);
