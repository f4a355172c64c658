// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <functional>
#include <string>

// The core's texts are Russian. The window may hand it a translation once at start: a function
// that gives, for a Russian text and the context it is marked in, the text of the player's
// language (UTF-8), or the Russian text itself when it has none.
using TTranslate = std::function<std::string(const char* Context, const char* Source)>;

// Marks a Russian text for Qt's lupdate, which reads this name in the source; here it is the
// text itself. Spelled exactly as Qt spells it, so that a file seeing both is still valid C++.
#define QT_TRANSLATE_NOOP(scope, x) x
