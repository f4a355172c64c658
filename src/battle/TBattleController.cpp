// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TBattleController.h"

#include "BoardGeometry.h"
#include "Messages.h"
#include "NetTexts.h"

#include <string>

namespace {
constexpr uint32_t clGreen = 0x008000;
constexpr uint32_t clMaroon = 0x800000;
} // namespace

TBattleController::TBattleController(TGameScreen& Screen, const TFleets::TShipImages& Images)
    : FScreen(Screen) {
  FFleets.CreateFleets(Images);
  for (int I = 0; I < TFleets::FleetSize; ++I)
    FFleets.MyShip(I).FOnChange = [this](TShip& Ship) { ShipChanged(Ship); };
}

void TBattleController::ShipChanged(TShip&) {
  if (!FArranging)
    FScreen.RepaintBoard(TSide::sdMy);
}

void TBattleController::NewGame() {
  if (FNet) { // a network game offers a rematch instead, once it is over
    if (!FNet->Round.Over)
      return;
    if (FNet->Round.RematchIn)
      AnswerRematch(true);
    else if (!FNet->Round.RematchOut) {
      FNet->Round.RematchOut = true;
      FNet->Link->Send(MakePeerMessage(TPeerMsgType::pmRematch));
      FNet->Screen->SetRematchState(TRematchState::rmOfferedByMe,
                                    std::string(NetText(ntRematchOffered)));
    }
    return;
  }
  ResetGame();
}

void TBattleController::ResetGame() {
  // A cannon still flying belongs to the old game: halt it so its stop never lands here.
  for (TCannon Cannon : {TCannon::cnMy, TCannon::cnEnemy})
    if (FPendingShot[static_cast<int>(Cannon)] != 0) {
      FPendingShot[static_cast<int>(Cannon)] = 0;
      FScreen.StopCannon(Cannon);
    }
  FBattle = false;
  FFiring = false;
  FRevealEnemy = false;
  FMyShots = FEnemyShots = FMyLosses = FEnemyLosses = 0;
  FScreen.SetResultCaption({});
  FScreen.SetResultVisible(false);
  FScreen.RepaintWindow();
  FScreen.SetStatusText(0, {});
  FScreen.SetStatusText(1, {});
  UpdateCounters();
  ClearBoard(TSide::sdMy);
  ClearBoard(TSide::sdEnemy);
  FSetupMode = true;
  FSelectedShip = FFleets.LineUpPlayerFleet();
  FTargeting.ClearWounded();
  FBlinkOn = true;
  FScreen.RepaintBoard(TSide::sdMy);
  FScreen.RepaintBoard(TSide::sdEnemy);
  FScreen.SetStartEnabled(true);
  FScreen.SetSetupTimer(true);
}

void TBattleController::StartBattle() {
  if (!FSetupMode)
    return; // the button is disabled outside set-up; a late click must not restart a battle
  if (!ValidatePlayerFleet())
    return;
  FScreen.SetSetupTimer(false);
  FSetupMode = false;
  FSelectedShip = nullptr;
  FBattle = true;
  FScreen.SetStartEnabled(false);
  if (FNet) {
    FFiring = true; // nobody shoots before the coin has fallen
  } else {
    // The computer's side: its hunt starts afresh and its fleet is placed.
    FTargeting.ClearWounded();
    FTargeting.FHuntAxis = TTargeting::axNone;
    ArrangeEnemyFleet();
  }
  FScreen.SetStatusText(0, {});
  FScreen.SetStatusText(1, {});
  FScreen.RepaintBoard(TSide::sdMy);
  if (FNet)
    CommitFleet();
}

void TBattleController::SetupPress(TMouseButton Button, TPoint Pixel) {
  if (!FSetupMode || !FSelectedShip)
    return;
  if (Button == TMouseButton::mbLeft) {
    const TPoint Cell = PixelToCell(Pixel);
    const TCell& Target = FMyBoard[Cell];
    if (Target.State == csShip && Target.Ship != FSelectedShip)
      FSelectedShip = Target.Ship;
    else
      FSelectedShip->MoveTo(Cell);
  } else if (Button == TMouseButton::mbRight) {
    FSelectedShip->Rotate();
  }
  FBlinkOn = true;
}

// The computer's own placement, on the player's board; a placement that gives up is cleared
// and tried afresh, as for the computer's fleet. The selection goes back to the four-decker.
void TBattleController::ArrangePlayerFleet() {
  if (!FSetupMode)
    return;
  FArranging = true;
  FScreen.SetHourglass(true);
  do
    FFleets.ClearBoard(FMyBoard);
  while (!FFleets.PlacePlayerFleet());
  FScreen.SetHourglass(false);
  FArranging = false;
  FSelectedShip = &FFleets.MyShip(TFleets::FleetSize - 1);
  FBlinkOn = true;
  FScreen.RepaintBoard(TSide::sdMy);
}

void TBattleController::SetupTimerTick() {
  FBlinkOn = !FBlinkOn;
  FScreen.RepaintBoard(TSide::sdMy);
}

void TBattleController::EnemyBoardPress(TPoint Pixel) {
  if (!FBattle || FFiring || (FNet && !MayShoot()))
    return;
  const TPoint Cell = PixelToCell(Pixel);
  if (IsValidTarget(Cell))
    Shoot(Cell);
}

bool TBattleController::IsValidTarget(TPoint Cell) const {
  if (!InBoard(Cell))
    return false;
  const TCell& C = FEnemyBoard[Cell];
  if (C.State == csEmpty)
    return true;
  return C.State == csShip && C.Ship->FState != ssSunk && !C.IsHit;
}

void TBattleController::Shoot(TPoint Cell) {
  if (FNet) {
    FNet->Round.ShotOut = true;
    TPeerMessage Message = MakePeerMessage(TPeerMsgType::pmShot);
    Message.Cell = Cell;
    FNet->Link->Send(Message);
  }
  FLastShot = Cell;
  FScreen.PlaySnd(sndMyShot, false);
  StartCannon(TCannon::cnMy);
  FFiring = true;
}

void TBattleController::StartCannon(TCannon Cannon) {
  const uint32_t Shot = ++FShotSerial;
  FPendingShot[static_cast<int>(Cannon)] = Shot;
  FScreen.StartCannon(Cannon, Shot);
}

bool TBattleController::TakeStop(TCannon Cannon, uint32_t Shot) {
  uint32_t& Pending = FPendingShot[static_cast<int>(Cannon)];
  if (Shot == 0 || Shot != Pending)
    return false;
  Pending = 0;
  return true;
}

void TBattleController::MyCannonStop(uint32_t Shot) {
  if (!TakeStop(TCannon::cnMy, Shot))
    return;
  if (FNet && !FNet->Round.AnswerIn) {
    FNet->Round.StopWaiting = true; // the answer lands the shot when it comes
    return;
  }
  ++FDepth;
  LandMyShot();
  --FDepth;
  DrainInbox();
}

// The computer's answer is its board; the other player's is charted on the board first.
void TBattleController::LandMyShot() {
  ++FMyShots;
  FScreen.SetStatusText(0, LastShotText(msgMyLastShot, FLastShot));
  if (FNet)
    ChartAnswerOnBoard();
  TCell& C = FEnemyBoard[FLastShot];
  if (C.State == csShip) {
    bool Won = false;
    TShip& Ship = *C.Ship;
    Ship.Hit();
    FScreen.AddFire(TSide::sdEnemy, FLastShot);
    C.IsHit = true;
    if (Ship.FState == ssSunk) {
      Ship.MarkSurroundings();
      ++FEnemyLosses;
      Won = FEnemyLosses == TFleets::FleetSize;
    }
    FFiring = false;
    FScreen.RepaintBoard(TSide::sdEnemy);
    UpdateCounters();
    FScreen.PlaySnd(sndEnemyFire, Won);
    if (Won)
      GameOver();
  } else {
    C.State = csMiss;
    FScreen.RepaintBoard(TSide::sdEnemy);
    UpdateCounters();
    if (FNet) { // the other player's cannon starts when his shot comes
      FScreen.PlaySnd(sndSplash, false);
    } else {
      FScreen.PlaySnd(sndSplash, true);
      FScreen.PlaySnd(sndEnemyShot, false);
      StartCannon(TCannon::cnEnemy);
    }
  }
  SyncTurn();
}

void TBattleController::EnemyCannonStop(uint32_t Shot) {
  if (!TakeStop(TCannon::cnEnemy, Shot))
    return;
  if (FNet && FNet->Round.IncomingShots.empty())
    return;
  ++FDepth;
  ++FEnemyShots;
  TPoint Target;
  if (FNet) {
    Target = FNet->Round.IncomingShots.front();
    FNet->Round.IncomingShots.pop_front();
  } else {
    Target = FShooter ? FShooter->ChooseTarget(TShotBoard(FMyBoard))
                      : FTargeting.ChooseTarget(FMyBoard);
  }
  FEnemyLastShot = Target;
  FScreen.SetStatusText(1, LastShotText(msgEnemyLastShot, Target));
  TCell& C = FMyBoard[Target];
  if (C.State != csShip) {
    C.State = csMiss;
    FFiring = false;
    FScreen.UpdateAimCursor();
    FScreen.RepaintBoard(TSide::sdMy);
    UpdateCounters();
    FScreen.PlaySnd(sndSplash, false);
    SyncTurn();
    --FDepth;
    DrainInbox();
    return;
  }
  TShip& Ship = *C.Ship;
  Ship.Hit();
  FScreen.AddFire(TSide::sdMy, Target);
  C.IsHit = true;
  if (Ship.FState == ssSunk) {
    Ship.MarkSurroundings();
    if (!FNet) {
      FTargeting.ClearWounded();
      FTargeting.FHuntAxis = TTargeting::axNone;
    }
    ++FMyLosses;
    if (FMyLosses == TFleets::FleetSize) {
      FScreen.PlaySnd(sndMyFire, true);
      GameOver();
      --FDepth;
      DrainInbox();
      return;
    }
  } else if (!FNet) {
    FTargeting.FWounded.push_back(Target);
  }
  FScreen.RepaintBoard(TSide::sdMy);
  UpdateCounters();
  FScreen.PlaySnd(sndMyFire, true);
  if (FNet) {
    StartPeerCannon(); // the other player's next shot, if it has come
    SyncTurn();
  } else {
    FScreen.PlaySnd(sndEnemyShot, false);
    StartCannon(TCannon::cnEnemy);
  }
  --FDepth;
  DrainInbox();
}

void TBattleController::UpdateCounters() {
  FScreen.SetCounters({FMyShots, FMyLosses, FEnemyShots, FEnemyLosses});
}

void TBattleController::GameOver() {
  FScreen.RepaintBoard(TSide::sdMy);
  FScreen.RepaintBoard(TSide::sdEnemy);
  FFiring = false;
  FBattle = false;
  UpdateCounters();
  if (FMyLosses < FEnemyLosses) {
    FScreen.SetResultCaption(LoadStr(msgYouWin));
    FScreen.SetResultColour(clGreen);
    FScreen.PlaySnd(sndYouWin, false);
  } else {
    FRevealEnemy = !FNet || ShowPeerFleet();
    FScreen.SetResultCaption(LoadStr(msgYouLost));
    FScreen.SetResultColour(clMaroon);
    FScreen.RepaintBoard(TSide::sdEnemy);
    FScreen.PlaySnd(sndYouLost, false);
  }
  FScreen.SetResultVisible(true);
  if (FNet) {
    FNet->Round.Over = true;
    SyncTurn();
    ShowVerdictWhenDue();
  }
}

void TBattleController::ClearBoard(TSide Side) {
  FFleets.ClearBoard(Side == TSide::sdMy ? FMyBoard : FEnemyBoard);
  FScreen.RemoveFires(Side);
}

bool TBattleController::ValidatePlayerFleet() {
  if (TShip* Touching = FFleets.FirstShipWithoutClearance()) {
    FSelectedShip = Touching;
    FScreen.ShowTouchingShips(LoadStr(msgShipsTouch));
    return false;
  }
  return true;
}

bool TBattleController::PlaceEnemyFleet() {
  FScreen.SetHourglass(true);
  const bool Placed = FShooter ? FShooter->PlaceFleet(FFleets) : FFleets.PlaceEnemyFleet();
  FScreen.SetHourglass(false);
  return Placed;
}

void TBattleController::ArrangeEnemyFleet() {
  while (!PlaceEnemyFleet())
    ClearBoard(TSide::sdEnemy);
}
