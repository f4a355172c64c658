// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

// A burning deck: a 30 × 60 flame drawn through its mask over a hit cell, stepping through
// its frames while active. The sheet may hold the frames at the screen's scale: its device
// pixel ratio says how many of its pixels make one of the sprite's. The window's one fire timer
// steps every burning sprite at once, so that their repaints share each tick.
class TJvBmpAnimator : public QWidget {
public:
  static constexpr int FrameWidth = 30;
  static constexpr int FrameHeight = 60;
  static constexpr int FramesPerRow = 4;

  using TMouseEvent =
      std::function<void(TJvBmpAnimator& Sender, Qt::MouseButton Button, QPoint Pixel)>;

  TJvBmpAnimator(QWidget* Panel, const QPixmap& Frames, int NumFrames);

  void SetActive(bool Active);
  bool Active() const { return FActive; }
  void SetPosition(int Position);
  void SetCurrent(int Current);
  int Current() const { return FCurrent; }
  // One tick of the frame timer: the next frame, round again after the last.
  void Step();

  int FNumFrames = 0;
  int FMin = 0;
  int FMax = 0;
  TMouseEvent FOnMouseDown;

protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;

private:
  const QPixmap& FFrames;
  bool FActive = false;
  int FCurrent = 0;
  int FPosition = 0;
};
