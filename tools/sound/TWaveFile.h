// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <string>
#include <vector>

// A mono sound as samples in -1..1 at a fixed rate, written as a 16-bit PCM WAV file
// (RIFF/WAVE, format 1), the one kind every sound back end decodes.
class TWaveFile {
public:
  static constexpr int Rate = 22050;

  std::vector<double> FSamples;

  // Scales the sound so that its loudest sample reaches Peak, and fades its two ends over
  // FadeSeconds so that it starts and stops without a click.
  void Finish(double Peak, double FadeSeconds);
  // False when the file cannot be written completely.
  bool Save(const std::string& Path) const;
};
