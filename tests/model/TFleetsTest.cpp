// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TFleets.h"

#include "TClock.h"
#include "TRandomSource.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct TFleetsTest : testing::Test {
  TFleets Fleets;
  uint64_t Counter = 1;

  void SetUp() override {
    Fleets.CreateFleets({});
    TClock::SetCounter([this] { return Counter++; });
  }
  void TearDown() override {
    TClock::SetCounter({});
    TClock::SetTickCount({});
  }
};

} // namespace

TEST_F(TFleetsTest, FleetsHoldTheirShipsInSizeOrder) {
  const int Expected[] = {1, 1, 1, 1, 2, 2, 2, 3, 3, 4};
  for (int I = 0; I < TFleets::ShipCount; ++I)
    EXPECT_EQ(Fleets.Ship(I).FSize, Expected[I % 10]) << I;
}

TEST_F(TFleetsTest, LineUpPutsOneShipPerRowFromColumnZero) {
  for (int Round = 0; Round < 2; ++Round) {
    TShip* Selected = Fleets.LineUpPlayerFleet();
    EXPECT_EQ(Selected, &Fleets.MyShip(9));
    for (int I = 0; I < 10; ++I) {
      const TShip& Ship = Fleets.MyShip(I);
      EXPECT_EQ(Ship.FPos, (TPoint{0, 9 - I}));
      EXPECT_FALSE(Ship.FVertical);
    }
    EXPECT_EQ(Fleets.FirstShipWithoutClearance(), &Fleets.MyShip(0));
    // Whatever the game did, the next line-up starts from a cleared board.
    Fleets.MyShip(9).Rotate();
    Fleets.MyShip(0).MoveTo({5, 5});
    Fleets.MyShip(4).Hit();
    Fleets.ClearBoard(Fleets.FMyBoard);
  }
}

TEST_F(TFleetsTest, ClearBoardResetsDamagedAndSunkShipsAndEmptiesEveryCell) {
  Fleets.LineUpPlayerFleet();
  TShip& Two = Fleets.MyShip(4);
  Two.Hit();
  Two.Hit();
  Fleets.FMyBoard(0, 5).IsHit = true;
  Two.MarkSurroundings();
  Fleets.MyShip(7).Hit();
  Fleets.ClearBoard(Fleets.FMyBoard);
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y) {
      const TCell& Cell = Fleets.FMyBoard(X, Y);
      EXPECT_EQ(Cell.State, csEmpty);
      EXPECT_EQ(Cell.Ship, nullptr);
      EXPECT_FALSE(Cell.IsHead);
      EXPECT_FALSE(Cell.IsHit);
    }
  for (int I = 0; I < 10; ++I) {
    const TShip& Ship = Fleets.MyShip(I);
    EXPECT_EQ(Ship.FPos, (TPoint{-1, -1}));
    EXPECT_EQ(Ship.FState, ssIntact);
    EXPECT_EQ(Ship.FHits, 0);
    EXPECT_FALSE(Ship.FVertical);
    EXPECT_EQ(Ship.FBoard, &Fleets.FMyBoard);
  }
}

// Ships are tested in fleet order, the smallest first.
TEST_F(TFleetsTest, TheFirstTouchingShipInFleetOrderIsReported) {
  Fleets.LineUpPlayerFleet();
  const TPoint Spread[] = {{9, 8}, {7, 8}, {5, 8}, {8, 6}, {5, 6},
                           {8, 4}, {5, 4}, {5, 2}, {5, 0}, {0, 0}};
  for (int I = 8; I >= 0; --I)
    ASSERT_TRUE(Fleets.MyShip(I).MoveTo(Spread[I])) << I;
  EXPECT_EQ(Fleets.FirstShipWithoutClearance(), nullptr);
  ASSERT_TRUE(Fleets.MyShip(4).MoveTo({1, 1})); // a two-decker under the four-decker
  EXPECT_EQ(Fleets.FirstShipWithoutClearance(), &Fleets.MyShip(4));
}

TEST_F(TFleetsTest, RandomPlacementLeavesTenClearIntactShips) {
  uint32_t Now = 0;
  TClock::SetTickCount([&] { return Now++; }); // a millisecond per reading
  for (int Round = 0; Round < 30; ++Round) {
    while (!Fleets.PlaceEnemyFleet())
      Fleets.ClearBoard(Fleets.FEnemyBoard);
    int Decks = 0;
    for (int X = 0; X < 10; ++X)
      for (int Y = 0; Y < 10; ++Y) {
        const TCell& Cell = Fleets.FEnemyBoard(X, Y);
        Decks += Cell.State == csShip;
        EXPECT_NE(Cell.State, csMiss);
        EXPECT_FALSE(Cell.IsHit);
      }
    EXPECT_EQ(Decks, 20);
    for (int I = 0; I < 10; ++I) {
      const TShip& Ship = Fleets.EnemyShip(I);
      EXPECT_TRUE(Ship.HasClearance());
      EXPECT_EQ(Ship.FState, ssIntact);
      EXPECT_EQ(Ship.FBoard, &Fleets.FEnemyBoard);
    }
    Fleets.ClearBoard(Fleets.FEnemyBoard);
  }
}

namespace {

// One-deckers standing so that every other cell touches one of them: no ship of the fleet
// can ever stand, and each attempt shows where the walk goes.
struct TBlockedBoard {
  std::vector<std::unique_ptr<TShip>> Blockers;
  explicit TBlockedBoard(TBoard& Board) {
    for (int X : {1, 4, 7, 9})
      for (int Y : {1, 4, 7, 9}) {
        auto& Ship = *Blockers.emplace_back(std::make_unique<TShip>(nullptr, nullptr, 1));
        Ship.SetBoard(&Board);
        Ship.MoveTo({X, Y});
      }
  }
};

} // namespace

// A ship that can stand nowhere is given up after one round of its diagonal, without waiting
// for the time limit.
TEST_F(TFleetsTest, HopelessShipIsGivenUpAfterOneRound) {
  TBlockedBoard Blocked(Fleets.FEnemyBoard);
  int Reads = 0;
  TClock::SetTickCount([&] { return static_cast<uint32_t>(Reads++); });
  EXPECT_FALSE(Fleets.PlaceEnemyFleet());
  EXPECT_EQ(Fleets.FLastEnd, TPlacementEnd::peHopeless);
  EXPECT_EQ(Fleets.FLastAttempts, TFleets::OutlookAfter);
  EXPECT_EQ(Reads, TFleets::OutlookAfter); // the start, then after every failure but the last
}

// The candidates of one ship run along a wrapped diagonal, both coordinates at once; a ship
// left to walk runs until the time limit.
TEST_F(TFleetsTest, PlacementWalksOneWrappedDiagonalUntilTheTimeLimit) {
  TBlockedBoard Blocked(Fleets.FEnemyBoard);
  Fleets.FGiveUpHopeless = false;
  std::vector<TPoint> Heads;
  int Reads = 0;
  TClock::SetTickCount([&] {
    // Until its first move the ship is off the board: the walk began on a blocker.
    if (Reads++ > 0 && Fleets.EnemyShip(0).OnBoard())
      Heads.push_back(Fleets.EnemyShip(0).FPos);
    return Reads <= 40 ? 1000u : 2501u;
  });
  EXPECT_FALSE(Fleets.PlaceEnemyFleet());
  ASSERT_EQ(Reads, 41); // the start, then one reading after each of 40 failed attempts
  ASSERT_GT(Heads.size(), 30u);
  int Moves = 0;
  for (size_t I = 1; I < Heads.size(); ++I) {
    if (Heads[I] == Heads[I - 1])
      continue; // a blocker's cell: the ship stays
    ++Moves;
    const int DX = (Heads[I].X - Heads[I - 1].X + 10) % 10,
              DY = (Heads[I].Y - Heads[I - 1].Y + 10) % 10;
    EXPECT_EQ(DX, DY);
    EXPECT_EQ((Heads[I].X - Heads[I].Y + 10) % 10, (Heads[0].X - Heads[0].Y + 10) % 10);
  }
  EXPECT_GT(Moves, 10);
  EXPECT_EQ(Fleets.EnemyShip(1).FPos, (TPoint{-1, -1})); // the first ship never stood
}

// The limit is on the unsigned difference of two 32-bit readings, so the wrap of the tick
// count neither ends a placement early nor lets it run for ever.
TEST_F(TFleetsTest, TimeLimitSurvivesTheWrapOfTheTickCount) {
  TBlockedBoard Blocked(Fleets.FEnemyBoard);
  Fleets.FGiveUpHopeless = false;
  uint32_t Now = 0xFFFFFF00u;
  int Reads = 0;
  TClock::SetTickCount([&] {
    ++Reads;
    const uint32_t Reading = Now;
    Now += 100;
    return Reading;
  });
  EXPECT_FALSE(Fleets.PlaceEnemyFleet());
  EXPECT_EQ(Reads, 17); // 1600 ms after the start is the first reading past 1500
  EXPECT_EQ(Fleets.FLastEnd, TPlacementEnd::peOutOfTime);
}

// Giving a ship up draws nothing and moves nothing: from the same seed, a placement that
// gives up early and one that walks on until a tenfold time limit make the same attempts, and
// stand the same fleet, whenever no ship is given up; and whenever one is, the walk never
// stands it either. Over a few thousand seeds about a third of the calls give up.
TEST_F(TFleetsTest, GivingUpChangesNoPlacementAndGivesUpOnlyWhatNeverStands) {
  TFleets Walking;
  Walking.CreateFleets({});
  Walking.FGiveUpHopeless = false;
  uint32_t Reads = 0;
  TClock::SetTickCount([&] { return Reads++ / 10; }); // 15,000 attempts before the limit
  int GivenUp = 0;
  const int Seeds = 3000;
  for (int Seed = 1; Seed <= Seeds; ++Seed) {
    Counter = static_cast<uint64_t>(Seed) << 20;
    TRandomSource::Instance().Seed(0); // the count of re-seeds afresh
    Fleets.ClearBoard(Fleets.FEnemyBoard);
    const bool Stood = Fleets.PlaceEnemyFleet();
    Counter = static_cast<uint64_t>(Seed) << 20;
    TRandomSource::Instance().Seed(0); // the count of re-seeds afresh
    Walking.ClearBoard(Walking.FEnemyBoard);
    Reads = 0;
    const bool WalkStood = Walking.PlaceEnemyFleet();
    ASSERT_NE(Fleets.FLastEnd, TPlacementEnd::peOutOfTime) << "seed " << Seed;
    if (!Stood) {
      ++GivenUp;
      ASSERT_FALSE(WalkStood) << "seed " << Seed << ": given up, but the walk stood it";
      ASSERT_GT(Walking.FLastAttempts, Fleets.FLastAttempts);
      continue;
    }
    ASSERT_TRUE(WalkStood) << "seed " << Seed;
    ASSERT_EQ(Walking.FLastAttempts, Fleets.FLastAttempts) << "seed " << Seed;
    for (int I = 0; I < TFleets::FleetSize; ++I) {
      ASSERT_EQ(Walking.EnemyShip(I).FPos, Fleets.EnemyShip(I).FPos) << "seed " << Seed;
      ASSERT_EQ(Walking.EnemyShip(I).FVertical, Fleets.EnemyShip(I).FVertical) << "seed " << Seed;
    }
  }
  EXPECT_GT(GivenUp, Seeds / 5);
  EXPECT_LT(GivenUp, Seeds / 2);
}
