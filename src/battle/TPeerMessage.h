// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TPoint.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What two games say to each other over the network, as plain values. The transport
// (src/net) frames and encodes them; the battle decides what they mean. Every field not
// named for a type is left at its default and neither sent nor read.

inline constexpr int32_t PeerProtocolVersion = 1;

using TNonce = std::array<uint8_t, 16>;  // random, from the system's source
using TDigest = std::array<uint8_t, 32>; // SHA-256

// Where one ship stands: its head and whether it runs down the board.
struct TShipPlace {
  TPoint Head{-1, -1};
  bool Vertical = false;

  friend bool operator==(const TShipPlace&, const TShipPlace&) = default;
};

// A whole fleet, in fleet order: four one-deckers, three two-deckers, two three-deckers,
// one four-decker.
using TFleetLayout = std::array<TShipPlace, 10>;

enum class TShotResult : uint8_t { srMiss = 0, srHit = 1, srSunk = 2 };

enum class TPeerMsgType : uint8_t {
  pmHello,        // Name, Nonce: who this is, and the nonce both commitments include
  pmCommit,       // FleetCommit, CoinCommit: the fleet and the coin secret, hidden and bound
  pmCoin,         // Nonce: the coin secret, once both commitments are in
  pmShot,         // Cell
  pmAnswer,       // Cell, Result, and Cells (the sunk ship's decks) when Result is srSunk
  pmReveal,       // Layout, Salt: at the end of a battle
  pmChat,         // Text: one line
  pmRematch,      // an offer of a new game between the same two
  pmRematchReply, // Accept
  pmBye,          // Text: why the sender leaves
};

struct TPeerMessage {
  TPeerMsgType Type = TPeerMsgType::pmHello;
  std::string Name;
  std::string Text;
  TNonce Nonce{};
  TDigest FleetCommit{};
  TDigest CoinCommit{};
  TPoint Cell{-1, -1};
  TShotResult Result = TShotResult::srMiss;
  std::vector<TPoint> Cells;
  TFleetLayout Layout{};
  TNonce Salt{};
  bool Accept = false;

  friend bool operator==(const TPeerMessage&, const TPeerMessage&) = default;
};

// Limits the decoder enforces before a message reaches the battle.
inline constexpr size_t MaxPeerNameBytes = 64;
inline constexpr size_t MaxPeerTextBytes = 400;
inline constexpr size_t MaxSunkCells = 4;
