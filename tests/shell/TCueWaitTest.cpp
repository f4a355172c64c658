// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TCueWait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A window that counts what reaches it.
class TRecorder : public QWidget {
public:
  int FInputs{0};
  int FCloses{0};
  int FPaints{0};

protected:
  void mousePressEvent(QMouseEvent*) override { ++FInputs; }
  void keyPressEvent(QKeyEvent*) override { ++FInputs; }
  void wheelEvent(QWheelEvent*) override { ++FInputs; }
  void closeEvent(QCloseEvent* event) override {
    ++FCloses;
    event->accept();
  }
  void paintEvent(QPaintEvent*) override { ++FPaints; }
};

void PostInput(QWidget* target) {
  const QPointF at(5, 5);
  QCoreApplication::postEvent(target,
                              new QMouseEvent(QEvent::MouseButtonPress, at, target->mapToGlobal(at),
                                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
  QCoreApplication::postEvent(target,
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
  QCoreApplication::postEvent(target, new QWheelEvent(at, target->mapToGlobal(at), {}, {0, 120},
                                                      Qt::NoButton, Qt::NoModifier,
                                                      Qt::NoScrollPhase, false));
}

void Flush() {
  for (int i = 0; i < 3; ++i)
    QCoreApplication::processEvents();
}

// The wait's end as a sound would report it: after a while.
std::function<bool()> After(int ms) {
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  return [clock, ms] { return clock->elapsed() >= ms; };
}

class TCueWaitTest : public testing::Test {
protected:
  TRecorder FWindow{};
  void SetUp() override {
    FWindow.resize(100, 100);
    FWindow.show();
    Flush();
    FWindow.FPaints = 0;
  }
};

// Input queued before the wait and input arriving during it are both lost, not held back until
// the cue has ended; the same input after the wait is delivered, so the recorder does count.
TEST_F(TCueWaitTest, DiscardsInputAndCloseRequestsForGood) {
  PostInput(&FWindow);
  QCoreApplication::postEvent(&FWindow, new QCloseEvent);
  QTimer::singleShot(100, &FWindow, [this] {
    PostInput(&FWindow);
    FWindow.close(); // the same close event as the title bar's button sends
  });
  TCueWait::Run(After(300), 5000);
  Flush();
  EXPECT_EQ(FWindow.FInputs, 0);
  EXPECT_EQ(FWindow.FCloses, 0);
  EXPECT_TRUE(FWindow.isVisible());

  PostInput(&FWindow);
  FWindow.close();
  Flush();
  EXPECT_EQ(FWindow.FInputs, 3);
  EXPECT_EQ(FWindow.FCloses, 1);
  EXPECT_FALSE(FWindow.isVisible());
}

// Fires burn on timers and the window repaints while a cue is waited for; Qt's own queued calls
// (the audio output reports through them) and deferred deletes are not broken.
TEST_F(TCueWaitTest, KeepsTimersPaintsAndInternalEventsGoing) {
  int ticks = 0;
  QTimer fire;
  QObject::connect(&fire, &QTimer::timeout, &FWindow, [&] {
    ++ticks;
    FWindow.update();
  });
  fire.start(20);
  bool queued = false;
  QMetaObject::invokeMethod(
      &FWindow, [&] { queued = true; }, Qt::QueuedConnection);
  QPointer<QObject> doomed = new QObject;
  doomed->deleteLater();
  TCueWait::Run(After(400), 5000);
  EXPECT_GE(ticks, 5);
  EXPECT_GE(FWindow.FPaints, 2);
  EXPECT_TRUE(queued);
  // A delete asked for outside the wait runs when the game's own loop takes over again.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(doomed.isNull());
}

// A sound back end that never reports the end cannot hang the game.
TEST_F(TCueWaitTest, EndsAtItsBoundWhenTheSoundNeverEnds) {
  QElapsedTimer clock;
  clock.start();
  TCueWait::Run([] { return false; }, 300);
  EXPECT_GE(clock.elapsed(), 290);
  EXPECT_LT(clock.elapsed(), 3000);
}

// A cue that has already ended (a silent one) runs no loop at all: nothing queued is handled.
TEST_F(TCueWaitTest, ReturnsAtOnceWhenAlreadyEnded) {
  bool queued = false;
  QMetaObject::invokeMethod(
      &FWindow, [&] { queued = true; }, Qt::QueuedConnection);
  TCueWait::Run([] { return true; }, 5000);
  EXPECT_FALSE(queued);
  Flush();
  EXPECT_TRUE(queued);
}

// A cue waited for inside a timer of another wait removes only its own filter: the outer wait
// still discards input after the inner one has ended.
TEST_F(TCueWaitTest, NestedWaitLeavesTheOuterOneDiscarding) {
  bool innerDone = false;
  QTimer::singleShot(50, &FWindow, [&] {
    TCueWait::Run(After(100), 5000);
    innerDone = true;
  });
  QTimer::singleShot(250, &FWindow, [this] {
    PostInput(&FWindow);
    FWindow.close();
  });
  TCueWait::Run(After(400), 5000);
  Flush();
  EXPECT_TRUE(innerDone);
  EXPECT_EQ(FWindow.FInputs, 0);
  EXPECT_EQ(FWindow.FCloses, 0);
}

} // namespace
