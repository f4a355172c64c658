// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TPeerMessage.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// The rules that keep a network game honest, as plain functions: what each side commits to
// before the battle, the coin that picks the first shooter, and the checks of a revealed fleet
// against its commitment and against every answer it gave. No sockets and no clock here; the
// hash and the random bytes are handed in, so that the window may use its platform's own.

using TSha256 = std::function<TDigest(const std::vector<uint8_t>& Data)>;
using TRandomBytes = std::function<void(uint8_t* Data, size_t Size)>;

struct TFairPlayTools {
  TSha256 Sha256;
  TRandomBytes RandomBytes;
};

// Four bytes of X, four of Y (big-endian, two's complement) and one of the turn, per ship in
// fleet order: every layout, even a wrong one, has its own encoding of the same length.
inline constexpr size_t EncodedLayoutBytes = 10 * 9;
std::vector<uint8_t> EncodeLayout(const TFleetLayout& Layout);

// ByHost says whose commitment it is, so that a side cannot pass the other's off as its own.
TDigest FleetCommitment(const TSha256& Sha256, const TFleetLayout& Layout, const TNonce& Salt,
                        const TNonce& HostNonce, const TNonce& JoinerNonce, bool ByHost);
TDigest CoinCommitment(const TSha256& Sha256, const TNonce& Secret, const TNonce& HostNonce,
                       const TNonce& JoinerNonce, bool ByHost);
// The lowest bit of SHA-256(host's secret, joiner's secret): neither side can choose it once
// both secrets are committed.
bool HostShootsFirst(const TSha256& Sha256, const TNonce& HostSecret, const TNonce& JoinerSecret);

// The decks of a ship of Size decks standing at Place; they may lie off the board.
std::vector<TPoint> ShipCells(const TShipPlace& Place, int32_t Size);

enum class TFleetFault : uint8_t {
  ffNone,
  ffOffBoard, // a deck off the board
  ffTouching, // two ships overlap or touch, diagonally too
};
// Whether a layout is a fleet the rules allow.
TFleetFault CheckFleet(const TFleetLayout& Layout);

// One answer a side received to one of its shots.
struct TAnswerRecord {
  TPoint Cell{-1, -1};
  TShotResult Result = TShotResult::srMiss;
  std::vector<TPoint> Cells;
};
// Whether every answer, in the order given, is what the revealed fleet says: water is a miss,
// a deck a hit, and the last deck of a ship to be hit a sinking naming exactly that ship's
// decks. The index of the first untrue answer, or -1 when all are true.
int FirstUntrueAnswer(const TFleetLayout& Layout, const std::vector<TAnswerRecord>& Answers);
