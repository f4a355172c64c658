// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TSettings.h"

#include "TFileWriter.h"
#include "TIniFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr QStringView SectionName = u"General";
constexpr QStringView AnimationKey = u"Animation";
constexpr QStringView SoundKey = u"Sound";
constexpr QStringView NetworkSection = u"Network";
constexpr QStringView NameKey = u"PlayerName";
constexpr QStringView AddressKey = u"LastAddress";
constexpr QStringView PortKey = u"Port";
constexpr QStringView LevelKey = u"Level";
// No value read from a file is a line break: what a missing key reads as.
const QString MissingValue = QStringLiteral("\n");

int DigitValue(QChar C, int Base) {
  const char16_t U = C.unicode();
  int Digit = 99;
  if (U >= u'0' && U <= u'9')
    Digit = U - u'0';
  else if (U >= u'a' && U <= u'f')
    Digit = U - u'a' + 10;
  else if (U >= u'A' && U <= u'F')
    Digit = U - u'A' + 10;
  return Digit < Base ? Digit : -1;
}

} // namespace

QString TSettings::SettingsFilePath(const QString& ExecutablePath) {
  QString Path = QFileInfo(ExecutablePath).absoluteFilePath();
  const qsizetype Dot = Path.lastIndexOf(u'.');
  if (Dot > Path.lastIndexOf(u'/'))
    Path.truncate(Dot);
  return Path + QStringLiteral(".ini");
}

std::optional<std::int32_t> TSettings::TextToNumber(QStringView Text) {
  qsizetype I = 0;
  while (I < Text.size() && (Text[I] == u' ' || Text[I] == u'\t'))
    ++I;
  const bool Negative = I < Text.size() && Text[I] == u'-';
  if (I < Text.size() && (Text[I] == u'-' || Text[I] == u'+'))
    ++I;
  int Base = 10;
  if (I < Text.size() && Text[I] == u'$') {
    Base = 16;
    I += 1;
  } else if (I + 1 < Text.size() && Text[I] == u'0' &&
             (Text[I + 1] == u'x' || Text[I + 1] == u'X')) {
    Base = 16;
    I += 2;
  }
  if (I == Text.size())
    return std::nullopt;
  const std::uint64_t Limit = Base == 16 ? 0xFFFFFFFFu : Negative ? 0x80000000u : 0x7FFFFFFFu;
  std::uint64_t Value = 0;
  for (; I < Text.size(); ++I) {
    const int Digit = DigitValue(Text[I], Base);
    if (Digit < 0)
      return std::nullopt;
    Value = Value * Base + static_cast<unsigned>(Digit);
    if (Value > Limit)
      return std::nullopt;
  }
  const auto Bits = static_cast<std::uint32_t>(Value);
  return static_cast<std::int32_t>(Negative ? 0u - Bits : Bits);
}

bool TSettings::TextToSetting(QStringView Text) {
  const std::optional<std::int32_t> Number = TextToNumber(Text);
  return !Number || *Number != 0;
}

void TSettings::LoadSettings(const QString& FileName, const QString& DefaultsName) {
  const bool UseDefaults = !DefaultsName.isEmpty() && !QFileInfo::exists(FileName);
  const TIniFile File(UseDefaults ? DefaultsName : FileName);
  FAnimation = TextToSetting(File.ReadString(SectionName, AnimationKey, {}));
  FSound = TextToSetting(File.ReadString(SectionName, SoundKey, {}));
  FPlayerName = File.ReadString(NetworkSection, NameKey, {});
  FLastAddress = File.ReadString(NetworkSection, AddressKey, {});
  const std::optional<std::int32_t> Port =
      TextToNumber(File.ReadString(NetworkSection, PortKey, {}));
  FPort = Port && *Port > 0 && *Port <= 0xFFFF ? static_cast<std::uint16_t>(*Port) : DefaultPort;
  FLevel = TextToLevel(File.ReadString(SectionName, LevelKey, {}));
}

std::int32_t TSettings::TextToLevel(QStringView Text) {
  const std::optional<std::int32_t> Number = TextToNumber(Text);
  return Number && *Number >= LevelGentle && *Number <= LevelStrong ? *Number : LevelNormal;
}

bool TSettings::SaveSettings(const QString& FileName) const {
  TFileWriter Writer;
  return SaveSettings(FileName, Writer);
}

bool TSettings::SaveSettings(const QString& FileName, TFileWriter& Writer) const {
  TIniFile File(FileName);
  const bool WriteLevel =
      FLevel != LevelNormal || File.ReadString(SectionName, LevelKey, MissingValue) != MissingValue;
  return File.WriteString(SectionName, AnimationKey, FAnimation ? u"1" : u"0") &&
         File.WriteString(SectionName, SoundKey, FSound ? u"1" : u"0") &&
         (!WriteLevel || File.WriteString(SectionName, LevelKey, QString::number(FLevel))) &&
         (!FNetworkUsed || (File.WriteString(NetworkSection, NameKey, FPlayerName) &&
                            File.WriteString(NetworkSection, AddressKey, FLastAddress) &&
                            File.WriteString(NetworkSection, PortKey, QString::number(FPort)))) &&
         QDir().mkpath(QFileInfo(FileName).absolutePath()) && File.UpdateFile(Writer);
}

TSettingsPlace TSettings::SettingsPlace(const QString& ExecutablePath,
                                        const QString& ConfigFolder) {
  const QString Beside = SettingsFilePath(ExecutablePath);
  // The file is replaced through a temporary file beside it, so the folder must be writable.
  if (QFileInfo(QFileInfo(Beside).absolutePath()).isWritable() || ConfigFolder.isEmpty())
    return {Beside, {}};
  return {QDir(ConfigFolder).filePath(QStringLiteral("salvora.ini")), Beside};
}

QString TSettings::WriteErrorText(const QString& FileName) {
  return QStringLiteral("Unable to write to %1.").arg(QDir::toNativeSeparators(FileName));
}
