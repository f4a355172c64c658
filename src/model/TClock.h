// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <cstdint>
#include <functional>

// The two clocks the game reads: a millisecond tick count that wraps at 32 bits (the time
// limit of the random placement) and a fine-grained counter (the seed of the random source).
// Both are process-wide and can be replaced, so that tests and the simulator drive time.
struct TClock {
  using TTickCount = std::function<uint32_t()>;
  using TCounter = std::function<uint64_t()>;

  static uint32_t GetTickCount();
  static uint64_t ReadCounter();

  // An empty function restores the steady clock.
  static void SetTickCount(TTickCount TickCount);
  static void SetCounter(TCounter Counter);
  // Makes the counter count up from the decimal number Text, so that the same draws come
  // again; false, and nothing changed, unless Text is wholly such a number.
  static bool CountFrom(const char* Text);
};
