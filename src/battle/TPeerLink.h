// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TPeerMessage.h"

#include <string>

// The other end of a network game, as the battle sees it. Messages go out through Send;
// what comes in is handed to the battle by whoever owns the connection, from the event loop,
// never inside a call of Send or Close.
class TPeerLink {
public:
  virtual ~TPeerLink() = default;
  virtual void Send(const TPeerMessage& Message) = 0;
  // Ends the connection, telling the peer why (a pmBye with Reason as its text).
  virtual void Close(const std::string& Reason) = 0;
};
