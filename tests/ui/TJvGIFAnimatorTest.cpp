// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TJvGIFAnimator.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct TCannonTest : testing::Test {
  QWidget Parent;
  TJvGIFAnimator* Cannon = new TJvGIFAnimator(&Parent, QStringLiteral(":/pictures/cannon-my.gif"));
  std::vector<uint32_t> Stops;
  std::vector<int> FrameAtStop;

  void SetUp() override {
    Parent.resize(200, 100);
    Parent.show();
    Cannon->FOnStop = [this](TJvGIFAnimator& Sender, uint32_t Shot) {
      Stops.push_back(Shot);
      FrameAtStop.push_back(Sender.FrameIndex());
    };
  }
};

} // namespace

// One pass shows frames 1 to 12 in order, comes back to rest on frame 0 and then stops,
// once, on time, with the shot it was started for. Starts while it flies are ignored: they
// neither put the stop off nor begin the pass again.
TEST_F(TCannonTest, OnePassStepsThroughEveryFrameAndStopsOnceWhateverStartsItMeets) {
  ASSERT_EQ(Cannon->FrameCount(), 13);
  EXPECT_EQ(Cannon->size(), QSize(110, 87));
  std::vector<int> Seen;
  QElapsedTimer Clock;
  Clock.start();
  Cannon->Start(7);
  EXPECT_TRUE(Stops.empty()); // never inside the start
  while (Stops.empty() && Clock.elapsed() < 6000) {
    if (Seen.empty() || Seen.back() != Cannon->FrameIndex())
      Seen.push_back(Cannon->FrameIndex());
    Cannon->Start(99);
    QTest::qWait(5);
  }
  const qint64 Took = Clock.elapsed();
  std::vector<int> Expected;
  for (int Frame = 0; Frame <= 12; ++Frame)
    Expected.push_back(Frame);
  EXPECT_EQ(Seen, Expected);
  EXPECT_EQ(Stops, std::vector<uint32_t>{7});
  EXPECT_EQ(FrameAtStop, std::vector<int>{0});
  EXPECT_GT(Took, 1500); // 13 steps of 150 ms, with generous bounds
  EXPECT_LT(Took, 4000);
  QTest::qWait(400);
  EXPECT_EQ(Stops.size(), 1u);
  EXPECT_FALSE(Cannon->Animating());
}

// The computer's cannon fires again from its own stop handler after a hit.
TEST_F(TCannonTest, StopHandlerMayStartTheNextPass) {
  Cannon->FOnStop = [this](TJvGIFAnimator& Sender, uint32_t Shot) {
    Stops.push_back(Shot);
    if (Stops.size() == 1)
      Sender.Start(2);
  };
  Cannon->Start(1);
  Cannon->FastForward();
  EXPECT_EQ(Stops, std::vector<uint32_t>{1});
  EXPECT_TRUE(Cannon->Animating());
  Cannon->FastForward();
  EXPECT_EQ(Stops, (std::vector<uint32_t>{1, 2}));
}

TEST_F(TCannonTest, StopHaltsAndDropsThePendingStop) {
  Cannon->Start(3);
  QTest::qWait(400);
  EXPECT_GT(Cannon->FrameIndex(), 0);
  Cannon->Stop();
  EXPECT_EQ(Cannon->FrameIndex(), 0);
  QTest::qWait(2200);
  EXPECT_TRUE(Stops.empty());
}

// A picture that cannot be read still ends each shot, so the game never waits for ever.
TEST_F(TCannonTest, MissingPictureStillEndsTheShot) {
  TJvGIFAnimator Broken(&Parent, QStringLiteral(":/pictures/no-such.gif"));
  std::vector<uint32_t> BrokenStops;
  Broken.FOnStop = [&](TJvGIFAnimator&, uint32_t Shot) { BrokenStops.push_back(Shot); };
  Broken.Start(5);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !BrokenStops.empty(); }, 4000));
  EXPECT_EQ(BrokenStops, std::vector<uint32_t>{5});
}
