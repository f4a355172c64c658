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

  uint64_t FState[4] = {1, 2, 3, 4};
  uint64_t FReseeds = 0;
};

inline void Randomize() {
  TRandomSource::Instance().Randomize();
}
inline uint32_t Random(uint32_t N) {
  return TRandomSource::Instance().Random(N);
}
