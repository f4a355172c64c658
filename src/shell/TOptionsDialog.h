// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TFixedDialog.h"

class QCheckBox;
class QGroupBox;
class QPushButton;

// The options: fire animation and sound, changed only when the player confirms.
class TOptionsDialog : public TFixedDialog {
public:
  // True when the player pressed OK; the two settings change only then.
  static bool ShowOptions(bool& Animation, bool& Sound, QWidget* Owner);

  explicit TOptionsDialog(QWidget* Owner);

  QGroupBox* grpEffects = nullptr;
  QCheckBox* chkAnimation = nullptr;
  QCheckBox* chkSound = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;
};
