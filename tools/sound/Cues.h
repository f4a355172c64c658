// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TWaveFile.h"

// The game's seven sound cues, synthesised from fixed seeds.
// Splash, EnemyFire and MyFire are waited for by the game, so they stay under 1.2 s.
TWaveFile MakeMyShot();    // the player's cannon: a close, sharp boom
TWaveFile MakeEnemyShot(); // the computer's cannon: a duller, distant boom with an echo
TWaveFile MakeSplash();    // a ball dropping into the sea
TWaveFile MakeEnemyFire(); // a computer ship hit: a bright explosion, then crackling fire
TWaveFile MakeMyFire();    // the player's ship hit: a deeper explosion, groaning, crackling
TWaveFile MakeYouWin();    // a short brass fanfare
TWaveFile MakeYouLost();   // a slow phrase falling in a minor key
