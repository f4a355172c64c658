#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// The game's two user settings and the file beside the executable that keeps them between runs:
// section "General", keys "Animation" and "Sound", read once at start and written once at exit.
class TSettings {
public:
  bool FAnimation{true}; // fire sprites on hit ships are animated
  bool FSound{true};     // sound cues are played

  // Caption of the game's message boxes, the settings error among them.
  static QString AppTitle() { return QStringLiteral("Сальвора"); }

  // The executable's full path with its extension, if any, replaced by ".ini".
  static QString SettingsFilePath(const QString& executablePath);

  // A whole number as the game's integer conversion reads it: leading blanks, an optional sign,
  // "$" or "0x" for hexadecimal, then digits only. Decimal must fit a signed 32-bit integer;
  // hexadecimal up to FFFFFFFF stands for its 32-bit pattern. Anything else, overflow
  // included, is not a number.
  static std::optional<std::int32_t> TextToNumber(QStringView text);

  // A stored setting is on unless its text is wholly the number 0: missing, empty or foreign
  // values keep the default, on.
  static bool TextToSetting(QStringView text);

  void LoadSettings(const QString& fileName);

  // Writes "Animation", then "Sound", each as "1" or "0"; stops at the first key that cannot be
  // written. False when a key could not be written: the window then shows WriteErrorText.
  bool SaveSettings(const QString& fileName) const;

  static QString WriteErrorText(const QString& fileName);
};
