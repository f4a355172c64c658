// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TRandomSource.h"

#include "TClock.h"

namespace {

// SplitMix64: spreads seeds that differ in a few low bits over the whole state.
uint64_t SplitMix(uint64_t& X) {
  uint64_t Z = (X += 0x9E3779B97F4A7C15ull);
  Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ull;
  Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBull;
  return Z ^ (Z >> 31);
}

} // namespace

// The count of re-seeds is mixed in too, so that two re-seeds within one tick of a coarse
// clock still start different sequences.
void TRandomSource::Randomize() {
  SetState(TClock::ReadCounter() ^ (++FReseeds * 0xD1B54A32D192ED03ull));
}

void TRandomSource::Seed(uint64_t Value) {
  FReseeds = 0;
  SetState(Value);
}

void TRandomSource::SetState(uint64_t Value) {
  for (uint64_t& Word : FState)
    Word = SplitMix(Value);
}
