// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// The seven cue files the build puts in Sounds/ beside the game.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

struct TWave {
  bool Riff = false;
  int Format = 0, Channels = 0, Rate = 0, Bits = 0;
  QByteArray Data;
  double Seconds() const {
    return Rate > 0 && Channels > 0 ? Data.size() / 2.0 / Channels / Rate : 0;
  }
  int Sample(qsizetype I) const {
    return int16_t(uchar(Data[2 * I]) | (uchar(Data[2 * I + 1]) << 8));
  }
  qsizetype Count() const { return Data.size() / 2; }
};

uint32_t U32(const QByteArray& B, qsizetype At) {
  return uchar(B[At]) | (uchar(B[At + 1]) << 8) | (uchar(B[At + 2]) << 16) |
         (uint32_t(uchar(B[At + 3])) << 24);
}

TWave Read(const char* Name) {
  TWave W;
  QFile File(QStringLiteral(SALVORA_SOUND_DIR "/") + Name);
  if (!File.open(QIODevice::ReadOnly)) {
    return W;
  }
  const QByteArray B = File.readAll();
  if (B.size() < 12 || B.left(4) != "RIFF" || B.mid(8, 4) != "WAVE" || U32(B, 4) != B.size() - 8) {
    return W;
  }
  W.Riff = true;
  qsizetype At = 12;
  while (At + 8 <= B.size()) {
    const QByteArray Id = B.mid(At, 4);
    const uint32_t Size = U32(B, At + 4);
    if (Id == "fmt " && Size >= 16) {
      W.Format = uchar(B[At + 8]) | (uchar(B[At + 9]) << 8);
      W.Channels = uchar(B[At + 10]);
      W.Rate = int(U32(B, At + 12));
      W.Bits = uchar(B[At + 22]);
    } else if (Id == "data") {
      W.Data = B.mid(At + 8, Size);
    }
    At += 8 + Size + (Size & 1);
  }
  return W;
}

const char* const AllCues[] = {"MyShot.wav", "EnemyShot.wav", "Splash.wav", "EnemyFire.wav",
                               "MyFire.wav", "YouWin.wav",    "YouLost.wav"};

} // namespace

// The sound back end decodes integer PCM only; anything else would play as silence.
TEST(Sounds, EveryCueIsSixteenBitPcmAndAudible) {
  for (const char* Name : AllCues) {
    const TWave W = Read(Name);
    ASSERT_TRUE(W.Riff) << Name;
    EXPECT_EQ(W.Format, 1) << Name;
    EXPECT_EQ(W.Bits, 16) << Name;
    EXPECT_TRUE(W.Rate == 22050 || W.Rate == 44100) << Name;
    EXPECT_EQ(W.Channels, 1) << Name;
    ASSERT_GT(W.Count(), 0) << Name;
    int Peak = 0;
    for (qsizetype I = 0; I < W.Count(); ++I) {
      Peak = std::max(Peak, std::abs(W.Sample(I)));
    }
    EXPECT_GT(Peak, 8000) << Name;
    EXPECT_LT(Peak, 32767) << Name << " clips";
    // Faded ends: no click when the cue starts or is cut off.
    EXPECT_LT(std::abs(W.Sample(0)), 500) << Name;
    EXPECT_LT(std::abs(W.Sample(W.Count() - 1)), 500) << Name;
    EXPECT_GT(W.Seconds(), 0.3) << Name;
  }
}

// The game stops for these three: each must end well before 1.5 s.
TEST(Sounds, CuesTheGameWaitsForAreShort) {
  for (const char* Name : {"Splash.wav", "MyFire.wav", "EnemyFire.wav"}) {
    const TWave W = Read(Name);
    ASSERT_TRUE(W.Riff) << Name;
    EXPECT_LE(W.Seconds(), 1.2) << Name;
  }
}

TEST(Sounds, TheTwoShotsAndTheTwoHitsSoundDifferent) {
  EXPECT_NE(Read("MyShot.wav").Data, Read("EnemyShot.wav").Data);
  EXPECT_NE(Read("MyFire.wav").Data, Read("EnemyFire.wav").Data);
}
