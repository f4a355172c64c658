#pragma once

#include "TShooter.h"

// The beginner's computer: shoots at random among the cells that may still hold a deck, and
// only on every other shot, chosen by a coin, goes on next to a wounded ship the way the
// game's own computer does.
class TGentleShooter : public TShooter {
public:
  TPoint ChooseTarget(const TShotBoard& Seen) override;
};
