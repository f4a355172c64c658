// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <cstdint>

class TShip;

enum TCellState : uint8_t {
  csEmpty = 0, // water of which nothing is known
  csShip = 1,  // a deck stands here, hit or not
  csMiss = 2,  // water known to be empty: a missed shot or the ring of a sunk ship
};

// IsHead and IsHit mean something only while State is csShip: a ship leaving its cells
// does not clear them, so every reader tests State first.
struct TCell {
  TCellState State = csEmpty;
  TShip* Ship = nullptr; // not owned; set exactly when State is csShip
  bool IsHead = false;
  bool IsHit = false;
};
