// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QWidget>
#include <functional>

// A surface that its owner paints and whose presses its owner handles. Tag tells the two
// boards apart: 0 the player's, 1 the computer's.
class TPaintBox : public QWidget {
public:
  using TPaintEvent = std::function<void(TPaintBox& Sender, QPainter& Canvas)>;
  using TMouseEvent = std::function<void(TPaintBox& Sender, Qt::MouseButton Button, QPoint Pixel)>;

  TPaintBox(QWidget* Parent, int Tag);

  int FTag = 0;
  TPaintEvent FOnPaint;
  TMouseEvent FOnMouseDown;

protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
};
