// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// fleet-for-seed: with SALVORA_SEED set as for the game, plays the opening the keyboard test
// plays (a new game, Ctrl+R, the start of the battle) without a window and prints where the
// computer's decks stand, one "X Y" a line, ship by ship in fleet order.

#include "TBattleController.h"
#include "TClock.h"
#include "TFakeScreen.h"

#include <cstdio>
#include <cstdlib>

int main() {
  if (!TClock::CountFrom(std::getenv("SALVORA_SEED")))
    return 2;
  TFakeScreen Screen;
  Screen.FRecord = false;
  TBattleController Game(Screen, {});
  Game.FormShow();
  Game.ArrangePlayerFleet();
  Game.StartBattle();
  if (!Game.FBattle)
    return 1;
  for (int I = 0; I < TFleets::FleetSize; ++I) {
    const TShip& Ship = Game.FFleets.EnemyShip(I);
    for (int K = 0; K < Ship.FSize; ++K)
      std::printf("%d %d\n", Ship.Deck(K).X, Ship.Deck(K).Y);
  }
  return 0;
}
