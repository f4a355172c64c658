// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

int main(int Argc, char** Argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(Argc, Argv);
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  testing::InitGoogleTest(&Argc, Argv);
  return RUN_ALL_TESTS();
}
