// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TIniFile.h"

#include "FileBytes.h"
#include "TFileWriter.h"

#include <QFileInfo>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

bool WriteSound(const QString& FileName, QStringView Value = u"0") {
  TIniFile File(FileName);
  TFileWriter Writer;
  return File.WriteString(u"General", u"Sound", Value) && File.UpdateFile(Writer);
}

class TIniFileTest : public testing::Test {
protected:
  QTemporaryDir FDir{};
  QString FPath{FDir.filePath(QStringLiteral("salvora.ini"))};

  QString Read(QStringView section, QStringView key) const {
    return TIniFile(FPath).ReadString(section, key, QStringLiteral("-"));
  }
  QByteArray WriteSound(const QByteArray& before) {
    PutBytes(FPath, before);
    EXPECT_TRUE(::WriteSound(FPath));
    return GetBytes(FPath);
  }
};

TEST_F(TIniFileTest, ReadFindsTheKeyOnlyInItsOwnSection) {
  PutBytes(FPath, "Top=outside\n[ general ]\n; Sound=commented\n  SOUND  =  \"0 \"  \n"
                  "Quote='x\"\nEmpty=\n[Other]\nAnimation=other\n[General]\nAnimation=2nd\n");
  EXPECT_EQ(Read(u"General", u"sound"), "0 "); // blanks trimmed, then the quotes removed
  EXPECT_EQ(Read(u"General", u"Quote"), "'x\"");
  EXPECT_EQ(Read(u"General", u"Empty"), "");
  EXPECT_EQ(Read(u"General", u"Top"), "-");
  EXPECT_EQ(Read(u"General", u"Animation"), "-"); // neither [Other] nor a second [General]
  EXPECT_EQ(Read(u"Other", u"Animation"), "other");
}

TEST_F(TIniFileTest, ReadCutsLongValuesAndDefaultsWithoutAFile) {
  EXPECT_EQ(Read(u"General", u"Sound"), "-");
  PutBytes(FPath, "[General]\nSound=" + QByteArray(3000, '7'));
  EXPECT_EQ(Read(u"General", u"Sound"), QString(TIniFile::MaxValueLength, u'7'));
  EXPECT_EQ(TIniFile(FDir.path()).ReadString(u"General", u"Sound", "-"), "-"); // a folder
}

TEST_F(TIniFileTest, WriteEndsTheLastLineBeforeAddingOne) {
  EXPECT_EQ(WriteSound("[General]"), "[General]\nSound=0\n");
  EXPECT_EQ(WriteSound("[B]\nx"), "[B]\nx\n[General]\nSound=0\n");
}

TEST_F(TIniFileTest, WriteRefusesFoldersAndTextThatWouldBreakTheLine) {
  PutBytes(FPath, "[General]\n");
  EXPECT_FALSE(::WriteSound(FDir.path()));
  EXPECT_FALSE(::WriteSound(FPath, u"1\n[Other]"));
  EXPECT_FALSE(TIniFile(FPath).WriteString(u"General", u"A=B", u"1"));
  EXPECT_EQ(GetBytes(FPath), "[General]\n");
}

#ifdef Q_OS_UNIX
// Root ignores permission bits, so the write runs in a child process that has given up root.
bool WriteAsUser(const QString& fileName) {
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
      _exit(2);
    _exit(WriteSound(fileName) ? 0 : 1);
  }
  int status = -1;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) < 2) << "the child could not give up root";
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Where no temporary file can be made the file is never rewritten in place, where a kill or a
// full disk could cut it: the save fails and the file keeps its bytes.
TEST_F(TIniFileTest, ReadOnlyFolderRefusesANewFileAndKeepsAWritableOne) {
  const QString kept = FDir.filePath(QStringLiteral("kept.ini"));
  PutBytes(kept, "; mine\n");
  QFile::setPermissions(kept, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                  QFile::WriteOther);
  QFile::setPermissions(FDir.path(),
                        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
  EXPECT_FALSE(WriteAsUser(FPath));
  EXPECT_FALSE(QFileInfo::exists(FPath));
  EXPECT_FALSE(WriteAsUser(kept));
  EXPECT_EQ(GetBytes(kept), "; mine\n");
  QFile::setPermissions(FDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Replacing a writable file the game could not read would lose whatever it held.
TEST_F(TIniFileTest, UnreadableFileIsNotReplaced) {
  PutBytes(FPath, "; not the game's\n");
  QFile::setPermissions(FPath, QFile::ReadOwner | QFile::WriteOwner | QFile::WriteOther);
  QFile::setPermissions(FDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
  EXPECT_FALSE(WriteAsUser(FPath));
  EXPECT_EQ(GetBytes(FPath), "; not the game's\n");
}
#endif

} // namespace
