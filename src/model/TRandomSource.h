// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <cstdint>

// The game's one pseudo-random generator. The placement of the computer's fleet, the
// computer's targeting and the scattering of fire frames re-seed it from the clock counter
// before they draw. Counter readings that differ by small steps are mixed before use, so
// that they still give independent draws.
class TRandomSource {
public:
  static TRandomSource& Instance();

  void Randomize(); // re-seed from TClock::ReadCounter
  // Starts afresh from Value, the count of re-seeds included: from here on every draw depends
  // only on Value and the clock counter, not on what the process drew before.
  void Seed(uint64_t Value);
  uint32_t Random(uint32_t N); // uniform in 0..N - 1; N must be at least 1

private:
  void SetState(uint64_t Value);
  uint64_t Next();
  static uint64_t Rotl(uint64_t X, int K) { return (X << K) | (X >> (64 - K)); }

  uint64_t FState[4] = {1, 2, 3, 4};
  uint64_t FReseeds = 0;
};

// Defined here because the placement and the targeting draw in their innermost loops.

inline TRandomSource& TRandomSource::Instance() {
  static TRandomSource Source;
  return Source;
}

// xoshiro256**: fast, and good enough for a game by a wide margin.
inline uint64_t TRandomSource::Next() {
  const uint64_t Result = Rotl(FState[1] * 5, 7) * 9;
  const uint64_t T = FState[1] << 17;
  FState[2] ^= FState[0];
  FState[3] ^= FState[1];
  FState[1] ^= FState[2];
  FState[0] ^= FState[3];
  FState[2] ^= T;
  FState[3] = Rotl(FState[3], 45);
  return Result;
}

// Lemire's multiply-and-reject: exactly uniform without a division on the common path.
inline uint32_t TRandomSource::Random(uint32_t N) {
  uint64_t M = (Next() >> 32) * N;
  if (static_cast<uint32_t>(M) < N) {
    const uint32_t Threshold = -N % N;
    while (static_cast<uint32_t>(M) < Threshold)
      M = (Next() >> 32) * N;
  }
  return static_cast<uint32_t>(M >> 32);
}

inline void Randomize() {
  TRandomSource::Instance().Randomize();
}
inline uint32_t Random(uint32_t N) {
  return TRandomSource::Instance().Random(N);
}
