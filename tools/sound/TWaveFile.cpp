// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TWaveFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

void Put32(std::string& Out, uint32_t V) {
  for (int I = 0; I < 4; ++I) {
    Out.push_back(char((V >> (8 * I)) & 0xFF));
  }
}

void Put16(std::string& Out, uint16_t V) {
  Out.push_back(char(V & 0xFF));
  Out.push_back(char(V >> 8));
}

} // namespace

void TWaveFile::Finish(double Peak, double FadeSeconds) {
  double Loudest = 0.0;
  for (double S : FSamples) {
    Loudest = std::max(Loudest, std::abs(S));
  }
  const double Gain = Loudest > 0.0 ? Peak / Loudest : 0.0;
  const size_t Fade = std::min(FSamples.size() / 2, size_t(FadeSeconds * Rate));
  for (size_t I = 0; I < FSamples.size(); ++I) {
    double S = FSamples[I] * Gain;
    if (I < Fade) {
      S *= double(I) / double(Fade);
    }
    if (FSamples.size() - 1 - I < Fade) {
      S *= double(FSamples.size() - 1 - I) / double(Fade);
    }
    FSamples[I] = S;
  }
}

bool TWaveFile::Save(const std::string& Path) const {
  const uint32_t DataBytes = uint32_t(FSamples.size() * 2);
  std::string Out;
  Out += "RIFF";
  Put32(Out, 36 + DataBytes);
  Out += "WAVEfmt ";
  Put32(Out, 16);
  Put16(Out, 1); // PCM
  Put16(Out, 1); // mono
  Put32(Out, Rate);
  Put32(Out, Rate * 2);
  Put16(Out, 2);  // bytes per frame
  Put16(Out, 16); // bits per sample
  Out += "data";
  Put32(Out, DataBytes);
  for (double S : FSamples) {
    const long V = std::lround(std::clamp(S, -1.0, 1.0) * 32767.0);
    Put16(Out, uint16_t(int16_t(V)));
  }
  std::ofstream File(Path, std::ios::binary | std::ios::trunc);
  File.write(Out.data(), std::streamsize(Out.size()));
  File.flush();
  return bool(File);
}
