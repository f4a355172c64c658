// salvora-bench: what the animations cost while the game runs.
//
//   salvora-bench [--seconds N]
//
// Both boards full of burning decks (20 sprites each, animated) for N seconds (10 by
// default): the share of one core the game used. Then 20 shots of the player's cannon: the
// time from its start to its stop, median and spread. Runs on the display in DISPLAY, or off
// screen when there is none. Figures print as "name: value" lines.

#include "TJvBmpAnimator.h"
#include "TJvGIFAnimator.h"
#include "TSalvoraMainWin.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
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

} // namespace

int main(int Argc, char** Argv) {
  int Seconds = 10;
  for (int I = 1; I < Argc; ++I) {
    const std::string Arg = Argv[I];
    if (Arg == "--seconds" && I + 1 < Argc)
      Seconds = std::max(1, std::atoi(Argv[++I]));
    else {
      std::fprintf(stderr, "usage: salvora-bench [--seconds N]\n");
      return 2;
    }
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
