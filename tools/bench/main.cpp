// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// salvora-bench: what the animations cost while the game runs, and how soon a battle starts.
//
//   salvora-bench [--seconds N]
//   salvora-bench --starts N [--walk]
//
// Both boards full of burning decks (20 sprites each, animated) for N seconds (10 by
// default): the share of one core the game used. Then 20 shots of the player's cannon: the
// time from its start to its stop, median and spread.
//
// --starts: N times a new game, the player's fleet spread, a click on «Начать бой» and at once
// a click on the computer's board, both queued as the window system delivers them; the time
// from the first click to the shot being taken, median, 99th percentile and maximum. With
// --walk the placement of the computer's fleet walks a hopeless ship until its time limit, as
// it first did.
//
// Runs on the display in DISPLAY, or off screen when there is none. Figures print as
// "name: value" lines.

#include "TJvBmpAnimator.h"
#include "TJvGIFAnimator.h"
#include "TPaintBox.h"
#include "TSalvoraMainWin.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <numeric>
#include <string>
#include <vector>

namespace {

double CpuSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void RunFor(int Ms) {
  QEventLoop Loop;
  QTimer::singleShot(Ms, Qt::PreciseTimer, &Loop, &QEventLoop::quit);
  Loop.exec();
}

// Clicks queued the way the window system delivers them: press, then release.
void QueueClick(QWidget* Target, QPoint At) {
  const QPointF Local(At), Global(Target->mapToGlobal(At));
  for (QEvent::Type Type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
    QCoreApplication::postEvent(
        Target, new QMouseEvent(Type, Local, Global, Qt::LeftButton,
                                Type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
}

double Percentile(std::vector<double> Values, double Share) {
  std::sort(Values.begin(), Values.end());
  return Values[std::min(Values.size() - 1, static_cast<size_t>(Share * Values.size()))];
}

// From the click on «Начать бой» to the computer's board taking a shot, Starts times.
int BenchStarts(TSalvoraMainWin& Window, int Starts, bool Walk) {
  TBattleController& Game = Window.FGame;
  Game.FFleets.FGiveUpHopeless = !Walk;
  std::vector<double> Waits;
  for (int S = 0; S < Starts; ++S) {
    Window.btnNewClick();
    Game.FFleets.ClearBoard(Game.FMyBoard);
    while (!Game.FFleets.PlacePlayerFleet())
      Game.FFleets.ClearBoard(Game.FMyBoard);
    QApplication::processEvents();
    QElapsedTimer Clock;
    Clock.start();
    QueueClick(Window.btnStart, Window.btnStart->rect().center());
    QueueClick(Window.pbRight, QPoint(16 + 32 * (S % 10) + 16, 16 + 32 * (S / 10 % 10) + 16));
    while (!Game.FFiring)
      QApplication::processEvents(QEventLoop::AllEvents, 10);
    Waits.push_back(Clock.nsecsElapsed() / 1e6);
  }
  Window.btnNewClick();
  std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
  std::printf("placement: %s\n", Walk ? "walk until the time limit" : "give up hopeless ships");
  std::printf("starts: %zu\n", Waits.size());
  std::printf("start_to_shot_ms_median: %.2f\n", Percentile(Waits, 0.5));
  std::printf("start_to_shot_ms_p99: %.2f\n", Percentile(Waits, 0.99));
  std::printf("start_to_shot_ms_max: %.2f\n", Percentile(Waits, 1.0));
  return 0;
}

int Usage() {
  std::fprintf(stderr, "usage: salvora-bench [--seconds N]\n       salvora-bench --starts N "
                       "[--walk]\n");
  return 2;
}

} // namespace

int main(int Argc, char** Argv) {
  int Seconds = 10;
  int Starts = 0;
  bool Walk = false;
  for (int I = 1; I < Argc; ++I) {
    const std::string Arg = Argv[I];
    if (Arg == "--seconds" && I + 1 < Argc)
      Seconds = std::max(1, std::atoi(Argv[++I]));
    else if (Arg == "--starts" && I + 1 < Argc)
      Starts = std::max(1, std::atoi(Argv[++I]));
    else if (Arg == "--walk")
      Walk = true;
    else
      return Usage();
  }
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(Argc, Argv);
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QTemporaryDir Settings;
  TSalvoraMainWin Window(QDir(Settings.path()).filePath(QStringLiteral("salvora.ini")));
  Window.FAnimation = true;
  Window.show();
  RunFor(500);
  if (Starts > 0)
    return BenchStarts(Window, Starts, Walk);

  // Every deck of both fleets burning: 20 sprites a board.
  for (TSide Side : {TSide::sdMy, TSide::sdEnemy})
    for (int I = 0; I < 20; ++I)
      Window.AddFire(Side, {(I * 3) % 10, (I * 7) % 10});
  Window.UpdateFires(TSide::sdMy);
  Window.UpdateFires(TSide::sdEnemy);
  const double CpuStart = CpuSeconds();
  QElapsedTimer Wall;
  Wall.start();
  RunFor(Seconds * 1000);
  const double Cpu = CpuSeconds() - CpuStart;
  const double Elapsed = Wall.elapsed() / 1000.0;

  // The player's cannon alone: from its start to its stop.
  std::vector<double> Shots;
  QElapsedTimer Shot;
  bool Stopped = false;
  Window.MyCannon->FOnStop = [&](TJvGIFAnimator&, uint32_t) {
    Shots.push_back(Shot.nsecsElapsed() / 1e6);
    Stopped = true;
  };
  for (int I = 0; I < 20; ++I) {
    Stopped = false;
    Shot.start();
    Window.MyCannon->Start(1);
    QEventLoop Loop;
    QTimer Poll;
    QObject::connect(&Poll, &QTimer::timeout, &Loop, [&] {
      if (Stopped)
        Loop.quit();
    });
    Poll.start(1);
    Loop.exec();
  }
  std::sort(Shots.begin(), Shots.end());
  const double Mean = std::accumulate(Shots.begin(), Shots.end(), 0.0) / Shots.size();
  double Square = 0;
  for (double S : Shots)
    Square += (S - Mean) * (S - Mean);

  std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
  std::printf("burning_sprites: %zu\n",
              Window.Fires(TSide::sdMy).size() + Window.Fires(TSide::sdEnemy).size());
  std::printf("seconds: %.1f\n", Elapsed);
  std::printf("cpu_percent_of_one_core: %.2f\n", 100.0 * Cpu / Elapsed);
  std::printf("cannon_shots: %zu\n", Shots.size());
  std::printf("cannon_start_to_stop_ms_median: %.1f\n", (Shots[9] + Shots[10]) / 2);
  std::printf("cannon_start_to_stop_ms_min: %.1f\n", Shots.front());
  std::printf("cannon_start_to_stop_ms_max: %.1f\n", Shots.back());
  std::printf("cannon_start_to_stop_ms_stddev: %.2f\n", std::sqrt(Square / Shots.size()));
  return 0;
}
