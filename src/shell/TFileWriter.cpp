// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TFileWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>
#include <system_error>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

namespace {

// After the rename the folder's entry must reach the disk too, or a power cut could bring back
// the old name. The new text is already complete either way, so a failure here is not reported.
void SyncFolder([[maybe_unused]] const QString& FileName) {
#if defined(Q_OS_UNIX)
  const int Folder = ::open(QFile::encodeName(QFileInfo(FileName).absolutePath()).constData(),
                            O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (Folder >= 0) {
    ::fsync(Folder);
    ::close(Folder);
  }
#endif
}

// A save killed before its rename leaves its temporary file behind. One an hour old belongs to
// no save still running, so the next save that succeeds clears it away.
void RemoveStaleTemporaries(const QString& FileName) {
  const QFileInfo Info(FileName);
  const QDateTime Before = QDateTime::currentDateTimeUtc().addSecs(-3600);
  const QFileInfoList Temporaries = Info.absoluteDir().entryInfoList(
      {Info.fileName() + QStringLiteral(".????????.tmp")}, QDir::Files | QDir::Hidden);
  for (const QFileInfo& Temporary : Temporaries)
    if (Temporary.lastModified().toUTC() < Before)
      QFile::remove(Temporary.absoluteFilePath());
}

} // namespace

bool TFileWriter::ReplaceFile(const QString& FileName, const QByteArray& Text) {
  QFile Temporary;
  if (!Open(Temporary, FileName))
    return false;
  const bool Written = Write(Temporary, Text) && Flush(Temporary) && Sync(Temporary);
  Temporary.close();
  if (Written && Temporary.error() == QFileDevice::NoError &&
      Rename(Temporary.fileName(), FileName)) {
    SyncFolder(FileName);
    RemoveStaleTemporaries(FileName);
    return true;
  }
  Temporary.remove();
  return false;
}

bool TFileWriter::Open(QFile& Temporary, const QString& FileName) {
  // A name of its own for every save, so that two copies of the game saving at once never
  // write into the same temporary file.
  for (int Attempt = 0; Attempt < 16; ++Attempt) {
    Temporary.setFileName(FileName +
                          QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8,
                                                        16, QLatin1Char('0')));
    if (Temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
      if (QFileInfo::exists(FileName))
        Temporary.setPermissions(QFileInfo(FileName).permissions());
      return true;
    }
    if (!QFileInfo::exists(Temporary.fileName())) // not a clash of names: the folder refuses
      return false;
  }
  return false;
}

bool TFileWriter::Write(QFile& Temporary, const QByteArray& Text) {
  return Temporary.write(Text) == Text.size();
}

// QFile buffers what it is given: only the flush tells whether the disk took it.
bool TFileWriter::Flush(QFile& Temporary) {
  return Temporary.flush();
}

bool TFileWriter::Sync([[maybe_unused]] QFile& Temporary) {
#if defined(Q_OS_UNIX)
  return ::fsync(Temporary.handle()) == 0;
#elif defined(Q_OS_WIN)
  return ::_commit(Temporary.handle()) == 0;
#else
  return true;
#endif
}

// Replaces an existing file in one step, on every platform.
bool TFileWriter::Rename(const QString& From, const QString& To) {
  std::error_code Error;
  std::filesystem::rename(From.toStdU16String(), To.toStdU16String(), Error);
  return !Error;
}
