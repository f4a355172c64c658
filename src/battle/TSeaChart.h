// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TFairPlay.h"
#include "TPoint.h"

#include <array>
#include <cstdint>
#include <vector>

// What a shooter knows of the other side's board from the answers to its own shots, and
// whether a new answer fits that knowledge and the rules: ships are straight, stand apart, and
// the fleet holds four one-deckers, three two-deckers, two three-deckers and one four-decker.
class TSeaChart {
public:
  enum TMark : uint8_t {
    mkUnknown = 0,
    mkWater = 1, // a miss, or the ring of a sunk ship
    mkHit = 2,   // a deck of a ship still afloat
    mkSunk = 3,  // a deck of a sunk ship
  };
  enum class TAnswerFault : uint8_t {
    afNone,
    afKnownCell, // the shot cell was already known
    afSunkShape, // sunk decks that are not one straight ship, hit everywhere but the shot
    afSunkSize,  // a sunk ship of a size the fleet has no more of
    afTouching,  // a deck touching another ship's known deck
    afLongWreck, // a line of hits longer than any ship still afloat
  };

  void Clear() { *this = TSeaChart{}; }
  TAnswerFault Check(TPoint Shot, TShotResult Result, const std::vector<TPoint>& Cells) const;
  // Records an answer that Check has let through.
  void Apply(TPoint Shot, TShotResult Result, const std::vector<TPoint>& Cells);
  TMark At(TPoint Cell) const { return FMarks[Cell.X][Cell.Y]; }
  int32_t SunkCount() const { return FSunk; }

private:
  bool TouchesOtherDeck(TPoint Cell, const std::vector<TPoint>& Own) const;
  int32_t LargestAfloat() const;

  std::array<std::array<TMark, 10>, 10> FMarks{};
  std::array<int32_t, 5> FSunkOfSize{}; // indexed by decks
  int32_t FSunk = 0;
};
