// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TPoint.h"
#include "TextTable.h"

#include <string>
#include <string_view>

// The game's string table.
enum : int {
  msgShipsTouch = 65274,
  msgYouWin = 65275,
  msgYouLost = 65276,
  msgMyLastShot = 65277,
  msgEnemyLastShot = 65278,
};

// The text of a message id in the player's language; empty for an id the table does not hold.
std::string_view MessageText(int Id);
std::string LoadStr(int Id);
// A shot message with its "%s-%d" filled in: the row letter and the column number of Cell.
std::string FormatShot(int Id, TPoint Cell);
// The same text for msgMyLastShot or msgEnemyLastShot, formatted once for every cell: the
// status bar shows one at every shot. Empty for any other id.
const std::string& LastShotText(int Id, TPoint Cell);

// The letter of a row, top to bottom, in the player's language: RowLetters unless a
// translation gave others.
std::string_view RowLetter(int Row);
// Takes the player's language for the messages and the row letters, and formats the status
// texts of every cell again. Without it the texts are the Russian ones.
void InstallMessageTexts(const TTranslate& Translate);
