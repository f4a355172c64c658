// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TNoise.h"

#include <cmath>

namespace {

int Wrap(int V, int Period) {
  if (Period <= 0) {
    return V;
  }
  const int M = V % Period;
  return M < 0 ? M + Period : M;
}

double Smooth(double T) {
  return T * T * (3.0 - 2.0 * T);
}

} // namespace

double TNoise::Hash(int X, int Y) const {
  uint32_t H = FSeed * 0x9E3779B1u;
  H ^= uint32_t(X) * 0x85EBCA77u;
  H = (H << 13) | (H >> 19);
  H ^= uint32_t(Y) * 0xC2B2AE3Du;
  H ^= H >> 15;
  H *= 0x2C1B3C6Du;
  H ^= H >> 12;
  H *= 0x297A2D39u;
  H ^= H >> 15;
  return double(H) / 4294967296.0;
}

double TNoise::Value(double X, double Y, int PeriodX, int PeriodY) const {
  const double FX = std::floor(X);
  const double FY = std::floor(Y);
  const int X0 = int(FX);
  const int Y0 = int(FY);
  const double TX = Smooth(X - FX);
  const double TY = Smooth(Y - FY);
  const int XA = Wrap(X0, PeriodX), XB = Wrap(X0 + 1, PeriodX);
  const int YA = Wrap(Y0, PeriodY), YB = Wrap(Y0 + 1, PeriodY);
  const double Top = Hash(XA, YA) + (Hash(XB, YA) - Hash(XA, YA)) * TX;
  const double Bottom = Hash(XA, YB) + (Hash(XB, YB) - Hash(XA, YB)) * TX;
  return Top + (Bottom - Top) * TY;
}

double TNoise::Fractal(double X, double Y, int Octaves, double Gain, int PeriodX,
                       int PeriodY) const {
  double Sum = 0.0, Weight = 1.0, Total = 0.0;
  for (int O = 0; O < Octaves; ++O) {
    Sum += Weight * Value(X, Y, PeriodX, PeriodY);
    Total += Weight;
    Weight *= Gain;
    X *= 2.0;
    Y *= 2.0;
    PeriodX *= 2;
    PeriodY *= 2;
  }
  return Sum / Total;
}

uint32_t TArtRandom::Next() {
  FState = FState * 6364136223846793005ULL + 1442695040888963407ULL;
  return uint32_t(FState >> 33);
}

double TArtRandom::Uniform() {
  return double(Next()) / 2147483648.0;
}
