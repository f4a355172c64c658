// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TPeerLink.h"

#include <deque>
#include <string>

// A link that keeps what is sent until a test hands it on; nothing is delivered inside Send.
class TFakeLink : public TPeerLink {
public:
  void Send(const TPeerMessage& Message) override {
    if (!FClosed)
      FOut.push_back(Message);
  }
  void Close(const std::string& Reason) override {
    if (FClosed)
      return;
    FClosed = true;
    FCloseReason = Reason;
  }

  std::deque<TPeerMessage> FOut;
  bool FClosed = false;
  std::string FCloseReason;
};
