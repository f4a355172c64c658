// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "BoardGeometry.h"
#include "TBattleController.h"
#include "TFakeScreen.h"
#include "TFleetSampler.h"
#include "TPinnedRandom.h"
#include "TRandomSource.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Two fleets of the player, heads by fleet index, all horizontal but fleet B's four-decker.
// They answer alike to the shots below and differ everywhere else.
const TPoint FleetA[10] = {{9, 8}, {7, 8}, {5, 8}, {8, 6}, {5, 6},
                           {8, 4}, {5, 4}, {5, 2}, {5, 0}, {0, 0}};
const TPoint FleetB[10] = {{9, 8}, {0, 9}, {5, 8}, {8, 6}, {0, 7},
                           {8, 4}, {5, 4}, {5, 2}, {5, 0}, {1, 0}};
// The shots the computer has fired: water, the one-decker sunk at К-10, the four-decker hit
// once at А-2.
const TPoint Misses[] = {{0, 5}, {3, 3}, {2, 7}, {4, 9}};
const TPoint Hits[] = {{9, 8}, {1, 0}};

// The computer's next shot in a battle where the player's fleet stands at Heads and the
// computer has had the answers above.
TPoint NextShot(TComputerLevel Level, const TPoint (&Heads)[10], bool VerticalFour) {
  TFakeScreen Screen;
  Screen.FRecord = false;
  TBattleController Game(Screen, {});
  TPinnedRandom Random(11);
  Game.FormShow();
  Game.FShooter = MakeShooter(Level);
  Game.FFleets.ClearBoard(Game.FMyBoard);
  for (int I = 9; I >= 0; --I) {
    TShip& Ship = Game.FFleets.MyShip(I);
    Ship.SetBoard(&Game.FMyBoard);
    Ship.FVertical = I == 9 && VerticalFour;
    EXPECT_TRUE(Ship.MoveTo(Heads[I]));
  }
  Game.StartBattle();
  EXPECT_TRUE(Game.FBattle); // both fleets legal
  for (TPoint Cell : Misses)
    Game.FMyBoard[Cell].State = csMiss;
  for (TPoint Cell : Hits) {
    TCell& C = Game.FMyBoard[Cell];
    C.Ship->Hit();
    C.IsHit = true;
    if (C.Ship->FState == ssSunk)
      C.Ship->MarkSurroundings();
  }
  // The player misses at a cell the computer's fleet leaves free; then the computer fires.
  Game.FFleets.ClearBoard(Game.FEnemyBoard);
  Game.FFleets.EnemyShip(0).SetBoard(&Game.FEnemyBoard);
  Game.FFleets.EnemyShip(0).MoveTo({9, 9});
  const TPoint Pixel = CellToPixel({0, 0});
  Game.EnemyBoardPress({Pixel.X + 5, Pixel.Y + 5});
  EXPECT_TRUE(Screen.FinishCannon(Game));
  Random.Pin(500);
  EXPECT_TRUE(Screen.FinishCannon(Game));
  return Game.FEnemyLastShot;
}

} // namespace

// The levels know only the answers to their own shots: two fleets that answered alike get the
// same next shot. Guards against a level reading the player's unshot decks.
TEST(TLevelsTest, TwoFleetsThatAnsweredAlikeGetTheSameNextShot) {
  for (TComputerLevel Level : {TComputerLevel::clGentle, TComputerLevel::clStrong}) {
    SCOPED_TRACE(static_cast<int>(Level));
    const TPoint A = NextShot(Level, FleetA, false);
    const TPoint B = NextShot(Level, FleetB, true);
    EXPECT_EQ(A, B);
  }
}

namespace {

// A board drawn as ten rows: '#' a deck of a sunk ship, '.' known water, 'x' a hit of a ship
// afloat, '?' unknown.
TShotBoard Drawn(const std::vector<std::string>& Rows) {
  TShotBoard Seen;
  for (int Y = 0; Y < 10; ++Y)
    for (int X = 0; X < 10; ++X)
      Seen.At(X, Y) = Rows[Y][X] == '#'   ? seSunk
                      : Rows[Y][X] == '.' ? seWater
                      : Rows[Y][X] == 'x' ? seHit
                                          : seUnknown;
  return Seen;
}

using TMask = TFleetSampler::TMask;

// Every fleet of the ships of Sizes (from index I on) that agrees with the board, counted
// with a deck at each cell: the exact odds, by brute force.
void CountFleets(const TShotBoard& Seen, const std::vector<int>& Sizes, size_t I, TMask Taken,
                 TMask Decks, std::vector<TMask>& Ships, std::array<double, 100>& Odds,
                 double& Total) {
  if (I == Sizes.size()) {
    for (int C = 0; C < 100; ++C)
      if (Seen.Cells[C] == seHit && !(Decks & TFleetSampler::Bit(C)))
        return; // a hit left without its ship
    for (TMask Ship : Ships) {
      bool AllHit = true;
      for (int C = 0; C < 100; ++C)
        if ((Ship & TFleetSampler::Bit(C)) && Seen.Cells[C] != seHit)
          AllHit = false;
      if (AllHit)
        return; // it would have sunk
    }
    for (int C = 0; C < 100; ++C)
      Odds[C] += (Decks & TFleetSampler::Bit(C)) ? 1 : 0;
    Total += 1;
    return;
  }
  for (const auto& P : TFleetSampler::Places(Sizes[I])) {
    bool Open = !(P.Cells & Taken);
    for (int C = 0; C < 100 && Open; ++C)
      if ((P.Cells & TFleetSampler::Bit(C)) && Seen.Cells[C] != seUnknown && Seen.Cells[C] != seHit)
        Open = false;
    if (!Open)
      continue;
    Ships.push_back(P.Cells);
    CountFleets(Seen, Sizes, I + 1, Taken | P.Halo, Decks | P.Cells, Ships, Odds, Total);
    Ships.pop_back();
  }
}

} // namespace

// The weighed draws give every consistent fleet the same weight: their odds match the exact
// count. Guards against a weight left out (the plain "each ship among what is free" draw
// crowds the ships into the open) and against a wounded ship drawn wrongly.
TEST(TLevelsTest, WeighedFleetsGiveTheExactOdds) {
  const struct {
    std::vector<std::string> Rows;
    std::vector<int> Afloat;
  } Cases[] = {
      {{"####.###.#", "..........", "###.##.##.", "..........", "#.#.......", "..........",
        "?????.....", "?????.....", "???.......", "??????...."},
       {2, 1}},
      {{"####.###.#", "..........", "###.##....", "..........", "#.#.......", "..........",
        "??????????", "???x??????", "??????????", "??????...."},
       {2, 2, 1}},
      // The hit may be the three-decker's or either two-decker's.
      {{"####.###.#", "..........", "#.#.##....", "..........", "#.........", "..........",
        "??????????", "????x?????", "??????????", "???????..."},
       {3, 2, 2}},
  };
  TRandomSource Random;
  Random.Seed(3);
  for (const auto& Case : Cases) {
    const TShotBoard Seen = Drawn(Case.Rows);
    std::array<double, 100> Exact{}, Sampled{};
    double ExactTotal = 0;
    std::vector<TMask> Ships;
    CountFleets(Seen, Case.Afloat, 0, 0, 0, Ships, Exact, ExactTotal);
    ASSERT_GT(ExactTotal, 0);
    const double Total = TFleetSampler::DeckOdds(Seen, 20000, Sampled, Random);
    ASSERT_GT(Total, 0);
    for (int C = 0; C < 100; ++C) {
      SCOPED_TRACE(C);
      EXPECT_NEAR(Sampled[C] / Total, Exact[C] / ExactTotal, 0.01);
    }
  }
}
