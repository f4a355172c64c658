// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TFairPlay.h"
#include "TNetScreen.h"
#include "TPeerLink.h"
#include "TSeaChart.h"

#include <array>
#include <deque>
#include <string>
#include <vector>

// A message of the type, every other field at its default.
inline TPeerMessage MakePeerMessage(TPeerMsgType Type) {
  TPeerMessage Message;
  Message.Type = Type;
  return Message;
}

// What one game over the network has said and promised so far, from the hellos to the reveal.
// A rematch starts a fresh one; the connection stays.
struct TNetRound {
  TNonce MyNonce{};
  TNonce PeerNonce{};
  bool PeerHello = false;
  bool Ready = false; // the player's fleet passed the start of battle
  bool CommitSent = false;
  bool PeerCommitIn = false;
  TFleetLayout MyLayout{};
  TNonce MySalt{};
  TNonce MyCoin{};
  TDigest PeerFleetCommit{};
  TDigest PeerCoinCommit{};
  bool CoinSent = false;
  bool PeerCoinIn = false;
  TNonce PeerCoin{};
  bool Shooting = false; // the coin has fallen
  bool MyTurn = false;   // whose shot comes next, as the answers so far say
  // The player's shot: sent, answered, and whether its cannon has already stopped.
  bool ShotOut = false;
  bool AnswerIn = false;
  bool StopWaiting = false;
  TAnswerRecord Answer;
  TSeaChart Chart;
  std::vector<TAnswerRecord> Answers; // every answer received, checked at the reveal
  // The other side's shots: every cell shot, and those whose cannon is still to land here.
  std::array<std::array<bool, 10>, 10> ShotAtMe{};
  std::deque<TPoint> IncomingShots;
  int32_t MySunk = 0;   // ships of the player's answered as sunk
  bool Decided = false; // a fleet is gone, as the answers say
  bool Over = false;    // and the screen has shown the result
  bool RevealSent = false;
  bool PeerRevealIn = false;
  TFleetLayout PeerLayout{};
  TNonce PeerSalt{};
  TFairVerdict Verdict = TFairVerdict::fvClean;
  bool VerdictShown = false;
  bool RematchOut = false;
  bool RematchIn = false;
  TNetTurn ShownTurn = TNetTurn::ntNone;
};

// A connection to another player, for as long as it lasts.
struct TNetMatch {
  TPeerLink* Link = nullptr;
  TNetScreen* Screen = nullptr;
  TFairPlayTools Tools;
  bool Host = false;
  std::string MyName;
  std::string PeerName;
  TNetRound Round;

  const TNonce& HostNonce() const { return Host ? Round.MyNonce : Round.PeerNonce; }
  const TNonce& JoinerNonce() const { return Host ? Round.PeerNonce : Round.MyNonce; }
};
