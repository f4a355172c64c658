// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TShotBoard.h"

#include <array>
#include <cstdint>
#include <vector>

class TRandomSource;

// Whole fleets drawn at random on a 10 x 10 board under the no-touching rule, as bit masks of
// cells (bit Y * 10 + X).
class TFleetSampler {
public:
  __extension__ using TMask = unsigned __int128;

  // Where one ship may stand: its decks, and its decks with the ring round them.
  struct TPlace {
    TMask Cells = 0;
    TMask Halo = 0;
    TPoint Head{};
    int8_t Size = 1;
    bool Vertical = false;
  };
  // A fleet by fleet index: four one-deckers, three two-deckers, two three-deckers, a
  // four-decker.
  using TFleet = std::array<const TPlace*, 10>;

  static TMask Bit(int Index) { return TMask{1} << Index; }
  // Every place of a ship of Size decks (1..4).
  static const std::vector<TPlace>& Places(int Size);

  // How likely a deck is at each cell, given Seen: every draw is a whole fleet that agrees
  // with every answer (misses, hits, sunk ships and their rings, the ships still afloat, the
  // no-touching rule). The ships are drawn one after another, each uniformly among the places
  // the earlier ones leave, and each fleet weighted by the number of choices it had, which
  // makes every consistent fleet count alike. Odds holds the weight of the fleets with a deck
  // at each cell (index Y * 10 + X); the result is their total weight, 0 when no draw fitted.
  static double DeckOdds(const TShotBoard& Seen, int Fleets, std::array<double, 100>& Odds,
                         TRandomSource& Random);

  // The same odds counted ship by ship: every place each ship still afloat may take on its own
  // (a place on a wounded group counted a hundredfold), summed. Blind to how the ships crowd
  // one another. Returns the total count.
  static double PlaceCounts(const TShotBoard& Seen, std::array<double, 100>& Odds);

  // A legal fleet drawn uniformly among all legal fleets: every ship uniform over all its
  // places, the whole fleet drawn again at the first overlap or contact.
  static TFleet DrawFleet(TRandomSource& Random);
};
