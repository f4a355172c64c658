// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "Cues.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

constexpr double Rate = TWaveFile::Rate;
constexpr double Pi = std::numbers::pi;

// White noise from a fixed seed: the same cue on every build.
class TNoiseSource {
public:
  explicit TNoiseSource(uint64_t Seed) : FState(Seed * 0x9E3779B97F4A7C15ULL + 1) {}
  double Next() {
    FState = FState * 6364136223846793005ULL + 1442695040888963407ULL;
    return double(int32_t(FState >> 32)) / 2147483648.0;
  }
  double Uniform() { return 0.5 * (Next() + 1.0); }

private:
  uint64_t FState = 0;
};

// One-pole low-pass filter.
class TLowPass {
public:
  double Step(double In, double Cutoff) {
    const double A = 1.0 - std::exp(-2.0 * Pi * Cutoff / Rate);
    FState += A * (In - FState);
    return FState;
  }

private:
  double FState = 0.0;
};

std::vector<double> Silence(double Seconds) {
  return std::vector<double>(size_t(Seconds * Rate));
}

void MixInto(std::vector<double>& Into, const std::vector<double>& Sound, double Gain,
             double AtSeconds = 0.0) {
  const size_t Offset = size_t(AtSeconds * Rate);
  for (size_t I = 0; I < Sound.size() && Offset + I < Into.size(); ++I) {
    Into[Offset + I] += Gain * Sound[I];
  }
}

struct TBoomLook {
  double Seconds = 1.0;
  double PitchFrom = 100.0, PitchTo = 40.0; // the thump's falling pitch
  double Cutoff = 3000.0;                   // brightness of the blast
  double Decay = 0.25;                      // seconds for the blast to fall to 1/e
  double Crack = 1.0;                       // strength of the first sharp crack
  uint64_t Seed = 1;
};

std::vector<double> Boom(const TBoomLook& Look) {
  std::vector<double> Out = Silence(Look.Seconds);
  TNoiseSource Noise(Look.Seed);
  TLowPass Blast, Rumble, Body;
  double Phase = 0.0;
  for (size_t I = 0; I < Out.size(); ++I) {
    const double T = I / Rate;
    const double Pitch = Look.PitchTo + (Look.PitchFrom - Look.PitchTo) * std::exp(-T / 0.08);
    Phase += 2 * Pi * Pitch / Rate;
    const double Thump = std::sin(Phase) * std::exp(-T / 0.16) * std::min(1.0, T / 0.002);
    const double N = Noise.Next();
    const double Cut = 180.0 + Look.Cutoff * std::exp(-T / 0.06);
    const double B = Body.Step(Blast.Step(N, Cut), Cut * 1.5) * std::exp(-T / Look.Decay) *
                     std::min(1.0, T / 0.003);
    const double R = Rumble.Step(N, 90.0) * std::exp(-T / (Look.Decay * 2.2)) * 3.0;
    const double Crack = T < 0.02 ? N * (1.0 - T / 0.02) * Look.Crack : 0.0;
    Out[I] = 0.9 * Thump + 1.6 * B + R + 0.5 * Crack;
  }
  return Out;
}

// Crackling fire: short bursts of bright noise at random moments.
std::vector<double> Crackle(double Seconds, double PerSecond, double Start, uint64_t Seed) {
  std::vector<double> Out = Silence(Seconds);
  TNoiseSource Noise(Seed);
  TLowPass Soft;
  double Burst = 0.0, BurstGain = 0.0;
  for (size_t I = 0; I < Out.size(); ++I) {
    const double T = I / Rate;
    const double Envelope = T < Start ? 0.0 : std::min(1.0, (T - Start) / 0.08);
    if (Noise.Uniform() < PerSecond / Rate) {
      Burst = 0.002 + 0.004 * Noise.Uniform();
      BurstGain = 0.3 + 0.7 * Noise.Uniform();
    }
    double S = 0.0;
    if (Burst > 0.0) {
      S = Noise.Next() * BurstGain;
      Burst -= 1.0 / Rate;
    }
    // A soft roar of flames underneath the crackle.
    const double Roar = Soft.Step(Noise.Next(), 400.0) * 0.8;
    Out[I] = Envelope * (S + Roar);
  }
  return Out;
}

// A brass-like or reed-like tone: harmonics with a gentle vibrato.
std::vector<double> Tone(double Frequency, double Seconds, double Attack, double Release,
                         bool Reed) {
  std::vector<double> Out = Silence(Seconds);
  double Phase = 0.0;
  for (size_t I = 0; I < Out.size(); ++I) {
    const double T = I / Rate;
    const double Vibrato = 1.0 + 0.004 * std::sin(2 * Pi * 5.2 * T) * std::min(1.0, T / 0.25);
    Phase += 2 * Pi * Frequency * Vibrato / Rate;
    double S = 0.0;
    for (int H = 1; H <= 8; ++H) {
      if (Reed && H % 2 == 0) {
        continue; // odd harmonics only: hollow and dark
      }
      // Brass brightens as it swells; the reed stays soft.
      const double Bright =
          Reed ? 1.0 / (H * H) : std::pow(0.62, H - 1) * (0.6 + 0.4 * std::min(1.0, T / Attack));
      S += Bright * std::sin(H * Phase);
    }
    double Envelope = std::min(1.0, T / Attack);
    if (T > Seconds - Release) {
      Envelope *= std::max(0.0, (Seconds - T) / Release);
    }
    Out[I] = S * Envelope;
  }
  return Out;
}

double Note(int SemitonesFromA4) {
  return 440.0 * std::pow(2.0, SemitonesFromA4 / 12.0);
}

TWaveFile Done(std::vector<double> Samples, double Peak = 0.89) {
  TWaveFile Wave;
  Wave.FSamples = std::move(Samples);
  Wave.Finish(Peak, 0.008);
  return Wave;
}

} // namespace

TWaveFile MakeMyShot() {
  return Done(Boom({1.1, 130.0, 46.0, 4200.0, 0.22, 1.0, 11}));
}

TWaveFile MakeEnemyShot() {
  std::vector<double> Out = Silence(1.3);
  const std::vector<double> Shot = Boom({1.0, 85.0, 34.0, 1300.0, 0.3, 0.2, 12});
  MixInto(Out, Shot, 1.0);
  MixInto(Out, Shot, 0.35, 0.19); // the echo off the water says it is far away
  return Done(Out);
}

TWaveFile MakeSplash() {
  std::vector<double> Out = Silence(1.0);
  TNoiseSource Noise(21);
  TLowPass High, Low, Plunk;
  double PlunkPhase = 0.0;
  for (size_t I = 0; I < Out.size(); ++I) {
    const double T = I / Rate;
    const double N = Noise.Next();
    // Band of noise: the rush of water thrown up and falling back.
    const double Band = High.Step(N, 2600.0) - Low.Step(N, 350.0);
    const double Rush = Band * std::min(1.0, T / 0.015) * std::exp(-T / 0.22);
    PlunkPhase += 2 * Pi * (150.0 + 90.0 * std::exp(-T / 0.03)) / Rate;
    const double Body = std::sin(PlunkPhase) * std::exp(-T / 0.06);
    Out[I] = 1.4 * Rush + 0.5 * Plunk.Step(Body, 800.0);
  }
  // Droplets falling back: short rising blips.
  TNoiseSource Drops(22);
  for (int D = 0; D < 16; ++D) {
    const double At = 0.12 + 0.7 * Drops.Uniform();
    const double F = 900.0 + 1400.0 * Drops.Uniform();
    const double Gain = 0.25 * (1.0 - (At - 0.12) / 0.8);
    std::vector<double> Blip = Silence(0.05);
    for (size_t I = 0; I < Blip.size(); ++I) {
      const double T = I / Rate;
      Blip[I] = std::sin(2 * Pi * F * (1.0 + 3.0 * T) * T) * std::exp(-T / 0.012);
    }
    MixInto(Out, Blip, Gain, At);
  }
  return Done(Out);
}

TWaveFile MakeEnemyFire() {
  std::vector<double> Out = Silence(1.15);
  MixInto(Out, Boom({1.15, 110.0, 40.0, 3600.0, 0.2, 0.8, 31}), 1.0);
  MixInto(Out, Crackle(1.15, 55.0, 0.15, 32), 0.32);
  return Done(Out);
}

TWaveFile MakeMyFire() {
  std::vector<double> Out = Silence(1.15);
  MixInto(Out, Boom({1.15, 80.0, 30.0, 2200.0, 0.26, 0.6, 41}), 1.0);
  // The hull groans: a low, wavering tone under the fire.
  std::vector<double> Groan = Silence(1.0);
  double Phase = 0.0;
  for (size_t I = 0; I < Groan.size(); ++I) {
    const double T = I / Rate;
    Phase += 2 * Pi * (62.0 + 6.0 * std::sin(2 * Pi * 3.0 * T)) / Rate;
    Groan[I] = (std::sin(Phase) + 0.4 * std::sin(3 * Phase)) * std::sin(Pi * T / 1.0);
  }
  MixInto(Out, Groan, 0.22, 0.1);
  MixInto(Out, Crackle(1.15, 40.0, 0.18, 42), 0.3);
  return Done(Out);
}

TWaveFile MakeYouWin() {
  std::vector<double> Out = Silence(1.75);
  // C5 E5 G5, then a held C6 over the full chord.
  const int Steps[] = {3, 7, 10};
  for (int I = 0; I < 3; ++I) {
    MixInto(Out, Tone(Note(Steps[I]), 0.17, 0.02, 0.04, false), 0.8, 0.16 * I);
  }
  MixInto(Out, Tone(Note(15), 1.2, 0.03, 0.35, false), 0.8, 0.48);
  for (int S : {3, 7, 10}) {
    MixInto(Out, Tone(Note(S), 1.2, 0.05, 0.35, false), 0.4, 0.48);
  }
  return Done(Out);
}

TWaveFile MakeYouLost() {
  std::vector<double> Out = Silence(2.7);
  // G4 F4 E-flat4 D4, landing on a long C4 over a low drone.
  const int Steps[] = {-2, -4, -6, -7};
  for (int I = 0; I < 4; ++I) {
    MixInto(Out, Tone(Note(Steps[I]), 0.46, 0.06, 0.12, true), 0.8, 0.42 * I);
  }
  MixInto(Out, Tone(Note(-9), 1.0, 0.08, 0.5, true), 0.8, 1.68);
  MixInto(Out, Tone(Note(-21), 2.6, 0.4, 0.8, true), 0.35, 0.05);
  return Done(Out, 0.8);
}
