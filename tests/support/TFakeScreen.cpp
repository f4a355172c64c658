// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TFakeScreen.h"

#include "TBattleController.h"

namespace {

const char* SideName(TSide Side) {
  return Side == TSide::sdMy ? "My" : "Enemy";
}
const char* CannonName(TCannon Cannon) {
  return Cannon == TCannon::cnMy ? "My" : "Enemy";
}
std::string CellText(TPoint P) {
  return std::to_string(P.X) + "," + std::to_string(P.Y);
}

const char* SoundName(TSoundId Sound) {
  static const char* const Names[] = {"MyShot", "EnemyShot", "Splash", "EnemyFire",
                                      "MyFire", "YouWin",    "YouLost"};
  return Names[Sound];
}

const char* CounterName(TCounter Counter) {
  static const char* const Names[] = {"ShotsMy", "KilledMy", "ShotsEnemy", "KilledEnemy"};
  return Names[static_cast<int>(Counter)];
}

} // namespace

void TFakeScreen::Log(std::string Line) {
  if (!FRecord)
    return;
  if (FNote)
    if (const std::string Note = FNote(Line); !Note.empty())
      Line += " [" + Note + "]";
  FLog.push_back(std::move(Line));
}

std::vector<std::string> TFakeScreen::TakeLog() {
  std::vector<std::string> Log;
  Log.swap(FLog);
  return Log;
}

void TFakeScreen::RepaintWindow() {
  if (FRecord)
    Log("RepaintWindow");
}

void TFakeScreen::RepaintBoard(TSide Side) {
  if (FRecord)
    Log(std::string("Repaint ") + SideName(Side));
}

void TFakeScreen::SetStatusText(int Panel, const std::string& Text) {
  FStatus[Panel] = Text;
  if (FRecord)
    Log("Status " + std::to_string(Panel) + " " + Text);
}

void TFakeScreen::SetCounters(const std::array<int32_t, 4>& Values) {
  for (int I = 0; I < 4; ++I) {
    FCounters[I] = std::to_string(Values[I]);
    if (FRecord)
      Log(std::string("Counter ") + CounterName(static_cast<TCounter>(I)) + " " +
          std::to_string(Values[I]));
  }
}

void TFakeScreen::SetResultCaption(const std::string& Text) {
  FResultCaption = Text;
  if (FRecord)
    Log("ResultCaption " + Text);
}

void TFakeScreen::SetResultColour(uint32_t Rgb) {
  FResultColour = Rgb;
  if (FRecord)
    Log("ResultColour " + std::to_string(Rgb));
}

void TFakeScreen::SetResultVisible(bool Visible) {
  FResultVisible = Visible;
  if (FRecord)
    Log(Visible ? "ShowResult" : "HideResult");
}

void TFakeScreen::SetStartEnabled(bool Enabled) {
  FStartEnabled = Enabled;
  if (FRecord)
    Log(Enabled ? "EnableStart" : "DisableStart");
}

void TFakeScreen::SetSetupTimer(bool Enabled) {
  FSetupTimer = Enabled;
  if (FRecord)
    Log(Enabled ? "SetupTimerOn" : "SetupTimerOff");
}

void TFakeScreen::SetHourglass(bool On) {
  FHourglassDepth += On ? 1 : -1;
  if (FRecord)
    Log(On ? "HourglassOn" : "HourglassOff");
}

void TFakeScreen::AddFire(TSide Side, TPoint Cell) {
  FFires[static_cast<int>(Side)].push_back(Cell);
  if (FRecord)
    Log(std::string("AddFire ") + SideName(Side) + " " + CellText(Cell));
}

void TFakeScreen::RemoveFires(TSide Side) {
  FFires[static_cast<int>(Side)].clear();
  if (FRecord)
    Log(std::string("RemoveFires ") + SideName(Side));
}

void TFakeScreen::StartCannon(TCannon Cannon, uint32_t Shot) {
  // A cannon that is still flying ignores a start, as the real one does.
  uint32_t& Running = FRunning[static_cast<int>(Cannon)];
  if (Running == 0)
    Running = Shot;
  ++FCannonStarts;
  if (FRecord)
    Log(std::string("StartCannon ") + CannonName(Cannon));
}

void TFakeScreen::StopCannon(TCannon Cannon) {
  FRunning[static_cast<int>(Cannon)] = 0;
  if (FRecord)
    Log(std::string("StopCannon ") + CannonName(Cannon));
}

void TFakeScreen::PlaySnd(TSoundId Sound, bool Wait) {
  if (FRecord)
    Log(std::string("PlaySnd ") + SoundName(Sound) + (Wait ? " wait" : ""));
}

void TFakeScreen::ShowTouchingShips(const std::string& Text) {
  ++FMessageBoxes;
  if (FRecord)
    Log("MessageBox " + Text);
}

void TFakeScreen::UpdateAimCursor() {
  if (FRecord)
    Log("UpdateAimCursor");
}

bool TFakeScreen::FinishCannon(TBattleController& Game) {
  for (TCannon Cannon : {TCannon::cnMy, TCannon::cnEnemy}) {
    uint32_t& Running = FRunning[static_cast<int>(Cannon)];
    if (Running == 0)
      continue;
    const uint32_t Shot = Running;
    Running = 0; // the stop handler may start this cannon again
    if (Cannon == TCannon::cnMy)
      Game.MyCannonStop(Shot);
    else
      Game.EnemyCannonStop(Shot);
    return true;
  }
  return false;
}
