// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TFleets.h"
#include "TGameScreen.h"
#include "TNetMatch.h"
#include "TShooter.h"
#include "TTargeting.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// One game at a time: set-up, the battle with its turns, counters and status texts, and the
// end. Turns are driven by the cannons: starting one fires a shot, and its stop, which the
// screen raises later, is where the shot lands. Nothing else advances the game.
//
// The opponent is the computer (its targeting and its fleet) until StartNetGame makes it a
// player at the other end of a link; the network game lasts until either side leaves or the
// link is lost, and the computer is the opponent again from the next New game.
class TBattleController {
public:
  TBattleController(TGameScreen& Screen, const TFleets::TShipImages& Images);
  TBattleController(const TBattleController&) = delete;
  TBattleController& operator=(const TBattleController&) = delete;

  void FormShow() { NewGame(); }
  void NewGame();
  void StartBattle();
  // A press on the player's board: selects, moves or turns ships during set-up.
  void SetupPress(TMouseButton Button, TPoint Pixel);
  void SetupTimerTick();
  // Spreads the player's fleet at random, under the no-touching rule, during set-up only.
  void ArrangePlayerFleet();
  // A press of any button on the computer's board.
  void EnemyBoardPress(TPoint Pixel);
  bool IsValidTarget(TPoint Cell) const;
  // Whether the aiming cursor may be offered at all.
  bool CanAim() const { return FBattle && !FFiring; }
  void MyCannonStop(uint32_t Shot);
  void EnemyCannonStop(uint32_t Shot);

  // A network game, once the link is up and the versions agree: set-up begins and the hello
  // goes out. Host says whose nonce comes first in the commitments.
  void StartNetGame(TPeerLink& Link, TNetScreen& NetScreen, TFairPlayTools Tools, bool Host,
                    const std::string& MyName);
  // Every message from the other side, whole and decoded, from the event loop.
  void PeerMessage(const TPeerMessage& Message);
  // The link is gone (closed, timed out, broken); Reason says how.
  void PeerLost(const std::string& Reason);
  // The player leaves the network game.
  void Leave();
  void SendChat(const std::string& Line);
  // The player's answer to a rematch the other side offered.
  void AnswerRematch(bool Accept);
  // The window's time for the player to answer an offer is up: the offer is declined.
  void RematchLapsed();
  // The window's time for the other side's reveal after the end is up: it refused to reveal.
  void RevealOverdue();
  bool IsNetGame() const { return FNet != nullptr; }

  TFleets FFleets;
  TBoard& FMyBoard = FFleets.FMyBoard;
  TBoard& FEnemyBoard = FFleets.FEnemyBoard;
  TTargeting FTargeting;
  // The computer's level when it is not the game's own computer (FTargeting and the random
  // placement): it shoots and stands the computer's fleet instead.
  std::unique_ptr<TShooter> FShooter;
  int32_t FMyShots = 0;
  int32_t FEnemyShots = 0;
  int32_t FMyLosses = 0;
  int32_t FEnemyLosses = 0;
  bool FSetupMode = false;
  TShip* FSelectedShip = nullptr;
  bool FBlinkOn = false;
  bool FBattle = false;
  TPoint FLastShot;
  TPoint FEnemyLastShot; // the computer's, as the status bar names it
  bool FFiring = false;
  bool FRevealEnemy = false;

private:
  void ResetGame();
  void LandMyShot();
  void Shoot(TPoint Cell);
  void UpdateCounters();
  void GameOver();
  void ClearBoard(TSide Side);
  bool ValidatePlayerFleet();
  bool PlaceEnemyFleet();
  void ArrangeEnemyFleet();
  void ShipChanged(TShip& Ship);
  void StartCannon(TCannon Cannon);
  bool TakeStop(TCannon Cannon, uint32_t Shot);

  TGameScreen& FScreen;
  // The shot whose stop each cannon owes, 0 for none. A stop of any other shot belongs to
  // an earlier game and is dropped.
  std::array<uint32_t, 2> FPendingShot{};
  uint32_t FShotSerial = 0;
  // The random arrangement moves ships many times; the board is repainted once at its end.
  bool FArranging = false;

  // The network game, null against the computer.
  void HandlePeerMessage(const TPeerMessage& Message);
  void PeerHello(const TPeerMessage& Message);
  void PeerCommit(const TPeerMessage& Message);
  void PeerCoin(const TPeerMessage& Message);
  void PeerShot(const TPeerMessage& Message);
  void PeerAnswer(const TPeerMessage& Message);
  void PeerReveal(const TPeerMessage& Message);
  void PeerRematch();
  void PeerRematchReply(const TPeerMessage& Message);
  void BeginRound();
  void CommitFleet();
  void SendCommit();
  void SendCoin();
  void BeginShooting();
  void SendReveal();
  bool MayShoot() const;
  bool KnownToPeer(TPoint Cell) const;
  void StartPeerCannon();
  void ChartAnswerOnBoard();
  bool ShowPeerFleet();
  void ShowVerdictWhenDue();
  void SyncTurn();
  void Refuse(int Id, std::string_view Detail = {});
  void EndNetGame(const std::string& Reason);
  bool Busy() const { return FDepth > 0; }
  void DrainInbox();

  std::unique_ptr<TNetMatch> FNet;
  // A deck hit on the other side's board whose ship is not yet known: one ship far too long
  // ever to sink stands for all of them, never drawn.
  TShip FUnknownShip{nullptr, nullptr, BoardSize* BoardSize};
  // Handlers that may wait for a cue run an event loop in it; what the link delivers then waits
  // here until the outermost handler is done.
  struct TInboxItem {
    bool Lost = false;
    TPeerMessage Message;
  };
  std::deque<TInboxItem> FInbox;
  int FDepth = 0;
};
