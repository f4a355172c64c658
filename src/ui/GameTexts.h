// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QLocale>
#include <QString>

// Installs in the application the game's catalogue for Locale, compiled in, and Qt's own for
// its standard buttons in the same language, in place of those installed before. False when
// the game has none for it: a Russian locale, or one it does not speak, keeps the Russian texts.
bool InstallTranslations(const QLocale& Locale = QLocale());

// Hands the game core, whose texts are Russian, those of the player's language: what the
// translators installed in the application give for each of them.
void InstallGameTexts();

// The letter of a board's row, top to bottom, in the player's language.
QString RowName(int Row);
