// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "BoardGeometry.h"
#include "Invariants.h"
#include "NetTestTools.h"
#include "TBattleController.h"
#include "TFakeLink.h"
#include "TFakeNetScreen.h"
#include "TFakeScreen.h"
#include "TPinnedRandom.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Heads of a fleet in which no two ships touch, by fleet index, all ships lying across.
const TPoint Spread[10] = {{9, 8}, {7, 8}, {5, 8}, {8, 6}, {5, 6},
                           {8, 4}, {5, 4}, {5, 2}, {5, 0}, {0, 0}};

// One player with his window and his end of the link.
struct TPlayer {
  TFakeScreen Screen;
  TFakeNetScreen Net;
  TFakeLink Link;
  TBattleController Game{Screen, {}};

  void SpreadFleet() {
    for (int I = 8; I >= 0; --I)
      ASSERT_TRUE(Game.FFleets.MyShip(I).MoveTo(Spread[I]));
  }
  void Press(TPoint Cell) {
    const TPoint Pixel = CellToPixel(Cell);
    Game.EnemyBoardPress({Pixel.X + 5, Pixel.Y + 5});
  }
  // Lands every cannon in flight; whether any flew.
  bool Land() {
    bool Any = false;
    while (Screen.FinishCannon(Game))
      Any = true;
    return Any;
  }
};

// Hands the oldest message From has sent to To; false when none waits.
bool Deliver(TPlayer& From, TPlayer& To) {
  if (From.Link.FOut.empty())
    return false;
  const TPeerMessage Message = From.Link.FOut.front();
  From.Link.FOut.pop_front();
  To.Game.PeerMessage(Message);
  return true;
}

void DeliverAll(TPlayer& A, TPlayer& B) {
  while (Deliver(A, B) | Deliver(B, A)) {
  }
}

int ShipCellsOn(const TBoard& Board) {
  int Decks = 0;
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y)
      Decks += Board(X, Y).State == csShip;
  return Decks;
}

} // namespace

// Two games linked in memory play a whole game: the host, with the fleet spread by hand, knows
// where the joiner's ships are and never misses; the joiner, arranged at random, shoots along
// the rows. Messages and cannon stops come in both orders. Then a rematch, a chat line, and the
// host leaves; the joiner plays the computer next.
TEST(TNetGameTest, WholeGameBetweenTwoControllersEndsCleanAndShowsTheWinnersShips) {
  TPinnedRandom Random{11};
  TPlayer A, B;
  A.Game.StartNetGame(A.Link, A.Net, NetTestTools(1), true, "Аня");
  B.Game.StartNetGame(B.Link, B.Net, NetTestTools(2), false, "Борис");
  // A waited cue runs an event loop: the link delivers in it.
  auto DuringCue = [&](const std::string& Line) -> std::string {
    if (Line.ends_with(" wait"))
      DeliverAll(A, B);
    return {};
  };
  A.Screen.FNote = DuringCue;
  B.Screen.FNote = DuringCue;
  A.SpreadFleet();
  B.Game.ArrangePlayerFleet();
  A.Game.StartBattle();
  DeliverAll(A, B);
  EXPECT_EQ(A.Net.FOpponentName, "Борис");
  EXPECT_EQ(B.Net.FOpponentName, "Аня");
  EXPECT_EQ(A.Net.FWaitText, "Ожидание флота противника…");
  EXPECT_FALSE(A.Game.CanAim());
  B.Game.StartBattle();
  DeliverAll(A, B);
  EXPECT_EQ(A.Net.FWaitText, "");
  ASSERT_NE(A.Game.CanAim(), B.Game.CanAim()); // the coin gave the first shot to one of them
  EXPECT_EQ(A.Net.FTurn, A.Game.CanAim() ? TNetTurn::ntMine : TNetTurn::ntTheirs);

  int Step = 0, NextCell = 0;
  while ((A.Game.FBattle || B.Game.FBattle) && ++Step < 400) {
    if (A.Game.CanAim()) {
      TPoint Deck{-1, -1};
      for (int I = 0; I < 10 && Deck.X < 0; ++I)
        for (int K = 0; K < B.Game.FFleets.MyShip(I).FSize && Deck.X < 0; ++K)
          if (A.Game.IsValidTarget(B.Game.FFleets.MyShip(I).Deck(K)))
            Deck = B.Game.FFleets.MyShip(I).Deck(K);
      A.Press(Deck);
    } else if (B.Game.CanAim()) {
      while (!B.Game.IsValidTarget({NextCell % 10, NextCell / 10}))
        ++NextCell;
      B.Press({NextCell % 10, NextCell / 10});
    }
    if (Step % 2 == 0) { // the shooter's cannon stops before the answer comes
      const int Shots = A.Game.FMyShots + B.Game.FMyShots;
      A.Land();
      B.Land();
      EXPECT_EQ(A.Game.FMyShots + B.Game.FMyShots, Shots) << "a shot landed without its answer";
    }
    for (bool Progress = true; Progress;) {
      DeliverAll(A, B);
      Progress = A.Land() | B.Land();
    }
  }
  ASSERT_FALSE(A.Game.FBattle);
  ASSERT_FALSE(B.Game.FBattle);
  EXPECT_EQ(A.Screen.FResultCaption, "Вы победили!");
  EXPECT_EQ(B.Screen.FResultCaption, "Вы проиграли");
  EXPECT_EQ(A.Game.FMyShots, 20);
  EXPECT_EQ(A.Screen.FCounters[3], "10");
  EXPECT_EQ(B.Screen.FCounters[1], "10");
  EXPECT_EQ(B.Screen.FCounters[2], "20");
  EXPECT_EQ(A.Screen.FCounters[2], B.Screen.FCounters[0]);
  EXPECT_EQ(A.Screen.FFires[1].size(), 20u);
  ASSERT_TRUE(A.Net.FVerdict.has_value());
  ASSERT_TRUE(B.Net.FVerdict.has_value());
  EXPECT_EQ(*A.Net.FVerdict, TFairVerdict::fvClean);
  EXPECT_EQ(*B.Net.FVerdict, TFairVerdict::fvClean);
  // The loser sees the winner's fleet where it stands, hits and all; the winner sees only
  // what sank, each ship ringed with known water.
  EXPECT_TRUE(B.Game.FRevealEnemy);
  EXPECT_FALSE(A.Game.FRevealEnemy);
  for (int I = 0; I < 10; ++I) {
    const TShip& Ship = A.Game.FFleets.MyShip(I);
    for (int K = 0; K < Ship.FSize; ++K) {
      const TCell& Seen = B.Game.FEnemyBoard[Ship.Deck(K)];
      ASSERT_EQ(Seen.State, csShip) << I;
      EXPECT_EQ(Seen.Ship->FSize, Ship.FSize) << I;
      EXPECT_EQ(Seen.IsHit, A.Game.FMyBoard[Ship.Deck(K)].IsHit) << I;
      EXPECT_EQ(Seen.Ship->FState, Ship.FState) << I;
    }
  }
  EXPECT_EQ(ShipCellsOn(A.Game.FEnemyBoard), 20);
  for (int I = 0; I < 10; ++I) {
    const TShip& Ship = B.Game.FFleets.MyShip(I);
    const TPoint Beyond = Ship.Deck(Ship.FSize - 1);
    const TPoint After =
        Ship.FVertical ? TPoint{Beyond.X, Beyond.Y + 1} : TPoint{Beyond.X + 1, Beyond.Y};
    if (InBoard(After)) {
      EXPECT_EQ(A.Game.FEnemyBoard[After].State, csMiss) << I;
    }
    for (int K = 0; K < Ship.FSize; ++K) {
      EXPECT_TRUE(A.Game.FEnemyBoard[Ship.Deck(K)].IsHit) << I;
      EXPECT_EQ(A.Game.FEnemyBoard[Ship.Deck(K)].Ship->FState, ssSunk) << I;
    }
  }
  EXPECT_TRUE(CheckBoard(B.Game.FMyBoard, B.Game.FFleets, 0, TBoardCheck::bcBattle).empty());

  // New game offers a rematch; the other side accepts and both are back in set-up.
  B.Game.NewGame();
  EXPECT_EQ(B.Net.FRematch, TRematchState::rmOfferedByMe);
  DeliverAll(A, B);
  EXPECT_EQ(A.Net.FRematch, TRematchState::rmOfferedToMe);
  A.Game.AnswerRematch(true);
  DeliverAll(A, B);
  EXPECT_TRUE(A.Game.FSetupMode);
  EXPECT_TRUE(B.Game.FSetupMode);
  EXPECT_FALSE(B.Screen.FResultVisible);
  EXPECT_TRUE(B.Screen.FFires[1].empty());

  A.Game.SendChat("Ещё\nраз!");
  DeliverAll(A, B);
  ASSERT_FALSE(B.Net.FChat.empty());
  EXPECT_EQ(B.Net.FChat.back(), "Аня: Ещё раз!");

  // The host leaves; the transport ends with a farewell that carries the reason.
  A.Game.Leave();
  EXPECT_TRUE(A.Link.FClosed);
  EXPECT_FALSE(A.Game.IsNetGame());
  TPeerMessage Bye = MakePeerMessage(TPeerMsgType::pmBye);
  Bye.Text = A.Link.FCloseReason;
  B.Game.PeerMessage(Bye);
  EXPECT_EQ(B.Net.FEnded, "Противник покинул игру");
  EXPECT_FALSE(B.Game.IsNetGame());
  B.Game.NewGame();
  B.Game.ArrangePlayerFleet();
  B.Game.StartBattle();
  EXPECT_TRUE(B.Game.CanAim()); // against the computer the player shoots first
  EXPECT_EQ(ShipCellsOn(B.Game.FEnemyBoard), 20);
}

namespace {

// The other side as a script: it keeps its own fleet and says what each test makes it say,
// true or not. The game under test hosts.
struct TScriptedPeer {
  TFairPlayTools Tools = NetTestTools(9);
  TFleetLayout Layout{};
  TNonce Nonce{1, 2, 3};
  TNonce Salt{4, 5, 6};
  TNonce Coin{7, 8, 9};
  TNonce HostNonce{};
  std::array<std::array<bool, 10>, 10> Hit{};

  TPeerMessage Hello() const {
    TPeerMessage M = MakePeerMessage(TPeerMsgType::pmHello);
    M.Name = "Лжец";
    M.Nonce = Nonce;
    return M;
  }
  TPeerMessage Commit() const {
    TPeerMessage M = MakePeerMessage(TPeerMsgType::pmCommit);
    M.FleetCommit = FleetCommitment(Tools.Sha256, Layout, Salt, HostNonce, Nonce, false);
    M.CoinCommit = CoinCommitment(Tools.Sha256, Coin, HostNonce, Nonce, false);
    return M;
  }
  TPeerMessage CoinMessage() const {
    TPeerMessage M = MakePeerMessage(TPeerMsgType::pmCoin);
    M.Nonce = Coin;
    return M;
  }
  TPeerMessage Reveal(const TFleetLayout& Shown) const {
    TPeerMessage M = MakePeerMessage(TPeerMsgType::pmReveal);
    M.Layout = Shown;
    M.Salt = Salt;
    return M;
  }
  // The true answer from its fleet.
  TPeerMessage Answer(TPoint Cell) {
    TPeerMessage M = MakePeerMessage(TPeerMsgType::pmAnswer);
    M.Cell = Cell;
    for (int I = 0; I < 10; ++I) {
      const std::vector<TPoint> Decks = ShipCells(Layout[I], TFleets::DecksOf(I));
      if (std::find(Decks.begin(), Decks.end(), Cell) == Decks.end())
        continue;
      Hit[Cell.X][Cell.Y] = true;
      M.Result = TShotResult::srSunk;
      for (TPoint Deck : Decks)
        if (!Hit[Deck.X][Deck.Y])
          M.Result = TShotResult::srHit;
      if (M.Result == TShotResult::srSunk)
        M.Cells = Decks;
    }
    return M;
  }
  static TPeerMessage Shot(TPoint Cell) {
    TPeerMessage M = MakePeerMessage(TPeerMsgType::pmShot);
    M.Cell = Cell;
    return M;
  }
};

// Spread turned on its side: every ship stands down the board.
TFleetLayout Turned() {
  TFleetLayout Layout;
  for (int I = 0; I < 10; ++I)
    Layout[I] = {{Spread[I].Y, Spread[I].X}, true};
  return Layout;
}
TFleetLayout Across() {
  TFleetLayout Layout;
  for (int I = 0; I < 10; ++I)
    Layout[I] = {Spread[I], false};
  return Layout;
}

struct TLiarTest : testing::Test {
  TPlayer Me;
  TScriptedPeer Peer;

  TPeerMessage Take(TPeerMsgType Type) {
    EXPECT_FALSE(Me.Link.FOut.empty());
    if (Me.Link.FOut.empty())
      return {};
    TPeerMessage M = Me.Link.FOut.front();
    Me.Link.FOut.pop_front();
    EXPECT_EQ(M.Type, Type);
    return M;
  }
  // Hellos, commitments and the coin; if the coin gives the peer the first shot, it misses,
  // so that the player is to shoot.
  void BeginBattle(const TFleetLayout& Committed) {
    Peer.Layout = Committed;
    Me.Game.StartNetGame(Me.Link, Me.Net, NetTestTools(3), true, "Я");
    Me.SpreadFleet();
    Me.Game.StartBattle();
    Peer.HostNonce = Take(TPeerMsgType::pmHello).Nonce;
    Me.Game.PeerMessage(Peer.Hello());
    Take(TPeerMsgType::pmCommit);
    Me.Game.PeerMessage(Peer.Commit());
    Take(TPeerMsgType::pmCoin);
    Me.Game.PeerMessage(Peer.CoinMessage());
    if (!Me.Game.CanAim()) {
      Me.Game.PeerMessage(Peer.Shot({0, 5}));
      EXPECT_EQ(Take(TPeerMsgType::pmAnswer).Result, TShotResult::srMiss);
      Me.Land();
    }
    ASSERT_TRUE(Me.Game.CanAim());
  }
  // The player shoots; the peer's answer, true or as given, comes before the cannon stops.
  void MyShot(TPoint Cell, std::optional<TShotResult> Lie = {}) {
    Me.Press(Cell);
    Take(TPeerMsgType::pmShot);
    TPeerMessage Answer = Peer.Answer(Cell);
    if (Lie) {
      Answer.Result = *Lie;
      Answer.Cells.clear();
    }
    Me.Game.PeerMessage(Answer);
    Me.Land();
  }
  void PeerShot(TPoint Cell) {
    Me.Game.PeerMessage(Peer.Shot(Cell));
    if (!Me.Link.FClosed)
      Take(TPeerMsgType::pmAnswer);
    Me.Land();
  }
  // The peer sinks the player's whole fleet; the player reveals his.
  void PeerSinksMyFleet() {
    for (int I = 0; I < 10; ++I)
      for (int K = 0; K < TFleets::DecksOf(I); ++K)
        PeerShot(Me.Game.FFleets.MyShip(I).Deck(K));
    EXPECT_EQ(Me.Screen.FResultCaption, "Вы проиграли");
    Take(TPeerMsgType::pmReveal);
  }
};

} // namespace

// A peer that lies about a shot, reveals another fleet or an illegal one, or never reveals:
// named at the end, and the player's game goes on.
TEST_F(TLiarTest, EveryFalseEndIsNamed) {
  TFleetLayout Touching = Turned();
  Touching[0].Head = {1, 4}; // a one-decker at the four-decker's stern, corner to corner
  // How the peer ends: the fleet it reveals (the one it committed to, another, a touching one
  // it committed to), or no reveal but an offer, silence, a lost link.
  enum TEnd { enCommitted, enAcross, enTouching, enRematch, enOverdue, enLost };
  struct TCase {
    const char* Name;
    bool LieAboutAHit; // its one-decker at (8, 9) hit, it answers a miss
    TEnd End;
    TFairVerdict Verdict;
    const char* Text;
  };
  const TCase Cases[] = {
      {"honest", false, enCommitted, TFairVerdict::fvClean,
       "Игра честная: флот противника проверен, все его ответы правдивы."},
      {"a hit called a miss", true, enCommitted, TFairVerdict::fvLiedAboutShot,
       "Противник солгал об исходе выстрела."},
      {"another fleet", false, enAcross, TFairVerdict::fvDifferentFleet,
       "Противник раскрыл не тот флот, что загадал."},
      {"a touching fleet", false, enTouching, TFairVerdict::fvIllegalFleet,
       "Противник раскрыл флот, нарушающий правила."},
      {"a rematch instead of the reveal", false, enRematch, TFairVerdict::fvRefusedReveal,
       "Противник отказался раскрыть свой флот."},
      {"silence instead of the reveal", false, enOverdue, TFairVerdict::fvRefusedReveal,
       "Противник отказался раскрыть свой флот."},
      {"gone before the reveal", false, enLost, TFairVerdict::fvLeftBeforeReveal,
       "Противник ушёл, не раскрыв свой флот."},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Me.Link = {};
    Me.Net = {};
    Peer.Hit = {};
    BeginBattle(Case.End == enTouching ? Touching : Turned());
    if (Case.LieAboutAHit)
      MyShot({8, 9}, TShotResult::srMiss);
    else
      MyShot({9, 9}); // water
    ASSERT_FALSE(Me.Link.FClosed) << Me.Link.FCloseReason;
    PeerSinksMyFleet();
    if (Case.End <= enTouching)
      Me.Game.PeerMessage(Peer.Reveal(Case.End == enAcross ? Across() : Peer.Layout));
    else if (Case.End == enRematch)
      Me.Game.PeerMessage(MakePeerMessage(TPeerMsgType::pmRematch));
    else if (Case.End == enOverdue)
      Me.Game.RevealOverdue();
    else
      Me.Game.PeerLost("нет ответа");
    ASSERT_TRUE(Me.Net.FVerdict.has_value());
    EXPECT_EQ(*Me.Net.FVerdict, Case.Verdict);
    EXPECT_EQ(Me.Net.FVerdictText, Case.Text);
    // The winner's ships are shown only from a reveal found true.
    EXPECT_EQ(Me.Game.FRevealEnemy, Case.Verdict == TFairVerdict::fvClean);
    if (Case.End == enRematch || Case.End == enOverdue) {
      EXPECT_EQ(Me.Link.FCloseReason, "Противник отказался раскрыть свой флот.");
    }
    if (Case.End == enLost) {
      EXPECT_EQ(Me.Net.FEnded, "Соединение потеряно: нет ответа");
    }
    EXPECT_TRUE(CheckBoard(Me.Game.FMyBoard, Me.Game.FFleets, 0, TBoardCheck::bcBattle).empty());
    if (Me.Game.IsNetGame())
      Me.Game.Leave();
    Me.Game.NewGame();
    ASSERT_TRUE(Me.Game.FSetupMode);
  }
}

// What the peer may not say at all is refused at once, with a reason that names it; the link
// is closed and the player can go on against the computer.
TEST_F(TLiarTest, BrokenRulesCloseTheLinkWithTheirReason) {
  auto Answer = [](TPoint Cell, TShotResult Result, std::vector<TPoint> Cells) {
    TPeerMessage M = MakePeerMessage(TPeerMsgType::pmAnswer);
    M.Cell = Cell;
    M.Result = Result;
    M.Cells = std::move(Cells);
    return M;
  };
  struct TCase {
    const char* Reason;
    std::function<void(TLiarTest&)> Script;
  };
  const TCase Cases[] = {
      {"Выстрел не в свой ход",
       [](TLiarTest& T) {
         T.PeerShot({0, 5});
       }},
      {"Выстрел за пределы поля",
       [](TLiarTest& T) {
         T.MyShot({9, 9});
         T.PeerShot({10, 2});
       }},
      {"Выстрел по клетке, которая уже известна",
       [](TLiarTest& T) {
         T.MyShot({9, 9});
         T.PeerShot({2, 5});
         T.MyShot({9, 8});
         T.PeerShot({2, 5});
       }},
      {"Выстрел по клетке, которая уже известна", // the ring of a ship it has sunk
       [](TLiarTest& T) {
         T.MyShot({9, 9});
         T.PeerShot({9, 8});
         T.PeerShot({8, 7});
       }},
      {"Потопленный корабль не прямой или не совпадает с попаданиями",
       [&](TLiarTest& T) {
         T.Me.Press({8, 9});
         T.Take(TPeerMsgType::pmShot);
         T.Me.Game.PeerMessage(Answer({8, 9}, TShotResult::srSunk, {{8, 9}, {8, 8}}));
       }},
      {"Ответ ставит корабли вплотную друг к другу",
       [&](TLiarTest& T) {
         T.MyShot({0, 0});
         T.Me.Press({1, 1});
         T.Take(TPeerMsgType::pmShot);
         T.Me.Game.PeerMessage(Answer({1, 1}, TShotResult::srHit, {}));
       }},
      {"Ответ на выстрел, которого не было",
       [&](TLiarTest& T) {
         T.Me.Game.PeerMessage(Answer({0, 0}, TShotResult::srMiss, {}));
       }},
      {"Ответ о другой клетке",
       [&](TLiarTest& T) {
         T.Me.Press({9, 9});
         T.Take(TPeerMsgType::pmShot);
         T.Me.Game.PeerMessage(Answer({9, 8}, TShotResult::srMiss, {}));
       }},
      {"Сообщение не к месту: раскрытие флота",
       [](TLiarTest& T) { T.Me.Game.PeerMessage(T.Peer.Reveal(Turned())); }},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Reason);
    Me.Link = {};
    Me.Net = {};
    Peer.Hit = {};
    Me.Game.NewGame();
    BeginBattle(Turned());
    Case.Script(*this);
    EXPECT_TRUE(Me.Link.FClosed);
    EXPECT_EQ(Me.Link.FCloseReason, Case.Reason);
    EXPECT_EQ(Me.Net.FEnded, std::string("Противник нарушил правила: ") + Case.Reason);
    EXPECT_FALSE(Me.Game.IsNetGame());
    EXPECT_TRUE(CheckBoard(Me.Game.FMyBoard, Me.Game.FFleets, 0, TBoardCheck::bcBattle).empty());
    Me.Game.NewGame();
    Me.Game.ArrangePlayerFleet();
    Me.Game.StartBattle();
    EXPECT_TRUE(Me.Game.CanAim());
  }
}

// A waited cue runs an event loop, in which the link may report anything: what it reports is
// handled once the cue's handler is done, never in the middle of it.
TEST_F(TLiarTest, ConnectionLostDuringAWaitedCueIsHandledAfterIt) {
  BeginBattle(Turned());
  MyShot({9, 9}); // a miss: the peer's turn
  bool Lost = false;
  Me.Screen.FNote = [&](const std::string& Line) -> std::string {
    if (Line == "PlaySnd MyFire wait" && !Lost) {
      Lost = true;
      Me.Game.PeerLost("разрыв");
      return Me.Game.IsNetGame() ? "still playing" : "gone";
    }
    return {};
  };
  Me.Game.PeerMessage(TScriptedPeer::Shot({0, 0})); // a deck of the four-decker
  Me.Land();
  EXPECT_TRUE(Lost);
  EXPECT_FALSE(Me.Game.IsNetGame());
  EXPECT_EQ(Me.Net.FEnded, "Соединение потеряно: разрыв");
  EXPECT_EQ(Me.Screen.Running(TCannon::cnEnemy), 0u);
  EXPECT_EQ(Me.Screen.Running(TCannon::cnMy), 0u);
  const TPoint Deck{0, 0};
  EXPECT_TRUE(Me.Game.FMyBoard[Deck].IsHit);
  const std::vector<std::string> Log = Me.Screen.TakeLog();
  const auto Cue = std::find(Log.begin(), Log.end(), "PlaySnd MyFire wait [still playing]");
  ASSERT_NE(Cue, Log.end());
  EXPECT_EQ(std::find(Cue, Log.end(), "StartCannon Enemy"), Log.end())
      << "no cannon starts after the cue";
}

// Two players who meet again and again: every round plays to the end, however many hits the
// rounds before it charted on boards that were cleared since. Both sides shoot along the rows.
TEST(TNetGameTest, RoundAfterRoundEndsClean) {
  TPlayer A, B;
  A.Game.StartNetGame(A.Link, A.Net, NetTestTools(3), true, "Аня");
  B.Game.StartNetGame(B.Link, B.Net, NetTestTools(4), false, "Борис");
  for (int Round = 0; Round < 25; ++Round) {
    A.Game.ArrangePlayerFleet();
    B.Game.ArrangePlayerFleet();
    A.Game.StartBattle();
    B.Game.StartBattle();
    DeliverAll(A, B);
    for (int Step = 0; (A.Game.FBattle || B.Game.FBattle) && Step < 400; ++Step) {
      for (TPlayer* P : {&A, &B})
        if (P->Game.CanAim())
          for (int Cell = 0; Cell < 100; ++Cell)
            if (P->Game.IsValidTarget({Cell % 10, Cell / 10})) {
              P->Press({Cell % 10, Cell / 10});
              break;
            }
      for (bool Progress = true; Progress;) {
        DeliverAll(A, B);
        Progress = A.Land() | B.Land();
      }
    }
    ASSERT_FALSE(A.Game.FBattle || B.Game.FBattle) << Round;
    ASSERT_EQ(A.Net.FVerdict, TFairVerdict::fvClean) << Round;
    ASSERT_EQ(B.Net.FVerdict, TFairVerdict::fvClean) << Round;
    A.Game.NewGame();
    DeliverAll(A, B);
    B.Game.AnswerRematch(true);
    DeliverAll(A, B);
    ASSERT_TRUE(A.Game.FSetupMode && B.Game.FSetupMode) << Round;
  }
}
