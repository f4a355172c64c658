// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TShooter.h"

// The beginner's computer: shoots at random among the cells that may still hold a deck, and
// only now and then goes on next to a wounded ship, the way the game's own computer does.
class TGentleShooter : public TShooter {
public:
  TPoint ChooseTarget(const TShotBoard& Seen) override;

  // One shot in this many, drawn, goes next to a wounded ship: about five shots a fleet more
  // than the game's own computer, as far below it as the strong level is above.
  static constexpr uint32_t FollowOneIn = 8;
};
