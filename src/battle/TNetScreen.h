// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <string>

// Who is to shoot in a network game, as the window shows it.
enum class TNetTurn { ntNone, ntMine, ntTheirs };

// The end-of-game judgement of the opponent's play, from its revealed fleet.
enum class TFairVerdict {
  fvClean,           // a legal fleet, the one committed to, and every answer true
  fvLiedAboutShot,   // an answer the revealed fleet contradicts
  fvDifferentFleet,  // the revealed fleet is not the one committed to
  fvIllegalFleet,    // the revealed fleet breaks the rules
  fvRefusedReveal,   // went on without revealing its fleet
  fvLeftBeforeReveal // left, or the connection was lost, before its fleet was revealed
};

enum class TRematchState {
  rmOfferedByMe,  // the offer is out; the other side answers
  rmOfferedToMe,  // the other side offers: the window asks the player, then AnswerRematch
  rmDeclined,     // the other side declined
  rmDeclinedByMe, // the player declined
  rmLapsed,       // the offer to the player went unanswered
};

// What a network game shows beyond a game against the computer. The window implements it;
// TGameScreen stays as it is. Texts are UTF-8.
class TNetScreen {
public:
  virtual ~TNetScreen() = default;

  virtual void SetOpponentName(const std::string& Name) = 0;
  virtual void SetTurn(TNetTurn Turn) = 0;
  // A line on what the game waits for ("waiting for the opponent's fleet"); empty for none.
  virtual void SetWaitText(const std::string& Text) = 0;
  // Who is the sender's name (the player's own for his own lines).
  virtual void AddChatLine(const std::string& Who, const std::string& Text) = 0;
  virtual void ShowVerdict(TFairVerdict Verdict, const std::string& Text) = 0;
  virtual void SetRematchState(TRematchState State, const std::string& Text) = 0;
  // The network game is over for good (the peer left, the connection was lost, a rule was
  // broken). The controller is back in its own hands: New game starts a game against the
  // computer.
  virtual void NetGameEnded(const std::string& Reason) = 0;
};
