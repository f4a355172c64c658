#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class TPlayerStrategy {
  psRandom, // uniform among the cells that may be shot at
  psWater,  // only cells where no ship stands, so that the computer sinks the whole fleet
};

struct TSimFigures {
  int Games = 0;
  double Seconds = 0;
  std::vector<int> ComputerShotsWon; // the computer's shots in each game it won
  std::vector<int> PlayerShotsWon;   // the player's shots in each game he won
  std::vector<int> PlacementCalls;   // calls of the random placement per arrangement
  std::vector<double> PlacementMs;   // time of each call that placed the fleet
  std::vector<double> ArrangementMs; // what the player waits at each start of battle
  int PlacementTimeouts = 0;
  std::vector<std::string> Violations;
};

// Plays whole games through the battle controller with a windowless screen and a scripted
// player, checking the invariants of the boards and of the targeting after every shot.
//
// The tick count that limits the random placement is simulated: every reading advances it
// by 1 ms, so a placement gives up after 1500 failed attempts instead of 1.5 s of them. A
// ship that is still not placed by then has tried every head cell of its diagonal in both
// orientations hundreds of times over, so the outcome is the game's own; a time-out is
// counted as the 1.5 s the player would wait.
class TSimulator {
public:
  TSimulator(TPlayerStrategy Strategy, uint64_t PlayerSeed)
      : FStrategy(Strategy), FPlayerRng(PlayerSeed) {}

  TSimFigures Run(int Games);

  // Stop listing violations after this many; the count goes on.
  static constexpr size_t MaxViolationsListed = 50;

private:
  uint32_t PlayerRandom(uint32_t N);

  TPlayerStrategy FStrategy = TPlayerStrategy::psRandom;
  uint64_t FPlayerRng = 0;
};
