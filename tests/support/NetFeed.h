// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TFairPlay.h"
#include "TPeerMessage.h"

#include <string>
#include <vector>

// One network game in which the other side says exactly Messages, in order, whatever they are.
// Between messages every cannon in flight lands and, when the player may, he shoots at the
// first cell he may. For the transport's fuzzer: whatever the messages, this returns, and what
// it returns are the faults found on the player's own board (none when all is well).
std::vector<std::string> FeedPeerMessages(const std::vector<TPeerMessage>& Messages,
                                          const TFairPlayTools& Tools, bool Host);
