// salvora-sim: plays whole games without a screen and prints what they measured.
//
//   salvora-sim [--games N] [--seed S] [--player random|water] [--json]
//
// With --seed the random source is seeded from a counter that starts at S instead of the
// clock, so that two runs print the same game figures. The placement's time limit runs on a
// simulated tick count (see TSimulator.h). The exit status is 1 when an invariant of the
// game was violated.

#include "TClock.h"
#include "TSimulator.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <optional>
#include <string>

namespace {

struct TStats {
  double Mean = 0, Median = 0, P99 = 0, Min = 0, Max = 0;
};

template <typename T>
TStats Summarise(std::vector<T> Values) {
  TStats S;
  if (Values.empty())
    return S;
  std::sort(Values.begin(), Values.end());
  const size_t N = Values.size();
  S.Mean = std::accumulate(Values.begin(), Values.end(), 0.0) / static_cast<double>(N);
  S.Median = N % 2 ? Values[N / 2] : (Values[N / 2 - 1] + Values[N / 2]) / 2.0;
  S.P99 = Values[std::min(N - 1, static_cast<size_t>(0.99 * static_cast<double>(N)))];
  S.Min = Values.front();
  S.Max = Values.back();
  return S;
}

int Usage() {
  std::fprintf(stderr,
               "usage: salvora-sim [--games N] [--seed S] [--player random|water] [--json]\n");
  return 2;
}

} // namespace

int main(int Argc, char** Argv) {
  long long Games = 1000;
  std::optional<unsigned long long> Seed;
  TPlayerStrategy Strategy = TPlayerStrategy::psRandom;
  const char* StrategyName = "random";
  bool Json = false;
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
        else
          return Usage();
      } else if (Arg == "--json")
        Json = true;
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
  TSimulator Simulator(Strategy, Seed ? *Seed ^ 0x5A17'0A5A17'0Aull : TClock::ReadCounter());
  const TSimFigures F = Simulator.Run(static_cast<int>(Games));

  const TStats Computer = Summarise(F.ComputerShotsWon);
  const TStats Player = Summarise(F.PlayerShotsWon);
  const TStats Calls = Summarise(F.PlacementCalls);
  const TStats Ms = Summarise(F.PlacementMs);
  const TStats Wait = Summarise(F.ArrangementMs);
  const double Timeouts = static_cast<double>(F.PlacementTimeouts);
  const double TotalCalls = std::accumulate(F.PlacementCalls.begin(), F.PlacementCalls.end(), 0.0);
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
      {"computer_shots_per_won_game_median", Computer.Median, 1},
      {"computer_shots_per_won_game_min", Computer.Min, 0},
      {"computer_shots_per_won_game_max", Computer.Max, 0},
      {"player_wins", static_cast<double>(F.PlayerShotsWon.size()), 0},
      {"player_shots_per_won_game_mean", Player.Mean, 2},
      {"player_shots_per_won_game_median", Player.Median, 1},
      {"player_shots_per_won_game_min", Player.Min, 0},
      {"player_shots_per_won_game_max", Player.Max, 0},
      {"placement_calls_per_arrangement_mean", Calls.Mean, 4},
      {"placement_calls_per_arrangement_max", Calls.Max, 0},
      {"placement_timeouts", Timeouts, 0},
      {"placement_timeout_share", TotalCalls > 0 ? Timeouts / TotalCalls : 0, 4},
      {"placement_success_ms_mean", Ms.Mean, 4},
      {"placement_success_ms_p99", Ms.P99, 4},
      {"placement_success_ms_max", Ms.Max, 4},
      {"start_of_battle_wait_ms_mean", Wait.Mean, 1},
      {"start_of_battle_wait_ms_p99", Wait.P99, 1},
      {"start_of_battle_wait_ms_max", Wait.Max, 1},
      {"invariant_violations", static_cast<double>(F.Violations.size()), 0},
  };

  for (const auto& V : F.Violations)
    if (!V.empty())
      std::fprintf(stderr, "violation: %s\n", V.c_str());
  if (Json) {
    std::printf("{\"player\": \"%s\"", StrategyName);
    for (const auto& L : Lines)
      std::printf(", \"%s\": %.*f", L.Name, L.Decimals, L.Value);
    std::printf("}\n");
  } else {
    std::printf("player: %s\n", StrategyName);
    for (const auto& L : Lines)
      std::printf("%s: %.*f\n", L.Name, L.Decimals, L.Value);
  }
  return F.Violations.empty() ? 0 : 1;
}
