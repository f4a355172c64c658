// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TBoard.h"
#include "TShip.h"

#include <array>
#include <cstdint>

// What a shooter knows of a board: only the answers to the shots fired at it, as the player
// sees them on the screen. An unshot deck and unshot water look the same here.
enum TSeen : uint8_t {
  seUnknown = 0, // not shot at, and not in the ring of a sunk ship
  seWater = 1,   // a miss, or the ring of a sunk ship
  seHit = 2,     // a hit deck of a ship still afloat
  seSunk = 3,    // a deck of a sunk ship
};

struct TShotBoard {
  // Cell (X, Y) at index Y * 10 + X.
  std::array<TSeen, 100> Cells{};

  TShotBoard() = default;
  // Reads from Board only the shot cells and whether a hit ship has sunk.
  explicit TShotBoard(const TBoard& Board) {
    for (int X = 0; X < BoardSize; ++X)
      for (int Y = 0; Y < BoardSize; ++Y) {
        const TCell& C = Board(X, Y);
        TSeen& Seen = Cells[Y * 10 + X];
        if (C.State == csMiss)
          Seen = seWater;
        else if (C.State == csShip && C.IsHit)
          Seen = C.Ship->FState == ssSunk ? seSunk : seHit;
      }
  }

  TSeen At(int X, int Y) const { return Cells[Y * 10 + X]; }
  TSeen& At(int X, int Y) { return Cells[Y * 10 + X]; }
};
