// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// The battle controller against a player at the other end of a link: the messages, their
// order, and the checks that keep both sides honest. The rules themselves are in TFairPlay and
// TSeaChart; the game on the screen is the one against the computer.
#include "BoardGeometry.h"
#include "NetTexts.h"
#include "TBattleController.h"

#include <algorithm>

namespace {

TNonce RandomNonce(const TFairPlayTools& Tools) {
  TNonce Bytes{};
  Tools.RandomBytes(Bytes.data(), Bytes.size());
  return Bytes;
}

// A line fit to show and send: no control characters, at most Limit bytes, cut between
// characters.
std::string OneLine(const std::string& Text, size_t Limit) {
  std::string Line = Text;
  for (char& C : Line)
    if (static_cast<unsigned char>(C) < 0x20 || C == 0x7F)
      C = ' ';
  if (Line.size() > Limit) {
    size_t Cut = Limit;
    while (Cut > 0 && (static_cast<unsigned char>(Line[Cut]) & 0xC0) == 0x80)
      --Cut;
    Line.resize(Cut);
  }
  return Line;
}

int AnswerFaultText(TSeaChart::TAnswerFault Fault) {
  switch (Fault) {
  case TSeaChart::TAnswerFault::afKnownCell:
    return ntAnswerKnownCell;
  case TSeaChart::TAnswerFault::afSunkShape:
    return ntAnswerSunkShape;
  case TSeaChart::TAnswerFault::afSunkSize:
    return ntAnswerSunkSize;
  case TSeaChart::TAnswerFault::afTouching:
    return ntAnswerTouching;
  case TSeaChart::TAnswerFault::afLongWreck:
    return ntAnswerLongWreck;
  case TSeaChart::TAnswerFault::afNone:
    break;
  }
  return 0;
}

int VerdictText(TFairVerdict Verdict) {
  switch (Verdict) {
  case TFairVerdict::fvClean:
    return ntVerdictClean;
  case TFairVerdict::fvLiedAboutShot:
    return ntVerdictLied;
  case TFairVerdict::fvDifferentFleet:
    return ntVerdictDifferent;
  case TFairVerdict::fvIllegalFleet:
    return ntVerdictIllegal;
  case TFairVerdict::fvRefusedReveal:
    return ntVerdictRefused;
  case TFairVerdict::fvLeftBeforeReveal:
    return ntVerdictLeft;
  }
  return 0;
}

} // namespace

void TBattleController::StartNetGame(TPeerLink& Link, TNetScreen& NetScreen, TFairPlayTools Tools,
                                     bool Host, const std::string& MyName) {
  FInbox.clear();
  FNet = std::make_unique<TNetMatch>();
  FNet->Link = &Link;
  FNet->Screen = &NetScreen;
  FNet->Tools = std::move(Tools);
  FNet->Host = Host;
  FNet->MyName = OneLine(MyName, MaxPeerNameBytes);
  BeginRound();
}

void TBattleController::BeginRound() {
  FNet->Round = {};
  ResetGame();
  FNet->Round.MyNonce = RandomNonce(FNet->Tools);
  FNet->Screen->SetTurn(TNetTurn::ntNone);
  FNet->Screen->SetWaitText(std::string(NetText(ntWaitOpponent)));
  TPeerMessage Hello = MakePeerMessage(TPeerMsgType::pmHello);
  Hello.Name = FNet->MyName;
  Hello.Nonce = FNet->Round.MyNonce;
  FNet->Link->Send(Hello);
}

void TBattleController::PeerMessage(const TPeerMessage& Message) {
  if (!FNet)
    return;
  if (Busy()) {
    FInbox.push_back({false, Message});
    return;
  }
  ++FDepth;
  HandlePeerMessage(Message);
  --FDepth;
  DrainInbox();
}

void TBattleController::PeerLost(const std::string& Reason) {
  if (!FNet)
    return;
  if (Busy()) {
    TInboxItem Item;
    Item.Lost = true;
    Item.Message.Text = Reason;
    FInbox.push_back(std::move(Item));
    return;
  }
  const TNetRound& R = FNet->Round;
  if (R.Shooting && !R.PeerRevealIn)
    FNet->Screen->ShowVerdict(TFairVerdict::fvLeftBeforeReveal,
                              std::string(NetText(ntVerdictLeft)));
  // A silent peer or a dropped socket comes with the very same words: said once, not twice.
  const std::string Lost(NetText(ntConnectionLost));
  EndNetGame(Reason == Lost ? Lost : NetText(ntConnectionLost, Reason));
}

void TBattleController::DrainInbox() {
  while (!Busy() && FNet && !FInbox.empty()) {
    const TInboxItem Item = std::move(FInbox.front());
    FInbox.pop_front();
    if (Item.Lost)
      PeerLost(Item.Message.Text);
    else
      PeerMessage(Item.Message);
  }
}

void TBattleController::HandlePeerMessage(const TPeerMessage& Message) {
  TNetRound& R = FNet->Round;
  switch (Message.Type) {
  case TPeerMsgType::pmHello:
    return PeerHello(Message);
  case TPeerMsgType::pmCommit:
    return PeerCommit(Message);
  case TPeerMsgType::pmCoin:
    return PeerCoin(Message);
  case TPeerMsgType::pmShot:
    return PeerShot(Message);
  case TPeerMsgType::pmAnswer:
    return PeerAnswer(Message);
  case TPeerMsgType::pmReveal:
    return PeerReveal(Message);
  case TPeerMsgType::pmChat:
    if (Message.Text.size() > MaxPeerTextBytes)
      return Refuse(ntTextTooLong);
    FNet->Screen->AddChatLine(FNet->PeerName, OneLine(Message.Text, MaxPeerTextBytes));
    return;
  case TPeerMsgType::pmRematch:
    return PeerRematch();
  case TPeerMsgType::pmRematchReply:
    return PeerRematchReply(Message);
  case TPeerMsgType::pmBye:
    if (R.Shooting && !R.PeerRevealIn)
      FNet->Screen->ShowVerdict(TFairVerdict::fvLeftBeforeReveal,
                                std::string(NetText(ntVerdictLeft)));
    return EndNetGame(NetText(ntPeerLeft, OneLine(Message.Text, MaxPeerTextBytes)));
  }
  Refuse(ntOutOfOrder, PeerMessageName(Message.Type));
}

void TBattleController::PeerHello(const TPeerMessage& Message) {
  TNetRound& R = FNet->Round;
  if (R.PeerHello)
    return Refuse(ntOutOfOrder, PeerMessageName(Message.Type));
  if (Message.Name.size() > MaxPeerNameBytes)
    return Refuse(ntTextTooLong);
  R.PeerHello = true;
  R.PeerNonce = Message.Nonce;
  FNet->PeerName = OneLine(Message.Name, MaxPeerNameBytes);
  FNet->Screen->SetOpponentName(FNet->PeerName);
  FNet->Screen->SetWaitText(R.Ready ? std::string(NetText(ntWaitFleet)) : std::string());
  if (R.Ready)
    SendCommit();
}

// The player's fleet has passed the start of battle: it is fixed from here and committed to,
// as soon as the other side's nonce is known.
void TBattleController::CommitFleet() {
  TNetRound& R = FNet->Round;
  for (int I = 0; I < TFleets::FleetSize; ++I)
    R.MyLayout[I] = {FFleets.MyShip(I).FPos, FFleets.MyShip(I).FVertical};
  R.MySalt = RandomNonce(FNet->Tools);
  R.MyCoin = RandomNonce(FNet->Tools);
  R.Ready = true;
  FNet->Screen->SetWaitText(std::string(NetText(R.PeerHello ? ntWaitFleet : ntWaitOpponent)));
  if (R.PeerHello)
    SendCommit();
}

void TBattleController::SendCommit() {
  TNetRound& R = FNet->Round;
  const TSha256& Sha = FNet->Tools.Sha256;
  R.CommitSent = true;
  TPeerMessage Commit = MakePeerMessage(TPeerMsgType::pmCommit);
  Commit.FleetCommit = FleetCommitment(Sha, R.MyLayout, R.MySalt, FNet->HostNonce(),
                                       FNet->JoinerNonce(), FNet->Host);
  Commit.CoinCommit =
      CoinCommitment(Sha, R.MyCoin, FNet->HostNonce(), FNet->JoinerNonce(), FNet->Host);
  FNet->Link->Send(Commit);
  if (R.PeerCommitIn)
    SendCoin();
}

void TBattleController::PeerCommit(const TPeerMessage& Message) {
  TNetRound& R = FNet->Round;
  if (!R.PeerHello || R.PeerCommitIn)
    return Refuse(ntOutOfOrder, PeerMessageName(Message.Type));
  R.PeerCommitIn = true;
  R.PeerFleetCommit = Message.FleetCommit;
  R.PeerCoinCommit = Message.CoinCommit;
  if (R.CommitSent)
    SendCoin();
}

// Both commitments are in: neither side can change its fleet or its coin secret now.
void TBattleController::SendCoin() {
  TNetRound& R = FNet->Round;
  R.CoinSent = true;
  FNet->Screen->SetWaitText({});
  TPeerMessage Coin = MakePeerMessage(TPeerMsgType::pmCoin);
  Coin.Nonce = R.MyCoin;
  FNet->Link->Send(Coin);
  if (R.PeerCoinIn)
    BeginShooting();
}

void TBattleController::PeerCoin(const TPeerMessage& Message) {
  TNetRound& R = FNet->Round;
  if (!R.PeerCommitIn || !R.CommitSent || R.PeerCoinIn)
    return Refuse(ntOutOfOrder, PeerMessageName(Message.Type));
  if (CoinCommitment(FNet->Tools.Sha256, Message.Nonce, FNet->HostNonce(), FNet->JoinerNonce(),
                     !FNet->Host) != R.PeerCoinCommit)
    return Refuse(ntCoinMismatch);
  R.PeerCoinIn = true;
  R.PeerCoin = Message.Nonce;
  if (R.CoinSent)
    BeginShooting();
}

void TBattleController::BeginShooting() {
  TNetRound& R = FNet->Round;
  const bool HostFirst = HostShootsFirst(FNet->Tools.Sha256, FNet->Host ? R.MyCoin : R.PeerCoin,
                                         FNet->Host ? R.PeerCoin : R.MyCoin);
  R.MyTurn = HostFirst == FNet->Host;
  R.Shooting = true;
  SyncTurn();
  FScreen.UpdateAimCursor();
}

bool TBattleController::MayShoot() const {
  const TNetRound& R = FNet->Round;
  return R.Shooting && R.MyTurn && !R.ShotOut && !R.Decided;
}

// Whether the other side already knows what is at a cell of the player's board: it shot there,
// or the cell rings a ship it has sunk.
bool TBattleController::KnownToPeer(TPoint Cell) const {
  const TNetRound& R = FNet->Round;
  if (R.ShotAtMe[Cell.X][Cell.Y])
    return true;
  if (FMyBoard[Cell].State == csShip)
    return false;
  for (int DX = -1; DX <= 1; ++DX)
    for (int DY = -1; DY <= 1; ++DY) {
      const TPoint N{Cell.X + DX, Cell.Y + DY};
      if (!InBoard(N) || FMyBoard[N].State != csShip)
        continue;
      const TShip& Ship = *FMyBoard[N].Ship;
      bool Sunk = true;
      for (int32_t K = 0; K < Ship.FSize; ++K)
        Sunk = Sunk && R.ShotAtMe[Ship.Deck(K).X][Ship.Deck(K).Y];
      if (Sunk)
        return true;
    }
  return false;
}

// The other side's shot is answered at once from the player's board; it lands here when its
// cannon stops, after any shot of his still in flight.
void TBattleController::PeerShot(const TPeerMessage& Message) {
  TNetRound& R = FNet->Round;
  if (!R.Shooting || R.Decided)
    return Refuse(ntOutOfOrder, PeerMessageName(Message.Type));
  if (R.MyTurn)
    return Refuse(ntShotOutOfTurn);
  if (!InBoard(Message.Cell))
    return Refuse(ntShotOffBoard);
  if (KnownToPeer(Message.Cell))
    return Refuse(ntShotKnownCell);
  const TPoint Cell = Message.Cell;
  R.ShotAtMe[Cell.X][Cell.Y] = true;
  TPeerMessage Answer = MakePeerMessage(TPeerMsgType::pmAnswer);
  Answer.Cell = Cell;
  if (const TCell& C = FMyBoard[Cell]; C.State == csShip) {
    const TShip& Ship = *C.Ship;
    Answer.Result = TShotResult::srSunk;
    for (int32_t K = 0; K < Ship.FSize; ++K) {
      Answer.Cells.push_back(Ship.Deck(K));
      if (!R.ShotAtMe[Ship.Deck(K).X][Ship.Deck(K).Y])
        Answer.Result = TShotResult::srHit;
    }
    if (Answer.Result == TShotResult::srHit)
      Answer.Cells.clear();
  }
  FNet->Link->Send(Answer);
  if (Answer.Result == TShotResult::srMiss)
    R.MyTurn = true;
  else if (Answer.Result == TShotResult::srSunk && ++R.MySunk == TFleets::FleetSize) {
    R.Decided = true;
    SendReveal();
  }
  R.IncomingShots.push_back(Cell);
  StartPeerCannon();
  SyncTurn();
}

void TBattleController::StartPeerCannon() {
  if (FNet->Round.IncomingShots.empty() || FPendingShot[static_cast<int>(TCannon::cnEnemy)] != 0)
    return;
  FScreen.PlaySnd(sndEnemyShot, false);
  StartCannon(TCannon::cnEnemy);
}

void TBattleController::PeerAnswer(const TPeerMessage& Message) {
  TNetRound& R = FNet->Round;
  if (!R.ShotOut || R.AnswerIn)
    return Refuse(ntAnswerToNoShot);
  if (Message.Cell != FLastShot)
    return Refuse(ntAnswerOtherCell);
  const std::vector<TPoint> Cells =
      Message.Result == TShotResult::srSunk ? Message.Cells : std::vector<TPoint>{};
  if (const auto Fault = R.Chart.Check(Message.Cell, Message.Result, Cells);
      Fault != TSeaChart::TAnswerFault::afNone)
    return Refuse(AnswerFaultText(Fault));
  R.Chart.Apply(Message.Cell, Message.Result, Cells);
  R.Answer = {Message.Cell, Message.Result, Cells};
  R.Answers.push_back(R.Answer);
  R.AnswerIn = true;
  if (Message.Result == TShotResult::srMiss)
    R.MyTurn = false;
  if (R.Chart.SunkCount() == TFleets::FleetSize) {
    R.Decided = true;
    SendReveal();
  }
  if (R.StopWaiting)
    LandMyShot();
}

// The answer to the player's shot, put on the other side's board so that the shot lands as it
// does on the computer's: an unknown hit deck stands for a ship not yet known, and a sinking
// puts a ship of that size, still unsunk, on its decks.
void TBattleController::ChartAnswerOnBoard() {
  TNetRound& R = FNet->Round;
  const TAnswerRecord Answer = R.Answer;
  R.ShotOut = R.AnswerIn = R.StopWaiting = false;
  if (Answer.Result == TShotResult::srHit) {
    FEnemyBoard[Answer.Cell] = {csShip, &FUnknownShip, false, false};
    // The stand-in takes this hit next; it must never count enough of them to sink, however
    // many rounds it has stood in before.
    FUnknownShip.FHits = 0;
  } else if (Answer.Result == TShotResult::srSunk) {
    const auto Size = static_cast<int32_t>(Answer.Cells.size());
    TShip* Ship = nullptr;
    for (int I = 0; I < TFleets::FleetSize && !Ship; ++I)
      if (TFleets::DecksOf(I) == Size && !FFleets.EnemyShip(I).OnBoard())
        Ship = &FFleets.EnemyShip(I);
    if (!Ship)
      return;
    TPoint Head = Answer.Cells.front();
    for (TPoint Cell : Answer.Cells) {
      Head = {std::min(Head.X, Cell.X), std::min(Head.Y, Cell.Y)};
      FEnemyBoard[Cell] = {};
    }
    Ship->SetBoard(&FEnemyBoard);
    Ship->FVertical = Size > 1 && Answer.Cells[0].X == Answer.Cells[1].X;
    Ship->MoveTo(Head);
    for (TPoint Cell : Answer.Cells)
      if (Cell != Answer.Cell) {
        FEnemyBoard[Cell].IsHit = true;
        Ship->Hit();
      }
  }
}

void TBattleController::SendReveal() {
  TNetRound& R = FNet->Round;
  if (R.RevealSent)
    return;
  R.RevealSent = true;
  TPeerMessage Reveal = MakePeerMessage(TPeerMsgType::pmReveal);
  Reveal.Layout = R.MyLayout;
  Reveal.Salt = R.MySalt;
  FNet->Link->Send(Reveal);
}

void TBattleController::PeerReveal(const TPeerMessage& Message) {
  TNetRound& R = FNet->Round;
  if (!R.Decided || R.PeerRevealIn)
    return Refuse(ntOutOfOrder, PeerMessageName(Message.Type));
  R.PeerRevealIn = true;
  R.PeerLayout = Message.Layout;
  R.PeerSalt = Message.Salt;
  if (CheckFleet(Message.Layout) != TFleetFault::ffNone)
    R.Verdict = TFairVerdict::fvIllegalFleet;
  else if (FleetCommitment(FNet->Tools.Sha256, Message.Layout, Message.Salt, FNet->HostNonce(),
                           FNet->JoinerNonce(), !FNet->Host) != R.PeerFleetCommit)
    R.Verdict = TFairVerdict::fvDifferentFleet;
  else if (FirstUntrueAnswer(Message.Layout, R.Answers) >= 0)
    R.Verdict = TFairVerdict::fvLiedAboutShot;
  else
    R.Verdict = TFairVerdict::fvClean;
  if (R.Over && FMyLosses == TFleets::FleetSize && ShowPeerFleet()) {
    FRevealEnemy = true;
    FScreen.RepaintBoard(TSide::sdEnemy);
  }
  ShowVerdictWhenDue();
}

// The winner's surviving ships on the loser's board, from a reveal found true: the board is
// laid out afresh from it, with what the shots found, and the fires stay.
bool TBattleController::ShowPeerFleet() {
  const TNetRound& R = FNet->Round;
  if (!R.PeerRevealIn || R.Verdict != TFairVerdict::fvClean)
    return false;
  FFleets.ClearBoard(FEnemyBoard);
  for (int I = 0; I < TFleets::FleetSize; ++I) {
    TShip& Ship = FFleets.EnemyShip(I);
    Ship.SetBoard(&FEnemyBoard);
    Ship.FVertical = R.PeerLayout[I].Vertical;
    Ship.MoveTo(R.PeerLayout[I].Head);
  }
  for (int X = 0; X < BoardSize; ++X)
    for (int Y = 0; Y < BoardSize; ++Y) {
      TCell& Cell = FEnemyBoard(X, Y);
      const TSeaChart::TMark Mark = R.Chart.At({X, Y});
      if (Mark == TSeaChart::mkHit || Mark == TSeaChart::mkSunk) {
        Cell.IsHit = true;
        Cell.Ship->Hit();
      } else if (Mark == TSeaChart::mkWater && Cell.State == csEmpty) {
        Cell.State = csMiss;
      }
    }
  return true;
}

void TBattleController::ShowVerdictWhenDue() {
  TNetRound& R = FNet->Round;
  if (!R.Over || !R.PeerRevealIn || R.VerdictShown)
    return;
  R.VerdictShown = true;
  FNet->Screen->ShowVerdict(R.Verdict, std::string(NetText(VerdictText(R.Verdict))));
}

// An offer or an answer about the next game comes only after a side has revealed its fleet.
void TBattleController::PeerRematch() {
  TNetRound& R = FNet->Round;
  if (!R.Decided || R.RematchIn)
    return Refuse(ntOutOfOrder, PeerMessageName(TPeerMsgType::pmRematch));
  if (!R.PeerRevealIn) {
    FNet->Screen->ShowVerdict(TFairVerdict::fvRefusedReveal,
                              std::string(NetText(ntVerdictRefused)));
    return Refuse(ntVerdictRefused);
  }
  if (R.RematchOut) // both offered: the new game starts on both sides
    return BeginRound();
  R.RematchIn = true;
  FNet->Screen->SetRematchState(TRematchState::rmOfferedToMe, std::string(NetText(ntRematchToMe)));
}

void TBattleController::PeerRematchReply(const TPeerMessage& Message) {
  TNetRound& R = FNet->Round;
  if (!R.RematchOut)
    return Refuse(ntOutOfOrder, PeerMessageName(Message.Type));
  if (!R.PeerRevealIn) {
    FNet->Screen->ShowVerdict(TFairVerdict::fvRefusedReveal,
                              std::string(NetText(ntVerdictRefused)));
    return Refuse(ntVerdictRefused);
  }
  if (Message.Accept)
    return BeginRound();
  R.RematchOut = false;
  FNet->Screen->SetRematchState(TRematchState::rmDeclined, std::string(NetText(ntRematchDeclined)));
}

void TBattleController::AnswerRematch(bool Accept) {
  // Not before the result is on the screen, which may come a cannon's flight after the offer.
  if (!FNet || !FNet->Round.RematchIn || !FNet->Round.Over || Busy())
    return;
  FNet->Round.RematchIn = false;
  TPeerMessage Reply = MakePeerMessage(TPeerMsgType::pmRematchReply);
  Reply.Accept = Accept;
  FNet->Link->Send(Reply);
  if (Accept)
    BeginRound();
  else
    FNet->Screen->SetRematchState(TRematchState::rmDeclinedByMe,
                                  std::string(NetText(ntRematchDeclinedByMe)));
}

// Only the side offered a rematch lets it lapse, by declining it: the offering side learns so
// from the answer, and an acceptance can never cross a withdrawal.
void TBattleController::RematchLapsed() {
  if (!FNet || !FNet->Round.RematchIn || Busy())
    return;
  FNet->Round.RematchIn = false;
  FNet->Link->Send(MakePeerMessage(TPeerMsgType::pmRematchReply));
  FNet->Screen->SetRematchState(TRematchState::rmLapsed, std::string(NetText(ntRematchLapsed)));
}

void TBattleController::RevealOverdue() {
  if (!FNet || !FNet->Round.Decided || FNet->Round.PeerRevealIn || Busy())
    return;
  FNet->Screen->ShowVerdict(TFairVerdict::fvRefusedReveal, std::string(NetText(ntVerdictRefused)));
  Refuse(ntVerdictRefused);
}

void TBattleController::SendChat(const std::string& Line) {
  if (!FNet)
    return;
  const std::string Text = OneLine(Line, MaxPeerTextBytes);
  if (Text.empty())
    return;
  TPeerMessage Chat = MakePeerMessage(TPeerMsgType::pmChat);
  Chat.Text = Text;
  FNet->Link->Send(Chat);
  FNet->Screen->AddChatLine(FNet->MyName, Text);
}

void TBattleController::Leave() {
  if (!FNet)
    return;
  FNet->Link->Close({}); // leaving needs no reason: the other side is told that he left
  EndNetGame(std::string(NetText(ntYouLeft)));
}

// Whose turn it is, on the screen and for the presses: the player may aim only when it is his
// turn and nothing of either side is still in flight.
void TBattleController::SyncTurn() {
  if (!FNet)
    return;
  TNetRound& R = FNet->Round;
  const bool Flying = R.ShotOut || !R.IncomingShots.empty() ||
                      FPendingShot[static_cast<int>(TCannon::cnMy)] != 0 ||
                      FPendingShot[static_cast<int>(TCannon::cnEnemy)] != 0;
  if (FBattle && R.Shooting)
    FFiring = !R.MyTurn || Flying || R.Decided;
  const TNetTurn Turn = !R.Shooting || R.Decided ? TNetTurn::ntNone
                        : R.MyTurn               ? TNetTurn::ntMine
                                                 : TNetTurn::ntTheirs;
  if (Turn != R.ShownTurn) {
    R.ShownTurn = Turn;
    FNet->Screen->SetTurn(Turn);
  }
}

// The link is closed with the reason, which the other side shows too.
void TBattleController::Refuse(int Id, std::string_view Detail) {
  const std::string Reason = NetText(Id, Detail);
  FNet->Link->Close(Reason);
  EndNetGame(NetText(ntRuleBroken, Reason));
}

// The network game is over for good; what is on the boards stays to be seen, and New game
// starts a game against the computer.
void TBattleController::EndNetGame(const std::string& Reason) {
  const std::unique_ptr<TNetMatch> Net = std::move(FNet);
  FInbox.clear();
  for (TCannon Cannon : {TCannon::cnMy, TCannon::cnEnemy})
    if (FPendingShot[static_cast<int>(Cannon)] != 0) {
      FPendingShot[static_cast<int>(Cannon)] = 0;
      FScreen.StopCannon(Cannon);
    }
  if (FSetupMode) {
    FScreen.SetSetupTimer(false);
    FScreen.SetStartEnabled(false);
    FSetupMode = false;
    FSelectedShip = nullptr;
  }
  FBattle = false;
  FFiring = false;
  Net->Screen->SetTurn(TNetTurn::ntNone);
  Net->Screen->SetWaitText({});
  Net->Screen->NetGameEnded(Reason);
}
