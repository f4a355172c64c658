// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TFixedDialog.h"

#include <QCoreApplication>

class QLabel;
class QPushButton;

// Who made the game, with a mail link and a web link.
class TAboutDlg : public TFixedDialog {
  Q_DECLARE_TR_FUNCTIONS(TAboutDlg)

public:
  // KeysHelp, the game's keys, is the box's tooltip.
  static void ShowAbout(QWidget* Owner, const QIcon& Icon, const QString& KeysHelp = {});

  TAboutDlg(QWidget* Owner, const QIcon& Icon);

  // Opens a link label's target with the desktop's own handler; a link that cannot be
  // opened shows nothing.
  void Label3Click(QLabel* Sender);

  QLabel* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QPushButton* OKBtn = nullptr;
};
