// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cmath>

// WAV files for the sound tests, written here so that the tests do not depend on the game's cues.
namespace TestWave {

inline void Put16(QByteArray& out, quint16 v) {
  char b[2];
  qToLittleEndian(v, b);
  out.append(b, 2);
}

inline void Put32(QByteArray& out, quint32 v) {
  char b[4];
  qToLittleEndian(v, b);
  out.append(b, 4);
}

// A RIFF/WAVE file with one "fmt " chunk of the given fields and one "data" chunk.
inline QByteArray Wave(quint16 tag, quint16 channels, quint32 rate, quint16 bits,
                       const QByteArray& data) {
  QByteArray out("RIFF");
  Put32(out, quint32(36 + data.size()));
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, tag);
  Put16(out, channels);
  Put32(out, rate);
  Put32(out, rate * channels * bits / 8);
  Put16(out, quint16(channels * bits / 8));
  Put16(out, bits);
  out += "data";
  Put32(out, quint32(data.size()));
  return out + data;
}

// A mono 16-bit PCM tone at 22050 Hz, loud enough to be told from silence.
inline QByteArray Tone(double seconds, double frequency = 440.0) {
  const int rate = 22050;
  QByteArray data;
  const int count = int(seconds * rate);
  for (int i = 0; i < count; ++i)
    Put16(data,
          quint16(qint16(std::lround(12000.0 * std::sin(6.283185307 * frequency * i / rate)))));
  return Wave(1, 1, rate, 16, data);
}

// The same length of samples as 32-bit floats: a valid WAV that the game cannot play.
inline QByteArray FloatTone(double seconds) {
  return Wave(3, 1, 22050, 32, QByteArray(int(seconds * 22050) * 4, '\x10'));
}

inline bool Write(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace TestWave
