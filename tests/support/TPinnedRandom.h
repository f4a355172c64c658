// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TClock.h"
#include "TRandomSource.h"

#include <cstdint>

// Pins the game's random source for one test: the clock counter counts up from a start and
// the source starts afresh, so that a test draws the same numbers whether it runs alone or
// after others in the same process. The steady clock comes back when it goes.
class TPinnedRandom {
public:
  explicit TPinnedRandom(uint64_t Start) { Pin(Start); }
  ~TPinnedRandom() { TClock::SetCounter({}); }
  TPinnedRandom(const TPinnedRandom&) = delete;
  TPinnedRandom& operator=(const TPinnedRandom&) = delete;

  void Pin(uint64_t Start) {
    TClock::SetCounter([Next = Start]() mutable { return Next++; });
    TRandomSource::Instance().Seed(Start);
  }
};
