// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TFairPlay.h"

#include "BoardGeometry.h"
#include "TFleets.h"

#include <algorithm>
#include <string_view>

namespace {

void Append(std::vector<uint8_t>& Into, std::string_view Tag) {
  Into.insert(Into.end(), Tag.begin(), Tag.end());
}
void Append(std::vector<uint8_t>& Into, const TNonce& Bytes) {
  Into.insert(Into.end(), Bytes.begin(), Bytes.end());
}
void AppendInt(std::vector<uint8_t>& Into, int32_t Value) {
  const auto U = static_cast<uint32_t>(Value);
  for (int Shift = 24; Shift >= 0; Shift -= 8)
    Into.push_back(static_cast<uint8_t>(U >> Shift));
}

bool SameCells(std::vector<TPoint> A, std::vector<TPoint> B) {
  auto Less = [](TPoint P, TPoint Q) { return P.X != Q.X ? P.X < Q.X : P.Y < Q.Y; };
  std::sort(A.begin(), A.end(), Less);
  std::sort(B.begin(), B.end(), Less);
  return A == B;
}

} // namespace

std::vector<uint8_t> EncodeLayout(const TFleetLayout& Layout) {
  std::vector<uint8_t> Bytes;
  Bytes.reserve(EncodedLayoutBytes);
  for (const TShipPlace& Ship : Layout) {
    AppendInt(Bytes, Ship.Head.X);
    AppendInt(Bytes, Ship.Head.Y);
    Bytes.push_back(Ship.Vertical ? 1 : 0);
  }
  return Bytes;
}

// A tag of its own in front of each kind of commitment, so that one can never pass for the
// other, and the committing side's role.
TDigest FleetCommitment(const TSha256& Sha256, const TFleetLayout& Layout, const TNonce& Salt,
                        const TNonce& HostNonce, const TNonce& JoinerNonce, bool ByHost) {
  std::vector<uint8_t> Data;
  Append(Data, "salvora-fleet");
  Data.push_back(ByHost ? 0 : 1);
  const std::vector<uint8_t> Encoded = EncodeLayout(Layout);
  Data.insert(Data.end(), Encoded.begin(), Encoded.end());
  Append(Data, Salt);
  Append(Data, HostNonce);
  Append(Data, JoinerNonce);
  return Sha256(Data);
}

TDigest CoinCommitment(const TSha256& Sha256, const TNonce& Secret, const TNonce& HostNonce,
                       const TNonce& JoinerNonce, bool ByHost) {
  std::vector<uint8_t> Data;
  Append(Data, "salvora-coin");
  Data.push_back(ByHost ? 0 : 1);
  Append(Data, Secret);
  Append(Data, HostNonce);
  Append(Data, JoinerNonce);
  return Sha256(Data);
}

bool HostShootsFirst(const TSha256& Sha256, const TNonce& HostSecret, const TNonce& JoinerSecret) {
  std::vector<uint8_t> Data;
  Append(Data, HostSecret);
  Append(Data, JoinerSecret);
  return (Sha256(Data)[31] & 1) != 0;
}

std::vector<TPoint> ShipCells(const TShipPlace& Place, int32_t Size) {
  std::vector<TPoint> Cells;
  for (int32_t K = 0; K < Size; ++K)
    Cells.push_back(Place.Vertical ? TPoint{Place.Head.X, Place.Head.Y + K}
                                   : TPoint{Place.Head.X + K, Place.Head.Y});
  return Cells;
}

TFleetFault CheckFleet(const TFleetLayout& Layout) {
  std::array<std::array<int, BoardSize>, BoardSize> Owner;
  for (auto& Column : Owner)
    Column.fill(-1);
  for (int I = 0; I < TFleets::FleetSize; ++I)
    for (TPoint Cell : ShipCells(Layout[I], TFleets::DecksOf(I))) {
      if (!InBoard(Cell))
        return TFleetFault::ffOffBoard;
      if (Owner[Cell.X][Cell.Y] >= 0)
        return TFleetFault::ffTouching;
      Owner[Cell.X][Cell.Y] = I;
    }
  for (int X = 0; X < BoardSize; ++X)
    for (int Y = 0; Y < BoardSize; ++Y)
      for (int DX = -1; DX <= 1; ++DX)
        for (int DY = -1; DY <= 1; ++DY) {
          const TPoint N{X + DX, Y + DY};
          if (Owner[X][Y] >= 0 && InBoard(N) && Owner[N.X][N.Y] >= 0 &&
              Owner[N.X][N.Y] != Owner[X][Y])
            return TFleetFault::ffTouching;
        }
  return TFleetFault::ffNone;
}

int FirstUntrueAnswer(const TFleetLayout& Layout, const std::vector<TAnswerRecord>& Answers) {
  std::array<std::array<int, BoardSize>, BoardSize> Owner;
  for (auto& Column : Owner)
    Column.fill(-1);
  for (int I = 0; I < TFleets::FleetSize; ++I)
    for (TPoint Cell : ShipCells(Layout[I], TFleets::DecksOf(I)))
      if (InBoard(Cell))
        Owner[Cell.X][Cell.Y] = I;
  std::array<int32_t, TFleets::FleetSize> Hits{};
  std::array<std::array<bool, BoardSize>, BoardSize> Shot{};
  for (size_t N = 0; N < Answers.size(); ++N) {
    const TAnswerRecord& Answer = Answers[N];
    if (!InBoard(Answer.Cell) || Shot[Answer.Cell.X][Answer.Cell.Y])
      return static_cast<int>(N);
    Shot[Answer.Cell.X][Answer.Cell.Y] = true;
    const int Ship = Owner[Answer.Cell.X][Answer.Cell.Y];
    TShotResult Due = TShotResult::srMiss;
    if (Ship >= 0)
      Due = ++Hits[Ship] == TFleets::DecksOf(Ship) ? TShotResult::srSunk : TShotResult::srHit;
    if (Answer.Result != Due ||
        (Due == TShotResult::srSunk &&
         !SameCells(Answer.Cells, ShipCells(Layout[Ship], TFleets::DecksOf(Ship)))))
      return static_cast<int>(N);
  }
  return -1;
}
