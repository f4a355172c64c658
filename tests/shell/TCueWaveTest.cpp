// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TCueWave.h"

#include "TestWave.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using TestWave::Put16;
using TestWave::Put32;
using TestWave::Wave;

QByteArray Chunk(const char* id, const QByteArray& body) {
  QByteArray out(id);
  Put32(out, quint32(body.size()));
  out += body;
  if (body.size() % 2)
    out += '\0';
  return out;
}

QByteArray Riff(const QByteArray& chunks) {
  QByteArray out("RIFF");
  Put32(out, quint32(4 + chunks.size()));
  return out + "WAVE" + chunks;
}

// A "fmt " body: format tag, channels, rate, block alignment, bits.
QByteArray Fmt(quint16 tag, quint16 channels, quint32 rate, quint16 align, quint16 bits) {
  QByteArray out;
  Put16(out, tag);
  Put16(out, channels);
  Put32(out, rate);
  Put32(out, rate * align);
  Put16(out, align);
  Put16(out, bits);
  return out;
}

// The extensible header with the real format's tag at the start of its sub-format.
QByteArray Extensible(quint16 subFormat, quint16 bits) {
  QByteArray out = Fmt(0xFFFE, 1, 22050, bits / 8, bits);
  Put16(out, 22);
  Put16(out, bits);
  Put32(out, 4);
  Put16(out, subFormat);
  return out + QByteArray(14, '\x01');
}

TEST(TCueWave, ReadsIntegerPcmOfEveryWidthTheOutputTakes) {
  const auto tone = TCueWave::FromBytes(TestWave::Tone(0.5));
  ASSERT_TRUE(tone);
  EXPECT_EQ(tone->FFormat.sampleFormat(), QAudioFormat::Int16);
  EXPECT_EQ(tone->FFormat.channelCount(), 1);
  EXPECT_EQ(tone->FFormat.sampleRate(), 22050);
  EXPECT_EQ(tone->FSamples.size(), 11025 * 2);
  EXPECT_EQ(tone->FDurationMs, 500);

  const auto bytes8 = TCueWave::FromBytes(Wave(1, 2, 8000, 8, QByteArray(16000, '\x80')));
  ASSERT_TRUE(bytes8);
  EXPECT_EQ(bytes8->FFormat.sampleFormat(), QAudioFormat::UInt8);
  EXPECT_EQ(bytes8->FFormat.channelCount(), 2);
  EXPECT_EQ(bytes8->FDurationMs, 1000);

  const auto int32 = TCueWave::FromBytes(Wave(1, 1, 44100, 32, QByteArray(4 * 441, '\x01')));
  ASSERT_TRUE(int32);
  EXPECT_EQ(int32->FFormat.sampleFormat(), QAudioFormat::Int32);
  EXPECT_EQ(int32->FDurationMs, 10);

  const auto extensible = TCueWave::FromBytes(
      Riff(Chunk("fmt ", Extensible(1, 16)) + Chunk("data", QByteArray(44100, 'x'))));
  ASSERT_TRUE(extensible);
  EXPECT_EQ(extensible->FDurationMs, 1000);
}

TEST(TCueWave, SkipsForeignChunksAndTheirPadding) {
  // An odd-sized chunk is followed by a pad byte; missing it would misread every later chunk.
  const QByteArray samples(2000, '\x05');
  const auto wave =
      TCueWave::FromBytes(Riff(Chunk("LIST", "odd") + Chunk("fmt ", Fmt(1, 1, 1000, 2, 16)) +
                               Chunk("fact", QByteArray("\1\0\0\0", 4)) + Chunk("data", samples)));
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->FSamples, samples);
  EXPECT_EQ(wave->FDurationMs, 1000);
}

TEST(TCueWave, PlaysTheWholeFramesOfAFileCutShort) {
  QByteArray bytes = TestWave::Tone(0.5);
  bytes.chop(11025 * 2 - 5); // two whole frames and half of the third remain
  const auto wave = TCueWave::FromBytes(bytes);
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->FSamples.size(), 4);
  EXPECT_EQ(wave->FDurationMs, 1); // rounded up: a cue that sounds at all lasts
}

TEST(TCueWave, RefusesWhatTheOutputCannotPlay) {
  const QByteArray pcm(400, '\x01');
  const std::pair<const char*, QByteArray> cases[] = {
      {"empty", QByteArray()},
      {"garbage", QByteArray(1000, '\xA7')},
      {"RIFF without WAVE", QByteArray("RIFF\4\0\0\0AVI ", 12) + pcm},
      {"header only", Riff({})},
      {"float samples", TestWave::FloatTone(0.2)},
      {"24-bit samples", Wave(1, 1, 22050, 24, QByteArray(300, '\1'))},
      {"compressed", Wave(2, 1, 22050, 4, pcm)},
      {"extensible float", Riff(Chunk("fmt ", Extensible(3, 32)) + Chunk("data", pcm))},
      {"no channels", Riff(Chunk("fmt ", Fmt(1, 0, 22050, 0, 16)) + Chunk("data", pcm))},
      {"frame size mismatch", Riff(Chunk("fmt ", Fmt(1, 2, 22050, 2, 16)) + Chunk("data", pcm))},
      {"rate 0", Riff(Chunk("fmt ", Fmt(1, 1, 0, 2, 16)) + Chunk("data", pcm))},
      {"short fmt", Riff(Chunk("fmt ", Fmt(1, 1, 22050, 2, 16).left(12)) + Chunk("data", pcm))},
      {"samples before format", Riff(Chunk("data", pcm) + Chunk("fmt ", Fmt(1, 1, 22050, 2, 16)))},
      {"no samples", Riff(Chunk("fmt ", Fmt(1, 1, 22050, 2, 16)) + Chunk("data", {}))},
      {"no data chunk", Riff(Chunk("fmt ", Fmt(1, 1, 22050, 2, 16)))},
      {"chunk larger than the file", Riff(QByteArray("JUNK\xff\xff\xff\xff") + pcm)},
  };
  for (const auto& [name, bytes] : cases)
    EXPECT_FALSE(TCueWave::FromBytes(bytes)) << name;
}

TEST(TCueWave, ReadsRegularFilesOnly) {
  QTemporaryDir dir;
  const QString good = dir.filePath("good.wav");
  const QString empty = dir.filePath("empty.wav");
  ASSERT_TRUE(TestWave::Write(good, TestWave::Tone(0.1)));
  ASSERT_TRUE(TestWave::Write(empty, {}));
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.wav"));
  EXPECT_TRUE(TCueWave::FromFile(good));
  EXPECT_FALSE(TCueWave::FromFile(empty));
  EXPECT_FALSE(TCueWave::FromFile(dir.filePath("folder.wav")));
  EXPECT_FALSE(TCueWave::FromFile(dir.filePath("missing.wav")));
}

} // namespace
