// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TPaintBox.h"

#include <QMouseEvent>
#include <QPainter>

TPaintBox::TPaintBox(QWidget* Parent, int Tag) : QWidget(Parent), FTag(Tag) {}

void TPaintBox::paintEvent(QPaintEvent*) {
  QPainter Canvas(this);
  if (FOnPaint)
    FOnPaint(*this, Canvas);
}

void TPaintBox::mousePressEvent(QMouseEvent* Event) {
  if (FOnMouseDown)
    FOnMouseDown(*this, Event->button(), Event->position().toPoint());
}
