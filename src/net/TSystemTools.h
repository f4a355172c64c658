// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TFairPlay.h"

// The fair-play rules' hash and random bytes from the platform: SHA-256 from Qt, and the
// system's own source, never the game's seeded one, for salts, nonces and coin secrets that
// must not be guessed.
TFairPlayTools SystemFairPlayTools();
