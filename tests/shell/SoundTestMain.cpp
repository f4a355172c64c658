// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include <QApplication>
#include <gtest/gtest.h>

// The restricted wait is about widgets, timers and paints: the tests need a GUI application.
int main(int argc, char** argv) {
  // Headless unless told otherwise, also when ctest lists the tests.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
