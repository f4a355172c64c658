#include "TClock.h"

#include <chrono>
#include <cstdlib>
#include <optional>

namespace {

using TSteady = std::chrono::steady_clock;

TClock::TTickCount& TickCountSource() {
  static TClock::TTickCount Source;
  return Source;
}

TClock::TCounter& CounterSource() {
  static TClock::TCounter Source;
  return Source;
}

std::optional<uint64_t> SeedFromEnvironment() {
  const char* Text = std::getenv("SALVORA_SEED");
  if (!Text || !*Text)
    return std::nullopt;
  char* End = nullptr;
  const uint64_t Seed = std::strtoull(Text, &End, 10);
  return *End == '\0' ? std::optional<uint64_t>(Seed) : std::nullopt;
}

} // namespace

uint32_t TClock::GetTickCount() {
  if (const auto& Source = TickCountSource())
    return Source();
  const auto Ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(TSteady::now().time_since_epoch());
  return static_cast<uint32_t>(Ms.count());
}

uint64_t TClock::ReadCounter() {
  if (const auto& Source = CounterSource())
    return Source();
  // SALVORA_SEED=n in the environment counts up from n instead, so that a game can be played
  // again exactly: the end-to-end tests know the computer's fleet from it.
  static std::optional<uint64_t> Seeded = SeedFromEnvironment();
  if (Seeded)
    return (*Seeded)++;
  const auto Ns =
      std::chrono::duration_cast<std::chrono::nanoseconds>(TSteady::now().time_since_epoch());
  return static_cast<uint64_t>(Ns.count());
}

void TClock::SetTickCount(TTickCount TickCount) {
  TickCountSource() = std::move(TickCount);
}

void TClock::SetCounter(TCounter Counter) {
  CounterSource() = std::move(Counter);
}
