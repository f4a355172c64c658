// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <array>
#include <cstdint>

// Where the random placement puts the computer's fleet, counted over many arrangements: how
// often each cell holds a deck and how often the ships of each size stand vertical.
struct TFleetSurvey {
  int Arrangements = 0;
  std::array<int64_t, 100> Decks{};   // arrangements with a deck at 10 × Y + X
  std::array<int64_t, 5> Ships{};     // ships counted, by decks
  std::array<int64_t, 5> Verticals{}; // of which vertical
};

// Arranges the computer's fleet Count times, as the start of battle does (placement, cleared
// board and a fresh placement until one stands), with hopeless ships given up at once or left
// to walk until the time limit. The time limit runs on a simulated tick count, a millisecond
// per reading.
TFleetSurvey SurveyFleets(int Count, bool GiveUpHopeless);

// The largest of the z-scores of the 103 frequencies (100 cells, vertical share of the two-,
// three- and four-deckers) between two surveys, and the sum of their squares.
struct TSurveyComparison {
  double MaxZ = 0;
  double SumZ2 = 0;
  int Statistics = 0;
};
TSurveyComparison CompareSurveys(const TFleetSurvey& A, const TFleetSurvey& B);
