// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TCueWave.h"
#include "TSoundId.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

class QAudioSink;
class QBuffer;

// The game's sound cues, played from WAV files in the sound folder. One cue sounds at a time:
// a new cue stops the one that sounds. A cue is read from its file on first use and kept.
// A missing or unplayable file, no audio output and no sound server all mean silence.
class TSoundPlayer : public QObject {
public:
  // A sound server may start a cue up to about 1.7 s late; beyond the cue's length plus this
  // margin a cue counts as ended whatever the back end says, so that nothing can hang the game.
  static constexpr int EndMarginMs = 2500;
  // The played position is counted in whole milliseconds and the length rounded up.
  static constexpr int EndToleranceMs = 2;

  bool FSound{true}; // when false nothing is played, opened or waited for

  explicit TSoundPlayer(const QString& soundFolder, QObject* parent = nullptr);
  ~TSoundPlayer() override;

  // The folder "Sounds/" beside the executable, or where there is none the installed
  // <prefix>/share/salvora/Sounds/; ending with a separator.
  static QString SoundFolder();
  static QString SoundFolderIn(const QString& ExecutableFolder);
  // The cue's file name, or empty for a value outside the table.
  static QString CueFileName(TSoundId id);

  QString SoundFolderPath() const { return FSoundFolder; }

  // Plays the cue. Without Wait it returns at once while the cue sounds; with Wait it returns
  // when the cue has ended, handling meanwhile only timers, paints and Qt's internal events and
  // discarding user input and close requests. A silent cue returns at once either way.
  void PlaySnd(TSoundId id, bool wait);

  // True while the last cue started is being played: not stopped, not yet played to its end,
  // and not older than its length plus EndMarginMs.
  bool IsSounding() const;
  // True once the cue's file was read and decoded.
  bool IsCached(TSoundId id) const;

private:
  static constexpr int CueCount = 7;

  QString FSoundFolder{};
  std::array<std::optional<TCueWave>, CueCount> FCues{};
  // The cue that sounds: its output, the samples it reads and how long it has sounded.
  std::unique_ptr<QAudioSink> FSink{};
  std::unique_ptr<QBuffer> FSource{};
  QElapsedTimer FStarted{};
  int FDurationMs{0};
  // Counts the cues started, so that a wait learns that a newer cue has cut its own.
  quint64 FGeneration{0};
  // Releases the output of a cue that was not waited for once it has surely ended.
  QTimer FRelease{};

  const TCueWave* Cue(TSoundId id);
  bool Start(const TCueWave& wave);
  void Release();
};
