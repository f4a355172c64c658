// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

class TFileWriter;

// Where the settings are kept: the file the game reads and writes, and the file that gives the
// starting values while it does not exist yet (empty when there is none).
struct TSettingsPlace {
  QString FFile{};
  QString FDefaults{};
};

// The game's two user settings and the file that keeps them between runs: section "General",
// keys "Animation" and "Sound", read once at start and written once at exit.
class TSettings {
public:
  bool FAnimation{true}; // fire sprites on hit ships are animated
  bool FSound{true};     // sound cues are played

  // The network game's, in section "Network": the player's name, the last address joined and
  // the port. Written only once the player has used the network game (FNetworkUsed), so that
  // the file of a player who never did keeps every byte.
  QString FPlayerName{};
  QString FLastAddress{};
  std::uint16_t FPort{DefaultPort};
  bool FNetworkUsed{false};
  static constexpr std::uint16_t DefaultPort = 47600;

  // The computer's level, key "Level": 0 gentle, 1 the game's own computer, 2 strong. A file
  // without the key, or any other value, gives LevelNormal. The key is written only once it
  // is in the file or the level is not LevelNormal, so a player who never chose a level keeps
  // the very file he had.
  static constexpr std::int32_t LevelGentle = 0, LevelNormal = 1, LevelStrong = 2;
  std::int32_t FLevel{LevelNormal};
  static std::int32_t TextToLevel(QStringView Text);

  // Caption of the game's message boxes, the settings error among them.
  static QString AppTitle() { return QStringLiteral("Сальвора"); }

  // The executable's full path with its extension, if any, replaced by ".ini".
  static QString SettingsFilePath(const QString& ExecutablePath);

  // A copy of the game in a folder it may write to keeps salvora.ini beside the executable.
  // Installed in a folder it may not write to, it keeps salvora.ini in ConfigFolder (the user's
  // configuration folder), and a file beside the executable gives the starting values.
  static TSettingsPlace SettingsPlace(const QString& ExecutablePath, const QString& ConfigFolder);

  // A whole number as the game's integer conversion reads it: leading blanks, an optional sign,
  // "$" or "0x" for hexadecimal, then digits only. Decimal must fit a signed 32-bit integer;
  // hexadecimal up to FFFFFFFF stands for its 32-bit pattern. Anything else, overflow
  // included, is not a number.
  static std::optional<std::int32_t> TextToNumber(QStringView Text);

  // A stored setting is on unless its text is wholly the number 0: missing, empty or foreign
  // values keep the default, on.
  static bool TextToSetting(QStringView Text);

  // Reads FileName, or DefaultsName while FileName does not exist.
  void LoadSettings(const QString& FileName, const QString& DefaultsName = {});

  // Writes "Animation" and "Sound", each as "1" or "0", and the network game's keys when it was
  // used, in one replacement of the whole file, creating its folder if needed. False when the file
  // could not be replaced (it then holds its old text): the window shows WriteErrorText.
  bool SaveSettings(const QString& FileName) const;
  bool SaveSettings(const QString& FileName, TFileWriter& Writer) const;

  static QString WriteErrorText(const QString& FileName);
};
