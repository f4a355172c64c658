// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// salvora-sim: plays whole games without a screen and prints what they measured.
//
//   salvora-sim [--games N] [--seed S] [--player random|water] [--json]
//   salvora-sim --survey N [--seed S]
//
// With --seed the random source is seeded from a counter that starts at S instead of the
// clock, so that two runs print the same game figures. The placement's time limit runs on a
// simulated tick count (see TSimulator.h). The exit status is 1 when an invariant of the
// game was violated.
//
// --survey arranges the computer's fleet N times with hopeless ships given up at once and N
// times walking them until the time limit, and compares where the ships stand: the largest
// z-score over the 100 cells' deck frequencies and the vertical shares of the two-, three- and
// four-deckers, and the sum of their squares (about 103 when both ways place alike).

#include "TClock.h"
#include "TFleetSurvey.h"
#include "TSimulator.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <optional>
#include <string>

namespace {

struct TStats {
  double Mean = 0, StdDev = 0, Median = 0, P90 = 0, P99 = 0, Min = 0, Max = 0;
  double StdErr = 0;
};

template <typename T>
TStats Summarise(std::vector<T> Values) {
  TStats S;
  if (Values.empty())
    return S;
  std::sort(Values.begin(), Values.end());
  const size_t N = Values.size();
  S.Mean = std::accumulate(Values.begin(), Values.end(), 0.0) / static_cast<double>(N);
  double Squares = 0;
  for (const T& V : Values)
    Squares += (V - S.Mean) * (V - S.Mean);
  S.StdDev = N > 1 ? std::sqrt(Squares / static_cast<double>(N - 1)) : 0;
  S.Median = N % 2 ? Values[N / 2] : (Values[N / 2 - 1] + Values[N / 2]) / 2.0;
  S.StdErr = S.StdDev / std::sqrt(static_cast<double>(N));
  S.P90 = Values[std::min(N - 1, static_cast<size_t>(0.90 * static_cast<double>(N)))];
  S.P99 = Values[std::min(N - 1, static_cast<size_t>(0.99 * static_cast<double>(N)))];
  S.Min = Values.front();
  S.Max = Values.back();
  return S;
}

int Usage() {
  std::fprintf(stderr, "usage: salvora-sim [--games N] [--seed S] [--level gentle|normal|strong]\n"
                       "                   [--player random|water|gentle|normal|strong]\n"
                       "                   [--fleet design|uniform|strong] [--json]\n"
                       "                   [--fleets-per-shot N | --count-places]\n"
                       "       salvora-sim --table [--games N] [--seed S]\n"
                       "       salvora-sim --survey N [--seed S]\n");
  return 2;
}

std::optional<TComputerLevel> LevelNamed(const char* Name) {
  if (!std::strcmp(Name, "gentle"))
    return TComputerLevel::clGentle;
  if (!std::strcmp(Name, "normal"))
    return TComputerLevel::clNormal;
  if (!std::strcmp(Name, "strong"))
    return TComputerLevel::clStrong;
  return std::nullopt;
}

std::optional<TFleetPlacement> PlacementNamed(const char* Name) {
  if (!std::strcmp(Name, "design"))
    return TFleetPlacement::fpDesign;
  if (!std::strcmp(Name, "uniform"))
    return TFleetPlacement::fpUniform;
  if (!std::strcmp(Name, "strong"))
    return TFleetPlacement::fpStrong;
  return std::nullopt;
}

const char* const LevelNames[] = {"gentle", "normal", "strong"};
constexpr TComputerLevel Levels[] = {TComputerLevel::clGentle, TComputerLevel::clNormal,
                                     TComputerLevel::clStrong};

TSimFigures Play(int Games, uint64_t PlayerSeed, TComputerLevel Level, TPlayerStrategy Strategy,
                 std::optional<TComputerLevel> PlayerLevel, TFleetPlacement Fleet) {
  TSimulator Simulator(Strategy, PlayerSeed);
  Simulator.FLevel = Level;
  Simulator.FPlayerLevel = PlayerLevel;
  Simulator.FPlayerFleet = Fleet;
  TSimFigures F = Simulator.Run(Games);
  for (const auto& V : F.Violations)
    if (!V.empty())
      std::fprintf(stderr, "violation: %s\n", V.c_str());
  return F;
}

// Every level against a player who never hits, on fleets of each placement; then every level
// against every other (the row's computer, the column's player, who shoots first) and against
// random shots. Markdown, a line as soon as its games are played.
int PrintTable(int Games, uint64_t PlayerSeed) {
  bool Clean = true;
  std::printf("Shots to sink a whole fleet (%d games a line; the player never hits):\n\n", Games);
  std::printf("| Level | Fleet placed | Mean ± s.e. | Median | p90 | Think p99 (CPU ms) |\n");
  std::printf("|---|---|---|---|---|---|\n");
  const char* const FleetNames[] = {"the game's own", "uniform among legal fleets",
                                    "the strong level's"};
  const TFleetPlacement Fleets[] = {TFleetPlacement::fpDesign, TFleetPlacement::fpUniform,
                                    TFleetPlacement::fpStrong};
  for (int L = 0; L < 3; ++L)
    for (int P = 0; P < 3; ++P) {
      const TSimFigures F =
          Play(Games, PlayerSeed, Levels[L], TPlayerStrategy::psWater, std::nullopt, Fleets[P]);
      Clean &= F.Violations.empty();
      const TStats S = Summarise(F.ComputerShotsWon);
      std::printf("| %s | %s | %.2f ± %.2f | %.1f | %.0f | %.2f |\n", LevelNames[L], FleetNames[P],
                  S.Mean, S.StdErr, S.Median, S.P90, Summarise(F.ThinkCpuMs).P99);
      std::fflush(stdout);
    }
  std::printf("\nGames won by the computer (%d games a cell; the player shoots first):\n\n", Games);
  std::printf("| Computer \\ player | random shots | gentle | normal | strong |\n");
  std::printf("|---|---|---|---|---|\n");
  for (int L = 0; L < 3; ++L) {
    std::printf("| %s |", LevelNames[L]);
    for (int P = -1; P < 3; ++P) {
      const auto PlayerLevel = P < 0 ? std::nullopt : std::optional(Levels[P]);
      const TSimFigures F =
          Play(Games, PlayerSeed, Levels[L], TPlayerStrategy::psRandom, PlayerLevel,
               P == 2 ? TFleetPlacement::fpStrong : TFleetPlacement::fpDesign);
      Clean &= F.Violations.empty();
      const double Share = static_cast<double>(F.ComputerShotsWon.size()) / F.Games;
      std::printf(" %.1f %% ± %.1f |", 100 * Share, 100 * std::sqrt(Share * (1 - Share) / F.Games));
      std::fflush(stdout);
    }
    std::printf("\n");
  }
  return Clean ? 0 : 1;
}

// Fleets placed by both ways, compared; exit status 1 when they differ beyond chance.
int Survey(long long Count) {
  const auto Started = std::chrono::steady_clock::now();
  const TFleetSurvey GivingUp = SurveyFleets(static_cast<int>(Count), true);
  const auto Between = std::chrono::steady_clock::now();
  const TFleetSurvey Walking = SurveyFleets(static_cast<int>(Count), false);
  const auto Ended = std::chrono::steady_clock::now();
  const TSurveyComparison C = CompareSurveys(GivingUp, Walking);
  auto Share = [](const TFleetSurvey& S, int Size) {
    return static_cast<double>(S.Verticals[Size]) / static_cast<double>(S.Ships[Size]);
  };
  std::printf("arrangements_each: %lld\n", Count);
  std::printf("giving_up_seconds: %.2f\n",
              std::chrono::duration<double>(Between - Started).count());
  std::printf("walking_seconds: %.2f\n", std::chrono::duration<double>(Ended - Between).count());
  for (int Size = 2; Size <= 4; ++Size)
    std::printf("vertical_share_%d_decks: %.4f giving up, %.4f walking\n", Size,
                Share(GivingUp, Size), Share(Walking, Size));
  std::printf("statistics: %d\n", C.Statistics);
  std::printf("max_abs_z: %.2f\n", C.MaxZ);
  std::printf("sum_z_squared: %.1f\n", C.SumZ2);
  // 4.5 standard errors: once in about 15,000 runs for 103 statistics of fleets placed alike.
  return C.MaxZ < 4.5 ? 0 : 1;
}

} // namespace

int main(int Argc, char** Argv) {
  long long Games = 1000;
  std::optional<unsigned long long> Seed;
  TPlayerStrategy Strategy = TPlayerStrategy::psRandom;
  const char* StrategyName = "random";
  std::optional<TComputerLevel> PlayerLevel;
  TComputerLevel Level = TComputerLevel::clNormal;
  const char* LevelName = "normal";
  TFleetPlacement Fleet = TFleetPlacement::fpDesign;
  const char* FleetName = "design";
  bool Table = false;
  int StrongFleets = 0;
  bool StrongCounts = false;
  bool Json = false;
  long long SurveyCount = 0;
  for (int I = 1; I < Argc; ++I) {
    const std::string Arg = Argv[I];
    const bool HasValue = I + 1 < Argc;
    try {
      if (Arg == "--games" && HasValue)
        Games = std::stoll(Argv[++I]);
      else if (Arg == "--seed" && HasValue)
        Seed = std::stoull(Argv[++I]);
      else if (Arg == "--player" && HasValue) {
        StrategyName = Argv[++I];
        if (!std::strcmp(StrategyName, "random"))
          Strategy = TPlayerStrategy::psRandom;
        else if (!std::strcmp(StrategyName, "water"))
          Strategy = TPlayerStrategy::psWater;
        else if (!(PlayerLevel = LevelNamed(StrategyName)))
          return Usage();
      } else if (Arg == "--level" && HasValue) {
        LevelName = Argv[++I];
        const auto Named = LevelNamed(LevelName);
        if (!Named)
          return Usage();
        Level = *Named;
      } else if (Arg == "--fleet" && HasValue) {
        FleetName = Argv[++I];
        const auto Named = PlacementNamed(FleetName);
        if (!Named)
          return Usage();
        Fleet = *Named;
      } else if (Arg == "--fleets-per-shot" && HasValue) {
        StrongFleets = std::stoi(Argv[++I]);
      } else if (Arg == "--count-places") {
        StrongCounts = true;
      } else if (Arg == "--table")
        Table = true;
      else if (Arg == "--json")
        Json = true;
      else if (Arg == "--survey" && HasValue)
        SurveyCount = std::stoll(Argv[++I]);
      else
        return Usage();
    } catch (const std::exception&) {
      return Usage();
    }
  }
  if (Games < 1 || Games > 100'000'000)
    return Usage();

  if (Seed)
    TClock::SetCounter([Next = static_cast<uint64_t>(*Seed)]() mutable { return Next++; });
  if (SurveyCount > 0)
    return SurveyCount <= 10'000'000 ? Survey(SurveyCount) : Usage();
  const uint64_t PlayerSeed = Seed ? *Seed ^ 0x5A17'0A5A17'0Aull : TClock::ReadCounter();
  if (Table)
    return PrintTable(static_cast<int>(Games), PlayerSeed);
  TSimulator Simulator(Strategy, PlayerSeed);
  Simulator.FLevel = Level;
  Simulator.FPlayerLevel = PlayerLevel;
  Simulator.FPlayerFleet = Fleet;
  Simulator.FStrongFleets = StrongFleets;
  Simulator.FStrongCounts = StrongCounts;
  const TSimFigures F = Simulator.Run(static_cast<int>(Games));
  const TStats Think = Summarise(F.ThinkMs);
  const TStats ThinkCpu = Summarise(F.ThinkCpuMs);

  const TStats Computer = Summarise(F.ComputerShotsWon);
  const TStats Player = Summarise(F.PlayerShotsWon);
  const TStats Calls = Summarise(F.PlacementCalls);
  const TStats Ms = Summarise(F.PlacementMs);
  const TStats Wait = Summarise(F.ArrangementMs);
  const double TotalCalls = std::accumulate(F.PlacementCalls.begin(), F.PlacementCalls.end(), 0.0);
  auto ShareOfCalls = [TotalCalls](int Count) { return TotalCalls > 0 ? Count / TotalCalls : 0; };
  const double ComputerShare =
      F.Games ? static_cast<double>(F.ComputerShotsWon.size()) / F.Games : 0;

  struct TLine {
    const char* Name;
    double Value;
    int Decimals;
  };
  const TLine Lines[] = {
      {"games", static_cast<double>(F.Games), 0},
      {"games_per_second", F.Seconds > 0 ? F.Games / F.Seconds : 0, 0},
      {"computer_wins", static_cast<double>(F.ComputerShotsWon.size()), 0},
      {"computer_win_share", ComputerShare, 4},
      {"computer_shots_per_won_game_mean", Computer.Mean, 2},
      {"computer_shots_per_won_game_stddev", Computer.StdDev, 2},
      {"computer_shots_per_won_game_stderr", Computer.StdErr, 3},
      {"computer_shots_per_won_game_median", Computer.Median, 1},
      {"computer_shots_per_won_game_p90", Computer.P90, 0},
      {"computer_shots_per_won_game_min", Computer.Min, 0},
      {"computer_shots_per_won_game_max", Computer.Max, 0},
      {"player_wins", static_cast<double>(F.PlayerShotsWon.size()), 0},
      {"player_shots_per_won_game_mean", Player.Mean, 2},
      {"player_shots_per_won_game_median", Player.Median, 1},
      {"player_shots_per_won_game_min", Player.Min, 0},
      {"player_shots_per_won_game_max", Player.Max, 0},
      {"placement_calls_per_start_mean", Calls.Mean, 4},
      {"placement_calls_per_start_max", Calls.Max, 0},
      {"placement_given_up", static_cast<double>(F.PlacementGivenUp), 0},
      {"placement_given_up_share", ShareOfCalls(F.PlacementGivenUp), 4},
      {"placement_out_of_time", static_cast<double>(F.PlacementOutOfTime), 0},
      {"placement_out_of_time_share", ShareOfCalls(F.PlacementOutOfTime), 4},
      {"placement_success_ms_mean", Ms.Mean, 4},
      {"placement_success_ms_p99", Ms.P99, 4},
      {"placement_success_ms_max", Ms.Max, 4},
      {"start_of_battle_wait_ms_mean", Wait.Mean, 1},
      {"start_of_battle_wait_ms_p99", Wait.P99, 1},
      {"start_of_battle_wait_ms_max", Wait.Max, 1},
      {"computer_think_ms_mean", Think.Mean, 3},
      {"computer_think_ms_p99", Think.P99, 3},
      {"computer_think_ms_max", Think.Max, 3},
      {"computer_think_cpu_ms_mean", ThinkCpu.Mean, 3},
      {"computer_think_cpu_ms_p99", ThinkCpu.P99, 3},
      {"computer_think_cpu_ms_max", ThinkCpu.Max, 3},
      {"shots", static_cast<double>(F.Shots), 0},
      {"shots_checked", static_cast<double>(F.ShotsChecked), 0},
      {"invariant_violations", static_cast<double>(F.Violations.size()), 0},
  };

  for (const auto& V : F.Violations)
    if (!V.empty())
      std::fprintf(stderr, "violation: %s\n", V.c_str());
  if (Json) {
    std::printf("{\"level\": \"%s\", \"player\": \"%s\", \"fleet\": \"%s\"", LevelName,
                StrategyName, FleetName);
    for (const auto& L : Lines)
      std::printf(", \"%s\": %.*f", L.Name, L.Decimals, L.Value);
    std::printf("}\n");
  } else {
    std::printf("level: %s\nplayer: %s\nfleet: %s\n", LevelName, StrategyName, FleetName);
    for (const auto& L : Lines)
      std::printf("%s: %.*f\n", L.Name, L.Decimals, L.Value);
  }
  return F.Violations.empty() ? 0 : 1;
}
