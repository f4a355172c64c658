// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TFixedDialog.h"

#include <cstdint>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The options: fire animation and sound, changed only when the player confirms.
class TOptionsDialog : public TFixedDialog {
public:
  // True when the player pressed OK; the two settings change only then.
  static bool ShowOptions(bool& Animation, bool& Sound, QWidget* Owner);
  // The same with the computer's level (TSettings::LevelGentle .. LevelStrong).
  static bool ShowOptions(bool& Animation, bool& Sound, std::int32_t& Level, QWidget* Owner);

  explicit TOptionsDialog(QWidget* Owner);

  QGroupBox* grpEffects = nullptr;
  QCheckBox* chkAnimation = nullptr;
  QCheckBox* chkSound = nullptr;
  // The computer's level, one of three, below the effects.
  QGroupBox* grpLevel = nullptr;
  QRadioButton* rbGentle = nullptr;
  QRadioButton* rbNormal = nullptr;
  QRadioButton* rbStrong = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;
};
