// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TNetScreen.h"

#include <optional>
#include <string>
#include <vector>

// The network strip without a window: it keeps what the game has shown.
class TFakeNetScreen : public TNetScreen {
public:
  void SetOpponentName(const std::string& Name) override { FOpponentName = Name; }
  void SetTurn(TNetTurn Turn) override { FTurn = Turn; }
  void SetWaitText(const std::string& Text) override { FWaitText = Text; }
  void AddChatLine(const std::string& Who, const std::string& Text) override {
    FChat.push_back(Who + ": " + Text);
  }
  void ShowVerdict(TFairVerdict Verdict, const std::string& Text) override {
    FVerdict = Verdict;
    FVerdictText = Text;
  }
  void SetRematchState(TRematchState State, const std::string& Text) override {
    FRematch = State;
    FRematchText = Text;
  }
  void NetGameEnded(const std::string& Reason) override { FEnded = Reason; }

  std::string FOpponentName;
  TNetTurn FTurn = TNetTurn::ntNone;
  std::string FWaitText;
  std::vector<std::string> FChat;
  std::optional<TFairVerdict> FVerdict;
  std::string FVerdictText;
  std::optional<TRematchState> FRematch;
  std::string FRematchText;
  std::string FEnded;
};
