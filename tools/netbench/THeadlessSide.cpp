// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "THeadlessSide.h"

#include "BoardGeometry.h"
#include "TMessageCodec.h"
#include "TSystemTools.h"

#include <QTimer>
#include <vector>

THeadlessSide::THeadlessSide(bool Host, uint32_t Seed) : FHost(Host), FRandom(Seed) {
  FRecord = false;
}

void THeadlessSide::Begin(TPeerLink& Link) {
  FLink = &Link;
  FGame.StartNetGame(*this, *this, SystemFairPlayTools(), FHost, FHost ? "host" : "guest");
}

void THeadlessSide::Send(const TPeerMessage& Message) {
  FBytesSent += TMessageCodec::Encode(Message).size() + 4; // and its length in front
  FLink->Send(Message);
}

void THeadlessSide::Close(const std::string& Reason) {
  FLink->Close(Reason);
}

void THeadlessSide::StartCannon(TCannon Cannon, uint32_t Shot) {
  TFakeScreen::StartCannon(Cannon, Shot);
  QTimer::singleShot(0, this, [this] {
    FinishCannon(FGame);
    Poke();
  });
}

// A shot lands where the answer and the cannon's stop meet, whichever comes last; the board is
// repainted then, and the player looks again.
void THeadlessSide::RepaintBoard(TSide Side) {
  TFakeScreen::RepaintBoard(Side);
  Poke();
}

void THeadlessSide::SetStartEnabled(bool Enabled) {
  TFakeScreen::SetStartEnabled(Enabled);
  Poke();
}

void THeadlessSide::SetResultVisible(bool Visible) {
  TFakeScreen::SetResultVisible(Visible);
  FGamesEnded += Visible ? 1 : 0;
}

void THeadlessSide::SetTurn(TNetTurn Turn) {
  FTurn = Turn;
  Poke();
}

void THeadlessSide::ShowVerdict(TFairVerdict Verdict, const std::string&) {
  (Verdict == TFairVerdict::fvClean ? FCleanVerdicts : FOtherVerdicts) += 1;
}

void THeadlessSide::SetRematchState(TRematchState State, const std::string&) {
  if (State == TRematchState::rmOfferedToMe)
    QTimer::singleShot(0, this, [this] { FGame.AnswerRematch(true); });
}

// Many screen calls may come in one turn of the event loop; the player acts once after them.
void THeadlessSide::Poke() {
  if (FPoked)
    return;
  FPoked = true;
  QTimer::singleShot(0, this, [this] {
    FPoked = false;
    Act();
  });
}

void THeadlessSide::Act() {
  if (!FGame.IsNetGame())
    return;
  if (FGame.FSetupMode && FStartEnabled) {
    FGame.ArrangePlayerFleet();
    FGame.StartBattle();
    return;
  }
  if (FTurn != TNetTurn::ntMine || !FGame.CanAim())
    return;
  std::vector<TPoint> Targets;
  for (int X = 0; X < BoardSize; ++X)
    for (int Y = 0; Y < BoardSize; ++Y)
      if (FGame.IsValidTarget({X, Y}))
        Targets.push_back({X, Y});
  if (Targets.empty())
    return;
  const TPoint Cell = Targets[FRandom() % Targets.size()];
  FGame.EnemyBoardPress(CellToPixel(Cell));
}
