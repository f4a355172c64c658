// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "NetFeed.h"
#include "NetTestTools.h"

#include <cstddef>
#include <cstdint>

// The first byte of a fuzz input: whether the player hosts, whether his cannon lands before
// the answer to his shot, and into reads of how many bytes (1 to 64) the stream is cut. The
// rest of the input is the stream of frames.
struct TFuzzHead {
  bool Host = false;
  TFeedTiming Timing = TFeedTiming::ftAnswerFirst;
  size_t Step = 1;
};

inline TFuzzHead ReadFuzzHead(uint8_t Byte) {
  return {(Byte & 0x80) != 0,
          (Byte & 0x40) != 0 ? TFeedTiming::ftCannonFirst : TFeedTiming::ftAnswerFirst,
          1u + (Byte & 0x3Fu)};
}

inline uint8_t FuzzHeadByte(const TFuzzHead& Head) {
  return static_cast<uint8_t>((Head.Host ? 0x80 : 0) |
                              (Head.Timing == TFeedTiming::ftCannonFirst ? 0x40 : 0) |
                              ((Head.Step - 1) & 0x3F));
}

// The same nonces, salts and coins in every run, so that the seeds' commitments hold.
inline TFairPlayTools FuzzTools() {
  return NetTestTools(3);
}
