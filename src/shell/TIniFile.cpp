#include "TIniFile.h"

#include "TFileWriter.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace {

// Where the wanted key sits in the file's bytes, or where it would go.
struct TKeyPlace {
  bool FSectionFound{false};
  qsizetype FValueStart{-1}; // the value's trimmed bytes, -1 when the key is missing
  qsizetype FValueEnd{-1};
  qsizetype FLineStart{-1}; // the key's line without its line ending
  qsizetype FLineEnd{-1};
  qsizetype FInsertAt{-1};       // just after the section's last non-blank line
  bool FInsertNeedsBreak{false}; // that line is the file's last and has no line ending
};

#ifdef Q_OS_WIN
constexpr const char* NativeLineEnd = "\r\n";
#else
constexpr const char* NativeLineEnd = "\n";
#endif

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// Searches one line only: a search to the end of the file on every line would make a long
// file take quadratic time.
qsizetype IndexIn(const QByteArray& text, char c, qsizetype start, qsizetype end) {
  const qsizetype found = QByteArrayView(text.constData() + start, end - start).indexOf(c);
  return found < 0 ? -1 : start + found;
}

bool SameName(const QByteArray& text, qsizetype start, qsizetype end, QStringView name) {
  while (start < end && IsBlank(text[start]))
    ++start;
  while (end > start && IsBlank(text[end - 1]))
    --end;
  return QString::fromUtf8(text.constData() + start, end - start)
             .compare(name, Qt::CaseInsensitive) == 0;
}

// Only the first section of the name counts, and it ends at the next header.
TKeyPlace FindKey(const QByteArray& text, QStringView section, QStringView key) {
  TKeyPlace place;
  bool inSection = false;
  // A UTF-8 byte order mark is not part of the first line.
  qsizetype pos = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
  while (pos < text.size()) {
    const qsizetype newline = text.indexOf('\n', pos);
    qsizetype end = newline < 0 ? text.size() : newline;
    const qsizetype next = newline < 0 ? text.size() : newline + 1;
    qsizetype start = pos;
    const qsizetype lineStart = pos;
    pos = next;
    while (start < end && IsBlank(text[start]))
      ++start;
    while (end > start && IsBlank(text[end - 1]))
      --end;
    if (start == end)
      continue;
    const qsizetype close = text[start] == '[' ? IndexIn(text, ']', start, end) : -1;
    if (close >= 0) {
      if (inSection)
        break;
      inSection = SameName(text, start + 1, close, section);
      if (!inSection)
        continue;
      place.FSectionFound = true;
    } else if (!inSection) {
      continue;
    }
    place.FInsertAt = next;
    place.FInsertNeedsBreak = newline < 0;
    if (text[start] == ';' || text[start] == '#' || text[start] == '[')
      continue;
    const qsizetype equals = IndexIn(text, '=', start, end);
    if (equals >= 0 && SameName(text, start, equals, key)) {
      place.FValueStart = equals + 1;
      while (place.FValueStart < end && IsBlank(text[place.FValueStart]))
        ++place.FValueStart;
      place.FValueEnd = end;
      place.FLineStart = lineStart;
      place.FLineEnd = newline < 0 ? text.size() : newline;
      if (place.FLineEnd > lineStart && text[place.FLineEnd - 1] == '\r')
        --place.FLineEnd;
      return place;
    }
  }
  return place;
}

// False when the file exists but cannot be read: a write must not replace what it never saw.
// Anything but a regular file (a folder, a pipe, a device) counts as unreadable.
bool ReadBytes(const QString& fileName, QByteArray& bytes) {
  bytes.clear();
  const QFileInfo info(fileName);
  if (!info.exists())
    return true;
  QFile file(fileName);
  if (!info.isFile() || !file.open(QIODevice::ReadOnly))
    return false;
  bytes = file.readAll();
  return file.error() == QFileDevice::NoError;
}

// New lines end the way the file's first line does, or as the platform's text files do.
QByteArray LineEnd(const QByteArray& text) {
  const qsizetype firstBreak = text.indexOf('\n');
  if (firstBreak < 0)
    return NativeLineEnd;
  return firstBreak > 0 && text[firstBreak - 1] == '\r' ? "\r\n" : "\n";
}

bool FitsOneLine(QStringView text) {
  return !text.contains(u'\n') && !text.contains(u'\r') && !text.contains(QChar(0));
}

bool IsName(QStringView name) {
  return !name.isEmpty() && name.trimmed() == name && FitsOneLine(name);
}

} // namespace

TIniFile::TIniFile(QString FileName) : FFileName(std::move(FileName)) {
  FReadable = ReadBytes(FFileName, FText);
}

QString TIniFile::ReadString(QStringView Section, QStringView Key, const QString& Default) const {
  const QByteArray& text = FText;
  const TKeyPlace place = FindKey(text, Section, Key);
  if (!FReadable || place.FValueStart < 0)
    return Default;
  qsizetype start = place.FValueStart;
  qsizetype end = place.FValueEnd;
  if (end - start >= 2 && (text[start] == '"' || text[start] == '\'') &&
      text[end - 1] == text[start]) {
    ++start;
    --end;
  }
  QString value = QString::fromUtf8(text.constData() + start, end - start);
  if (value.size() > MaxValueLength) {
    // Never keep half of a character that takes two UTF-16 units.
    const bool splitsPair = value[MaxValueLength - 1].isHighSurrogate();
    value.truncate(MaxValueLength - (splitsPair ? 1 : 0));
  }
  return value;
}

bool TIniFile::WriteString(QStringView Section, QStringView Key, QStringView Value) {
  if (!FReadable || !IsName(Section) || Section.contains(u']') || !IsName(Key) ||
      Key.contains(u'=') || Key.startsWith(u'[') || Key.startsWith(u';') || Key.startsWith(u'#') ||
      !FitsOneLine(Value))
    return false;
  QByteArray& text = FText;
  const QByteArray lineEnd = LineEnd(text);
  const QByteArray keyLine = Key.toUtf8() + '=' + Value.toUtf8();
  const TKeyPlace place = FindKey(text, Section, Key);
  if (place.FValueStart >= 0) {
    text.replace(place.FLineStart, place.FLineEnd - place.FLineStart, keyLine);
  } else if (place.FSectionFound) {
    text.insert(place.FInsertAt,
                (place.FInsertNeedsBreak ? lineEnd : QByteArray()) + keyLine + lineEnd);
  } else {
    if (!text.isEmpty() && !text.endsWith('\n'))
      text += lineEnd;
    text += '[' + Section.toUtf8() + ']' + lineEnd + keyLine + lineEnd;
  }
  return true;
}

bool TIniFile::UpdateFile(TFileWriter& Writer) const {
  return FReadable && Writer.ReplaceFile(FFileName, FText);
}
