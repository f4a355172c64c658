// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TBattleController.h"
#include "TFakeScreen.h"
#include "TNetScreen.h"
#include "TPeerLink.h"

#include <QObject>
#include <cstdint>
#include <random>
#include <string>

// One side of a network game played by a program: a controller with a screen whose cannons
// land as soon as the event loop comes back, and a player who spreads the fleet at random,
// starts the battle and shoots a random cell still worth a shot whenever it may. Every message
// it sends is counted, framed as the connection sends it.
class THeadlessSide : public QObject, public TFakeScreen, public TNetScreen, public TPeerLink {
public:
  THeadlessSide(bool Host, uint32_t Seed);

  // Starts the network game over Link (the connection, once greeted).
  void Begin(TPeerLink& Link);
  // Asks the other side for one more game (the host does, once both have their verdicts).
  void OfferRematch() { FGame.NewGame(); }

  TBattleController FGame{*this, {}};
  int32_t FGamesEnded = 0; // results shown
  int32_t FCleanVerdicts = 0;
  int32_t FOtherVerdicts = 0;
  int64_t FBytesSent = 0;
  std::string FEnded{}; // why the network game ended, if it did

  // TGameScreen: what drives the player
  void StartCannon(TCannon Cannon, uint32_t Shot) override;
  void RepaintBoard(TSide Side) override;
  void SetStartEnabled(bool Enabled) override;
  void SetResultVisible(bool Visible) override;
  // TNetScreen
  void SetOpponentName(const std::string&) override {}
  void SetTurn(TNetTurn Turn) override;
  void SetWaitText(const std::string&) override { Poke(); }
  void AddChatLine(const std::string&, const std::string&) override {}
  void ShowVerdict(TFairVerdict Verdict, const std::string& Text) override;
  void SetRematchState(TRematchState State, const std::string& Text) override;
  void NetGameEnded(const std::string& Reason) override { FEnded = Reason; }
  // TPeerLink: counts and passes on
  void Send(const TPeerMessage& Message) override;
  void Close(const std::string& Reason) override;

private:
  void Poke();
  void Act();

  bool FHost = false;
  TPeerLink* FLink = nullptr;
  TNetTurn FTurn = TNetTurn::ntNone;
  bool FPoked = false;
  std::mt19937 FRandom;
};
