// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TShooter.h"

#include "TFleets.h"
#include "TGentleShooter.h"
#include "TStrongShooter.h"

bool TShooter::PlaceFleet(TFleets& Fleets) {
  return Fleets.PlaceEnemyFleet();
}

std::unique_ptr<TShooter> MakeShooter(TComputerLevel Level) {
  switch (Level) {
  case TComputerLevel::clGentle:
    return std::make_unique<TGentleShooter>();
  case TComputerLevel::clStrong:
    return std::make_unique<TStrongShooter>();
  default:
    return nullptr;
  }
}
