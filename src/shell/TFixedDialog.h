// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QDialog>

// A dialog of a fixed layout: its own size only, a close button and no minimise or maximise
// button, kept above the window that owns it.
class TFixedDialog : public QDialog {
public:
  TFixedDialog(QWidget* Owner, QSize ClientSize);

protected:
  void changeEvent(QEvent* Event) override;
};
