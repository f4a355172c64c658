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
  // The sheet's cells in its own pixels, which a screen of another scale has more or fewer of.
  const int Rows = (FNumFrames + FramesPerRow - 1) / FramesPerRow;
  const qreal Width = FFrames.width() / FramesPerRow, Height = FFrames.height() / Rows;
  const qreal Ratio = FFrames.devicePixelRatio();
  QPainter Canvas(this);
  Canvas.drawPixmap(
      QRectF(0, 0, Width / Ratio, Height / Ratio), FFrames,
      QRectF((Frame % FramesPerRow) * Width, (Frame / FramesPerRow) * Height, Width, Height));
}

void TJvBmpAnimator::mousePressEvent(QMouseEvent* Event) {
  if (FOnMouseDown)
    FOnMouseDown(*this, Event->button(), Event->position().toPoint());
}
