// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

// A cannon: the frames of its GIF played once per shot, 150 ms each, then back to rest on
// frame 0, when OnStop is raised on the GUI thread with the shot it was started for. A start
// while it runs changes nothing; Stop halts it and drops the pending stop.
class TJvGIFAnimator : public QWidget {
public:
  using TStopEvent = std::function<void(TJvGIFAnimator& Sender, uint32_t Shot)>;

  // Gif may be drawn at 2x or 3x (name@2x.gif): its frames are shown at their logical size,
  // scaled smoothly to the screen's Ratio when that is not the file's own scale.
  TJvGIFAnimator(QWidget* Parent, const QString& Gif, qreal Ratio = 1.0);

  void Start(uint32_t Shot);
  void Stop();
  // Plays the rest of a running pass at once, stop included; for programs that drive the
  // window, never called by the game itself.
  void FastForward();
  bool Animating() const { return FTimer.isActive(); }
  int FrameIndex() const { return FFrameIndex; }
  int FrameCount() const { return static_cast<int>(FFrames.size()); }

  TStopEvent FOnStop;

protected:
  void paintEvent(QPaintEvent* Event) override;

private:
  void TimerTick();
  int DelayOf(int Frame) const;

  std::vector<QImage> FFrames; // composed as the GIF's disposal methods say
  std::vector<int> FDelays;
  QTimer FTimer;
  int FFrameIndex = 0;
  uint32_t FShot = 0;
};
