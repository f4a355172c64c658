// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TClock.h"

#include <chrono>
#include <cstdlib>

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

bool TClock::CountFrom(const char* Text) {
  if (!Text || !*Text)
    return false;
  char* End = nullptr;
  const uint64_t Start = std::strtoull(Text, &End, 10);
  if (*End != '\0')
    return false;
  SetCounter([Next = Start]() mutable { return Next++; });
  return true;
}
