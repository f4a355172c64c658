// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TGameScreen.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class TBattleController;

// A screen without a window. It keeps the state the game has set (texts, counters, fires,
// the running cannons) and, when FRecord is on, a log line for every call, in order.
// Cannons stop only when a test or the simulator says so, never inside StartCannon.
class TFakeScreen : public TGameScreen {
public:
  void RepaintWindow() override;
  void RepaintBoard(TSide Side) override;
  void SetStatusText(int Panel, const std::string& Text) override;
  void SetCounters(const std::array<int32_t, 4>& Values) override;
  void SetResultCaption(const std::string& Text) override;
  void SetResultColour(uint32_t Rgb) override;
  void SetResultVisible(bool Visible) override;
  void SetStartEnabled(bool Enabled) override;
  void SetSetupTimer(bool Enabled) override;
  void SetHourglass(bool On) override;
  void AddFire(TSide Side, TPoint Cell) override;
  void RemoveFires(TSide Side) override;
  void StartCannon(TCannon Cannon, uint32_t Shot) override;
  void StopCannon(TCannon Cannon) override;
  void PlaySnd(TSoundId Sound, bool Wait) override;
  void ShowTouchingShips(const std::string& Text) override;
  void UpdateAimCursor() override;

  // The shot a cannon is flying, 0 when it rests.
  uint32_t Running(TCannon Cannon) const { return FRunning[static_cast<int>(Cannon)]; }
  // Ends the running cannon's pass and raises its stop; false when no cannon runs.
  bool FinishCannon(TBattleController& Game);
  // The log since the last call, emptied.
  std::vector<std::string> TakeLog();

  bool FRecord = true;
  // Looks at the game the moment a line is logged; what it returns, when not empty, is added
  // to the line in brackets. A test sees so what was already done when a call was made.
  std::function<std::string(const std::string& Line)> FNote;
  std::vector<std::string> FLog;
  std::array<std::string, 2> FStatus;
  std::array<std::string, 4> FCounters{"0", "0", "0", "0"};
  std::string FResultCaption;
  uint32_t FResultColour = 0;
  bool FResultVisible = false;
  bool FStartEnabled = false;
  bool FSetupTimer = false;
  int FHourglassDepth = 0;
  std::array<std::vector<TPoint>, 2> FFires;
  std::array<uint32_t, 2> FRunning{};
  int FCannonStarts = 0;
  int FMessageBoxes = 0;

private:
  void Log(std::string Line);
};
