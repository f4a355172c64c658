// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TPoint.h"
#include "TSoundId.h"

#include <array>
#include <cstdint>
#include <string>

// Tag of a board and of the panel it is shown on: the player's on the left, the computer's
// on the right.
enum class TSide { sdMy = 0, sdEnemy = 1 };
enum class TCannon { cnMy = 0, cnEnemy = 1 };
enum class TCounter { ctShotsMy, ctKilledMy, ctShotsEnemy, ctKilledEnemy };

// Everything the game does to the screen. The window implements it; tests record the calls.
// Texts are UTF-8.
class TGameScreen {
public:
  virtual ~TGameScreen() = default;

  virtual void RepaintWindow() = 0;
  // Synchronous, so that the change is on screen during a cue that is waited for.
  virtual void RepaintBoard(TSide Side) = 0;
  virtual void SetStatusText(int Panel, const std::string& Text) = 0;
  // All four counters at once, indexed by TCounter: they change at every shot.
  virtual void SetCounters(const std::array<int32_t, 4>& Values) = 0;
  virtual void SetResultCaption(const std::string& Text) = 0;
  virtual void SetResultColour(uint32_t Rgb) = 0; // 0xRRGGBB
  virtual void SetResultVisible(bool Visible) = 0;
  virtual void SetStartEnabled(bool Enabled) = 0;
  virtual void SetSetupTimer(bool Enabled) = 0;
  virtual void SetHourglass(bool On) = 0;
  virtual void AddFire(TSide Side, TPoint Cell) = 0;
  // Removes every fire sprite of the board's panel and repaints the panel.
  virtual void RemoveFires(TSide Side) = 0;
  // Starts one pass of a cannon. The screen raises its stop later, from the event loop,
  // never inside this call, and hands Shot back with it.
  virtual void StartCannon(TCannon Cannon, uint32_t Shot) = 0;
  // Halts a running cannon and drops its pending stop.
  virtual void StopCannon(TCannon Cannon) = 0;
  virtual void PlaySnd(TSoundId Sound, bool Wait) = 0;
  // The modal error box of a refused start of battle.
  virtual void ShowTouchingShips(const std::string& Text) = 0;
  // Chooses the aiming cursor for the cell under the mouse at once, without a mouse move.
  virtual void UpdateAimCursor() = 0;
};
