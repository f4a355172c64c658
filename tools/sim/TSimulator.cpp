// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TSimulator.h"

#include "BoardGeometry.h"
#include "Invariants.h"
#include "TBattleController.h"
#include "TClock.h"
#include "TFakeScreen.h"
#include "TFleetSampler.h"
#include "TRandomSource.h"
#include "TShotBoard.h"
#include "TStrongShooter.h"

#include <chrono>
#include <ctime>

namespace {

using TSteady = std::chrono::steady_clock;

// Starts near the wrap of the 32-bit count, so that the wrap happens during a run.
uint32_t GVirtualTicks = 0xFFFF0000u;

// Times every call of the random placement: the controller wraps each call in the hourglass.
class TSimScreen : public TFakeScreen {
public:
  struct TCall {
    double Ms = 0;
    uint32_t Ticks = 0;
    TPlacementEnd End = TPlacementEnd::peStood;
  };

  explicit TSimScreen(const TFleets*& Fleets) : FFleets(Fleets) {}

  void SetHourglass(bool On) override {
    TFakeScreen::SetHourglass(On);
    if (On) {
      FStarted = TSteady::now();
      FStartTicks = GVirtualTicks;
    } else {
      FCalls.push_back(
          {std::chrono::duration<double, std::milli>(TSteady::now() - FStarted).count(),
           GVirtualTicks - FStartTicks, FFleets->FLastEnd});
    }
  }
  std::vector<TCall> FCalls;

  // Texts are the window's business; the simulator reads the game's own fields.
  void SetStatusText(int, const std::string&) override {}
  void SetCounters(const std::array<int32_t, 4>&) override {}

private:
  const TFleets*& FFleets;
  TSteady::time_point FStarted;
  uint32_t FStartTicks = 0;
};

// What this thread has run, in ms: on a machine shared with other work the wall clock also
// counts the time others ran.
double ThreadCpuMs() {
  timespec Now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &Now);
  return static_cast<double>(Now.tv_sec) * 1e3 + static_cast<double>(Now.tv_nsec) / 1e6;
}

// Times every choice of the computer's target. The game's own computer is asked through its
// targeting, exactly as the battle controller asks it, so that it draws what it always drew.
class TTimedShooter : public TShooter {
public:
  TTimedShooter(TBattleController& Game, std::unique_ptr<TShooter> Level, std::vector<double>& Ms,
                std::vector<double>& CpuMs)
      : FGame(Game), FLevel(std::move(Level)), FMs(Ms), FCpuMs(CpuMs) {}

  TPoint ChooseTarget(const TShotBoard& Seen) override {
    const auto Started = TSteady::now();
    const double CpuStarted = ThreadCpuMs();
    const TPoint Target =
        FLevel ? FLevel->ChooseTarget(Seen) : FGame.FTargeting.ChooseTarget(FGame.FMyBoard);
    FMs.push_back(std::chrono::duration<double, std::milli>(TSteady::now() - Started).count());
    FCpuMs.push_back(ThreadCpuMs() - CpuStarted);
    return Target;
  }
  bool PlaceFleet(TFleets& Fleets) override {
    return FLevel ? FLevel->PlaceFleet(Fleets) : Fleets.PlaceEnemyFleet();
  }

private:
  TBattleController& FGame;
  std::unique_ptr<TShooter> FLevel;
  std::vector<double>& FMs;
  std::vector<double>& FCpuMs;
};

// Out of line and only called when there is a fault: the checks find none in almost every
// game.
[[gnu::noinline]] void AppendFaults(std::vector<std::string>& Into,
                                    const std::vector<std::string>& Faults, int Game,
                                    const char* Where) {
  for (const auto& Fault : Faults)
    if (Into.size() < TSimulator::MaxViolationsListed)
      Into.push_back("game " + std::to_string(Game) + ", " + Where + ": " + Fault);
    else
      Into.emplace_back(); // counted, not listed
}

void Append(std::vector<std::string>& Into, const std::vector<std::string>& Faults, int Game,
            const char* Where) {
  if (!Faults.empty())
    AppendFaults(Into, Faults, Game, Where);
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

void TSimulator::OpenCells(const TBattleController& Game) {
  FOpen.clear();
  FDecks.clear();
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y)
      (Game.FEnemyBoard(X, Y).State == csShip ? FDecks : FOpen).push_back({X, Y});
  if (FStrategy == TPlayerStrategy::psRandom) {
    FOpen.insert(FOpen.end(), FDecks.begin(), FDecks.end());
    FDecks.clear();
  }
}

// Uniform among the wanted cells that may still be shot at: a cell drawn that may no longer be
// shot at (shot, or in the ring of a sunk ship) is dropped and another drawn. A player who
// wants water shoots at decks only when no water is left.
TPoint TSimulator::PlayerChoice(const TBattleController& Game) {
  if (FPlayerShooter)
    return FPlayerShooter->ChooseTarget(TShotBoard(Game.FEnemyBoard));
  if (FPlayerLevel)
    return FPlayerTargeting.ChooseTarget(Game.FEnemyBoard);
  for (std::vector<TPoint>* Cells : {&FOpen, &FDecks})
    while (!Cells->empty()) {
      const uint32_t I = PlayerRandom(static_cast<uint32_t>(Cells->size()));
      const TPoint Cell = (*Cells)[I];
      (*Cells)[I] = Cells->back();
      Cells->pop_back();
      if (Game.IsValidTarget(Cell))
        return Cell;
    }
  return {-1, -1};
}

void TSimulator::StandPlayerFleet(TBattleController& Game) {
  if (FPlayerFleet == TFleetPlacement::fpDesign) {
    // The player's fleet is spread by the computer's own placement, as the key for it does.
    Game.ArrangePlayerFleet();
    return;
  }
  Game.FFleets.ClearBoard(Game.FMyBoard);
  TStrongShooter::StandFleet(Game.FFleets, true,
                             FPlayerFleet == TFleetPlacement::fpStrong
                                 ? TStrongShooter::HiddenFleet(FFleetRandom)
                                 : TFleetSampler::DrawFleet(FFleetRandom));
}

TSimFigures TSimulator::Run(int Games) {
  TSimFigures Figures;
  TClock::SetTickCount([] { return GVirtualTicks++; });
  const TFleets* Fleets = nullptr;
  TSimScreen Screen(Fleets);
  Screen.FRecord = false;
  TBattleController Game(Screen, {});
  Fleets = &Game.FFleets;
  auto Level = MakeShooter(FLevel);
  if (auto* Strong = dynamic_cast<TStrongShooter*>(Level.get())) {
    if (FStrongFleets > 0)
      Strong->FFleetsPerShot = FStrongFleets;
    Strong->FCountPlaces = FStrongCounts;
  }
  Game.FShooter =
      std::make_unique<TTimedShooter>(Game, std::move(Level), Figures.ThinkMs, Figures.ThinkCpuMs);
  if (FPlayerLevel)
    FPlayerShooter = MakeShooter(*FPlayerLevel);
  auto& Violations = Figures.Violations;
  const auto Started = TSteady::now();

  for (int G = 0; G < Games; ++G) {
    if (G == 0)
      Game.FormShow();
    else
      Game.NewGame();
    StandPlayerFleet(Game);

    Screen.FCalls.clear();
    Game.StartBattle();
    if (!Game.FBattle) {
      Append(Violations, {"the battle did not start with a fleet placed at random"}, G, "start");
      continue;
    }
    // Every call but the last gave a ship up or ran out of time; the player waits for all.
    double WaitMs = 0;
    for (size_t C = 0; C < Screen.FCalls.size(); ++C) {
      const auto& Call = Screen.FCalls[C];
      const bool Last = C + 1 == Screen.FCalls.size();
      if ((Call.End == TPlacementEnd::peStood) != Last)
        Append(Violations, {"a placement that stood was not the last of its start"}, G, "start");
      if (Call.End == TPlacementEnd::peOutOfTime) {
        ++Figures.PlacementOutOfTime;
        WaitMs += Call.Ticks;
        if (Call.Ticks <= TFleets::PlacementLimitMs)
          Append(Violations, {"a placement ran out before its time limit"}, G, "start");
      } else {
        Figures.PlacementGivenUp += Call.End == TPlacementEnd::peHopeless;
        WaitMs += Call.Ms;
      }
    }
    Figures.PlacementCalls.push_back(static_cast<int>(Screen.FCalls.size()));
    Figures.PlacementMs.push_back(Screen.FCalls.back().Ms);
    Figures.ArrangementMs.push_back(WaitMs);
    Append(Violations, CheckBoard(Game.FMyBoard, Game.FFleets, 0, TBoardCheck::bcBattle), G,
           "player's board");
    Append(Violations, CheckBoard(Game.FEnemyBoard, Game.FFleets, 10, TBoardCheck::bcBattle), G,
           "computer's board");
    OpenCells(Game);
    FPlayerTargeting.ClearWounded();
    FPlayerTargeting.FHuntAxis = TTargeting::axNone;
    TBoardWatch MyWatch(Game.FMyBoard, Game.FFleets, 0);
    TBoardWatch EnemyWatch(Game.FEnemyBoard, Game.FFleets, TFleets::FleetSize);

    int Shots = 0;
    TPoint Aimed;
    while (Game.FBattle) {
      if (++Shots > 400) {
        Append(Violations, {"the game does not end"}, G, "battle");
        break;
      }
      if (!Game.FFiring) {
        Aimed = PlayerChoice(Game);
        const TPoint Pixel = CellToPixel(Aimed);
        Game.EnemyBoardPress({Pixel.X + 10, Pixel.Y + 20});
        if (!Game.FFiring) {
          Append(Violations, {"a press on a valid target did not fire"}, G, "player");
          break;
        }
      }
      const bool Enemy = Screen.Running(TCannon::cnEnemy) != 0;
      if (!Screen.FinishCannon(Game)) {
        Append(Violations, {"no cannon flies while a shot is in flight"}, G, "battle");
        break;
      }
      const char* Where = Enemy ? "computer's shot" : "player's shot";
      if (!Enemy && FPlayerLevel == TComputerLevel::clNormal) {
        const TCell& Landed = Game.FEnemyBoard[Aimed];
        if (Landed.State == csShip && Landed.Ship->FState == ssSunk) {
          FPlayerTargeting.ClearWounded();
          FPlayerTargeting.FHuntAxis = TTargeting::axNone;
        } else if (Landed.State == csShip) {
          FPlayerTargeting.FWounded.push_back(Aimed);
        }
      }
      // A change to the other board shows at its next shot, or at the end of the game.
      Append(Violations,
             Enemy ? MyWatch.CheckShot(Game.FEnemyLastShot) : EnemyWatch.CheckShot(Aimed), G,
             Where);
      // The axis guess is the game's own computer's; other levels leave it unguessed.
      if (FLevel == TComputerLevel::clNormal)
        Append(Violations, CheckTargeting(Game.FTargeting, Game.FMyBoard, Game.FFleets), G, Where);
      ++Figures.ShotsChecked;
    }
    Append(Violations, MyWatch.CheckUntouched(), G, "end of game");
    Append(Violations, EnemyWatch.CheckUntouched(), G, "end of game");
    Figures.Shots += Game.FMyShots + Game.FEnemyShots;
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
