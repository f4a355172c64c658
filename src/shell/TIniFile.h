// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

class TFileWriter;

// A profile (ini) file read into memory and edited line by line, as the platform's profile
// functions do: a write touches the one line it sets and keeps every other byte, so content
// the game does not own (other keys, sections, comments, line endings, even damaged lines)
// survives a save. Edits stay in memory until UpdateFile writes the whole text at once.
class TIniFile {
public:
  // Longest value text a read returns, as the game's fixed-size read buffer allowed.
  static constexpr qsizetype MaxValueLength = 2047;

  // Reads the file; a missing file is an empty one.
  explicit TIniFile(QString FileName);

  const QString& FileName() const { return FFileName; }
  const QByteArray& Text() const { return FText; }

  // The value of the first such key in the first section of that name (names compared without
  // regard to case, blanks around names and values dropped, one pair of matching quotes
  // removed), cut at MaxValueLength. A missing or unreadable file or key gives Default.
  QString ReadString(QStringView Section, QStringView Key, const QString& Default) const;

  // Rewrites the key's line as "Key=Value" (keeping its line ending), or adds that line at the
  // end of its section, or adds the section at the end of the text. False when the file could
  // not be read (a save must not replace what it never saw) or a name or the value does not
  // fit one line; the text is then unchanged.
  bool WriteString(QStringView Section, QStringView Key, QStringView Value);

  // Replaces the file with the text through Writer; false when it could not.
  bool UpdateFile(TFileWriter& Writer) const;

private:
  QString FFileName{};
  QByteArray FText{};
  bool FReadable{true};
};
