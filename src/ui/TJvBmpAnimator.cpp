// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TJvBmpAnimator.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TJvBmpAnimator::TJvBmpAnimator(QWidget* Panel, const QPixmap& Frames, int NumFrames)
    : QWidget(Panel), FNumFrames(NumFrames), FMax(NumFrames - 1), FFrames(Frames) {
  resize(FrameWidth, FrameHeight);
  setMouseTracking(true);
}

void TJvBmpAnimator::SetActive(bool Active) {
  if (Active != FActive) {
    FActive = Active;
    FCurrent = FMin;
  }
  update();
}

void TJvBmpAnimator::SetPosition(int Position) {
  FPosition = std::clamp(Position, 0, std::max(FNumFrames - 1, 0));
  update();
}

void TJvBmpAnimator::SetCurrent(int Current) {
  FCurrent = std::clamp(Current, 0, std::max(FNumFrames - 1, 0));
  update();
}

void TJvBmpAnimator::Step() {
  if (!FActive || FNumFrames <= 0)
    return;
  ++FCurrent;
  if (FCurrent >= FNumFrames || FCurrent > FMax)
    FCurrent = FMin;
  update();
}

void TJvBmpAnimator::paintEvent(QPaintEvent*) {
  const int Frame = FActive ? FCurrent : FPosition;
  if (FFrames.isNull() || FNumFrames <= 0)
    return;
  QPainter Canvas(this);
  Canvas.drawPixmap(0, 0, FFrames, (Frame % FramesPerRow) * FrameWidth,
                    (Frame / FramesPerRow) * FrameHeight, FrameWidth, FrameHeight);
}

void TJvBmpAnimator::mousePressEvent(QMouseEvent* Event) {
  if (FOnMouseDown)
    FOnMouseDown(*this, Event->button(), Event->position().toPoint());
}
