// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QString>

// What the window shows, a line at a time, appended to the file SALVORA_TRACE names, so that
// a test driving two games through their windows knows when each may shoot and how the game
// ended. Without SALVORA_TRACE nothing is written and nothing is opened.
void TraceEvent(const QString& Kind, const QString& Text = {});
