// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QString>
#include <optional>

// Where to find a game: a host (an IPv4 or IPv6 address, or a name) and a port.
struct TNetEndpoint {
  QString Host;
  quint16 Port = 0;

  friend bool operator==(const TNetEndpoint&, const TNetEndpoint&) = default;
};

// What a player types to join a game, and how an address is shown to be typed.
class TNetAddress {
public:
  // "HOST", "HOST:PORT", "[v6]", "[v6]:PORT", or a bare IPv6 address; DefaultPort when none
  // is given. Empty with Error set (in words a player can read) when it cannot be used.
  static std::optional<TNetEndpoint> Parse(const QString& Text, quint16 DefaultPort,
                                           QString* Error = nullptr);
  // The form Parse reads back: an IPv6 address in brackets.
  static QString Format(const QString& Host, quint16 Port);
};
