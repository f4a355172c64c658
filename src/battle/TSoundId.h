// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <cstdint>

// The sound cues, in the order of their files in the Sounds folder.
enum TSoundId : uint8_t {
  sndMyShot = 0,
  sndEnemyShot = 1,
  sndSplash = 2,
  sndEnemyFire = 3, // a computer ship is hit
  sndMyFire = 4,    // a player ship is hit
  sndYouWin = 5,
  sndYouLost = 6,
};
