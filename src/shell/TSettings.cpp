#include "TSettings.h"

#include "TFileWriter.h"
#include "TIniFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr QStringView SectionName = u"General";
constexpr QStringView AnimationKey = u"Animation";
constexpr QStringView SoundKey = u"Sound";

int DigitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  int digit = 99;
  if (u >= u'0' && u <= u'9')
    digit = u - u'0';
  else if (u >= u'a' && u <= u'f')
    digit = u - u'a' + 10;
  else if (u >= u'A' && u <= u'F')
    digit = u - u'A' + 10;
  return digit < base ? digit : -1;
}

} // namespace

QString TSettings::SettingsFilePath(const QString& executablePath) {
  QString path = QFileInfo(executablePath).absoluteFilePath();
  const qsizetype dot = path.lastIndexOf(u'.');
  if (dot > path.lastIndexOf(u'/'))
    path.truncate(dot);
  return path + QStringLiteral(".ini");
}

std::optional<std::int32_t> TSettings::TextToNumber(QStringView text) {
  qsizetype i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
    ++i;
  const bool negative = i < text.size() && text[i] == u'-';
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
    ++i;
  int base = 10;
  if (i < text.size() && text[i] == u'$') {
    base = 16;
    i += 1;
  } else if (i + 1 < text.size() && text[i] == u'0' &&
             (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size())
    return std::nullopt;
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], base);
    if (digit < 0)
      return std::nullopt;
    value = value * base + static_cast<unsigned>(digit);
    if (value > limit)
      return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(value);
  return static_cast<std::int32_t>(negative ? 0u - bits : bits);
}

bool TSettings::TextToSetting(QStringView text) {
  const std::optional<std::int32_t> number = TextToNumber(text);
  return !number || *number != 0;
}

void TSettings::LoadSettings(const QString& FileName, const QString& DefaultsName) {
  const bool UseDefaults = !DefaultsName.isEmpty() && !QFileInfo::exists(FileName);
  const TIniFile File(UseDefaults ? DefaultsName : FileName);
  FAnimation = TextToSetting(File.ReadString(SectionName, AnimationKey, {}));
  FSound = TextToSetting(File.ReadString(SectionName, SoundKey, {}));
}

bool TSettings::SaveSettings(const QString& FileName) const {
  TFileWriter Writer;
  return SaveSettings(FileName, Writer);
}

bool TSettings::SaveSettings(const QString& FileName, TFileWriter& Writer) const {
  TIniFile File(FileName);
  return File.WriteString(SectionName, AnimationKey, FAnimation ? u"1" : u"0") &&
         File.WriteString(SectionName, SoundKey, FSound ? u"1" : u"0") &&
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

QString TSettings::WriteErrorText(const QString& fileName) {
  return QStringLiteral("Unable to write to %1.").arg(QDir::toNativeSeparators(fileName));
}
