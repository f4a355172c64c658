// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// salvora-playthrough [folder]: plays two whole games in the real window, at the game's own
// pace, with the fires animated and the cues sounding: one won (the player shoots only at
// decks) and one lost (only at open water). Prints how each went and, given a folder, saves
// won.png and lost.png there. Use it on a desktop or under Xvfb with a sound server.

#include "BoardGeometry.h"
#include "TJvGIFAnimator.h"
#include "TSalvoraMainWin.h"
#include "TSoundPlayer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

const TPoint Spread[10] = {{2, 8}, {8, 6}, {5, 5}, {3, 4}, {0, 4},
                           {7, 2}, {4, 2}, {0, 2}, {5, 0}, {0, 0}};

// Runs the event loop until Done, checking every 20 ms.
void WaitUntil(const std::function<bool()>& Done) {
  QEventLoop Loop;
  QTimer Poll;
  QObject::connect(&Poll, &QTimer::timeout, &Loop, [&] {
    if (Done())
      Loop.quit();
  });
  Poll.start(20);
  Loop.exec();
}

// One whole game; Wanted picks the cells the player shoots at.
bool Play(TSalvoraMainWin& Window, const char* Name,
          const std::function<bool(const TCell&)>& Wanted, const QDir* Folder) {
  TBattleController& Game = Window.FGame;
  Window.btnNewClick();
  for (int I = 8; I >= 0; --I)
    Game.FFleets.MyShip(I).MoveTo(Spread[I]);
  Window.btnStartClick();
  QElapsedTimer Clock;
  Clock.start();
  while (Game.FBattle) {
    WaitUntil([&] { return !Game.FBattle || !Game.FFiring; });
    if (!Game.FBattle)
      break;
    TPoint Target{-1, -1};
    for (int X = 0; X < 10 && Target.X < 0; ++X)
      for (int Y = 0; Y < 10 && Target.X < 0; ++Y)
        if (Game.IsValidTarget({X, Y}) && Wanted(Game.FEnemyBoard(X, Y)))
          Target = {X, Y};
    if (Target.X < 0)
      return false;
    const TPoint Pixel = CellToPixel(Target);
    Window.pbRightMouseDown(Qt::LeftButton, {Pixel.X + 16, Pixel.Y + 16});
  }
  WaitUntil([&] { return Window.pnlResult->isVisible(); });
  std::printf("%s: \"%s\" after %.1f s; the player fired %d shots, the computer %d; ships lost: "
              "player %d, computer %d\n",
              Name, qPrintable(Window.pnlResult->text()), Clock.elapsed() / 1000.0, Game.FMyShots,
              Game.FEnemyShots, Game.FMyLosses, Game.FEnemyLosses);
  if (Folder) {
    QEventLoop Settle;
    QTimer::singleShot(300, &Settle, &QEventLoop::quit);
    Settle.exec();
    Window.grab().save(Folder->filePath(QString::fromLatin1(Name) + QStringLiteral(".png")));
  }
  return true;
}

} // namespace

int main(int Argc, char** Argv) {
  QApplication App(Argc, Argv);
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  const QDir Folder(Argc > 1 ? QString::fromLocal8Bit(Argv[1]) : QString());
  QTemporaryDir Settings;
  TSoundPlayer Sounds(TSoundPlayer::SoundFolder());
  TSalvoraMainWin Window(QDir(Settings.path()).filePath(QStringLiteral("salvora.ini")));
  Window.FOnSound = [&Sounds](TSoundId Sound, bool Wait) { Sounds.PlaySnd(Sound, Wait); };
  Window.show();
  const QDir* Save = Argc > 1 ? &Folder : nullptr;
  const bool Won = Play(
      Window, "won", [](const TCell& Cell) { return Cell.State == csShip; }, Save);
  const bool Lost = Play(
      Window, "lost", [](const TCell& Cell) { return Cell.State == csEmpty; }, Save);
  const bool Ok = Won && Lost && Window.FGame.FMyLosses == 10;
  std::fflush(nullptr);
  std::_Exit(Ok ? 0 : 1); // past Qt 6.4's audio teardown, as the game does
}
