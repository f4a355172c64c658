#pragma once

#include <QString>
#include <QStringView>
#include <utility>

// A profile (ini) file edited line by line, as the platform's profile functions do: a write
// touches the one value it sets and keeps every other byte, so content the game does not own
// (other keys, sections, comments, line endings, even damaged lines) survives a save.
class TIniFile {
public:
  // Longest value text a read returns, as the game's fixed-size read buffer allowed.
  static constexpr qsizetype MaxValueLength = 2047;

  explicit TIniFile(QString fileName) : FFileName(std::move(fileName)) {}

  const QString& FileName() const { return FFileName; }

  // The value of the first such key in the first section of that name (names compared without
  // regard to case, blanks around names and values dropped, one pair of matching quotes
  // removed), cut at MaxValueLength. A missing or unreadable file or key gives `def`.
  QString ReadString(QStringView section, QStringView key, const QString& def) const;

  // Sets the key's value in place, or adds the key at the end of its section, or adds the
  // section at the end of the file, creating the file if needed. False when the file could not
  // be read or written (it is then left as it was) or a name or the value does not fit one line.
  bool WriteString(QStringView section, QStringView key, QStringView value) const;

private:
  QString FFileName{};
};
