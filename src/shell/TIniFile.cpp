// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
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

bool IsBlank(char C) {
  return C == ' ' || C == '\t' || C == '\r' || C == '\v' || C == '\f';
}

// Searches one line only: a search to the end of the file on every line would make a long
// file take quadratic time.
qsizetype IndexIn(const QByteArray& Text, char C, qsizetype Start, qsizetype End) {
  const qsizetype Found = QByteArrayView(Text.constData() + Start, End - Start).indexOf(C);
  return Found < 0 ? -1 : Start + Found;
}

bool SameName(const QByteArray& Text, qsizetype Start, qsizetype End, QStringView Name) {
  while (Start < End && IsBlank(Text[Start]))
    ++Start;
  while (End > Start && IsBlank(Text[End - 1]))
    --End;
  return QString::fromUtf8(Text.constData() + Start, End - Start)
             .compare(Name, Qt::CaseInsensitive) == 0;
}

// Only the first section of the name counts, and it ends at the next header.
TKeyPlace FindKey(const QByteArray& Text, QStringView Section, QStringView Key) {
  TKeyPlace Place;
  bool InSection = false;
  // A UTF-8 byte order mark is not part of the first line.
  qsizetype Pos = Text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
  while (Pos < Text.size()) {
    const qsizetype Newline = Text.indexOf('\n', Pos);
    qsizetype End = Newline < 0 ? Text.size() : Newline;
    const qsizetype Next = Newline < 0 ? Text.size() : Newline + 1;
    qsizetype Start = Pos;
    const qsizetype LineStart = Pos;
    Pos = Next;
    while (Start < End && IsBlank(Text[Start]))
      ++Start;
    while (End > Start && IsBlank(Text[End - 1]))
      --End;
    if (Start == End)
      continue;
    const qsizetype Close = Text[Start] == '[' ? IndexIn(Text, ']', Start, End) : -1;
    if (Close >= 0) {
      if (InSection)
        break;
      InSection = SameName(Text, Start + 1, Close, Section);
      if (!InSection)
        continue;
      Place.FSectionFound = true;
    } else if (!InSection) {
      continue;
    }
    Place.FInsertAt = Next;
    Place.FInsertNeedsBreak = Newline < 0;
    if (Text[Start] == ';' || Text[Start] == '#' || Text[Start] == '[')
      continue;
    const qsizetype Equals = IndexIn(Text, '=', Start, End);
    if (Equals >= 0 && SameName(Text, Start, Equals, Key)) {
      Place.FValueStart = Equals + 1;
      while (Place.FValueStart < End && IsBlank(Text[Place.FValueStart]))
        ++Place.FValueStart;
      Place.FValueEnd = End;
      Place.FLineStart = LineStart;
      Place.FLineEnd = Newline < 0 ? Text.size() : Newline;
      if (Place.FLineEnd > LineStart && Text[Place.FLineEnd - 1] == '\r')
        --Place.FLineEnd;
      return Place;
    }
  }
  return Place;
}

// False when the file exists but cannot be read: a write must not replace what it never saw.
// Anything but a regular file (a folder, a pipe, a device) counts as unreadable.
bool ReadBytes(const QString& FileName, QByteArray& Bytes) {
  Bytes.clear();
  const QFileInfo Info(FileName);
  if (!Info.exists())
    return true;
  QFile File(FileName);
  if (!Info.isFile() || !File.open(QIODevice::ReadOnly))
    return false;
  Bytes = File.readAll();
  return File.error() == QFileDevice::NoError;
}

// New lines end the way the file's first line does, or as the platform's text files do.
QByteArray LineEnd(const QByteArray& Text) {
  const qsizetype FirstBreak = Text.indexOf('\n');
  if (FirstBreak < 0)
    return NativeLineEnd;
  return FirstBreak > 0 && Text[FirstBreak - 1] == '\r' ? "\r\n" : "\n";
}

bool FitsOneLine(QStringView Text) {
  return !Text.contains(u'\n') && !Text.contains(u'\r') && !Text.contains(QChar(0));
}

bool IsName(QStringView Name) {
  return !Name.isEmpty() && Name.trimmed() == Name && FitsOneLine(Name);
}

} // namespace

TIniFile::TIniFile(QString FileName) : FFileName(std::move(FileName)) {
  FReadable = ReadBytes(FFileName, FText);
}

QString TIniFile::ReadString(QStringView Section, QStringView Key, const QString& Default) const {
  const QByteArray& Text = FText;
  const TKeyPlace Place = FindKey(Text, Section, Key);
  if (!FReadable || Place.FValueStart < 0)
    return Default;
  qsizetype Start = Place.FValueStart;
  qsizetype End = Place.FValueEnd;
  if (End - Start >= 2 && (Text[Start] == '"' || Text[Start] == '\'') &&
      Text[End - 1] == Text[Start]) {
    ++Start;
    --End;
  }
  QString Value = QString::fromUtf8(Text.constData() + Start, End - Start);
  if (Value.size() > MaxValueLength) {
    // Never keep half of a character that takes two UTF-16 units.
    const bool SplitsPair = Value[MaxValueLength - 1].isHighSurrogate();
    Value.truncate(MaxValueLength - (SplitsPair ? 1 : 0));
  }
  return Value;
}

bool TIniFile::WriteString(QStringView Section, QStringView Key, QStringView Value) {
  if (!FReadable || !IsName(Section) || Section.contains(u']') || !IsName(Key) ||
      Key.contains(u'=') || Key.startsWith(u'[') || Key.startsWith(u';') || Key.startsWith(u'#') ||
      !FitsOneLine(Value))
    return false;
  QByteArray& Text = FText;
  const QByteArray Ending = LineEnd(Text);
  const QByteArray KeyLine = Key.toUtf8() + '=' + Value.toUtf8();
  const TKeyPlace Place = FindKey(Text, Section, Key);
  if (Place.FValueStart >= 0) {
    Text.replace(Place.FLineStart, Place.FLineEnd - Place.FLineStart, KeyLine);
  } else if (Place.FSectionFound) {
    Text.insert(Place.FInsertAt,
                (Place.FInsertNeedsBreak ? Ending : QByteArray()) + KeyLine + Ending);
  } else {
    if (!Text.isEmpty() && !Text.endsWith('\n'))
      Text += Ending;
    Text += '[' + Section.toUtf8() + ']' + Ending + KeyLine + Ending;
  }
  return true;
}

bool TIniFile::UpdateFile(TFileWriter& Writer) const {
  return FReadable && Writer.ReplaceFile(FFileName, FText);
}
