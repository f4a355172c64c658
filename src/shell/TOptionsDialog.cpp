// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TOptionsDialog.h"

#include "GameFont.h"
#include "TSettings.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

// The level's group adds its own height and a gap to the dialog; the buttons stay at its
// foot.
namespace {
constexpr int LevelHeight = 45, LevelGrowth = LevelHeight + 8;
}

TOptionsDialog::TOptionsDialog(QWidget* Owner) : TFixedDialog(Owner, {290, 123 + LevelGrowth}) {
  setObjectName(QStringLiteral("OptionsDialog"));
  setWindowTitle(QCoreApplication::translate("TOptionsDialog", "Настройки "));
  setFont(GameFont(11));

  grpEffects = new QGroupBox(QCoreApplication::translate("TOptionsDialog", " Эффекты "), this);
  grpEffects->setGeometry(8, 7, 274, 77);
  QPalette Title = grpEffects->palette();
  Title.setColor(QPalette::WindowText, Qt::blue);
  grpEffects->setPalette(Title);

  const QColor Plain = palette().color(QPalette::WindowText);
  chkAnimation = new QCheckBox(
      QCoreApplication::translate("TOptionsDialog", "Анимация пожаров на кораблях"), grpEffects);
  chkAnimation->setGeometry(14, 21, 241, 17);
  chkSound = new QCheckBox(QCoreApplication::translate("TOptionsDialog", "Звук "), grpEffects);
  chkSound->setGeometry(14, 45, 241, 17);

  grpLevel =
      new QGroupBox(QCoreApplication::translate("TOptionsDialog", " Уровень компьютера "), this);
  grpLevel->setGeometry(8, 92, 274, LevelHeight);
  grpLevel->setPalette(Title);
  rbGentle = new QRadioButton(QCoreApplication::translate("TOptionsDialog", "Новичок"), grpLevel);
  rbGentle->setGeometry(14, 21, 80, 17);
  rbNormal = new QRadioButton(QCoreApplication::translate("TOptionsDialog", "Обычный"), grpLevel);
  rbNormal->setGeometry(100, 21, 80, 17);
  rbStrong = new QRadioButton(QCoreApplication::translate("TOptionsDialog", "Сильный"), grpLevel);
  rbStrong->setGeometry(186, 21, 80, 17);
  rbGentle->setToolTip(QCoreApplication::translate(
      "TOptionsDialog", "Стреляет наугад и не всегда добивает раненый корабль"));
  rbNormal->setToolTip(
      QCoreApplication::translate("TOptionsDialog", "Компьютер, каким он был всегда"));
  rbStrong->setToolTip(QCoreApplication::translate(
      "TOptionsDialog", "Стреляет туда, где корабль вероятнее всего, и прячет свой флот"));
  rbNormal->setChecked(true);
  // Only the groups' captions are blue; their boxes keep the window-text colour.
  for (QAbstractButton* Box : std::initializer_list<QAbstractButton*>{
           chkAnimation, chkSound, rbGentle, rbNormal, rbStrong}) {
    QPalette Colours = Box->palette();
    Colours.setColor(QPalette::WindowText, Plain);
    Colours.setColor(QPalette::ButtonText, Plain);
    Colours.setColor(QPalette::Text, Plain);
    Box->setPalette(Colours);
  }

  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setGeometry(128, 92 + LevelGrowth, 75, 23);
  btnOK->setDefault(true);
  btnCancel = new QPushButton(QCoreApplication::translate("TOptionsDialog", " Отмена "), this);
  btnCancel->setGeometry(207, 92 + LevelGrowth, 75, 23);
  // Esc, the close box and Отмена all cancel: QDialog rejects on Esc and on close.
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TOptionsDialog::ShowOptions(bool& Animation, bool& Sound, QWidget* Owner) {
  std::int32_t Level = TSettings::LevelNormal;
  return ShowOptions(Animation, Sound, Level, Owner);
}

bool TOptionsDialog::ShowOptions(bool& Animation, bool& Sound, std::int32_t& Level,
                                 QWidget* Owner) {
  TOptionsDialog Dialog(Owner);
  Dialog.chkAnimation->setChecked(Animation);
  Dialog.chkSound->setChecked(Sound);
  QRadioButton* const Levels[] = {Dialog.rbGentle, Dialog.rbNormal, Dialog.rbStrong};
  Levels[TSettings::TextToLevel(QString::number(Level))]->setChecked(true);
  if (Dialog.exec() != QDialog::Accepted)
    return false;
  Animation = Dialog.chkAnimation->isChecked();
  Sound = Dialog.chkSound->isChecked();
  for (std::int32_t L = TSettings::LevelGentle; L <= TSettings::LevelStrong; ++L)
    if (Levels[L]->isChecked())
      Level = L;
  return true;
}
