// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TBattleController.h"

#include "BoardGeometry.h"
#include "Invariants.h"
#include "Messages.h"
#include "TClock.h"
#include "TFakeScreen.h"
#include "TPinnedRandom.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using TLog = std::vector<std::string>;

namespace {

// Heads of a fleet in which no two ships touch, by fleet index.
const TPoint Spread[10] = {{9, 8}, {7, 8}, {5, 8}, {8, 6}, {5, 6},
                           {8, 4}, {5, 4}, {5, 2}, {5, 0}, {0, 0}};

const TLog Counters(int ShotsMy, int KilledMy, int ShotsEnemy, int KilledEnemy) {
  return {"Counter ShotsMy " + std::to_string(ShotsMy),
          "Counter KilledMy " + std::to_string(KilledMy),
          "Counter ShotsEnemy " + std::to_string(ShotsEnemy),
          "Counter KilledEnemy " + std::to_string(KilledEnemy)};
}

TLog Join(std::initializer_list<TLog> Parts) {
  TLog All;
  for (const auto& Part : Parts)
    All.insert(All.end(), Part.begin(), Part.end());
  return All;
}

// The cell a status line of the computer's shot names, (-1, -1) for any other line.
TPoint EnemyShotCell(const std::string& Line) {
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y)
      if (Line == "Status 1 " + FormatShot(msgEnemyLastShot, {X, Y}))
        return {X, Y};
  return {-1, -1};
}

// Whether a cell lies next to a deck of the ship (diagonals included) or on one.
bool Touches(const TShip& Ship, TPoint Cell) {
  for (int K = 0; K < Ship.FSize; ++K) {
    const TPoint Deck = Ship.Deck(K);
    if (std::abs(Deck.X - Cell.X) <= 1 && std::abs(Deck.Y - Cell.Y) <= 1)
      return true;
  }
  return false;
}

// A start of the clock counter whose first computer turn (after the player's miss at В-3)
// hits, sinks a ship and misses.
constexpr uint64_t TurnWithASinkingSeed = 35;

struct TBattleTest : testing::Test {
  TFakeScreen Screen;
  TBattleController Game{Screen, {}};
  TPinnedRandom Random{7};
  uint32_t Ticks = 0;

  void SetUp() override {
    TClock::SetTickCount([this] { return Ticks++; });
  }
  void TearDown() override { TClock::SetTickCount({}); }

  // Spreads the player's fleet, as a player would by moving the ships.
  void SpreadMyFleet() {
    for (int I = 8; I >= 0; --I)
      ASSERT_TRUE(Game.FFleets.MyShip(I).MoveTo(Spread[I]));
  }
  // Starts a battle and then stands the computer's fleet where the test knows it.
  void StartKnownBattle() {
    Game.FormShow();
    SpreadMyFleet();
    Game.StartBattle();
    ASSERT_TRUE(Game.FBattle);
    Game.FFleets.ClearBoard(Game.FEnemyBoard);
    for (int I = 9; I >= 0; --I)
      ASSERT_TRUE(Game.FFleets.EnemyShip(I).MoveTo(Spread[I]));
    Screen.TakeLog();
  }
  void Press(TPoint Cell) {
    const TPoint Pixel = CellToPixel(Cell);
    Game.EnemyBoardPress({Pixel.X + 5, Pixel.Y + 5});
  }
  // A press on a cell, then its cannon lands; the log of the landing.
  TLog ShootAndLand(TPoint Cell) {
    Press(Cell);
    EXPECT_EQ(Screen.TakeLog(), (TLog{"PlaySnd MyShot", "StartCannon My"}));
    EXPECT_TRUE(Game.FFiring);
    EXPECT_TRUE(Screen.FinishCannon(Game));
    return Screen.TakeLog();
  }
  std::string MyShot(TPoint Cell) { return "Status 0 " + FormatShot(msgMyLastShot, Cell); }
};

} // namespace

TEST_F(TBattleTest, FirstShowOpensSetUpWithTheFleetLinedUp) {
  Game.FormShow();
  const TLog Expected = Join({
      {"ResultCaption ", "HideResult", "RepaintWindow", "Status 0 ", "Status 1 "},
      Counters(0, 0, 0, 0),
      {"RemoveFires My", "RemoveFires Enemy"},
      TLog(20, "Repaint My"), // each of the ten ships attached, then moved
      {"Repaint My", "Repaint Enemy", "EnableStart", "SetupTimerOn"},
  });
  EXPECT_EQ(Screen.TakeLog(), Expected);
  EXPECT_TRUE(Game.FSetupMode);
  EXPECT_TRUE(Game.FBlinkOn);
  EXPECT_FALSE(Game.FBattle);
  EXPECT_EQ(Game.FSelectedShip, &Game.FFleets.MyShip(9));
  for (int I = 0; I < 10; ++I)
    EXPECT_EQ(Game.FFleets.MyShip(I).FPos, (TPoint{0, 9 - I}));
}

TEST_F(TBattleTest, StartWithTheLineUpIsRefusedAndSelectsTheBottomOneDecker) {
  Game.FormShow();
  Screen.TakeLog();
  Game.StartBattle();
  EXPECT_EQ(Screen.TakeLog(), (TLog{"MessageBox Корабли не должны соприкасаться."}));
  EXPECT_TRUE(Game.FSetupMode);
  EXPECT_FALSE(Game.FBattle);
  EXPECT_EQ(Game.FSelectedShip, &Game.FFleets.MyShip(0));
}

TEST_F(TBattleTest, StartOfBattlePlacesTheComputersFleetAndHandsThePlayerTheFirstShot) {
  Game.FormShow();
  SpreadMyFleet();
  Screen.TakeLog();
  Game.StartBattle();
  TLog Log = Screen.TakeLog();
  ASSERT_GE(Log.size(), 7u);
  EXPECT_EQ(TLog(Log.begin(), Log.begin() + 3),
            (TLog{"SetupTimerOff", "DisableStart", "HourglassOn"}));
  EXPECT_EQ(TLog(Log.end() - 4, Log.end()),
            (TLog{"HourglassOff", "Status 0 ", "Status 1 ", "Repaint My"}));
  EXPECT_EQ(Screen.FHourglassDepth, 0);
  EXPECT_TRUE(CheckBoard(Game.FEnemyBoard, Game.FFleets, 10, TBoardCheck::bcBattle).empty());
  EXPECT_EQ(Game.FSelectedShip, nullptr);
  EXPECT_FALSE(Game.FFiring);
  EXPECT_EQ(Game.FTargeting.FHuntAxis, TTargeting::axNone);
}

// A placement out of time is followed by a cleared board and a fresh one.
TEST_F(TBattleTest, PlacementOutOfTimeIsRetriedOnAClearedBoard) {
  Game.FormShow();
  SpreadMyFleet();
  Screen.TakeLog();
  int Reads = 0;
  TClock::SetTickCount(
      [&] { return Reads++ == 0 ? 0u : 1500u + Reads; }); // the first call times out
  Game.StartBattle();
  TLog Log = Screen.TakeLog();
  const TLog Retry{"HourglassOn", "HourglassOff", "RemoveFires Enemy", "HourglassOn"};
  EXPECT_EQ(TLog(Log.begin() + 2, Log.begin() + 6), Retry);
  EXPECT_TRUE(Game.FBattle);
  EXPECT_TRUE(CheckBoard(Game.FEnemyBoard, Game.FFleets, 10, TBoardCheck::bcBattle).empty());
}

TEST_F(TBattleTest, PlayersMissPassesTheTurnAfterTheSplash) {
  StartKnownBattle();
  const TPoint Water{2, 2};
  const TLog Expected = Join({{MyShot(Water), "Repaint Enemy"},
                              Counters(1, 0, 0, 0),
                              {"PlaySnd Splash wait", "PlaySnd EnemyShot", "StartCannon Enemy"}});
  EXPECT_EQ(ShootAndLand(Water), Expected);
  EXPECT_EQ(Game.FEnemyBoard[Water].State, csMiss);
  EXPECT_TRUE(Game.FFiring); // the computer's turn
  EXPECT_NE(Screen.Running(TCannon::cnEnemy), 0u);
}

TEST_F(TBattleTest, PlayersHitKeepsTheTurnAndSinkingMarksTheRing) {
  StartKnownBattle();
  const TPoint Deck{5, 4}; // the first deck of a two-decker
  EXPECT_EQ(ShootAndLand(Deck), Join({{MyShot(Deck), "AddFire Enemy 5,4", "Repaint Enemy"},
                                      Counters(1, 0, 0, 0),
                                      {"PlaySnd EnemyFire"}}));
  EXPECT_FALSE(Game.FFiring);
  EXPECT_TRUE(Game.FEnemyBoard[Deck].IsHit);
  EXPECT_EQ(Game.FEnemyBoard[Deck].Ship->FState, ssDamaged);
  EXPECT_FALSE(Game.IsValidTarget(Deck));

  EXPECT_EQ(ShootAndLand({6, 4}), Join({{MyShot({6, 4}), "AddFire Enemy 6,4", "Repaint Enemy"},
                                        Counters(2, 0, 0, 1),
                                        {"PlaySnd EnemyFire"}}));
  EXPECT_EQ(Game.FEnemyLosses, 1);
  for (int X = 4; X <= 7; ++X) {
    EXPECT_EQ(Game.FEnemyBoard(X, 3).State, csMiss);
    EXPECT_EQ(Game.FEnemyBoard(X, 5).State, csMiss);
  }
  EXPECT_EQ(Game.FEnemyBoard(4, 4).State, csMiss);
  EXPECT_EQ(Game.FEnemyBoard(7, 4).State, csMiss);
  EXPECT_FALSE(Game.IsValidTarget({7, 4}));
  EXPECT_FALSE(Game.IsValidTarget({6, 4}));
}

// Presses that must not shoot: outside the board, known water, a burning deck, a sunk ship,
// and any press while a shot is in flight or the computer shoots.
TEST_F(TBattleTest, PressesThatMayNotShootDoNothing) {
  Game.FormShow();
  Screen.TakeLog();
  Press({3, 3}); // set-up
  EXPECT_TRUE(Screen.TakeLog().empty());

  StartKnownBattle();
  ShootAndLand({9, 8}); // sinks a one-decker
  ShootAndLand({0, 0}); // a deck of the four-decker
  Game.EnemyBoardPress({400, 20});
  Press({9, 8});
  Press({8, 8}); // its ring
  Press({0, 0});
  EXPECT_TRUE(Screen.TakeLog().empty());
  EXPECT_EQ(Game.FMyShots, 2);

  Press({3, 3});
  Screen.TakeLog();
  Press({4, 4}); // the player's shot is still in flight
  EXPECT_TRUE(Screen.TakeLog().empty());
  Screen.FinishCannon(Game); // a miss: the computer's turn
  Screen.TakeLog();
  Press({4, 4});
  EXPECT_TRUE(Screen.TakeLog().empty());
}

// The computer shoots until its first miss. A hit is marked and burns before the board is
// shown, the counters follow, its cue is heard to the end and only then does the cannon fire
// again; a sinking also rings the ship with known water and starts a fresh hunt; the miss
// hands the turn back before the aiming cursor is refreshed.
TEST_F(TBattleTest, ComputersTurnHitsSinksAndEndsAtItsFirstMiss) {
  Random.Pin(TurnWithASinkingSeed);
  StartKnownBattle();
  ShootAndLand({2, 2});
  TPoint Target{-1, -1};
  // At each repaint of the player's board: is the shot cell marked, and every sunk ship
  // ringed? At the cursor refresh: may the player aim yet?
  Screen.FNote = [&](const std::string& Line) -> std::string {
    if (const TPoint Cell = EnemyShotCell(Line); Cell.X >= 0)
      Target = Cell;
    if (Line == "UpdateAimCursor")
      return Game.CanAim() ? "may aim" : "may not aim";
    if (Line != "Repaint My")
      return {};
    bool Shown = Game.FMyBoard[Target].State == csMiss || Game.FMyBoard[Target].IsHit;
    for (int I = 0; I < 10; ++I) {
      const TShip& Ship = Game.FFleets.MyShip(I);
      for (int X = 0; X < 10; ++X)
        for (int Y = 0; Y < 10; ++Y)
          if (Ship.FState == ssSunk && Touches(Ship, {X, Y}) && Game.FMyBoard(X, Y).State != csShip)
            Shown &= Game.FMyBoard(X, Y).State == csMiss;
    }
    return Shown ? "marked" : "unmarked";
  };
  int Hits = 0, Sinkings = 0, Guard = 0;
  while (Game.FFiring && ++Guard < 100) {
    const int Losses = Game.FMyLosses, Shots = Game.FEnemyShots;
    ASSERT_TRUE(Screen.FinishCannon(Game));
    const TLog Log = Screen.TakeLog();
    const std::string Status = "Status 1 " + FormatShot(msgEnemyLastShot, Target);
    const TCell& Cell = Game.FMyBoard[Target];
    if (Cell.State != csShip) {
      EXPECT_EQ(Log, Join({{Status, "UpdateAimCursor [may aim]", "Repaint My [marked]"},
                           Counters(1, Losses, Shots + 1, 0),
                           {"PlaySnd Splash"}}));
      EXPECT_FALSE(Game.FFiring);
      break;
    }
    const bool Sunk = Cell.Ship->FState == ssSunk;
    EXPECT_EQ(Log, Join({{Status,
                          "AddFire My " + std::to_string(Target.X) + "," + std::to_string(Target.Y),
                          "Repaint My [marked]"},
                         Counters(1, Losses + Sunk, Shots + 1, 0),
                         {"PlaySnd MyFire wait", "PlaySnd EnemyShot", "StartCannon Enemy"}}));
    if (Sunk) { // the next shot starts a fresh hunt
      ++Sinkings;
      EXPECT_TRUE(Game.FTargeting.FWounded.empty());
      EXPECT_EQ(Game.FTargeting.FHuntAxis, TTargeting::axNone);
    } else {
      ++Hits;
      EXPECT_EQ(Game.FTargeting.FWounded.back(), Target);
    }
  }
  // The seed gives this turn a hit that does not sink, a sinking and a miss.
  EXPECT_GE(Hits, 1);
  EXPECT_GE(Sinkings, 1);
  EXPECT_FALSE(Game.FFiring);
  EXPECT_TRUE(Game.FBattle);
}

TEST_F(TBattleTest, WholeGameWonWithoutAMiss) {
  StartKnownBattle();
  TLog Last;
  for (int I = 0; I < 10; ++I) {
    const TShip& Ship = Game.FFleets.EnemyShip(I);
    for (int K = 0; K < Ship.FSize; ++K)
      Last = ShootAndLand(Ship.Deck(K));
  }
  const TPoint LastDeck = Game.FFleets.EnemyShip(9).Deck(3);
  EXPECT_EQ(Last, Join({{MyShot(LastDeck), "AddFire Enemy 3,0", "Repaint Enemy"},
                        Counters(20, 0, 0, 10),
                        {"PlaySnd EnemyFire wait", "Repaint My", "Repaint Enemy"},
                        Counters(20, 0, 0, 10),
                        {"ResultCaption Вы победили!", "ResultColour 32768", "PlaySnd YouWin",
                         "ShowResult"}}));
  EXPECT_FALSE(Game.FBattle);
  EXPECT_FALSE(Game.FFiring);
  EXPECT_FALSE(Game.FRevealEnemy);
  EXPECT_FALSE(Screen.FStartEnabled);
  Press({2, 2});
  EXPECT_TRUE(Screen.TakeLog().empty());
}

// Every computer shot lands on a cell never shot before and never next to a ship it has
// sunk: that ring is known water.
TEST_F(TBattleTest, WholeGameLostShootingOnlyWater) {
  StartKnownBattle();
  TLog Last;
  int Guard = 0;
  while (Game.FBattle && ++Guard < 500) {
    if (!Game.FFiring) {
      TPoint Water{-1, -1};
      for (int X = 0; X < 10 && Water.X < 0; ++X)
        for (int Y = 0; Y < 10 && Water.X < 0; ++Y)
          if (Game.FEnemyBoard(X, Y).State == csEmpty)
            Water = {X, Y};
      Press(Water);
    }
    const TBoard Before = Game.FMyBoard;
    std::vector<const TShip*> Sunk;
    for (int I = 0; I < 10; ++I)
      if (Game.FFleets.MyShip(I).FState == ssSunk)
        Sunk.push_back(&Game.FFleets.MyShip(I));
    ASSERT_TRUE(Screen.FinishCannon(Game));
    Last = Screen.TakeLog();
    if (const TPoint Target = EnemyShotCell(Last.at(0)); Target.X >= 0) {
      EXPECT_TRUE(Before[Target].State != csMiss && !Before[Target].IsHit) << Last.at(0);
      for (const TShip* Ship : Sunk)
        EXPECT_FALSE(Touches(*Ship, Target)) << Last.at(0);
    }
  }
  ASSERT_FALSE(Game.FBattle);
  EXPECT_EQ(Game.FMyLosses, 10);
  EXPECT_EQ(Game.FEnemyLosses, 0);
  ASSERT_GE(Last.size(), 2u);
  // The last sinking: no repaint or counters before the fire cue ends; then the result.
  EXPECT_EQ(TLog(Last.begin() + 2, Last.end()),
            Join({{"PlaySnd MyFire wait", "Repaint My", "Repaint Enemy"},
                  Counters(Game.FMyShots, 10, Game.FEnemyShots, 0),
                  {"ResultCaption Вы проиграли", "ResultColour 8388608", "Repaint Enemy",
                   "PlaySnd YouLost", "ShowResult"}}));
  EXPECT_TRUE(Game.FRevealEnemy);
  EXPECT_EQ(Screen.FCounters[1], "10");

  // The next game hides the result and the computer's ships and clears both boards.
  Game.NewGame();
  EXPECT_FALSE(Screen.FResultVisible);
  EXPECT_FALSE(Game.FRevealEnemy);
  EXPECT_TRUE(Screen.FFires[0].empty());
  EXPECT_EQ(Screen.FStatus[0], "");
  EXPECT_EQ(Screen.FStatus[1], "");
  EXPECT_EQ(Screen.FCounters, (std::array<std::string, 4>{"0", "0", "0", "0"}));
}

// A new game halts the cannons of the old one; a stop that still arrives from then lands
// nowhere, even after the next battle has begun and its first shot is in flight.
TEST_F(TBattleTest, StopOfAShotFromAnEarlierGameIsDropped) {
  StartKnownBattle();
  Press({2, 2});
  const uint32_t StaleShot = Screen.Running(TCannon::cnMy);
  ASSERT_NE(StaleShot, 0u);
  Screen.TakeLog();
  Game.NewGame();
  EXPECT_EQ(Screen.TakeLog().at(0), "StopCannon My");
  EXPECT_EQ(Screen.Running(TCannon::cnMy), 0u);

  Game.MyCannonStop(StaleShot); // after New game
  SpreadMyFleet();
  Game.StartBattle();
  Game.MyCannonStop(StaleShot); // after the next start of battle
  Press({2, 2});
  Game.MyCannonStop(StaleShot); // while the new shot flies
  Game.EnemyCannonStop(StaleShot);
  EXPECT_EQ(Game.FMyShots, 0);
  EXPECT_EQ(Game.FEnemyShots, 0);
  EXPECT_TRUE(Game.FFiring);
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y) {
      EXPECT_NE(Game.FEnemyBoard(X, Y).State, csMiss);
      EXPECT_NE(Game.FMyBoard(X, Y).State, csMiss);
    }
  ASSERT_TRUE(Screen.FinishCannon(Game)); // the new shot lands once
  EXPECT_EQ(Game.FMyShots, 1);
}

// Set-up presses: select, move, turn; a middle click only restarts the blink.
TEST_F(TBattleTest, SetUpPressesSelectMoveAndTurnShips) {
  Game.FormShow();
  auto PressAt = [&](TMouseButton Button, TPoint Cell, int Dx = 10, int Dy = 10) {
    const TPoint Pixel = CellToPixel(Cell);
    Game.SetupPress(Button, {Pixel.X + Dx, Pixel.Y + Dy});
  };
  TShip& Four = Game.FFleets.MyShip(9);
  TShip& Three = Game.FFleets.MyShip(8);
  Game.FBlinkOn = false;
  PressAt(TMouseButton::mbLeft, {1, 1}); // a deck of the three-decker: select only
  EXPECT_EQ(Game.FSelectedShip, &Three);
  EXPECT_EQ(Three.FPos, (TPoint{0, 1}));
  EXPECT_TRUE(Game.FBlinkOn);
  PressAt(TMouseButton::mbLeft, {8, 1}); // moves, pulled back from the edge
  EXPECT_EQ(Three.FPos, (TPoint{7, 1}));
  PressAt(TMouseButton::mbLeft, {0, 0}, -10, -10); // the label corner counts as cell (0, 0)
  EXPECT_EQ(Game.FSelectedShip, &Four);
  PressAt(TMouseButton::mbRight, {5, 5}); // column 0 below it is taken: no turn
  EXPECT_FALSE(Four.FVertical);
  PressAt(TMouseButton::mbLeft, {6, 0}); // onto free cells in its own row: moves
  EXPECT_EQ(Four.FPos, (TPoint{6, 0}));
  PressAt(TMouseButton::mbRight, {5, 5}); // turns about its head, wherever the press is
  EXPECT_TRUE(Four.FVertical);
  EXPECT_EQ(Four.FPos, (TPoint{6, 0}));
  PressAt(TMouseButton::mbLeft, {6, 2}); // its own third deck: the head moves there
  EXPECT_EQ(Game.FSelectedShip, &Four);
  EXPECT_EQ(Four.FPos, (TPoint{6, 2}));
  PressAt(TMouseButton::mbRight, {5, 5});
  EXPECT_FALSE(Four.FVertical);
  PressAt(TMouseButton::mbLeft, {8, 1}); // the three-decker's deck: selects it
  EXPECT_EQ(Game.FSelectedShip, &Three);
  PressAt(TMouseButton::mbLeft, {5, 2}); // would overlap the four-decker: refused
  EXPECT_EQ(Three.FPos, (TPoint{7, 1}));
  Game.FBlinkOn = false;
  PressAt(TMouseButton::mbMiddle, {7, 1});
  EXPECT_TRUE(Game.FBlinkOn);
  Game.SetupTimerTick();
  EXPECT_FALSE(Game.FBlinkOn);

  ASSERT_TRUE(Four.MoveTo({0, 0}));
  SpreadMyFleet();
  Game.StartBattle();
  ASSERT_TRUE(Game.FBattle);
  const TPoint Before = Four.FPos;
  PressAt(TMouseButton::mbLeft, {3, 3}); // in battle, the player's board takes no clicks
  PressAt(TMouseButton::mbRight, {3, 3});
  EXPECT_EQ(Four.FPos, Before);
}

// The random arrangement of the player's fleet: whatever the seed, ten ships clear of one
// another, so the battle always starts; one repaint at the end, not one per try; the
// four-decker selected and shown; repeatable; the ships still move; nothing outside set-up.
TEST_F(TBattleTest, RandomArrangementAlwaysPassesTheFleetTest) {
  Game.FormShow();
  for (uint64_t Seed = 1; Seed <= 500; ++Seed) {
    TClock::SetCounter([Next = Seed * 1000003]() mutable { return Next++; });
    Game.NewGame();
    Game.FSelectedShip = &Game.FFleets.MyShip(Seed % 9);
    Game.FBlinkOn = false;
    Screen.TakeLog();
    Game.ArrangePlayerFleet();
    ASSERT_EQ(Screen.TakeLog(), (TLog{"HourglassOn", "HourglassOff", "Repaint My"})) << Seed;
    ASSERT_EQ(Game.FSelectedShip, &Game.FFleets.MyShip(9));
    ASSERT_TRUE(Game.FBlinkOn);
    const std::vector<std::string> Faults =
        CheckBoard(Game.FMyBoard, Game.FFleets, 0, TBoardCheck::bcBattle);
    ASSERT_TRUE(Faults.empty()) << "seed " << Seed << ": " << Faults.front();
    Game.StartBattle();
    ASSERT_TRUE(Game.FBattle) << Seed;
  }
  Game.NewGame();
  Game.ArrangePlayerFleet();
  const TPoint First = Game.FFleets.MyShip(9).FPos;
  Game.ArrangePlayerFleet();
  EXPECT_NE(Game.FFleets.MyShip(9).FPos, First);

  TShip& One = Game.FFleets.MyShip(0);
  auto PressAt = [&](TPoint Cell) {
    Game.SetupPress(TMouseButton::mbLeft, {CellToPixel(Cell).X + 5, CellToPixel(Cell).Y + 5});
  };
  PressAt(One.FPos);
  TPoint Water{0, 0};
  while (Game.FMyBoard[Water].State != csEmpty)
    Water = {(Water.X + 1) % 10, Water.Y + (Water.X == 9)};
  PressAt(Water);
  EXPECT_EQ(One.FPos, Water);

  Game.ArrangePlayerFleet();
  Game.StartBattle();
  ASSERT_TRUE(Game.FBattle);
  Screen.TakeLog();
  const TPoint Head = One.FPos;
  Game.ArrangePlayerFleet();
  EXPECT_TRUE(Screen.TakeLog().empty());
  EXPECT_EQ(One.FPos, Head);
}
