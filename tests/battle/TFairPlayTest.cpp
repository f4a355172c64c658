// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TFairPlay.h"

#include "NetTestTools.h"
#include "TSeaChart.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string Hex(const TDigest& Digest) {
  static const char* Digits = "0123456789abcdef";
  std::string Text;
  for (uint8_t Byte : Digest)
    Text += std::string{Digits[Byte >> 4], Digits[Byte & 15]};
  return Text;
}

// Nonces of bytes counting up from First, and of one byte repeated.
TNonce Bytes(uint8_t First) {
  TNonce Nonce;
  for (int I = 0; I < 16; ++I)
    Nonce[I] = static_cast<uint8_t>(First + I);
  return Nonce;
}
TNonce Fill(uint8_t Value) {
  TNonce Nonce;
  Nonce.fill(Value);
  return Nonce;
}

TAnswerRecord Miss(TPoint Cell) {
  return {Cell, TShotResult::srMiss, {}};
}
TAnswerRecord Hit(TPoint Cell) {
  return {Cell, TShotResult::srHit, {}};
}
TAnswerRecord Sunk(TPoint Cell, std::vector<TPoint> Cells) {
  return {Cell, TShotResult::srSunk, std::move(Cells)};
}

} // namespace

// The commitments and the coin against digests worked out apart from the game (Python's
// hashlib over the same bytes); which fleets the rules allow; which answers a revealed fleet
// bears out; and which answers fit what the shooter already knows.
TEST(TFairPlayTest, CommitmentsCoinFleetsAndAnswers) {
  const TSha256 Sha = NetTestTools(0).Sha256;
  EXPECT_EQ(Hex(FleetCommitment(Sha, Across(), Bytes(0), Bytes(16), Bytes(32), true)),
            "307296f2d295d3dc9f8e4aefdfa403eeb1269164e392da25bca1789ddeb57240");
  EXPECT_EQ(Hex(FleetCommitment(Sha, Across(), Bytes(0), Bytes(16), Bytes(32), false)),
            "8213a13d71d4c40bf141b7e75eb92707451c2699278cb31d0b5564800e9317f3");
  EXPECT_EQ(Hex(CoinCommitment(Sha, Bytes(0), Bytes(16), Bytes(32), false)),
            "a149829f53822d708b0ab8e54d9334f00c3a042d050fc1720f09bb7d3c310ad8");
  TFleetLayout Turned = Across();
  Turned[9].Vertical = true;
  EXPECT_NE(FleetCommitment(Sha, Turned, Bytes(0), Bytes(16), Bytes(32), true),
            FleetCommitment(Sha, Across(), Bytes(0), Bytes(16), Bytes(32), true));
  EXPECT_TRUE(HostShootsFirst(Sha, Fill(0), Fill(0)));
  EXPECT_FALSE(HostShootsFirst(Sha, Fill(1), Fill(0)));
  EXPECT_FALSE(HostShootsFirst(Sha, Fill(0), Fill(3)));

  struct TFleetCase {
    const char* Name;
    int Ship;
    TShipPlace Place;
    TFleetFault Fault;
  };
  const TFleetCase Fleets[] = {
      {"as spread", 0, {{9, 8}, false}, TFleetFault::ffNone},
      {"a one-decker alone on the left", 0, {{0, 9}, false}, TFleetFault::ffNone},
      {"corner to corner", 0, {{4, 1}, false}, TFleetFault::ffTouching},
      {"on another ship", 0, {{1, 0}, false}, TFleetFault::ffTouching},
      {"the four-decker over the edge", 9, {{7, 9}, false}, TFleetFault::ffOffBoard},
      {"a head off the board", 0, {{-1, 9}, false}, TFleetFault::ffOffBoard},
  };
  for (const TFleetCase& Case : Fleets) {
    TFleetLayout Layout = Across();
    Layout[Case.Ship] = Case.Place;
    EXPECT_EQ(CheckFleet(Layout), Case.Fault) << Case.Name;
  }

  // Answers to shots at the fleet as spread: -1 when all are true.
  struct TAnswersCase {
    const char* Name;
    std::vector<TAnswerRecord> Answers;
    int FirstUntrue;
  };
  const TAnswersCase AnswerCases[] = {
      {"true",
       {Miss({0, 9}), Hit({5, 4}), Sunk({6, 4}, {{6, 4}, {5, 4}}), Sunk({9, 8}, {{9, 8}})},
       -1},
      {"water called a hit", {Miss({0, 9}), Hit({0, 8})}, 1},
      {"a deck called water", {Miss({5, 4})}, 0},
      {"a last deck called a hit", {Hit({5, 4}), Hit({6, 4})}, 1},
      {"a sinking too early", {Sunk({5, 4}, {{5, 4}})}, 0},
      {"a sinking naming other decks", {Hit({5, 4}), Sunk({6, 4}, {{6, 4}, {7, 4}})}, 1},
  };
  for (const TAnswersCase& Case : AnswerCases)
    EXPECT_EQ(FirstUntrueAnswer(Across(), Case.Answers), Case.FirstUntrue) << Case.Name;

  // New answers against what earlier ones said.
  using TFault = TSeaChart::TAnswerFault;
  using enum TFault;
  const std::vector<TPoint> Line3 = {{1, 1}, {2, 1}, {3, 1}};
  const std::vector<TAnswerRecord> FourOneDeckers = {Sunk({0, 0}, {{0, 0}}), Sunk({2, 0}, {{2, 0}}),
                                                     Sunk({4, 0}, {{4, 0}}),
                                                     Sunk({6, 0}, {{6, 0}})};
  struct TChartCase {
    const char* Name;
    std::vector<TAnswerRecord> Before;
    TAnswerRecord Answer;
    TFault Fault;
  };
  const TChartCase ChartCases[] = {
      {"a first hit", {}, Hit({4, 4}), afNone},
      {"a hit beside a hit", {Hit({4, 4})}, Hit({5, 4}), afNone},
      {"a hit corner to corner with a hit", {Hit({4, 4})}, Hit({5, 5}), afTouching},
      {"a bent wreck", {Hit({4, 4}), Hit({5, 4})}, Hit({4, 5}), afTouching},
      {"four hits afloat", {Hit({1, 1}), Hit({2, 1}), Hit({3, 1})}, Hit({4, 1}), afLongWreck},
      {"a sinking in line", {Hit({1, 1}), Hit({2, 1})}, Sunk({3, 1}, Line3), afNone},
      {"a deck never hit", {Hit({1, 1})}, Sunk({2, 1}, Line3), afSunkShape},
      {"without the shot cell", {Hit({1, 1})}, Sunk({5, 5}, {{1, 1}}), afSunkShape},
      {"with a gap", {Hit({1, 1})}, Sunk({3, 1}, {{1, 1}, {3, 1}}), afSunkShape},
      {"a hit left beside", {Hit({1, 1}), Hit({2, 1})}, Sunk({3, 1}, {{2, 1}, {3, 1}}), afTouching},
      {"a fifth one-decker", FourOneDeckers, Sunk({8, 0}, {{8, 0}}), afSunkSize},
      {"the ring of a sunk ship", {Sunk({0, 0}, {{0, 0}})}, Hit({1, 1}), afKnownCell},
      {"a cell answered before", {Miss({5, 5})}, Miss({5, 5}), afKnownCell},
  };
  for (const TChartCase& Case : ChartCases) {
    TSeaChart Chart;
    for (const TAnswerRecord& Earlier : Case.Before) {
      ASSERT_EQ(Chart.Check(Earlier.Cell, Earlier.Result, Earlier.Cells), afNone) << Case.Name;
      Chart.Apply(Earlier.Cell, Earlier.Result, Earlier.Cells);
    }
    EXPECT_EQ(Chart.Check(Case.Answer.Cell, Case.Answer.Result, Case.Answer.Cells), Case.Fault)
        << Case.Name;
  }
}
