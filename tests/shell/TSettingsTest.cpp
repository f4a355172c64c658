// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TSettings.h"

#include "FileBytes.h"
#include "TFileWriter.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

namespace {

TEST(TSettingsNumber, ReadsWholeNumbersOnly) {
  const std::pair<const char16_t*, std::int32_t> numbers[] = {{u"0x10", 16},
                                                              {u"$0", 0},
                                                              {u"-5", -5},
                                                              {u"  0", 0},
                                                              {u"+$fF", 255},
                                                              {u"-0X1a", -26},
                                                              {u"00000000000007", 7},
                                                              {u"-2147483648", INT32_MIN},
                                                              {u"$FFFFFFFF", -1}};
  for (const auto& [text, number] : numbers)
    EXPECT_EQ(TSettings::TextToNumber(text), number) << QString::fromUtf16(text).toStdString();
  // 2^64 would wrap a 64-bit sum to 0; an Arabic-Indic zero is a digit, but not the game's.
  for (const char16_t* text : {u"yes", u"", u"1 ", u"0x", u"$", u"- 1", u"2147483648",
                               u"$100000000", u"18446744073709551616", u"\u0660"})
    EXPECT_EQ(TSettings::TextToNumber(text), std::nullopt)
        << QString::fromUtf16(text).toStdString();
  EXPECT_FALSE(TSettings::TextToSetting(u" -$0"));
  EXPECT_TRUE(TSettings::TextToSetting(u"\u0660"));
}

TEST(TSettingsPath, ReplacesOnlyTheFileNamesExtension) {
  EXPECT_EQ(TSettings::SettingsFilePath("/opt/g.d/salvora"), "/opt/g.d/salvora.ini");
  EXPECT_EQ(TSettings::SettingsFilePath("/opt/g.d/salvora.exe"), "/opt/g.d/salvora.ini");
  EXPECT_EQ(TSettings::SettingsFilePath("salvora"), QDir::current().filePath("salvora.ini"));
}

// Fails the one step it is told to, after doing part of it as a full disk would.
class TFailingWriter : public TFileWriter {
public:
  enum TStep { fsNone, fsOpen, fsWrite, fsFlush, fsSync, fsRename };
  TStep FFailAt{fsNone};

protected:
  bool Open(QFile& Temporary, const QString& FileName) override {
    return FFailAt != fsOpen && TFileWriter::Open(Temporary, FileName);
  }
  bool Write(QFile& Temporary, const QByteArray& Text) override {
    return FFailAt == fsWrite ? (Temporary.write(Text.left(Text.size() / 2)), false)
                              : TFileWriter::Write(Temporary, Text);
  }
  bool Flush(QFile& Temporary) override {
    return TFileWriter::Flush(Temporary) && FFailAt != fsFlush;
  }
  bool Sync(QFile& Temporary) override { return TFileWriter::Sync(Temporary) && FFailAt != fsSync; }
  bool Rename(const QString& From, const QString& To) override {
    return FFailAt != fsRename && TFileWriter::Rename(From, To);
  }
};

class TSettingsTest : public testing::Test {
protected:
  QTemporaryDir FDir{};
  QString FPath{FDir.filePath(QStringLiteral("salvora.ini"))};

  std::pair<bool, bool> Load(const QByteArray& bytes) {
    PutBytes(FPath, bytes);
    TSettings settings;
    settings.FAnimation = settings.FSound = false; // loading must set both
    settings.LoadSettings(FPath);
    return {settings.FAnimation, settings.FSound};
  }
  std::string Files() const {
    return QDir(FDir.path()).entryList(QDir::Files).join(u' ').toStdString();
  }
};

TEST_F(TSettingsTest, NoFileMeansBothOnAndSavingCreatesIt) {
  TSettings settings;
  settings.LoadSettings(FPath);
  EXPECT_TRUE(settings.FAnimation && settings.FSound);
  EXPECT_TRUE(settings.SaveSettings(FPath));
  EXPECT_EQ(GetBytes(FPath), "[General]\nAnimation=1\nSound=1\n");
}

TEST_F(TSettingsTest, LoadReadsEachKeyByTheNumberRule) {
  using TPair = std::pair<bool, bool>;
  EXPECT_EQ(Load("\xEF\xBB\xBF[General]\nSound=0\n"), TPair(true, false)); // with a BOM
  EXPECT_EQ(Load("[General]\nAnimation=$0\nSound=0x10\n"), TPair(false, true));
  EXPECT_EQ(Load("[General]\nAnimation=-5\nSound=yes\n"), TPair(true, true));
  EXPECT_EQ(Load("[General]\nAnimation=\nSound= 0 \n"), TPair(true, false));
}

// Both keys reach the file in one replacement or not at all: whichever step fails, the old
// text stays byte for byte and no temporary file is left behind.
TEST_F(TSettingsTest, EveryFailedStepOfASaveKeepsTheOldFile) {
  const QByteArray Old = "[Other]\nKeep=this\n[General]\nAnimation=1\nSound=1\n";
  TSettings Settings;
  Settings.FAnimation = Settings.FSound = false;
  TFailingWriter Writer;
  for (auto Step : {TFailingWriter::fsOpen, TFailingWriter::fsWrite, TFailingWriter::fsFlush,
                    TFailingWriter::fsSync, TFailingWriter::fsRename}) {
    PutBytes(FPath, Old);
    Writer.FFailAt = Step;
    EXPECT_FALSE(Settings.SaveSettings(FPath, Writer)) << Step;
    EXPECT_EQ(GetBytes(FPath), Old) << Step;
    EXPECT_EQ(Files(), "salvora.ini") << Step;
  }
  // A temporary that a killed save left an hour ago goes with the next save; one of a save
  // that may still run stays.
  auto Leftover = [&](const char* Name, int AgeSeconds) {
    QFile File(FDir.filePath(QLatin1String(Name)));
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.setFileTime(QDateTime::currentDateTime().addSecs(-AgeSeconds),
                     QFileDevice::FileModificationTime);
  };
  Leftover("salvora.ini.0badf00d.tmp", 7200);
  Leftover("salvora.ini.12345678.tmp", 60);
  Writer.FFailAt = TFailingWriter::fsNone;
  EXPECT_TRUE(Settings.SaveSettings(FPath, Writer));
  EXPECT_EQ(GetBytes(FPath), "[Other]\nKeep=this\n[General]\nAnimation=0\nSound=0\n");
  EXPECT_EQ(Files(), "salvora.ini salvora.ini.12345678.tmp");
}

// Installed where it may not write, the game keeps the settings in the user's folder, created
// at the first save; until then a packager's file beside the executable gives the values.
TEST_F(TSettingsTest, InstalledGameKeepsItsSettingsInTheUsersFolder) {
  EXPECT_EQ(TSettings::SettingsPlace(FDir.filePath("salvora"), "/cfg").FFile, FPath);
  const QString Config = FDir.filePath(QStringLiteral("home/.config/salvora"));
  const QString Bin = FDir.filePath(QStringLiteral("missing/bin"));
  const TSettingsPlace Place = TSettings::SettingsPlace(Bin + "/salvora", Config);
  EXPECT_EQ(Place.FFile, Config + "/salvora.ini");
  EXPECT_EQ(Place.FDefaults, Bin + "/salvora.ini");

  PutBytes(FPath, "[General]\nSound=0\n"); // the packager's defaults
  TSettings Settings;
  Settings.LoadSettings(Place.FFile, FPath);
  EXPECT_TRUE(Settings.FAnimation);
  EXPECT_FALSE(Settings.FSound);
  Settings.FAnimation = false;
  Settings.FSound = true;
  ASSERT_TRUE(Settings.SaveSettings(Place.FFile));
  Settings.LoadSettings(Place.FFile, FPath);
  EXPECT_FALSE(Settings.FAnimation);
  EXPECT_TRUE(Settings.FSound);
}

// A rewritten line is "Key=Value" as the game spells the key, with the line's own ending.
TEST_F(TSettingsTest, SaveKeepsForeignContentByteForByte) {
  PutBytes(FPath, "; kept\r\n[Window]\r\nLeft=10, 20\r\n\r\n[GENERAL]\r\nVolume=%50\r\n"
                  "  animation = 0x10 \r\n\r\n[Last]\r\nx=y");
  TSettings settings;
  settings.FAnimation = false;
  settings.FSound = false;
  ASSERT_TRUE(settings.SaveSettings(FPath));
  EXPECT_EQ(GetBytes(FPath), "; kept\r\n[Window]\r\nLeft=10, 20\r\n\r\n[GENERAL]\r\nVolume=%50\r\n"
                             "Animation=0\r\nSound=0\r\n\r\n[Last]\r\nx=y");
  settings.LoadSettings(FPath);
  EXPECT_FALSE(settings.FAnimation || settings.FSound);
}

// The network game's keys live in a section of their own, written only once that game was
// used; a port that is no port gives the default.
TEST_F(TSettingsTest, NetworkKeysReadBackBesideTheTwoSettings) {
  PutBytes(FPath, "[General]\nAnimation=0\nSound=1\n[Network]\nPort=65536\n");
  TSettings settings;
  settings.LoadSettings(FPath);
  EXPECT_EQ(settings.FPort, 47600);
  EXPECT_TRUE(settings.FPlayerName.isEmpty());
  settings.FPlayerName = QStringLiteral("Маша");
  settings.FLastAddress = QStringLiteral("::1");
  settings.FPort = 5000;
  settings.FNetworkUsed = true;
  ASSERT_TRUE(settings.SaveSettings(FPath));
  EXPECT_EQ(GetBytes(FPath), "[General]\nAnimation=0\nSound=1\n[Network]\nPort=5000\n"
                             "PlayerName=\xD0\x9C\xD0\xB0\xD1\x88\xD0\xB0\nLastAddress=::1\n");
  TSettings again;
  again.LoadSettings(FPath);
  EXPECT_EQ(again.FPlayerName, QStringLiteral("Маша"));
  EXPECT_EQ(again.FLastAddress, QStringLiteral("::1"));
  EXPECT_EQ(again.FPort, 5000);
}

// The computer's level: 0, 1 or 2 in the key Level, anything else the game's own computer. A
// chosen level goes in on a line of its own and comes back; every other byte stays.
TEST_F(TSettingsTest, LevelRoundTripsAndKeepsEveryOtherByte) {
  const std::pair<const char*, std::int32_t> Reads[] = {
      {"", 1},          {"Level=0\n", 0},  {"Level=2\n", 2},      {"level = 0x2\n", 2},
      {"Level=3\n", 1}, {"Level=-1\n", 1}, {"Level=strong\n", 1}, {"Level=\n", 1}};
  for (const auto& [Line, Level] : Reads) {
    PutBytes(FPath, QByteArray("[General]\nSound=0\n") + Line);
    TSettings Settings;
    Settings.FLevel = 7;
    Settings.LoadSettings(FPath);
    EXPECT_EQ(Settings.FLevel, Level) << Line;
  }
  const QByteArray Head = "; kept\r\n[General]\r\nSound=0\r\nAnimation=1\r\n";
  const QByteArray Tail = "\r\n[Last]\r\nx=y";
  PutBytes(FPath, Head + Tail);
  TSettings Settings;
  Settings.LoadSettings(FPath);
  Settings.FLevel = TSettings::LevelStrong;
  ASSERT_TRUE(Settings.SaveSettings(FPath));
  EXPECT_EQ(GetBytes(FPath), Head + "Level=2\r\n" + Tail);
  Settings.LoadSettings(FPath);
  EXPECT_EQ(Settings.FLevel, TSettings::LevelStrong);
  // Back to the game's own computer: the line stays and says so.
  Settings.FLevel = TSettings::LevelNormal;
  ASSERT_TRUE(Settings.SaveSettings(FPath));
  EXPECT_EQ(GetBytes(FPath), Head + "Level=1\r\n" + Tail);
}

TEST_F(TSettingsTest, DamagedFileIsReadAndKeptWhole) {
  const char head[] = "\x00\xff\xfe[General\n=\n[]\r\n";
  QByteArray junk = QByteArray(head, sizeof head - 1) + QByteArray(10 << 20, 'z') + "=0\n";
  junk += QByteArray("[General]\nSound=\"0\"\0", 20); // no line ending at the end
  PutBytes(FPath, junk);
  TSettings settings;
  settings.LoadSettings(FPath);
  EXPECT_TRUE(settings.FAnimation && settings.FSound); // the NUL makes Sound not a number
  settings.FAnimation = false;
  ASSERT_TRUE(settings.SaveSettings(FPath));
  EXPECT_EQ(GetBytes(FPath), junk.chopped(10) + "Sound=1\nAnimation=0\n");
}

TEST_F(TSettingsTest, FailedSaveNamesTheFile) {
  PutBytes(FPath, "");
  const QString below = FPath + QStringLiteral("/salvora.ini");
  EXPECT_FALSE(TSettings().SaveSettings(below));
  EXPECT_EQ(TSettings::WriteErrorText(below), "Unable to write to " + below + ".");
  EXPECT_EQ(GetBytes(FPath), "");
}

} // namespace
