// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TShip.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A board with ships on it, counting each ship's change notifications.
struct TShipTest : testing::Test {
  TBoard Board;
  std::vector<std::unique_ptr<TShip>> Ships;
  std::vector<int> Changes;

  TShip& Place(int Size, TPoint Head, bool Vertical = false) {
    auto& Ship = *Ships.emplace_back(std::make_unique<TShip>(nullptr, nullptr, Size));
    Ship.SetBoard(&Board);
    if (Vertical)
      Ship.FVertical = true;
    EXPECT_TRUE(Ship.MoveTo(Head));
    const auto Index = Changes.size();
    Changes.push_back(0);
    Ship.FOnChange = [this, Index](TShip&) { ++Changes[Index]; };
    return Ship;
  }
  int ShipCells() const {
    int N = 0;
    for (auto& Column : Board.Cells)
      for (auto& Cell : Column)
        N += Cell.State == csShip;
    return N;
  }
};

} // namespace

TEST_F(TShipTest, CreatedShipIsOffTheBoardHorizontalAndIntact) {
  TShip Ship(nullptr, nullptr, 3);
  EXPECT_EQ(Ship.FPos, (TPoint{-1, -1}));
  EXPECT_FALSE(Ship.FVertical);
  EXPECT_EQ(Ship.FState, ssIntact);
  EXPECT_EQ(Ship.FBoard, nullptr);
  Ship.Reset(); // off the board: touches no cell
  EXPECT_EQ(Ship.FPos, (TPoint{-1, -1}));
}

TEST_F(TShipTest, PutWritesDecksAndMarksOnlyTheHead) {
  TShip& Ship = Place(3, {2, 4}, true);
  for (int K = 0; K < 3; ++K) {
    const TCell& Cell = Board(2, 4 + K);
    EXPECT_EQ(Cell.State, csShip);
    EXPECT_EQ(Cell.Ship, &Ship);
    EXPECT_EQ(Cell.IsHead, K == 0);
  }
  EXPECT_EQ(ShipCells(), 3);
}

// The far end is pulled back into the board; the near end is never tested.
TEST_F(TShipTest, MoveClampsOnlyTheFarEndAndNotifiesEvenWhenItEndsInPlace) {
  TShip& Ship = Place(4, {0, 5});
  EXPECT_TRUE(Ship.MoveTo({8, 5}));
  EXPECT_EQ(Ship.FPos, (TPoint{6, 5}));
  EXPECT_EQ(Changes[0], 1);
  EXPECT_TRUE(Ship.MoveTo({9, 5})); // lands on (6, 5) again, still a move
  EXPECT_EQ(Ship.FPos, (TPoint{6, 5}));
  EXPECT_EQ(Changes[0], 2);
  EXPECT_TRUE(Ship.MoveTo({6, 5})); // its own head: nothing happens
  EXPECT_EQ(Changes[0], 2);
  EXPECT_EQ(ShipCells(), 4);
  EXPECT_EQ(Board(5, 5).State, csEmpty);
}

TEST_F(TShipTest, OwnCellsDoNotBlockAMove) {
  TShip& Ship = Place(4, {0, 0});
  EXPECT_TRUE(Ship.MoveTo({1, 0}));
  EXPECT_EQ(Ship.FPos, (TPoint{1, 0}));
  EXPECT_EQ(Board(0, 0).State, csEmpty);
  EXPECT_EQ(Board(0, 0).Ship, nullptr);
  EXPECT_TRUE(Board(0, 0).IsHead); // stale, and harmless: the state says water
  EXPECT_TRUE(Board(1, 0).IsHead);
  EXPECT_EQ(Board(4, 0).Ship, &Ship);
}

// Overlap refuses a move; touching, even edge to edge, does not.
TEST_F(TShipTest, MoveOntoAnotherShipIsRefusedTouchingIsNot) {
  TShip& Other = Place(2, {5, 5});
  TShip& Ship = Place(3, {0, 0});
  EXPECT_FALSE(Ship.MoveTo({3, 5})); // (5, 5) is the other's deck
  EXPECT_EQ(Ship.FPos, (TPoint{0, 0}));
  EXPECT_EQ(Changes[1], 0);
  EXPECT_EQ(Board(5, 5).Ship, &Other);
  EXPECT_TRUE(Ship.MoveTo({2, 5})); // ends on (4, 5), touching
  EXPECT_TRUE(Ship.MoveTo({5, 6})); // the row below, touching along the edge
  EXPECT_EQ(ShipCells(), 5);
}

TEST_F(TShipTest, RotationTurnsAboutTheHeadAndSlidesBackFromTheEdge) {
  TShip& Three = Place(3, {7, 8});
  EXPECT_TRUE(Three.Rotate());
  EXPECT_TRUE(Three.FVertical);
  EXPECT_EQ(Three.FPos, (TPoint{7, 7}));
  EXPECT_EQ(Board(7, 9).Ship, &Three);
  EXPECT_EQ(Board(8, 8).State, csEmpty);
  EXPECT_EQ(Changes[0], 1);

  TShip& Four = Place(4, {3, 8});
  EXPECT_TRUE(Four.Rotate());
  EXPECT_EQ(Four.FPos, (TPoint{3, 6}));
  EXPECT_TRUE(Four.Rotate());
  EXPECT_FALSE(Four.FVertical);
  EXPECT_EQ(Four.FPos, (TPoint{3, 6}));
}

TEST_F(TShipTest, RotationOntoAnotherShipIsRefusedAndOneDeckerNeverTurns) {
  TShip& Blocker = Place(1, {2, 3});
  TShip& Ship = Place(3, {2, 1});
  EXPECT_FALSE(Ship.Rotate()); // would cover (2, 3)
  EXPECT_FALSE(Ship.FVertical);
  EXPECT_EQ(Changes[1], 0);
  EXPECT_TRUE(Blocker.Rotate());
  EXPECT_FALSE(Blocker.FVertical);
  EXPECT_EQ(Changes[0], 0);
}

TEST_F(TShipTest, HitsMakeTheShipDamagedThenSunk) {
  TShip& Two = Place(2, {0, 0});
  Two.Hit();
  EXPECT_EQ(Two.FState, ssDamaged);
  Two.Hit();
  EXPECT_EQ(Two.FState, ssSunk);
  TShip& One = Place(1, {5, 5});
  One.Hit();
  EXPECT_EQ(One.FState, ssSunk);
}

TEST_F(TShipTest, MarkSurroundingsMarksTheRingOnTheBoardOnly) {
  Place(2, {0, 0}).MarkSurroundings();
  std::vector<TPoint> Marked;
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y)
      if (Board(X, Y).State == csMiss)
        Marked.push_back({X, Y});
  EXPECT_EQ(Marked, (std::vector<TPoint>{{0, 1}, {1, 1}, {2, 0}, {2, 1}}));
  EXPECT_EQ(Board(0, 0).State, csShip);

  TShip& One = Place(1, {5, 5}, true);
  Board(4, 4).State = csMiss; // already known water stays so
  One.MarkSurroundings();
  int Ring = 0;
  for (int X = 4; X <= 6; ++X)
    for (int Y = 4; Y <= 6; ++Y)
      Ring += Board(X, Y).State == csMiss;
  EXPECT_EQ(Ring, 8);
  EXPECT_EQ(Board(5, 5).State, csShip);
}

TEST_F(TShipTest, MarkSurroundingsLeavesNeighbouringDecksAlone) {
  TShip& Ship = Place(1, {9, 9});
  TShip& Neighbour = Place(1, {8, 8});
  Ship.MarkSurroundings();
  EXPECT_EQ(Board(8, 8).State, csShip);
  EXPECT_EQ(Board(8, 8).Ship, &Neighbour);
  EXPECT_EQ(Board(9, 8).State, csMiss);
  EXPECT_EQ(Board(8, 9).State, csMiss);
}

// Clamped sides of the ring are dropped, so a ship at the edge never sees its own decks.
TEST_F(TShipTest, ClearanceSeesEveryRingCellIncludingCorners) {
  TShip& Corner = Place(4, {0, 0});
  EXPECT_TRUE(Corner.HasClearance());
  TShip& Diagonal = Place(1, {4, 1}); // below and right of the last deck
  EXPECT_FALSE(Corner.HasClearance());
  EXPECT_FALSE(Diagonal.HasClearance());
  EXPECT_TRUE(Diagonal.MoveTo({5, 1}));
  EXPECT_TRUE(Corner.HasClearance());

  TShip& Far = Place(3, {9, 7}, true); // in the bottom-right corner
  EXPECT_TRUE(Far.HasClearance());
  Place(1, {8, 6});
  EXPECT_FALSE(Far.HasClearance());
}

TEST_F(TShipTest, ClearanceOfAShipInTheMiddleTestsAllFourSides) {
  TShip& Ship = Place(2, {4, 4}, true);
  TShip& Probe = Place(1, {0, 0});
  const TPoint Ring[] = {{3, 3}, {4, 3}, {5, 3}, {3, 4}, {5, 4},
                         {3, 5}, {5, 5}, {3, 6}, {4, 6}, {5, 6}};
  for (TPoint P : Ring) {
    ASSERT_TRUE(Probe.MoveTo(P));
    EXPECT_FALSE(Ship.HasClearance()) << P.X << "," << P.Y;
  }
  ASSERT_TRUE(Probe.MoveTo({4, 7}));
  EXPECT_TRUE(Ship.HasClearance());
}

TEST_F(TShipTest, ResetEmptiesTheCellsAndRestoresTheStartingState) {
  TShip& Ship = Place(3, {1, 1}, true);
  Ship.Hit();
  Ship.Reset();
  EXPECT_EQ(Ship.FPos, (TPoint{-1, -1}));
  EXPECT_FALSE(Ship.FVertical);
  EXPECT_EQ(Ship.FState, ssIntact);
  EXPECT_EQ(Ship.FHits, 0);
  EXPECT_EQ(Ship.FBoard, &Board);
  EXPECT_EQ(ShipCells(), 0);
  EXPECT_EQ(Changes[0], 0);
}
