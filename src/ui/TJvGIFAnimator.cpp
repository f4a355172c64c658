// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TJvGIFAnimator.h"

#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>

TJvGIFAnimator::TJvGIFAnimator(QWidget* Parent, const QString& Gif, qreal Ratio) : QWidget(Parent) {
  QImageReader Reader(Gif);
  // Qt composes each frame over the previous one by the GIF's disposal methods, and reads the
  // scale of a name@2x.gif into the frame's device pixel ratio.
  for (QImage Frame; Reader.read(&Frame);) {
    const qreal Scale = Frame.devicePixelRatio();
    if (std::abs(Scale - Ratio) >= 0.01 && Ratio > 0) {
      Frame =
          Frame.convertToFormat(QImage::Format_ARGB32_Premultiplied)
              .scaled(qRound(Frame.width() / Scale * Ratio), qRound(Frame.height() / Scale * Ratio),
                      Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      Frame.setDevicePixelRatio(Ratio);
    }
    FFrames.push_back(Frame);
    FDelays.push_back(Reader.nextImageDelay());
  }
  if (!FFrames.empty())
    resize(FFrames.front().deviceIndependentSize().toSize());
  FTimer.setSingleShot(true);
  FTimer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&FTimer, &QTimer::timeout, this, [this] { TimerTick(); });
}

int TJvGIFAnimator::DelayOf(int Frame) const {
  return std::clamp(FDelays.empty() ? 0 : FDelays[Frame], 1, 10000);
}

void TJvGIFAnimator::Start(uint32_t Shot) {
  if (FTimer.isActive())
    return;
  FShot = Shot;
  // A picture that failed to load still takes a shot's time, so the game goes on.
  FTimer.start(FrameCount() >= 2 ? DelayOf(FFrameIndex) : 13 * 150);
}

void TJvGIFAnimator::Stop() {
  FTimer.stop();
  FShot = 0;
  FFrameIndex = 0;
  update();
}

void TJvGIFAnimator::FastForward() {
  // Up to the stop of this pass: a stop handler may already start the next one.
  do {
    if (!FTimer.isActive())
      return;
    FTimer.stop();
    TimerTick();
  } while (FFrameIndex != 0);
}

void TJvGIFAnimator::TimerTick() {
  FFrameIndex = FFrameIndex + 1 < FrameCount() ? FFrameIndex + 1 : 0; // round to rest
  repaint();
  if (FFrameIndex != 0) {
    FTimer.start(DelayOf(FFrameIndex));
    return;
  }
  const uint32_t Shot = FShot;
  FShot = 0;
  if (FOnStop)
    FOnStop(*this, Shot);
  update();
}

void TJvGIFAnimator::paintEvent(QPaintEvent*) {
  if (FFrames.empty())
    return;
  QPainter Canvas(this);
  Canvas.drawImage(0, 0, FFrames[FFrameIndex]);
}
