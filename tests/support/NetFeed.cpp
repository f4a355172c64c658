// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "NetFeed.h"

#include "BoardGeometry.h"
#include "Invariants.h"
#include "TBattleController.h"
#include "TFakeLink.h"
#include "TFakeNetScreen.h"
#include "TFakeScreen.h"

std::vector<std::string> FeedPeerMessages(const std::vector<TPeerMessage>& Messages,
                                          const TFairPlayTools& Tools, bool Host) {
  TFakeScreen Screen;
  Screen.FRecord = false;
  TFakeNetScreen NetScreen;
  TFakeLink Link;
  TBattleController Game(Screen, {});
  Game.StartNetGame(Link, NetScreen, Tools, Host, "fuzz");
  Game.ArrangePlayerFleet();
  Game.StartBattle();
  std::vector<std::string> Faults;
  for (const TPeerMessage& Message : Messages) {
    Game.PeerMessage(Message);
    for (int Guard = 0; Guard < 8 && Screen.FinishCannon(Game); ++Guard) {
    }
    for (int I = 0; I < 100 && Game.CanAim(); ++I)
      if (const TPoint Cell{I / 10, I % 10}; Game.IsValidTarget(Cell)) {
        const TPoint Pixel = CellToPixel(Cell);
        Game.EnemyBoardPress({Pixel.X + 5, Pixel.Y + 5});
        break;
      }
    if (Faults.empty() && !Game.FSetupMode)
      Faults = CheckBoard(Game.FMyBoard, Game.FFleets, 0, TBoardCheck::bcBattle);
  }
  Game.PeerLost("end of input");
  Game.NewGame();
  return Faults;
}
