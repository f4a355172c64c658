#pragma once

#include "TFleets.h"
#include "TGameScreen.h"
#include "TShooter.h"
#include "TTargeting.h"

#include <array>
#include <cstdint>
#include <memory>

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// One game at a time: set-up, the battle with its turns, counters and status texts, and the
// end. Turns are driven by the cannons: starting one fires a shot, and its stop, which the
// screen raises later, is where the shot lands. Nothing else advances the game.
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
};
