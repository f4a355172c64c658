// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TPoint.h"
#include "TRandomSource.h"
#include "TShooter.h"
#include "TTargeting.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TBattleController;

enum class TPlayerStrategy {
  psRandom, // uniform among the cells that may be shot at
  psWater,  // only cells where no ship stands, so that the computer sinks the whole fleet
};

// How the player's fleet is stood before each battle.
enum class TFleetPlacement {
  fpDesign,  // the game's own random placement, as the player's key for it spreads the fleet
  fpUniform, // uniformly among all legal fleets
  fpStrong,  // as the strong computer stands its own fleet
};

struct TSimFigures {
  int Games = 0;
  double Seconds = 0;
  std::vector<int> ComputerShotsWon; // the computer's shots in each game it won
  std::vector<int> PlayerShotsWon;   // the player's shots in each game he won
  std::vector<int> PlacementCalls;   // calls of the random placement per start of battle
  std::vector<double> PlacementMs;   // time of each call that placed the fleet
  std::vector<double> ArrangementMs; // what the player waits at each start of battle
  int PlacementGivenUp = 0;          // calls that gave up a hopeless ship at once
  int PlacementOutOfTime = 0;        // calls that ran out the time limit
  int64_t Shots = 0;                 // shots fired by both sides, as the game counts them
  int64_t ShotsChecked = 0;          // shots after which the boards and targeting were checked
  std::vector<double> ThinkMs;       // what each choice of the computer's target took
  std::vector<double> ThinkCpuMs;    // the same in time run on the processor
  std::vector<std::string> Violations;
};

// Plays whole games through the battle controller with a windowless screen and a scripted
// player, checking the invariants of the boards and of the targeting after every shot.
//
// The tick count that limits the random placement is simulated: every reading advances it
// by 1 ms, so a placement runs out of time after 1500 failed attempts instead of 1.5 s of
// them; such a call is counted as the 1.5 s the player would wait. Calls that stand the fleet
// or give a hopeless ship up are timed for real.
class TSimulator {
public:
  TSimulator(TPlayerStrategy Strategy, uint64_t PlayerSeed)
      : FStrategy(Strategy), FPlayerRng(PlayerSeed) {
    FFleetRandom.Seed(PlayerSeed);
  }

  TSimFigures Run(int Games);

  TComputerLevel FLevel = TComputerLevel::clNormal;
  // When set, the player shoots as the computer of that level would, seeing the computer's
  // board only through his answers; otherwise by FStrategy.
  std::optional<TComputerLevel> FPlayerLevel;
  TFleetPlacement FPlayerFleet = TFleetPlacement::fpDesign;
  // The strong level's fleets weighed per shot (0: its own number), or its places counted.
  int FStrongFleets = 0;
  bool FStrongCounts = false;

  // Stop listing violations after this many; the count goes on.
  static constexpr size_t MaxViolationsListed = 50;

private:
  uint32_t PlayerRandom(uint32_t N);
  void OpenCells(const TBattleController& Game);
  void StandPlayerFleet(TBattleController& Game);
  TPoint PlayerChoice(const TBattleController& Game);

  TPlayerStrategy FStrategy = TPlayerStrategy::psRandom;
  uint64_t FPlayerRng = 0;
  // The cells the player has not shot at yet: all of them, or for a player who wants water
  // the open water first and the decks apart.
  std::vector<TPoint> FOpen;
  std::vector<TPoint> FDecks;
  // The player's shooting when he plays a level: its shooter, or the game's own targeting
  // with its wounded list kept here as the controller keeps the computer's.
  std::unique_ptr<TShooter> FPlayerShooter;
  TTargeting FPlayerTargeting;
  // Draws the player's fleets apart from the game's draws, so that every level meets the
  // same fleets.
  TRandomSource FFleetRandom;
};
