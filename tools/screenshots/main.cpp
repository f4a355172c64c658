// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// salvora-screenshots <folder>: plays the opening, the middle and the end of a game in the
// real window, off screen, and saves a picture of each: setup.png, battle.png, lost.png,
// then wins the next game: won.png; then plays one with the keys, the cell frame on the
// player's board in set-up and on the computer's in battle: keys-setup.png, keys-battle.png.
// The README shows them; run it again when the window changes.

#include "BoardGeometry.h"
#include "TClock.h"
#include "TJvGIFAnimator.h"
#include "TKeyboardPlay.h"
#include "TSalvoraMainWin.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

namespace {

const TPoint Spread[10] = {{2, 8}, {8, 6}, {5, 5}, {3, 4}, {0, 4},
                           {7, 2}, {4, 2}, {0, 2}, {5, 0}, {0, 0}};

void Settle() {
  for (int I = 0; I < 5; ++I)
    QApplication::processEvents();
}

// Lands whatever shot is in flight, the computer's answers included.
void LandShots(TSalvoraMainWin& Window) {
  while (Window.MyCannon->Animating() || Window.EnemyCannon->Animating()) {
    Window.MyCannon->FastForward();
    Window.EnemyCannon->FastForward();
  }
  Settle();
}

// The player shoots every cell of the given state, in order, until the game is over.
void ShootUntilOver(TSalvoraMainWin& Window, TCellState Aim) {
  TBattleController& Game = Window.FGame;
  for (int K = 0; K < 200 && Game.FBattle; ++K)
    for (int X = 0; X < 10; ++X)
      for (int Y = 0; Y < 10; ++Y)
        if (!Game.FFiring && Game.FBattle && Game.FEnemyBoard(X, Y).State == Aim &&
            Game.IsValidTarget({X, Y})) {
          const TPoint Pixel = CellToPixel({X, Y});
          Window.pbRightMouseDown(Qt::LeftButton, {Pixel.X + 16, Pixel.Y + 16});
          LandShots(Window);
        }
}

bool Save(TSalvoraMainWin& Window, const QDir& Folder, const char* Name) {
  Settle();
  const QString Path = Folder.filePath(QString::fromLatin1(Name));
  const bool Saved = Window.grab().save(Path);
  std::printf("%s %s\n", Saved ? "wrote" : "could not write", qPrintable(Path));
  return Saved;
}

} // namespace

int main(int Argc, char** Argv) {
  if (Argc != 2) {
    std::fprintf(stderr, "usage: salvora-screenshots <folder>\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(Argc, Argv);
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  const QDir Folder(QString::fromLocal8Bit(Argv[1]));
  uint64_t Counter = 2026;
  TClock::SetCounter([&] { return Counter++; }); // the same game every time

  QTemporaryDir Settings;
  TSalvoraMainWin Window(QDir(Settings.path()).filePath(QStringLiteral("salvora.ini")));
  Window.FSound = false;
  Window.FAnimation = false; // still flames, so that the pictures do not depend on timing
  Window.show();
  TBattleController& Game = Window.FGame;
  bool Ok = true;

  // Set-up: a few ships spread, the selected one turned and on its way.
  for (int I = 8; I >= 5; --I)
    Game.FFleets.MyShip(I).MoveTo(Spread[I]);
  Game.FSelectedShip = &Game.FFleets.MyShip(4);
  Game.FFleets.MyShip(4).MoveTo({3, 7});
  Game.FFleets.MyShip(4).Rotate();
  Ok &= Save(Window, Folder, "setup.png");

  Game.FFleets.MyShip(4).Rotate();
  for (int I = 4; I >= 0; --I)
    Game.FFleets.MyShip(I).MoveTo(Spread[I]);
  if (Game.FFleets.FirstShipWithoutClearance()) {
    std::fprintf(stderr, "salvora-screenshots: the fleet of the pictures touches\n");
    return 1;
  }
  Window.btnStartClick();
  // The player works along the diagonals, as players do, until a dozen shots have landed.
  int Shots = 0;
  for (int K = 0; K < 100 && Shots < 14 && Game.FBattle; ++K) {
    const TPoint Cell{(K * 3) % 10, (K * 7 + K / 10) % 10};
    if (!Game.IsValidTarget(Cell))
      continue;
    const TPoint Pixel = CellToPixel(Cell);
    Window.pbRightMouseDown(Qt::LeftButton, {Pixel.X + 16, Pixel.Y + 16});
    LandShots(Window);
    ++Shots;
  }
  Ok &= Save(Window, Folder, "battle.png");

  // Then only at open water, until the computer has sunk the whole fleet.
  ShootUntilOver(Window, csEmpty);
  Ok &= Save(Window, Folder, "lost.png");

  // The next game, won without a miss.
  Window.btnNewClick();
  for (int I = 8; I >= 0; --I)
    Game.FFleets.MyShip(I).MoveTo(Spread[I]);
  Window.btnStartClick();
  ShootUntilOver(Window, csShip);
  Ok &= Save(Window, Folder, "won.png");

  // With the keys: a random fleet, the frame on the next ship after the four-decker, selected.
  TKeyboardPlay& Keys = *Window.FKeyboard;
  Keys.Perform(TKeyCommand::kcNew);
  Window.tmSetup.stop(); // the selected ship in the shown half of its blink
  Keys.Perform(TKeyCommand::kcRandomFleet);
  Keys.Perform(TKeyCommand::kcNextShip);
  Ok &= Save(Window, Folder, "keys-setup.png");
  // Down the diagonal, a shot at each cell, and the frame on to the next.
  Keys.Perform(TKeyCommand::kcStart);
  for (int K = 0; K < 6 && Game.FBattle; ++K) {
    Keys.Perform(TKeyCommand::kcPress);
    LandShots(Window);
    Keys.Perform(TKeyCommand::kcRight);
    Keys.Perform(TKeyCommand::kcDown);
  }
  Ok &= Save(Window, Folder, "keys-battle.png");
  return Ok ? 0 : 1;
}
