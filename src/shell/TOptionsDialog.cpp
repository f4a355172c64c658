// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TOptionsDialog.h"

#include "GameFont.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

TOptionsDialog::TOptionsDialog(QWidget* Owner) : TFixedDialog(Owner, {290, 123}) {
  setObjectName(QStringLiteral("OptionsDialog"));
  setWindowTitle(QStringLiteral("Настройки "));
  setFont(GameFont(11));

  grpEffects = new QGroupBox(QStringLiteral(" Эффекты "), this);
  grpEffects->setGeometry(8, 7, 274, 77);
  QPalette Title = grpEffects->palette();
  Title.setColor(QPalette::WindowText, Qt::blue);
  grpEffects->setPalette(Title);

  const QColor Plain = palette().color(QPalette::WindowText);
  chkAnimation = new QCheckBox(QStringLiteral("Анимация пожаров на кораблях"), grpEffects);
  chkAnimation->setGeometry(14, 21, 241, 17);
  chkSound = new QCheckBox(QStringLiteral("Звук "), grpEffects);
  chkSound->setGeometry(14, 45, 241, 17);
  // Only the group's caption is blue; its boxes keep the window-text colour.
  for (QCheckBox* Box : {chkAnimation, chkSound}) {
    QPalette Colours = Box->palette();
    Colours.setColor(QPalette::WindowText, Plain);
    Colours.setColor(QPalette::ButtonText, Plain);
    Colours.setColor(QPalette::Text, Plain);
    Box->setPalette(Colours);
  }

  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setGeometry(128, 92, 75, 23);
  btnOK->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral(" Отмена "), this);
  btnCancel->setGeometry(207, 92, 75, 23);
  // Esc, the close box and Отмена all cancel: QDialog rejects on Esc and on close.
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TOptionsDialog::ShowOptions(bool& Animation, bool& Sound, QWidget* Owner) {
  TOptionsDialog Dialog(Owner);
  Dialog.chkAnimation->setChecked(Animation);
  Dialog.chkSound->setChecked(Sound);
  if (Dialog.exec() != QDialog::Accepted)
    return false;
  Animation = Dialog.chkAnimation->isChecked();
  Sound = Dialog.chkSound->isChecked();
  return true;
}
