// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "Glyphs.h"

#include "ArtCanvas.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace {

const QColor ButtonFace(236, 236, 236); // glyph edges blend into the button
const QColor Outline(60, 36, 18);

void DrawWheel(QPainter& P) {
  const QPointF C(10, 10);
  const QColor Wood(200, 116, 42);
  P.setPen(QPen(Outline, 2.6, Qt::SolidLine, Qt::RoundCap));
  for (int I = 0; I < 8; ++I) {
    const double A = I * std::numbers::pi / 4;
    P.drawLine(C, C + QPointF(std::cos(A) * 8.6, std::sin(A) * 8.6));
  }
  P.setPen(QPen(Wood, 1.3, Qt::SolidLine, Qt::RoundCap));
  for (int I = 0; I < 8; ++I) {
    const double A = I * std::numbers::pi / 4;
    P.drawLine(C, C + QPointF(std::cos(A) * 8.2, std::sin(A) * 8.2));
  }
  P.setBrush(Qt::NoBrush);
  P.setPen(QPen(Outline, 3.4));
  P.drawEllipse(C, 5.6, 5.6);
  P.setPen(QPen(QColor(226, 146, 62), 1.8));
  P.drawEllipse(C, 5.6, 5.6);
  QRadialGradient Hub(C - QPointF(0.8, 0.8), 3);
  Hub.setColorAt(0, QColor(250, 200, 120));
  Hub.setColorAt(1, QColor(150, 80, 26));
  P.setBrush(Hub);
  P.setPen(QPen(Outline, 0.8));
  P.drawEllipse(C, 2.3, 2.3);
}

void DrawCannon(QPainter& P) {
  // Barrel, up to the right.
  P.save();
  P.translate(5.5, 12.5);
  P.rotate(-32);
  QPainterPath Barrel;
  Barrel.addRoundedRect(QRectF(-1.5, -2.4, 16, 4.8), 1.5, 1.5);
  QLinearGradient G(0, -2.4, 0, 2.4);
  G.setColorAt(0, QColor(200, 204, 210));
  G.setColorAt(1, QColor(82, 86, 94));
  P.setBrush(G);
  P.setPen(QPen(QColor(30, 30, 34), 0.8));
  P.drawPath(Barrel);
  P.restore();
  // Carriage.
  QPainterPath Carriage;
  Carriage.addPolygon(QPolygonF({{2.5, 16.5}, {3.5, 11.5}, {9, 10.5}, {14.5, 16.5}}));
  Carriage.closeSubpath();
  P.setBrush(QColor(140, 84, 40));
  P.setPen(QPen(Outline, 0.8));
  P.drawPath(Carriage);
  // Wheels.
  for (double X : {5.0, 12.5}) {
    QRadialGradient W(QPointF(X - 0.6, 16.4), 3.2);
    W.setColorAt(0, QColor(255, 240, 120));
    W.setColorAt(1, QColor(214, 168, 20));
    P.setBrush(W);
    P.setPen(QPen(QColor(90, 64, 10), 0.8));
    P.drawEllipse(QPointF(X, 17), 2.9, 2.9);
    P.setBrush(QColor(90, 64, 10));
    P.setPen(Qt::NoPen);
    P.drawEllipse(QPointF(X, 17), 0.8, 0.8);
  }
}

// A globe: the sea between two players anywhere.
void DrawGlobe(QPainter& P) {
  const QPointF C(10, 10);
  QRadialGradient Sea(C - QPointF(2.5, 2.5), 10);
  Sea.setColorAt(0, QColor(150, 200, 246));
  Sea.setColorAt(1, QColor(28, 86, 170));
  P.setBrush(Sea);
  P.setPen(QPen(QColor(18, 44, 96), 1.2));
  P.drawEllipse(C, 8.4, 8.4);
  P.setBrush(Qt::NoBrush);
  P.setPen(QPen(QColor(236, 244, 255), 0.9));
  P.drawEllipse(C, 3.6, 8.2); // a meridian
  P.drawLine(C - QPointF(0, 8.2), C + QPointF(0, 8.2));
  P.drawLine(C - QPointF(8.2, 0), C + QPointF(8.2, 0)); // the equator
  for (double Y : {-4.6, 4.6}) {
    const double Half = std::sqrt(8.2 * 8.2 - Y * Y);
    P.drawLine(C + QPointF(-Half, Y), C + QPointF(Half, Y));
  }
}

// A glyph drawn on the button face in logical pixels, then keyed like the others.
template <class F>
QImage ButtonGlyph(int Scale, int Width, int Height, F Draw) {
  QImage Canvas = MakeCanvas(Width * Scale, Height * Scale);
  QPainter P(&Canvas);
  P.setRenderHint(QPainter::Antialiasing);
  if (Scale != 1)
    P.scale(Scale, Scale);
  Draw(P);
  P.end();
  return FlattenToKey(Canvas, ButtonFace, Qt::white);
}

} // namespace

QImage MakeNetGlyph(int Scale) {
  return ButtonGlyph(Scale, 20, 20, DrawGlobe);
}

QImage MakeNewGlyph(int Scale) {
  return ButtonGlyph(Scale, 20, 21, DrawWheel);
}

QImage MakeStartGlyph(int Scale) {
  QImage Enabled = MakeCanvas(21 * Scale, 21 * Scale);
  {
    QPainter P(&Enabled);
    P.setRenderHint(QPainter::Antialiasing);
    if (Scale != 1)
      P.scale(Scale, Scale);
    P.translate(1.5, 0.5);
    DrawCannon(P);
  }
  // The disabled image: the same outline as one flat grey.
  QImage Disabled = Enabled.convertToFormat(QImage::Format_ARGB32);
  for (int Y = 0; Y < Disabled.height(); ++Y) {
    for (int X = 0; X < Disabled.width(); ++X) {
      const int A = qAlpha(Disabled.pixel(X, Y));
      Disabled.setPixel(X, Y, qRgba(128, 128, 128, A));
    }
  }
  QImage Both = MakeCanvas(42 * Scale, 21 * Scale);
  {
    QPainter P(&Both);
    P.drawImage(0, 0, Enabled);
    P.drawImage(21 * Scale, 0, Disabled);
  }
  return FlattenToKey(Both, ButtonFace, QColor(0, 255, 0));
}

QImage MakeOptionsGlyph(int Scale) {
  QImage Glyph(16 * Scale, 16 * Scale, QImage::Format_RGB888);
  Glyph.fill(QColor(255, 0, 255));
  QPainter P(&Glyph); // crisp pixels: no antialiasing at this size
  if (Scale != 1)
    P.scale(Scale, Scale);
  P.setPen(Qt::NoPen);
  P.fillRect(1, 1, 14, 13, QColor(64, 64, 72));   // frame
  P.fillRect(2, 2, 12, 2, QColor(20, 60, 170));   // title bar
  P.fillRect(11, 2, 2, 2, QColor(200, 60, 50));   // close box
  P.fillRect(2, 4, 12, 9, QColor(246, 246, 242)); // client area
  for (int Box = 0; Box < 2; ++Box) {
    const int Y = 5 + Box * 4;
    P.fillRect(3, Y, 4, 4, QColor(90, 90, 96));
    P.fillRect(4, Y + 1, 2, 2, QColor(255, 255, 255));
    P.fillRect(8, Y + 1, 5, 1, QColor(130, 130, 136)); // a line of label text
    P.fillRect(8, Y + 3, 3, 1, QColor(170, 170, 176));
  }
  // The ticks, reaching out of their boxes as a hand-drawn tick does: one pixel wide strokes
  // at 1x, set pixel by pixel; on a finer raster a smooth stroke along the same pixels.
  const QRgb Tick = qRgb(0, 140, 40);
  if (Scale != 1) {
    P.setRenderHint(QPainter::Antialiasing);
    P.setPen(QPen(QColor(Tick), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (int Box = 0; Box < 2; ++Box) {
      const double Y = 5 + Box * 4;
      P.drawPolyline(QPolygonF({{4.5, Y + 1.3}, {5.2, Y + 2.5}, {7.6, Y + 0.4}}));
    }
    P.end();
    return Glyph;
  }
  P.end();
  for (int Box = 0; Box < 2; ++Box) {
    const int Y = 5 + Box * 4;
    Glyph.setPixel(4, Y + 1, Tick);
    Glyph.setPixel(5, Y + 2, Tick);
    Glyph.setPixel(6, Y + 1, Tick);
    Glyph.setPixel(7, Y, Tick);
    Glyph.setPixel(4, Y + 2, Tick);
  }
  return Glyph;
}
