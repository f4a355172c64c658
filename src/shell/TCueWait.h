// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

// The game's wait for a cue that must be heard to its end. The GUI thread runs a local event
// loop in which timers, paints and Qt's own internal events go on (fires keep burning, the
// window repaints), while every user input and close request that arrives is discarded: it is
// eaten, so after the wait nothing of it happens.
class TCueWait : public QObject {
public:
  // How often the end is checked: short beside any cue, long beside a timer tick's cost.
  static constexpr int PollMs = 10;

  // Returns when Finished() is true (checked first and then every PollMs) or after MaxMs,
  // whichever comes first, so that a sound that never reports its end cannot hang the game.
  static void Run(const std::function<bool()>& Finished, int MaxMs);

  // Mouse, keyboard, wheel, touch, tablet, drag-and-drop, context menu, shortcut, input method
  // and close events.
  static bool IsDiscarded(QEvent::Type type);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
