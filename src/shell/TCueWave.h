// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <optional>

// One sound cue decoded from a WAV file: integer PCM samples ready for the audio output, their
// format and how long they sound. Anything else (float samples, compressed formats, a broken or
// empty file) is not a playable cue and gives no value, so the game stays silent.
class TCueWave {
public:
  QAudioFormat FFormat{};
  QByteArray FSamples{}; // whole frames only
  int FDurationMs{0};

  // Cue files are short; a larger file is refused rather than read into memory.
  static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

  static std::optional<TCueWave> FromBytes(const QByteArray& bytes);
  static std::optional<TCueWave> FromFile(const QString& fileName);
};
