// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>

// What the game was asked to do when it started: play against the computer (no options),
// host a network game or join one, or only print its help.
struct TCommandLine {
  enum TMode { cmPlay, cmHost, cmJoin, cmHelp, cmError };

  TMode FMode = cmPlay;
  uint16_t FPort = 0; // --host's port; 0: the one in the settings
  QString FJoin{};    // --join's HOST[:PORT], as typed
  QString FError{};   // what was wrong, for cmError

  // Arguments without the program's name.
  static TCommandLine Parse(const QStringList& Arguments);
  // In the player's language, as the errors.
  static QString HelpText();

  Q_DECLARE_TR_FUNCTIONS(TCommandLine)
};
