// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <cstdint>

// Deterministic value noise and a small random source for the artwork generators.
// Every picture is made from fixed seeds, so a build always yields the same pixels.
class TNoise {
public:
  explicit TNoise(uint32_t Seed) : FSeed(Seed) {}

  // Smooth noise in 0..1; the lattice repeats every PeriodX and PeriodY cells when those are
  // positive, so that looping animations and tiling textures have no seam.
  double Value(double X, double Y, int PeriodX = 0, int PeriodY = 0) const;
  // Sum of Octaves layers of Value, each twice as fine and Gain times as strong; 0..1.
  double Fractal(double X, double Y, int Octaves, double Gain = 0.5, int PeriodX = 0,
                 int PeriodY = 0) const;
  // A hash of a lattice point in 0..1.
  double Hash(int X, int Y) const;

private:
  uint32_t FSeed = 0;
};

// A small linear-congruential source of numbers whose sequence is fixed by its seed on every
// platform (the standard distributions are not).
class TArtRandom {
public:
  explicit TArtRandom(uint64_t Seed) : FState(Seed * 2862933555777941757ULL + 3037000493ULL) {}
  uint32_t Next();
  double Uniform(); // 0 <= value < 1
  double Range(double Low, double High) { return Low + (High - Low) * Uniform(); }

private:
  uint64_t FState = 0;
};
