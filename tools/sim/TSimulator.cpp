#include "TSimulator.h"

#include "BoardGeometry.h"
#include "Invariants.h"
#include "TBattleController.h"
#include "TClock.h"
#include "TFakeScreen.h"

#include <chrono>

namespace {

using TSteady = std::chrono::steady_clock;

// Starts near the wrap of the 32-bit count, so that the wrap happens during a run.
uint32_t GVirtualTicks = 0xFFFF0000u;

// Times every call of the random placement: the controller wraps each call in the hourglass.
class TSimScreen : public TFakeScreen {
public:
  void SetHourglass(bool On) override {
    TFakeScreen::SetHourglass(On);
    if (On) {
      FStarted = TSteady::now();
      FStartTicks = GVirtualTicks;
    } else {
      FCallsMs.push_back(
          std::chrono::duration<double, std::milli>(TSteady::now() - FStarted).count());
      FCallsTicks.push_back(GVirtualTicks - FStartTicks);
    }
  }
  std::vector<double> FCallsMs;
  std::vector<uint32_t> FCallsTicks;

private:
  TSteady::time_point FStarted;
  uint32_t FStartTicks = 0;
};

void Append(std::vector<std::string>& Into, const std::vector<std::string>& Faults, int Game,
            const char* Where) {
  for (const auto& Fault : Faults)
    if (Into.size() < TSimulator::MaxViolationsListed)
      Into.push_back("game " + std::to_string(Game) + ", " + Where + ": " + Fault);
    else
      Into.emplace_back(); // counted, not listed
}

} // namespace

uint32_t TSimulator::PlayerRandom(uint32_t N) {
  // SplitMix64 steps: the player's choices must not disturb the game's own random source.
  uint64_t Z = (FPlayerRng += 0x9E3779B97F4A7C15ull);
  Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ull;
  Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBull;
  Z ^= Z >> 31;
  return static_cast<uint32_t>(((Z >> 32) * N) >> 32);
}

TSimFigures TSimulator::Run(int Games) {
  TSimFigures Figures;
  TClock::SetTickCount([] { return GVirtualTicks++; });
  TSimScreen Screen;
  Screen.FRecord = false;
  TBattleController Game(Screen, {});
  auto& Violations = Figures.Violations;
  const auto Started = TSteady::now();

  for (int G = 0; G < Games; ++G) {
    if (G == 0)
      Game.FormShow();
    else
      Game.NewGame();
    // Spread the player's fleet by the computer's own placement.
    Game.FFleets.ClearBoard(Game.FMyBoard);
    while (!Game.FFleets.PlacePlayerFleet())
      Game.FFleets.ClearBoard(Game.FMyBoard);

    Screen.FCallsMs.clear();
    Screen.FCallsTicks.clear();
    Game.StartBattle();
    if (!Game.FBattle) {
      Append(Violations, {"the battle did not start with a fleet placed at random"}, G, "start");
      continue;
    }
    // Every call but the last gave up at the time limit.
    const auto Calls = static_cast<int>(Screen.FCallsMs.size());
    double WaitMs = Screen.FCallsMs.back();
    for (int C = 0; C + 1 < Calls; ++C) {
      WaitMs += Screen.FCallsTicks[C];
      if (Screen.FCallsTicks[C] <= TFleets::PlacementLimitMs)
        Append(Violations, {"a placement gave up before its time limit"}, G, "start");
    }
    Figures.PlacementCalls.push_back(Calls);
    Figures.PlacementTimeouts += Calls - 1;
    Figures.PlacementMs.push_back(Screen.FCallsMs.back());
    Figures.ArrangementMs.push_back(WaitMs);
    Append(Violations, CheckBoard(Game.FMyBoard, Game.FFleets, 0, TBoardCheck::bcBattle), G,
           "player's board");
    Append(Violations, CheckBoard(Game.FEnemyBoard, Game.FFleets, 10, TBoardCheck::bcBattle), G,
           "computer's board");

    int Shots = 0;
    while (Game.FBattle) {
      if (++Shots > 400) {
        Append(Violations, {"the game does not end"}, G, "battle");
        break;
      }
      if (!Game.FFiring) {
        // The player's turn: pick a cell by the strategy and press on it.
        TPoint Choice{-1, -1};
        int Seen = 0;
        for (int X = 0; X < 10; ++X)
          for (int Y = 0; Y < 10; ++Y) {
            const bool Wanted = FStrategy == TPlayerStrategy::psWater
                                    ? Game.FEnemyBoard(X, Y).State == csEmpty
                                    : Game.IsValidTarget({X, Y});
            if (Wanted && PlayerRandom(++Seen) == 0) // reservoir sampling: uniform
              Choice = {X, Y};
          }
        if (Seen == 0)
          for (int X = 0; X < 10 && Seen == 0; ++X)
            for (int Y = 0; Y < 10 && Seen == 0; ++Y)
              if (Game.IsValidTarget({X, Y}))
                Choice = {X, Y}, Seen = 1;
        const TPoint Pixel = CellToPixel(Choice);
        Game.EnemyBoardPress({Pixel.X + 10, Pixel.Y + 20});
        if (!Game.FFiring) {
          Append(Violations, {"a press on a valid target did not fire"}, G, "player");
          break;
        }
      }
      const bool Enemy = Screen.Running(TCannon::cnEnemy) != 0;
      const TBoard Before = Enemy ? Game.FMyBoard : Game.FEnemyBoard;
      if (!Screen.FinishCannon(Game)) {
        Append(Violations, {"no cannon flies while a shot is in flight"}, G, "battle");
        break;
      }
      const TBoard& After = Enemy ? Game.FMyBoard : Game.FEnemyBoard;
      const char* Where = Enemy ? "computer's shot" : "player's shot";
      Append(Violations, CheckBoardProgress(Before, After), G, Where);
      Append(Violations, CheckSingleShot(Before, After), G, Where);
      Append(Violations, CheckBoard(After, Game.FFleets, Enemy ? 0 : 10, TBoardCheck::bcBattleShot),
             G, Where);
      Append(Violations, CheckTargeting(Game.FTargeting, Game.FMyBoard, Game.FFleets), G, Where);
    }
    if (Game.FMyLosses == 10)
      Figures.ComputerShotsWon.push_back(Game.FEnemyShots);
    else if (Game.FEnemyLosses == 10)
      Figures.PlayerShotsWon.push_back(Game.FMyShots);
    ++Figures.Games;
  }
  Figures.Seconds = std::chrono::duration<double>(TSteady::now() - Started).count();
  TClock::SetTickCount({});
  return Figures;
}
