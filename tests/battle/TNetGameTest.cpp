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

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

// Messages are written with designated initialisers, naming only the fields they carry.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using enum TPeerMsgType;
using enum TShotResult;

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
  TPoint AlongRows() const {
    for (int Cell = 0; Cell < 100; ++Cell)
      if (Game.IsValidTarget({Cell % 10, Cell / 10}))
        return {Cell % 10, Cell / 10};
    return {-1, -1};
  }
  bool BoardHolds() {
    return CheckBoard(Game.FMyBoard, Game.FFleets, 0, TBoardCheck::bcBattle).empty();
  }
  // Whatever the network game came to, the player goes on against the computer, shooting first.
  void PlaysTheComputer() {
    if (Game.IsNetGame())
      Game.Leave();
    Game.NewGame();
    Game.ArrangePlayerFleet();
    Game.StartBattle();
    EXPECT_TRUE(Game.CanAim());
    EXPECT_EQ(ShipCellsOn(Game.FEnemyBoard), 20);
  }
  static int ShipCellsOn(const TBoard& Board) {
    int Decks = 0;
    for (int X = 0; X < 10; ++X)
      for (int Y = 0; Y < 10; ++Y)
        Decks += Board(X, Y).State == csShip;
    return Decks;
  }
};

// Hands on what each has sent, oldest first, until neither has anything more to say.
void DeliverAll(TPlayer& A, TPlayer& B) {
  for (bool Any = true; Any;) {
    Any = false;
    for (auto [From, To] : {std::pair{&A, &B}, std::pair{&B, &A}})
      if (!From->Link.FOut.empty()) {
        const TPeerMessage Message = From->Link.FOut.front();
        From->Link.FOut.pop_front();
        To->Game.PeerMessage(Message);
        Any = true;
      }
  }
}

// Plays the battle out, each side shooting where Aim says; every other shot the cannons stop
// before the answer has come, and must not land without it.
void PlayOut(TPlayer& A, TPlayer& B, const std::function<TPoint(TPlayer&)>& Aim) {
  for (int Step = 0; (A.Game.FBattle || B.Game.FBattle) && Step < 400; ++Step) {
    for (TPlayer* P : {&A, &B})
      if (P->Game.CanAim())
        P->Press(Aim(*P));
    if (Step % 2 == 0) {
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
  ASSERT_FALSE(A.Game.FBattle || B.Game.FBattle);
}

} // namespace

// Two games linked in memory meet round after round. In the first the host, its fleet spread by
// hand, knows the joiner's ships and never misses, and the link delivers inside waited cues (as
// the window's event loop does); later rounds both shoot along the rows, on boards the rounds
// before charted. Each round ends clean; the loser sees the winner's fleet. Then a chat line,
// and the host leaves; the joiner plays the computer next.
TEST(TNetGameTest, RoundAfterRoundEndsCleanAndShowsTheWinnersShips) {
  TPinnedRandom Random{11};
  TPlayer A, B;
  A.Game.StartNetGame(A.Link, A.Net, NetTestTools(1), true, "Аня");
  B.Game.StartNetGame(B.Link, B.Net, NetTestTools(2), false, "Борис");
  auto DuringCue = [&](const std::string& Line) -> std::string {
    if (Line.ends_with(" wait"))
      DeliverAll(A, B);
    return {};
  };
  A.Screen.FNote = B.Screen.FNote = DuringCue;
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
  PlayOut(A, B, [&](TPlayer& P) {
    if (&P == &B)
      return B.AlongRows();
    for (int I = 0; I < 10; ++I)
      for (int K = 0; K < TFleets::DecksOf(I); ++K)
        if (A.Game.IsValidTarget(B.Game.FFleets.MyShip(I).Deck(K)))
          return B.Game.FFleets.MyShip(I).Deck(K);
    return TPoint{-1, -1};
  });
  EXPECT_EQ(A.Screen.FResultCaption, "Вы победили!");
  EXPECT_EQ(B.Screen.FResultCaption, "Вы проиграли");
  EXPECT_EQ(A.Screen.FCounters[3], "10");
  EXPECT_EQ(B.Screen.FCounters[2], "20");
  EXPECT_EQ(A.Screen.FFires[1].size(), 20u);
  EXPECT_EQ(A.Net.FVerdict, TFairVerdict::fvClean);
  EXPECT_EQ(B.Net.FVerdict, TFairVerdict::fvClean);
  // The loser sees the winner's fleet where it stands, hits and all; the winner only what sank.
  EXPECT_FALSE(A.Game.FRevealEnemy);
  ASSERT_TRUE(B.Game.FRevealEnemy);
  for (int I = 0; I < 10; ++I) {
    const TShip& Ship = A.Game.FFleets.MyShip(I);
    for (int K = 0; K < Ship.FSize; ++K) {
      const TCell& Seen = B.Game.FEnemyBoard[Ship.Deck(K)];
      ASSERT_EQ(Seen.State, csShip) << I;
      EXPECT_EQ(Seen.Ship->FSize, Ship.FSize) << I;
      EXPECT_EQ(Seen.IsHit, A.Game.FMyBoard[Ship.Deck(K)].IsHit) << I;
    }
  }
  EXPECT_EQ(TPlayer::ShipCellsOn(A.Game.FEnemyBoard), 20);
  EXPECT_TRUE(B.BoardHolds());

  for (int Round = 1; Round < 25; ++Round) {
    SCOPED_TRACE(Round);
    TPlayer& Offers = Round % 2 ? B : A;
    TPlayer& Accepts = Round % 2 ? A : B;
    Offers.Game.NewGame();
    EXPECT_EQ(Offers.Net.FRematch, TRematchState::rmOfferedByMe);
    DeliverAll(A, B);
    EXPECT_EQ(Accepts.Net.FRematch, TRematchState::rmOfferedToMe);
    Accepts.Game.AnswerRematch(true);
    DeliverAll(A, B);
    ASSERT_TRUE(A.Game.FSetupMode && B.Game.FSetupMode);
    EXPECT_FALSE(Offers.Screen.FResultVisible);
    EXPECT_TRUE(Offers.Screen.FFires[1].empty());
    A.Game.ArrangePlayerFleet();
    B.Game.ArrangePlayerFleet();
    A.Game.StartBattle();
    B.Game.StartBattle();
    DeliverAll(A, B);
    PlayOut(A, B, [](TPlayer& P) { return P.AlongRows(); });
    ASSERT_EQ(A.Net.FVerdict, TFairVerdict::fvClean);
    ASSERT_EQ(B.Net.FVerdict, TFairVerdict::fvClean);
  }

  A.Game.SendChat("Ещё\nраз!");
  DeliverAll(A, B);
  ASSERT_FALSE(B.Net.FChat.empty());
  EXPECT_EQ(B.Net.FChat.back(), "Аня: Ещё раз!");
  // The host leaves; the transport ends with a farewell that carries the reason.
  A.Game.Leave();
  EXPECT_TRUE(A.Link.FClosed);
  EXPECT_FALSE(A.Game.IsNetGame());
  B.Game.PeerMessage({.Type = pmBye, .Text = A.Link.FCloseReason});
  EXPECT_EQ(B.Net.FEnded, "Противник покинул игру");
  EXPECT_FALSE(B.Game.IsNetGame());
  B.PlaysTheComputer();
}

namespace {

// The game under test hosts; the other side is a script that keeps its own fleet (Spread turned
// on its side, every ship down the board) and says what each test makes it say, true or not.
struct TLiarTest : testing::Test {
  TPlayer Me;
  const TFairPlayTools Tools = NetTestTools(9);
  const TNonce Nonce{1, 2, 3}, Salt{4, 5, 6}, Coin{7, 8, 9};
  TFleetLayout Committed{};
  std::array<std::array<bool, 10>, 10> Hit{};

  static TFleetLayout Turned() {
    TFleetLayout Layout;
    for (int I = 0; I < 10; ++I)
      Layout[I] = {{Spread[I].Y, Spread[I].X}, true};
    return Layout;
  }
  static TPeerMessage Shot(TPoint Cell) { return {.Type = pmShot, .Cell = Cell}; }
  static TPeerMessage Answer(TPoint Cell, TShotResult Result, std::vector<TPoint> Cells = {}) {
    return {.Type = pmAnswer, .Cell = Cell, .Result = Result, .Cells = std::move(Cells)};
  }
  TPeerMessage Reveal(const TFleetLayout& Shown) const {
    return {.Type = pmReveal, .Layout = Shown, .Salt = Salt};
  }
  // The true answer by the fleet committed to.
  TPeerMessage TrueAnswer(TPoint Cell) {
    TPeerMessage M = Answer(Cell, srMiss);
    for (int I = 0; I < 10; ++I) {
      const std::vector<TPoint> Decks = ShipCells(Committed[I], TFleets::DecksOf(I));
      if (std::find(Decks.begin(), Decks.end(), Cell) == Decks.end())
        continue;
      Hit[Cell.X][Cell.Y] = true;
      const bool Sunk =
          std::all_of(Decks.begin(), Decks.end(), [&](TPoint D) { return Hit[D.X][D.Y]; });
      M = Sunk ? Answer(Cell, srSunk, Decks) : Answer(Cell, srHit);
    }
    return M;
  }
  TPeerMessage Take(TPeerMsgType Type) {
    EXPECT_FALSE(Me.Link.FOut.empty());
    if (Me.Link.FOut.empty())
      return {};
    TPeerMessage M = Me.Link.FOut.front();
    Me.Link.FOut.pop_front();
    EXPECT_EQ(M.Type, Type);
    return M;
  }
  // A new game up to the player's turn: hellos, commitments and the coin; when the coin gives
  // the peer the first shot, it misses.
  void BeginBattle(const TFleetLayout& Fleet) {
    Me.Link = {};
    Me.Net = {};
    Hit = {};
    Committed = Fleet;
    Me.Game.NewGame();
    Me.Game.StartNetGame(Me.Link, Me.Net, NetTestTools(3), true, "Я");
    Me.SpreadFleet();
    Me.Game.StartBattle();
    const TNonce HostNonce = Take(pmHello).Nonce;
    Me.Game.PeerMessage({.Type = pmHello, .Name = "Лжец", .Nonce = Nonce});
    Take(pmCommit);
    Me.Game.PeerMessage(
        {.Type = pmCommit,
         .FleetCommit = FleetCommitment(Tools.Sha256, Committed, Salt, HostNonce, Nonce, false),
         .CoinCommit = CoinCommitment(Tools.Sha256, Coin, HostNonce, Nonce, false)});
    Take(pmCoin);
    Me.Game.PeerMessage({.Type = pmCoin, .Nonce = Coin});
    if (!Me.Game.CanAim())
      PeerShot({0, 5});
    ASSERT_TRUE(Me.Game.CanAim());
  }
  // The player shoots; an answer (the true one unless Lie is given) comes before the cannon
  // stops.
  void MyShot(TPoint Cell, const TPeerMessage* Lie = nullptr) {
    Me.Press(Cell);
    Take(pmShot);
    Me.Game.PeerMessage(Lie ? *Lie : TrueAnswer(Cell));
    Me.Land();
  }
  void PeerShot(TPoint Cell) {
    Me.Game.PeerMessage(Shot(Cell));
    if (!Me.Link.FClosed)
      Take(pmAnswer);
    Me.Land();
  }
};

} // namespace

// How a peer may break the rules, each named. What no honest peer says closes the link at once
// with its reason; what only the reveal shows, or a reveal withheld, is the verdict at the end,
// and the winner's ships are shown only from a reveal found true. Either way the player's game
// goes on. Before its last word the peer plays, cell by cell ("M99" is column 9, row 9): M the
// player's shot answered truly, L answered with a miss though it hit, P left unanswered, T the
// peer's shot, S the peer sinks the player's fleet and he reveals his.
TEST_F(TLiarTest, EveryBrokenRuleIsNamed) {
  using enum TFairVerdict;
  const TFleetLayout Turn = Turned(), Across = ::Across();
  TFleetLayout Touching = Turn;
  Touching[0].Head = {1, 4}; // a one-decker at the four-decker's stern, corner to corner
  const auto Says = [this](TPeerMessage M) { return [this, M] { Me.Game.PeerMessage(M); }; };
  const auto Bent = Answer({8, 9}, srSunk, {{8, 9}, {8, 8}}), Tight = Answer({1, 1}, srHit);
  const std::string Refused = "Противник отказался раскрыть свой флот.";
  const char* Known = "Выстрел по клетке, которая уже известна";
  const auto None = std::nullopt;
  struct TCase {
    const TFleetLayout& Committed;
    std::string Before;
    std::function<void()> Then;
    std::optional<TFairVerdict> Verdict; // none: the link is closed at once
    std::string Text;
  };
  const TCase Cases[] = {
      {Turn, "M99 S", Says(Reveal(Turn)), fvClean,
       "Игра честная: флот противника проверен, все его ответы правдивы."},
      {Turn, "L89 S", Says(Reveal(Turn)), fvLiedAboutShot, "Противник солгал об исходе выстрела."},
      {Turn, "M99 S", Says(Reveal(Across)), fvDifferentFleet,
       "Противник раскрыл не тот флот, что загадал."},
      {Touching, "M99 S", Says(Reveal(Touching)), fvIllegalFleet,
       "Противник раскрыл флот, нарушающий правила."},
      {Turn, "M99 S", Says(TPeerMessage{.Type = pmRematch}), fvRefusedReveal, Refused},
      {Turn, "M99 S", [this] { Me.Game.RevealOverdue(); }, fvRefusedReveal, Refused},
      {Turn, "M99 S", [this] { Me.Game.PeerLost("нет ответа"); }, fvLeftBeforeReveal,
       "Противник ушёл, не раскрыв свой флот."},
      {Turn, "", Says(Shot({0, 5})), None, "Выстрел не в свой ход"},
      {Turn, "M99", Says(Shot({10, 2})), None, "Выстрел за пределы поля"},
      {Turn, "M99 T25 M98", Says(Shot({2, 5})), None, Known},
      {Turn, "M99 T98", Says(Shot({8, 7})), None, Known}, // the ring of the ship it sank
      {Turn, "P89", Says(Bent), None,
       "Потопленный корабль не прямой или не совпадает с попаданиями"},
      {Turn, "M00 P11", Says(Tight), None, "Ответ ставит корабли вплотную друг к другу"},
      {Turn, "", Says(Answer({0, 0}, srMiss)), None, "Ответ на выстрел, которого не было"},
      {Turn, "P99", Says(Answer({9, 8}, srMiss)), None, "Ответ о другой клетке"},
      {Turn, "", Says(Reveal(Turn)), None, "Сообщение не к месту: раскрытие флота"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << &Case - Cases << ' ' << Case.Text);
    BeginBattle(Case.Committed);
    for (size_t At = 0; At < Case.Before.size(); At += 4) {
      const char Kind = Case.Before[At];
      const TPoint Cell =
          Kind == 'S' ? TPoint{} : TPoint{Case.Before[At + 1] - '0', Case.Before[At + 2] - '0'};
      const TPeerMessage MissAtADeck = Answer(Cell, srMiss);
      if (Kind == 'M' || Kind == 'L')
        MyShot(Cell, Kind == 'L' ? &MissAtADeck : nullptr);
      else if (Kind == 'T')
        PeerShot(Cell);
      else if (Kind == 'P') {
        Me.Press(Cell);
        Take(pmShot);
      } else {
        for (int I = 0; I < 10; ++I)
          for (int K = 0; K < TFleets::DecksOf(I); ++K)
            PeerShot(Me.Game.FFleets.MyShip(I).Deck(K));
        EXPECT_EQ(Me.Screen.FResultCaption, "Вы проиграли");
        Take(pmReveal);
      }
      ASSERT_FALSE(Me.Link.FClosed) << Me.Link.FCloseReason;
    }
    Case.Then();
    if (Case.Verdict) {
      EXPECT_EQ(Me.Net.FVerdict, Case.Verdict);
      EXPECT_EQ(Me.Net.FVerdictText, Case.Text);
      EXPECT_EQ(Me.Game.FRevealEnemy, Case.Verdict == fvClean);
      if (Case.Verdict == fvRefusedReveal) {
        EXPECT_EQ(Me.Link.FCloseReason, Refused);
      }
      if (Case.Verdict == fvLeftBeforeReveal) {
        EXPECT_EQ(Me.Net.FEnded, "Соединение потеряно: нет ответа");
      }
    } else {
      EXPECT_EQ(Me.Link.FCloseReason, Case.Text);
      EXPECT_EQ(Me.Net.FEnded, "Противник нарушил правила: " + Case.Text);
      EXPECT_FALSE(Me.Game.IsNetGame());
    }
    EXPECT_TRUE(Me.BoardHolds());
    Me.PlaysTheComputer();
  }
}

// A waited cue runs an event loop, in which the link may report anything: what it reports (a
// loss, then a message) is handled in order once the cue's handler is done, never in the middle.
TEST_F(TLiarTest, ConnectionLostDuringAWaitedCueIsHandledAfterIt) {
  BeginBattle(Turned());
  MyShot({9, 9}); // a miss: the peer's turn
  Me.Screen.FNote = [&](const std::string& Line) -> std::string {
    if (Line != "PlaySnd MyFire wait" || !Me.Game.IsNetGame())
      return {};
    Me.Game.PeerLost("разрыв");
    Me.Game.PeerMessage(Shot({1, 0})); // after the loss, so never answered
    return Me.Game.IsNetGame() ? "still playing" : "gone";
  };
  Me.Game.PeerMessage(Shot({0, 0})); // a deck of the four-decker
  Me.Land();
  EXPECT_FALSE(Me.Game.IsNetGame());
  EXPECT_EQ(Me.Net.FEnded, "Соединение потеряно: разрыв");
  EXPECT_EQ(Me.Screen.Running(TCannon::cnEnemy) + Me.Screen.Running(TCannon::cnMy), 0u);
  EXPECT_TRUE(Me.Game.FMyBoard(0, 0).IsHit);
  EXPECT_FALSE(Me.Game.FMyBoard(1, 0).IsHit);
  EXPECT_TRUE(std::none_of(Me.Link.FOut.begin(), Me.Link.FOut.end(), [](const TPeerMessage& M) {
    return M.Cell == TPoint{1, 0};
  }));
  const std::vector<std::string> Log = Me.Screen.TakeLog();
  const auto Cue = std::find(Log.begin(), Log.end(), "PlaySnd MyFire wait [still playing]");
  ASSERT_NE(Cue, Log.end());
  EXPECT_EQ(std::find(Cue, Log.end(), "StartCannon Enemy"), Log.end())
      << "no cannon starts after the cue";
}
