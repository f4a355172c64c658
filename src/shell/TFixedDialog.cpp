// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TFixedDialog.h"

#include <QEvent>
#include <QTimer>

TFixedDialog::TFixedDialog(QWidget* Owner, QSize ClientSize) : QDialog(Owner) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(ClientSize);
}

// Some window managers offer to minimise any dialog whatever its hints say (openbox does), and
// take the game's window down with it, behind a dialog that still waits for an answer: bring
// both back at once.
void TFixedDialog::changeEvent(QEvent* Event) {
  QDialog::changeEvent(Event);
  if (Event->type() == QEvent::WindowStateChange && isMinimized())
    QTimer::singleShot(0, this, [this] {
      showNormal();
      activateWindow();
    });
}
