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

uint64_t Rotl(uint64_t X, int K) {
  return (X << K) | (X >> (64 - K));
}

} // namespace

TRandomSource& TRandomSource::Instance() {
  static TRandomSource Source;
  return Source;
}

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

// xoshiro256**: fast, and good enough for a game by a wide margin.
uint64_t TRandomSource::Next() {
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
uint32_t TRandomSource::Random(uint32_t N) {
  uint64_t M = (Next() >> 32) * N;
  if (static_cast<uint32_t>(M) < N) {
    const uint32_t Threshold = -N % N;
    while (static_cast<uint32_t>(M) < Threshold)
      M = (Next() >> 32) * N;
  }
  return static_cast<uint32_t>(M >> 32);
}
