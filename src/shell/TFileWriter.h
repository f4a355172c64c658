// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Replaces a file's contents in one step: the new text goes to a temporary file in the same
// folder, which is flushed, synced to the disk and then renamed over the file. A failure at any
// step removes the temporary file and leaves the old file as it was, byte for byte; the file is
// never rewritten in place, so a full disk or a kill cannot leave it cut or empty.
// Each step is virtual so that tests can make it fail.
class TFileWriter {
public:
  virtual ~TFileWriter() = default;

  // False when the file could not be replaced; it then holds its old text (or is still missing).
  bool ReplaceFile(const QString& FileName, const QByteArray& Text);

protected:
  // Creates a new, empty temporary file beside FileName, with the old file's permissions.
  virtual bool Open(QFile& Temporary, const QString& FileName);
  virtual bool Write(QFile& Temporary, const QByteArray& Text);
  virtual bool Flush(QFile& Temporary);
  virtual bool Sync(QFile& Temporary);
  virtual bool Rename(const QString& From, const QString& To);
};
