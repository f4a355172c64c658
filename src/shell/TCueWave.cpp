// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TCueWave.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

constexpr quint16 FormatPcm = 1;
constexpr quint16 FormatExtensible = 0xFFFE;

quint16 Get16(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 Get32(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// The sample format the audio output takes for a PCM width, or Unknown for widths it cannot play.
QAudioFormat::SampleFormat SampleFormatOf(quint16 bits) {
  switch (bits) {
  case 8:
    return QAudioFormat::UInt8;
  case 16:
    return QAudioFormat::Int16;
  case 32:
    return QAudioFormat::Int32;
  default:
    return QAudioFormat::Unknown;
  }
}

} // namespace

std::optional<TCueWave> TCueWave::FromBytes(const QByteArray& bytes) {
  if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
    return std::nullopt;
  std::optional<QAudioFormat> format;
  qsizetype at = 12;
  // Chunks may come in any order and carry extras (LIST, fact); a chunk of odd size is padded.
  while (at + 8 <= bytes.size()) {
    const QByteArray id = bytes.mid(at, 4);
    const qint64 size = Get32(bytes, at + 4);
    const qsizetype body = at + 8;
    if (id == "fmt ") {
      if (size < 16 || body + 16 > bytes.size())
        return std::nullopt;
      quint16 tag = Get16(bytes, body);
      const quint16 channels = Get16(bytes, body + 2);
      const quint32 rate = Get32(bytes, body + 4);
      const quint16 blockAlign = Get16(bytes, body + 12);
      const quint16 bits = Get16(bytes, body + 14);
      // The extensible header names its real format in the first two bytes of its sub-format.
      if (tag == FormatExtensible && size >= 40 && body + 40 <= bytes.size())
        tag = Get16(bytes, body + 24);
      const QAudioFormat::SampleFormat sampleFormat = SampleFormatOf(bits);
      if (tag != FormatPcm || sampleFormat == QAudioFormat::Unknown || channels < 1 ||
          channels > 8 || rate < 1000 || rate > 384000 || blockAlign != channels * bits / 8)
        return std::nullopt;
      format.emplace();
      format->setSampleFormat(sampleFormat);
      format->setChannelCount(channels);
      format->setSampleRate(int(rate));
    } else if (id == "data") {
      if (!format) // samples before their format cannot be played
        return std::nullopt;
      // A file cut short plays what it holds, in whole frames.
      const qint64 available = qMin<qint64>(size, bytes.size() - body);
      const int frameBytes = format->bytesPerFrame();
      const qint64 frames = available / frameBytes;
      if (frames == 0)
        return std::nullopt;
      TCueWave wave;
      wave.FFormat = *format;
      wave.FSamples = bytes.mid(body, frames * frameBytes);
      wave.FDurationMs = int((frames * 1000 + format->sampleRate() - 1) / format->sampleRate());
      return wave;
    }
    at = body + size + (size & 1);
  }
  return std::nullopt;
}

std::optional<TCueWave> TCueWave::FromFile(const QString& fileName) {
  // Only a regular file: a pipe or device under a cue's name would block the game on opening.
  if (!QFileInfo(fileName).isFile())
    return std::nullopt;
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes)
    return std::nullopt;
  return FromBytes(file.read(MaxFileBytes));
}
