#include "TIniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

void PutBytes(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray GetBytes(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class TIniFileTest : public testing::Test {
protected:
  QTemporaryDir FDir{};
  QString FPath{FDir.filePath(QStringLiteral("salvora.ini"))};

  QString Read(const char* section, const char* key) const {
    return TIniFile(FPath).ReadString(QString::fromUtf8(section), QString::fromUtf8(key), "-");
  }
  // Writes one key into a file holding `before` and returns the file's bytes after.
  QByteArray Write(const QByteArray& before, const char* section, const char* key) {
    PutBytes(FPath, before);
    EXPECT_TRUE(
        TIniFile(FPath).WriteString(QString::fromUtf8(section), QString::fromUtf8(key), u"0"));
    return GetBytes(FPath);
  }
};

TEST_F(TIniFileTest, ReadFindsTheKeyOnlyInItsOwnSection) {
  PutBytes(FPath, "Top=outside\n[ general ]\n; Sound=commented\n  SOUND  =  \"0 \"  \n"
                  "Quote='x\"\nEmpty=\n[Other]\nAnimation=other\n[General]\nAnimation=2nd\n");
  EXPECT_EQ(Read("General", "sound"), "0 "); // blanks trimmed, then the quotes removed
  EXPECT_EQ(Read("General", "Quote"), "'x\"");
  EXPECT_EQ(Read("General", "Empty"), "");
  EXPECT_EQ(Read("General", "Top"), "-");
  EXPECT_EQ(Read("General", "Animation"), "-");
  EXPECT_EQ(Read("Other", "Animation"), "other");
}

TEST_F(TIniFileTest, ReadCutsLongValuesAndDefaultsWithoutAFile) {
  EXPECT_EQ(Read("General", "Sound"), "-");
  PutBytes(FPath, "[General]\nSound=" + QByteArray(3000, '7'));
  EXPECT_EQ(Read("General", "Sound"), QString(TIniFile::MaxValueLength, u'7'));
  EXPECT_EQ(TIniFile(FDir.path()).ReadString(u"General", u"Sound", "-"), "-"); // a folder
}

// Each write keeps every byte it does not own: line endings, blank lines, comments, order.
TEST_F(TIniFileTest, WriteReplacesInsertsOrAppendsInPlace) {
  EXPECT_EQ(Write("[General]\r\n Sound = \"1\"  \r\n;c\r\n", "general", "SOUND"),
            "[General]\r\n Sound = 0  \r\n;c\r\n");
  EXPECT_EQ(Write("[General]\r\nA=1\r\n;c\r\n\r\n[B]\r\n", "General", "Sound"),
            "[General]\r\nA=1\r\n;c\r\nSound=0\r\n\r\n[B]\r\n");
  EXPECT_EQ(Write("[General]", "General", "Sound"), "[General]\nSound=0\n");
  EXPECT_EQ(Write("[B]\nx", "General", "Sound"), "[B]\nx\n[General]\nSound=0\n");
  QFile::remove(FPath);
  EXPECT_TRUE(TIniFile(FPath).WriteString(u"General", u"Sound", u"1"));
  EXPECT_EQ(GetBytes(FPath), "[General]\nSound=1\n");
}

TEST_F(TIniFileTest, WriteFailsAndChangesNothingWhenItCannot) {
  PutBytes(FPath, "[General]\n");
  const TIniFile underAFile(FPath + QStringLiteral("/salvora.ini"));
  EXPECT_FALSE(underAFile.WriteString(u"General", u"Sound", u"1"));
  EXPECT_FALSE(TIniFile(FDir.path()).WriteString(u"General", u"Sound", u"1"));
  EXPECT_FALSE(TIniFile(FPath).WriteString(u"General", u"Sound", u"1\n[Other]"));
  EXPECT_FALSE(TIniFile(FPath).WriteString(u"General", u"A=B", u"1"));
  EXPECT_EQ(GetBytes(FPath), "[General]\n");
  EXPECT_TRUE(QFileInfo(FDir.path()).isDir());
}

#ifdef Q_OS_UNIX
// Root ignores permission bits, so the write runs in a child process that has given up root.
bool WriteAsUser(const QString& fileName) {
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
      _exit(2);
    _exit(TIniFile(fileName).WriteString(u"General", u"Sound", u"0") ? 0 : 1);
  }
  int status = -1;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) < 2) << "the child could not give up root";
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(TIniFileTest, ReadOnlyFolderRefusesANewFileButNotAWritableOne) {
  const QString kept = FDir.filePath(QStringLiteral("kept.ini"));
  PutBytes(kept, "; mine\n");
  QFile::setPermissions(kept, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                  QFile::WriteOther);
  QFile::setPermissions(FDir.path(),
                        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
  EXPECT_FALSE(WriteAsUser(FPath));
  EXPECT_FALSE(QFileInfo::exists(FPath));
  EXPECT_TRUE(WriteAsUser(kept)); // written in place, as no temporary file can be made
  EXPECT_EQ(GetBytes(kept), "; mine\n[General]\nSound=0\n");
  QFile::setPermissions(FDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Replacing a writable file the game could not read would lose whatever it held.
TEST_F(TIniFileTest, UnreadableFileIsNotReplaced) {
  PutBytes(FPath, "[General]\nSound=1\n; not the game's\n");
  QFile::setPermissions(FPath, QFile::ReadOwner | QFile::WriteOwner | QFile::WriteOther);
  QFile::setPermissions(FDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
  EXPECT_FALSE(WriteAsUser(FPath));
  EXPECT_EQ(GetBytes(FPath), "[General]\nSound=1\n; not the game's\n");
}
#endif

} // namespace
