// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TFleetSampler.h"

#include "TRandomSource.h"

namespace {

using TMask = TFleetSampler::TMask;
using TPlace = TFleetSampler::TPlace;

// A place as the draws read it, side by side in memory.
struct TSpot {
  TMask Cells = 0;
  TMask Halo = 0;
  int Size = 1;
};

constexpr int FleetSizes[10] = {1, 1, 1, 1, 2, 2, 2, 3, 3, 4};

std::vector<TPlace> MakePlaces(int Size) {
  std::vector<TPlace> Places;
  for (int Turn = 0; Turn < (Size == 1 ? 1 : 2); ++Turn) {
    const bool Vertical = Turn == 1;
    for (int Y = 0; Y + (Vertical ? Size : 1) <= 10; ++Y)
      for (int X = 0; X + (Vertical ? 1 : Size) <= 10; ++X) {
        TPlace P;
        P.Head = {X, Y};
        P.Size = static_cast<int8_t>(Size);
        P.Vertical = Vertical;
        for (int K = 0; K < Size; ++K) {
          const int DX = X + (Vertical ? 0 : K), DY = Y + (Vertical ? K : 0);
          P.Cells |= TFleetSampler::Bit(DY * 10 + DX);
          for (int NX = DX - 1; NX <= DX + 1; ++NX)
            for (int NY = DY - 1; NY <= DY + 1; ++NY)
              if (NX >= 0 && NX < 10 && NY >= 0 && NY < 10)
                P.Halo |= TFleetSampler::Bit(NY * 10 + NX);
        }
        Places.push_back(P);
      }
  }
  return Places;
}

// The groups of cells joined side by side among Cells; ships never touch, so each group of
// hits is one ship.
std::vector<TMask> Groups(TMask Cells) {
  std::vector<TMask> Found;
  while (Cells) {
    int First = 0;
    while (!(Cells & TFleetSampler::Bit(First)))
      ++First;
    TMask Group = TFleetSampler::Bit(First), Grown;
    do {
      Grown = Group;
      for (int I = 0; I < 100; ++I)
        if (Group & TFleetSampler::Bit(I)) {
          const int X = I % 10;
          if (X > 0)
            Grown |= TFleetSampler::Bit(I - 1);
          if (X < 9)
            Grown |= TFleetSampler::Bit(I + 1);
          if (I >= 10)
            Grown |= TFleetSampler::Bit(I - 10);
          if (I < 90)
            Grown |= TFleetSampler::Bit(I + 10);
        }
      Grown &= Cells;
      std::swap(Grown, Group);
    } while (Group != Grown);
    Found.push_back(Group);
    Cells &= ~Group;
  }
  return Found;
}

int CountBits(TMask M) {
  return __builtin_popcountll(static_cast<uint64_t>(M)) +
         __builtin_popcountll(static_cast<uint64_t>(M >> 64));
}

void AddCells(std::array<double, 100>& Odds, TMask Cells, double Weight) {
  for (int Half = 0; Half < 2; ++Half) {
    uint64_t Bits = static_cast<uint64_t>(Cells >> (64 * Half));
    while (Bits) {
      Odds[64 * Half + __builtin_ctzll(Bits)] += Weight;
      Bits &= Bits - 1;
    }
  }
}

} // namespace

const std::vector<TPlace>& TFleetSampler::Places(int Size) {
  static const std::vector<TPlace> All[4] = {MakePlaces(1), MakePlaces(2), MakePlaces(3),
                                             MakePlaces(4)};
  return All[Size - 1];
}

namespace {

// What the answers so far say: water, hits of ships afloat, sunk decks, and how many ships of
// each size are still afloat.
struct TKnown {
  TMask Water = 0, Hits = 0, Sunk = 0;
  int Afloat[5] = {0, 4, 3, 2, 1};
};

TKnown Read(const TShotBoard& Seen) {
  TKnown K;
  TMask &Water = K.Water, &Hits = K.Hits, &Sunk = K.Sunk;
  for (int I = 0; I < 100; ++I)
    switch (Seen.Cells[I]) {
    case seWater:
      Water |= TFleetSampler::Bit(I);
      break;
    case seHit:
      Hits |= TFleetSampler::Bit(I);
      break;
    case seSunk:
      Sunk |= TFleetSampler::Bit(I);
      break;
    default:
      break;
    }
  for (TMask Ship : Groups(Sunk)) {
    const int Size = CountBits(Ship);
    if (Size <= 4 && K.Afloat[Size] > 0)
      --K.Afloat[Size];
  }
  return K;
}

} // namespace

double TFleetSampler::PlaceCounts(const TShotBoard& Seen, std::array<double, 100>& Odds) {
  Odds.fill(0);
  const TKnown K = Read(Seen);
  const TMask Blocked = K.Water | K.Sunk;
  double Total = 0;
  for (int Size = 1; Size <= 4; ++Size)
    if (K.Afloat[Size] > 0)
      for (const TPlace& P : Places(Size))
        if (!(P.Cells & Blocked) && !(P.Halo & ~P.Cells & K.Hits) && (P.Cells & ~K.Hits)) {
          const double Count = K.Afloat[Size] * ((P.Cells & K.Hits) ? 100.0 : 1.0);
          AddCells(Odds, P.Cells, Count);
          Total += Count;
        }
  return Total;
}

double TFleetSampler::DeckOdds(const TShotBoard& Seen, int Fleets, std::array<double, 100>& Odds,
                               TRandomSource& Random) {
  Odds.fill(0);
  const TKnown Known = Read(Seen);
  const TMask Water = Known.Water, Hits = Known.Hits, Sunk = Known.Sunk;
  const int* Afloat = Known.Afloat;
  const TMask Blocked = Water | Sunk;

  // The ship on each wounded group covers the whole group, keeps an unshot deck (it would have
  // sunk otherwise) and touches no other hit.
  const std::vector<TMask> Wounded = Groups(Hits);
  std::vector<std::vector<TSpot>> Covers(Wounded.size());
  for (size_t G = 0; G < Wounded.size(); ++G)
    for (int Size = 1; Size <= 4; ++Size)
      if (Afloat[Size] > 0)
        for (const TPlace& P : Places(Size))
          if ((P.Cells & Wounded[G]) == Wounded[G] && !(P.Cells & Blocked) && (P.Cells & ~Hits) &&
              !(P.Halo & ~P.Cells & Hits))
            Covers[G].push_back({P.Cells, P.Halo, Size});
  // Every other ship stands on unknown cells only.
  std::vector<TSpot> Free[5];
  for (int Size = 1; Size <= 4; ++Size)
    if (Afloat[Size] > 0)
      for (const TPlace& P : Places(Size))
        if (!(P.Cells & (Blocked | Hits)))
          Free[Size].push_back({P.Cells, P.Halo, Size});

  std::vector<uint16_t> Choice(200);
  double Total = 0;
  const int MaxDraws = Fleets * 20;
  int Fitted = 0;
  for (int Draw = 0; Draw < MaxDraws && Fitted < Fleets; ++Draw) {
    int Left[5] = {0, Afloat[1], Afloat[2], Afloat[3], Afloat[4]};
    TMask Taken = 0, Decks = 0;
    double Weight = 1;
    bool Failed = false;
    for (size_t G = 0; G < Wounded.size() && !Failed; ++G) {
      if ((Decks & Wounded[G]) == Wounded[G])
        continue;
      const std::vector<TSpot>& Spots = Covers[G];
      size_t Count = 0;
      for (size_t I = 0; I < Spots.size(); ++I)
        if (Left[Spots[I].Size] > 0 && !(Spots[I].Cells & Taken))
          Choice[Count++] = static_cast<uint16_t>(I);
      if (Count == 0) {
        Failed = true;
        break;
      }
      const TSpot& P = Spots[Choice[Random.Random(static_cast<uint32_t>(Count))]];
      // The covering ship is any one of the ships of its size still to stand.
      Weight *= static_cast<double>(Count) * Left[P.Size];
      --Left[P.Size];
      Taken |= P.Halo;
      Decks |= P.Cells;
    }
    if (Failed || (Decks & Hits) != Hits)
      continue;
    // The largest ships first: they have the fewest places left.
    int Remaining = Left[1] + Left[2] + Left[3] + Left[4];
    for (int Size = 4; Size >= 1 && !Failed; --Size)
      for (; Left[Size] > 0; --Left[Size]) {
        const std::vector<TSpot>& Spots = Free[Size];
        size_t Count = 0;
        for (size_t I = 0; I < Spots.size(); ++I) {
          Choice[Count] = static_cast<uint16_t>(I);
          Count += !(Spots[I].Cells & Taken);
        }
        if (Count == 0) {
          Failed = true;
          break;
        }
        if (--Remaining == 0) {
          // The last ship is counted at every place it has left instead of drawn at one.
          for (size_t C = 0; C < Count; ++C)
            AddCells(Odds, Spots[Choice[C]].Cells, Weight);
          Weight *= static_cast<double>(Count);
          break;
        }
        const TSpot& P = Spots[Choice[Random.Random(static_cast<uint32_t>(Count))]];
        Weight *= static_cast<double>(Count);
        Taken |= P.Halo;
        Decks |= P.Cells;
      }
    if (Failed)
      continue;
    AddCells(Odds, Decks, Weight);
    Total += Weight;
    ++Fitted;
  }
  return Total;
}

TFleetSampler::TFleet TFleetSampler::DrawFleet(TRandomSource& Random) {
  TFleet Fleet{};
  for (;;) {
    TMask Taken = 0;
    int Index = 9;
    for (; Index >= 0; --Index) {
      const auto& All = Places(FleetSizes[Index]);
      const TPlace& P = All[Random.Random(static_cast<uint32_t>(All.size()))];
      if (P.Cells & Taken)
        break;
      Taken |= P.Halo;
      Fleet[Index] = &P;
    }
    if (Index < 0)
      return Fleet;
  }
}
