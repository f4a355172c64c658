// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TCueWait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void TCueWait::Run(const std::function<bool()>& Finished, int MaxMs) {
  QCoreApplication* app = QCoreApplication::instance();
  if (Finished() || MaxMs <= 0 || app == nullptr)
    return;
  QElapsedTimer clock;
  clock.start();
  // A filter of its own for each wait: a cue that waits inside a timer of another wait
  // removes only its own filter when it ends.
  TCueWait filter;
  app->installEventFilter(&filter);
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(PollMs);
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (Finished() || clock.elapsed() >= MaxMs)
      loop.quit();
  });
  poll.start();
  loop.exec();
  app->removeEventFilter(&filter);
}

bool TCueWait::IsDiscarded(QEvent::Type type) {
  switch (type) {
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonRelease:
  case QEvent::MouseButtonDblClick:
  case QEvent::MouseMove:
  case QEvent::NonClientAreaMouseButtonPress:
  case QEvent::NonClientAreaMouseButtonRelease:
  case QEvent::NonClientAreaMouseButtonDblClick:
  case QEvent::NonClientAreaMouseMove:
  case QEvent::Wheel:
  case QEvent::KeyPress:
  case QEvent::KeyRelease:
  case QEvent::ShortcutOverride:
  case QEvent::Shortcut:
  case QEvent::InputMethod:
  case QEvent::TouchBegin:
  case QEvent::TouchUpdate:
  case QEvent::TouchEnd:
  case QEvent::TouchCancel:
  case QEvent::TabletPress:
  case QEvent::TabletRelease:
  case QEvent::TabletMove:
  case QEvent::NativeGesture:
  case QEvent::Gesture:
  case QEvent::ContextMenu:
  case QEvent::DragEnter:
  case QEvent::DragMove:
  case QEvent::DragLeave:
  case QEvent::Drop:
  case QEvent::Close:
    return true;
  default:
    return false;
  }
}

bool TCueWait::eventFilter(QObject* watched, QEvent* event) {
  if (IsDiscarded(event->type())) {
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}
