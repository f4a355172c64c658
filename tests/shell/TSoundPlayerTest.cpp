// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TSoundPlayer.h"

#include "TestWave.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr TSoundId AllCues[] = {sndMyShot, sndEnemyShot, sndSplash, sndEnemyFire,
                                sndMyFire, sndYouWin,    sndYouLost};

// Sounds/ beside the executable comes first; installed, share/salvora/Sounds/ of its prefix.
TEST(TSoundPlayerFolder, IsSoundsBesideTheExecutableOrTheInstalledOne) {
  EXPECT_EQ(TSoundPlayer::SoundFolderIn("/opt/sea"), "/opt/sea/Sounds/");
  const QTemporaryDir Prefix;
  ASSERT_TRUE(QDir(Prefix.path()).mkpath("bin") &&
              QDir(Prefix.path()).mkpath("share/salvora/Sounds"));
  EXPECT_EQ(TSoundPlayer::SoundFolderIn(Prefix.filePath("bin/")),
            Prefix.filePath("share/salvora/Sounds/"));
  ASSERT_TRUE(QDir(Prefix.path()).mkpath("bin/Sounds"));
  EXPECT_EQ(TSoundPlayer::SoundFolderIn(Prefix.filePath("bin")), Prefix.filePath("bin/Sounds/"));
  EXPECT_EQ(TSoundPlayer::SoundFolder(), QCoreApplication::applicationDirPath() + "/Sounds/");
}

// The build writes the cues the game plays; a name that differs from the file would be silent.
TEST(TSoundPlayerFolder, EveryCueHasItsFileInTheBuiltSounds) {
  QStringList names;
  for (TSoundId id : AllCues) {
    const QString name = TSoundPlayer::CueFileName(id);
    EXPECT_TRUE(QFileInfo(QStringLiteral(SALVORA_SOUND_DIR "/") + name).isFile())
        << name.toStdString();
    names << name;
  }
  EXPECT_EQ(names.removeDuplicates(), 0);
  EXPECT_EQ(TSoundPlayer::CueFileName(TSoundId(7)), QString());
}

class TSoundPlayerTest : public testing::Test {
protected:
  QTemporaryDir FDir{};
  QString FFolder{FDir.path() + "/Sounds/"};

  void SetUp() override { ASSERT_TRUE(QDir().mkpath(FFolder)); }

  void Put(TSoundId id, const QByteArray& bytes) {
    ASSERT_TRUE(TestWave::Write(FFolder + TSoundPlayer::CueFileName(id), bytes));
  }

  // Plays the cue and expects it back at once: no event loop ran inside the call (a call
  // queued before it still waits) and it took far less than any cue sounds.
  static void PlayAtOnce(TSoundPlayer& player, TSoundId id, bool wait) {
    auto looped = std::make_shared<bool>(false);
    QMetaObject::invokeMethod(
        qApp, [looped] { *looped = true; }, Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    player.PlaySnd(id, wait);
    EXPECT_LT(clock.elapsed(), 250) << "cue " << int(id);
    EXPECT_FALSE(*looped) << "cue " << int(id) << " waited in an event loop";
    QCoreApplication::processEvents();
  }
};

// With sound off no file is even read, waiting or not; with sound on the same call reads it.
TEST_F(TSoundPlayerTest, SoundOffReadsNothingAndWaitsForNothing) {
  for (TSoundId id : AllCues)
    Put(id, TestWave::Tone(3.0));
  TSoundPlayer player(FFolder);
  player.FSound = false;
  for (TSoundId id : AllCues) {
    PlayAtOnce(player, id, true);
    PlayAtOnce(player, id, false);
    EXPECT_FALSE(player.IsCached(id));
  }
  player.FSound = true;
  player.PlaySnd(sndSplash, false);
  EXPECT_TRUE(player.IsCached(sndSplash));
}

// Missing, broken and unplayable files are silent, and a cue that would wait returns at once
// instead of hanging.
TEST_F(TSoundPlayerTest, SilentCuesReturnAtOnce) {
  Put(sndEnemyShot, {});
  Put(sndSplash, QByteArray(5000, '\x3c'));
  Put(sndEnemyFire, TestWave::FloatTone(3.0));
  ASSERT_TRUE(QDir(FFolder).mkdir(TSoundPlayer::CueFileName(sndMyFire)));
  // sndMyShot, sndYouWin and sndYouLost have no file.
  TSoundPlayer player(FFolder);
  for (TSoundId id : AllCues) {
    PlayAtOnce(player, id, true);
    EXPECT_FALSE(player.IsSounding()) << int(id);
  }
  EXPECT_FALSE(player.IsCached(sndEnemyFire));
  PlayAtOnce(player, TSoundId(200), true);

  TSoundPlayer nowhere(FDir.path() + "/NoSuchFolder/");
  for (TSoundId id : AllCues)
    PlayAtOnce(nowhere, id, true);
}

// Without an output device a playable cue is read and kept, but a waiting call does not wait
// for a sound that cannot be heard (the back end would report it playing for ever).
TEST_F(TSoundPlayerTest, PlayableCueWithoutDeviceReturnsAtOnce) {
  // ctest points this test at a sound server that does not exist.
  ASSERT_TRUE(QMediaDevices::defaultAudioOutput().isNull()) << "a sound server is reachable";
  Put(sndYouWin, TestWave::Tone(3.0));
  TSoundPlayer player(FFolder);
  PlayAtOnce(player, sndYouWin, true);
  EXPECT_TRUE(player.IsCached(sndYouWin));
  EXPECT_FALSE(player.IsSounding());
}

} // namespace
