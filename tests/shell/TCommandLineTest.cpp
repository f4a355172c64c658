// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TCommandLine.h"

#include <gtest/gtest.h>

// A mistyped option must never start a game the player did not ask for: it is an error, and
// the port of --host is optional only where the next word is not an option.
TEST(TCommandLine, ReadsHostJoinAndHelpAndRefusesTheRest) {
  struct TCase {
    QStringList Arguments;
    TCommandLine::TMode Mode;
    uint16_t Port;
    QString Join;
  };
  using L = TCommandLine;
  const TCase Cases[] = {
      {{}, L::cmPlay, 0, {}},
      {{"--host"}, L::cmHost, 0, {}},
      {{"--host", "5000"}, L::cmHost, 5000, {}},
      {{"--host", "--help"}, L::cmHelp, 0, {}},
      {{"--join", "[::1]:5000"}, L::cmJoin, 0, "[::1]:5000"},
      {{"--host", "65536"}, L::cmError, 0, {}},
      {{"--host", "0"}, L::cmError, 0, {}},
      {{"--host", "x"}, L::cmError, 0, {}},
      {{"--join"}, L::cmError, 0, {}},
      {{"--host", "--join", "a"}, L::cmError, 0, {}},
      {{"-platform", "xcb", "--host", "7"}, L::cmHost, 7, {}}, // Qt's options are Qt's
      {{"--hots"}, L::cmError, 0, {}},
  };
  for (const TCase& Case : Cases) {
    const TCommandLine Line = TCommandLine::Parse(Case.Arguments);
    const std::string Name = Case.Arguments.join(' ').toStdString();
    EXPECT_EQ(Line.FMode, Case.Mode) << Name;
    EXPECT_EQ(Line.FPort, Case.Port) << Name;
    EXPECT_EQ(Line.FJoin, Case.Join) << Name;
    EXPECT_EQ(Line.FError.isEmpty(), Case.Mode != L::cmError) << Name;
  }
}
