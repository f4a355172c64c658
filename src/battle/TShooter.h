// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TShotBoard.h"

#include <cstdint>
#include <memory>

class TFleets;

// How strongly the computer plays. The numbers are those kept in the settings file.
enum class TComputerLevel : uint8_t {
  clGentle = 0, // random shots, a wounded ship finished only now and then
  clNormal = 1, // the game's own computer (TTargeting), the default
  clStrong = 2, // shoots where a deck is most likely, and hides its own fleet
};

// One way of playing the computer's side: where it shoots, and how it stands its fleet. It
// sees the player's board only through the answers to its own shots.
class TShooter {
public:
  virtual ~TShooter() = default;

  // The cell of the computer's next shot, one that is seUnknown in Seen. Draws from the game's
  // random source, re-seeded first, so that a seeded game repeats.
  virtual TPoint ChooseTarget(const TShotBoard& Seen) = 0;
  // Stands the computer's fleet on its empty board; false when the board must be cleared and
  // the placement tried again.
  virtual bool PlaceFleet(TFleets& Fleets);
};

// The shooter of a level; none for clNormal, whose targeting the battle controller owns.
std::unique_ptr<TShooter> MakeShooter(TComputerLevel Level);
