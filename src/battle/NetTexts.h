// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TPeerMessage.h"
#include "TextTable.h"

#include <string>
#include <string_view>

// The texts of a network game: what the player is told, and the reasons a connection is
// closed with, which the other side shows too.
enum : int {
  ntWaitOpponent = 1,
  ntWaitFleet,
  ntWaitShot,
  ntVerdictClean,
  ntVerdictLied,
  ntVerdictDifferent,
  ntVerdictIllegal,
  ntVerdictRefused,
  ntVerdictLeft,
  ntRematchOffered,
  ntRematchToMe,
  ntRematchDeclined,
  ntRematchDeclinedByMe,
  ntRematchLapsed,
  ntConnectionLost,
  ntPeerLeft,
  ntYouLeft,
  ntRuleBroken,
  ntOutOfOrder,
  ntShotOutOfTurn,
  ntShotOffBoard,
  ntShotKnownCell,
  ntAnswerToNoShot,
  ntAnswerOtherCell,
  ntAnswerKnownCell,
  ntAnswerSunkShape,
  ntAnswerSunkSize,
  ntAnswerTouching,
  ntAnswerLongWreck,
  ntCoinMismatch,
  ntTextTooLong,
};

// The text of an id in the player's language; empty for an id the table does not hold.
std::string_view NetText(int Id);
// "First: second", as a reason with its detail.
std::string NetText(int Id, std::string_view Detail);
// What a message is called in a reason: "выстрел", "ответ"...
std::string_view PeerMessageName(TPeerMsgType Type);
// Takes the player's language for these texts; without it they are the Russian ones. A
// reason the other side sends is shown as it was sent.
void InstallNetTexts(const TTranslate& Translate);
