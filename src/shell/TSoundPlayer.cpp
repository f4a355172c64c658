// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TSoundPlayer.h"

#include "TCueWait.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>

TSoundPlayer::TSoundPlayer(const QString& soundFolder, QObject* parent)
    : QObject(parent), FSoundFolder(soundFolder) {
  FRelease.setSingleShot(true);
  connect(&FRelease, &QTimer::timeout, this, &TSoundPlayer::Release);
}

TSoundPlayer::~TSoundPlayer() {
  Release();
}

QString TSoundPlayer::SoundFolder() {
  return SoundFolderIn(QCoreApplication::applicationDirPath());
}

QString TSoundPlayer::SoundFolderIn(const QString& ExecutableFolder) {
  const QDir Folder(ExecutableFolder);
  const QString Beside = Folder.filePath(QStringLiteral("Sounds/"));
  // Installed, the cues lie in the data folder, found from the executable's own folder so that
  // any prefix works.
  const QString Installed =
      QDir::cleanPath(Folder.filePath(QStringLiteral(SALVORA_DATA_FROM_BIN "/Sounds"))) + u'/';
  return QFileInfo(Beside).isDir() || !QFileInfo(Installed).isDir() ? Beside : Installed;
}

QString TSoundPlayer::CueFileName(TSoundId id) {
  static const char* const names[CueCount] = {"MyShot.wav",    "EnemyShot.wav", "Splash.wav",
                                              "EnemyFire.wav", "MyFire.wav",    "YouWin.wav",
                                              "YouLost.wav"};
  return id < CueCount ? QString::fromLatin1(names[id]) : QString();
}

bool TSoundPlayer::IsCached(TSoundId id) const {
  return id < CueCount && FCues[id].has_value();
}

const TCueWave* TSoundPlayer::Cue(TSoundId id) {
  if (id >= CueCount)
    return nullptr;
  // A file that failed is tried again on its next cue: it costs one failed open.
  if (!FCues[id])
    FCues[id] = TCueWave::FromFile(FSoundFolder + CueFileName(id));
  return FCues[id] ? &*FCues[id] : nullptr;
}

bool TSoundPlayer::IsSounding() const {
  if (!FSink || FStarted.elapsed() >= FDurationMs + EndMarginMs)
    return false;
  switch (FSink->state()) {
  case QAudio::ActiveState:
  case QAudio::SuspendedState:
    return true;
  case QAudio::IdleState:
    // The output has taken every sample, but the server still plays what it holds.
    return FSink->processedUSecs() / 1000 + EndToleranceMs < FDurationMs;
  default: // stopped: ended by an error, or never opened
    return false;
  }
}

void TSoundPlayer::Release() {
  FRelease.stop();
  if (FSink)
    FSink->stop();
  FSink.reset();
  FSource.reset();
}

bool TSoundPlayer::Start(const TCueWave& wave) {
  Release();
  // Without an output device (or sound server) there is nothing to play to; asking the back end
  // anyway can leave a cue that reports playing forever.
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull())
    return false;
  FSource = std::make_unique<QBuffer>();
  FSource->setData(wave.FSamples);
  FSource->open(QIODevice::ReadOnly);
  FSink = std::make_unique<QAudioSink>(device, wave.FFormat);
  FDurationMs = wave.FDurationMs;
  FStarted.start();
  FSink->start(FSource.get());
  if (FSink->error() != QAudio::NoError || FSink->state() == QAudio::StoppedState) {
    Release();
    return false;
  }
  return true;
}

void TSoundPlayer::PlaySnd(TSoundId id, bool wait) {
  if (!FSound)
    return;
  const TCueWave* wave = Cue(id);
  // A new cue stops the old one even when the new one cannot be played.
  ++FGeneration;
  if (wave == nullptr || !Start(*wave)) {
    Release();
    return;
  }
  const int boundMs = wave->FDurationMs + EndMarginMs;
  if (!wait) {
    FRelease.start(boundMs);
    return;
  }
  const quint64 generation = FGeneration;
  // A timer of the game may start a newer cue during the wait (it cuts this one), or even
  // destroy the player; either ends the wait.
  const QPointer<TSoundPlayer> self(this);
  TCueWait::Run(
      [self, generation] {
        return !self || self->FGeneration != generation || !self->IsSounding();
      },
      boundMs);
  if (self && FGeneration == generation)
    Release();
}
