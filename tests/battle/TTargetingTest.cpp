// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TTargeting.h"

#include "TPinnedRandom.h"
#include "TShip.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace {

using TCellSet = std::set<std::pair<int, int>>;

struct TTargetingTest : testing::Test {
  TBoard Board;
  TTargeting Targeting;
  std::vector<std::unique_ptr<TShip>> Ships;
  TPinnedRandom Random{100};

  TShip& Place(int Size, TPoint Head, bool Vertical) {
    auto& Ship = *Ships.emplace_back(std::make_unique<TShip>(nullptr, nullptr, Size));
    Ship.SetBoard(&Board);
    Ship.FVertical = Vertical;
    Ship.MoveTo(Head);
    return Ship;
  }
  void HitDeck(TPoint Cell, bool Wounded = true) {
    Board[Cell].Ship->Hit();
    Board[Cell].IsHit = true;
    if (Wounded)
      Targeting.FWounded.push_back(Cell);
  }
  // The picks of many calls, each from a fresh seed, with the axis guess reset after each.
  TCellSet Picks(int Calls, int32_t Axis, bool& AllFound) {
    TCellSet Seen;
    AllFound = true;
    for (int I = 0; I < Calls; ++I) {
      Targeting.FHuntAxis = Axis;
      int32_t X = -1, Y = -1;
      AllFound &= Targeting.PickNearWounded(Board, X, Y);
      Seen.insert({X, Y});
    }
    return Seen;
  }
};

} // namespace

TEST_F(TTargetingTest, StepsTableTriesOneAxisFirstInEachOrder) {
  for (int Row = 0; Row < 4; ++Row) {
    const auto& Steps = TTargeting::HuntSteps[Row];
    const bool AlongX = Row < 2;
    EXPECT_EQ(Steps[0].X != 0, AlongX);
    EXPECT_EQ(Steps[1].X, -Steps[0].X);
    EXPECT_EQ(Steps[1].Y, -Steps[0].Y);
    EXPECT_EQ(Steps[2].X != 0, !AlongX);
  }
  EXPECT_EQ(TTargeting::HuntSteps[0][0], (TPoint{1, 0}));
  EXPECT_EQ(TTargeting::HuntSteps[3][0], (TPoint{0, -1}));
}

// With no axis all four neighbours come first in some order; known water is passed over.
TEST_F(TTargetingTest, FirstHitLeadsToAnyOpenNeighbour) {
  Place(3, {4, 4}, false);
  HitDeck({5, 4});
  Board(5, 3).State = csMiss;
  bool Found = false;
  const TCellSet Seen = Picks(200, TTargeting::axNone, Found);
  EXPECT_TRUE(Found);
  EXPECT_EQ(Seen, (TCellSet{{4, 4}, {6, 4}, {5, 5}}));
}

TEST_F(TTargetingTest, NeighboursOffTheBoardArePassedOver) {
  Place(2, {0, 0}, true);
  HitDeck({0, 0});
  bool Found = false;
  const TCellSet Seen = Picks(100, TTargeting::axNone, Found);
  EXPECT_TRUE(Found);
  EXPECT_EQ(Seen, (TCellSet{{1, 0}, {0, 1}}));
}

// Picking an unshot deck teaches the axis; picking water does not.
TEST_F(TTargetingTest, AxisIsLearntFromTheDeckPicked) {
  Place(2, {3, 3}, true);
  HitDeck({3, 3});
  std::set<int32_t> AxesAfterDeck, AxesAfterWater;
  for (int I = 0; I < 100; ++I) {
    Targeting.FHuntAxis = TTargeting::axNone;
    int32_t X, Y;
    ASSERT_TRUE(Targeting.PickNearWounded(Board, X, Y));
    (Board(X, Y).State == csShip ? AxesAfterDeck : AxesAfterWater).insert(Targeting.FHuntAxis);
  }
  EXPECT_EQ(AxesAfterDeck, (std::set<int32_t>{TTargeting::axY}));
  EXPECT_EQ(AxesAfterWater, (std::set<int32_t>{TTargeting::axNone}));
}

// With the axis known, the cells across it are never tried, even when they are open.
TEST_F(TTargetingTest, KnownAxisTriesOnlyTheNeighboursAlongIt) {
  Place(4, {2, 6}, false);
  HitDeck({3, 6});
  HitDeck({4, 6});
  bool Found = false;
  EXPECT_EQ(Picks(100, TTargeting::axX, Found), (TCellSet{{2, 6}, {5, 6}}));
  EXPECT_TRUE(Found);

  Board(2, 6).IsHit = true; // both ends now hit, the cells across still open
  Board(5, 6).IsHit = true;
  Targeting.FHuntAxis = TTargeting::axX;
  int32_t X, Y;
  EXPECT_FALSE(Targeting.PickNearWounded(Board, X, Y));
}

// The list is walked forwards or backwards at random, so either wound may lead.
TEST_F(TTargetingTest, EitherEndOfTheWoundedListMayLead) {
  Place(4, {1, 8}, false);
  HitDeck({1, 8});
  HitDeck({4, 8});
  bool Found = false;
  const TCellSet Seen = Picks(100, TTargeting::axX, Found);
  EXPECT_EQ(Seen, (TCellSet{{0, 8}, {2, 8}, {3, 8}, {5, 8}}));
}

// Known water and every cell of a damaged or sunk ship are never chosen at random.
TEST_F(TTargetingTest, RandomChoiceSkipsKnownWaterAndShipsAlreadyHit) {
  TShip& Intact = Place(1, {0, 0}, false);
  TShip& Damaged = Place(2, {5, 5}, false);
  TShip& Sunk = Place(1, {9, 9}, false);
  HitDeck({5, 5}, false);
  HitDeck({9, 9}, false);
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y)
      if (Board(X, Y).State == csEmpty && X + Y > 2)
        Board(X, Y).State = csMiss;
  ASSERT_EQ(Damaged.FState, ssDamaged);
  ASSERT_EQ(Sunk.FState, ssSunk);
  TCellSet Seen;
  for (int I = 0; I < 200; ++I) {
    const TPoint P = Targeting.RandomTarget(Board);
    Seen.insert({P.X, P.Y});
  }
  EXPECT_EQ(Seen, (TCellSet{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {0, 2}}));
  EXPECT_EQ(Board(0, 0).Ship, &Intact);
}

TEST_F(TTargetingTest, ChoiceFallsBackToRandomWhenNothingIsWounded) {
  Place(1, {7, 7}, false);
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y)
      if (Board(X, Y).State == csEmpty)
        Board(X, Y).State = csMiss;
  EXPECT_EQ(Targeting.ChooseTarget(Board), (TPoint{7, 7}));
}
