// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include <QCoreApplication>
#include <QNetworkInterface>
#include <cstdio>
#include <gtest/gtest.h>

// These tests open sockets and send a beacon: they run only where the loopback is the sole
// interface (a network namespace of their own), so that nothing ever leaves the machine.
int main(int Argc, char** Argv) {
  QCoreApplication App(Argc, Argv);
  testing::InitGoogleTest(&Argc, Argv);
  for (const QNetworkInterface& Interface : QNetworkInterface::allInterfaces())
    if (!(Interface.flags() & QNetworkInterface::IsLoopBack)) {
      std::fprintf(stderr,
                   "Refusing to run beside %s: start me with "
                   "unshare --net sh -c 'ip link set lo up && exec ...'\n",
                   qPrintable(Interface.name()));
      return 1;
    }
  return RUN_ALL_TESTS();
}
