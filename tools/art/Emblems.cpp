// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "Emblems.h"

#include "ArtCanvas.h"
#include "Strips.h"
#include "TNoise.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

QImage MakeTargetCursor(int Scale) {
  QImage Cursor(32 * Scale, 32 * Scale, QImage::Format_ARGB32);
  Cursor.fill(Qt::transparent);
  const QRgb Black = qRgba(0, 0, 0, 255);
  for (int Y = 0; Y < Cursor.height(); ++Y) {
    for (int X = 0; X < Cursor.width(); ++X) {
      const double DX = Logical(X, Scale) + 0.5 - 16.0, DY = Logical(Y, Scale) + 0.5 - 16.0;
      const double Distance = std::sqrt(DX * DX + DY * DY);
      const int Column = X / Scale, Row = Y / Scale;
      const bool Bar = Column == 15 || Column == 16 || Row == 15 || Row == 16;
      const bool Ring = std::abs(Distance - 10.6) < 0.62;
      if (Bar || Ring) {
        Cursor.setPixel(X, Y, Black);
      }
    }
  }
  return Cursor;
}

namespace {

// The icon is modelled on a 32-unit square; Unit is the size of one unit in pixels.
struct TIconScene {
  int Size = 32;
  double Unit = 1.0;
};

constexpr double Horizon = 20.0;

// Sky with soft clouds above the horizon, rippled sea below it, painted pixel by pixel in the
// manner of the board backgrounds; two by two samples a pixel keep the small sizes calm.
QImage PaintSkyAndSea(const TIconScene& Scene) {
  const TNoise Clouds(0x1C0Du);
  const TNoise Ripples(0x1C5Eu);
  const QColor SkyTop(64, 124, 192), SkyLow(198, 220, 234), Cloud(246, 246, 242);
  const QColor Deep(14, 46, 92), Lit(62, 130, 172), Haze(176, 204, 222), Glint(232, 242, 246);
  QImage Picture(Scene.Size, Scene.Size, QImage::Format_RGB32);
  for (int Y = 0; Y < Scene.Size; ++Y) {
    QRgb* Row = reinterpret_cast<QRgb*>(Picture.scanLine(Y));
    for (int X = 0; X < Scene.Size; ++X) {
      double R = 0, G = 0, B = 0;
      for (int S = 0; S < 4; ++S) {
        const double U = (X + 0.25 + 0.5 * (S % 2)) / Scene.Unit;
        const double V = (Y + 0.25 + 0.5 * (S / 2)) / Scene.Unit;
        QColor C;
        if (V < Horizon) {
          C = Mix(SkyTop, SkyLow, std::pow(std::clamp((V - 2.0) / (Horizon - 2.0), 0.0, 1.0), 0.9));
          C = Mix(C, Cloud, std::max(0.0, Clouds.Fractal(U / 7.0, V / 2.6, 4) - 0.48) * 1.9);
        } else {
          const double Depth = (V - Horizon) / (32.0 - Horizon); // 0 at the horizon
          const double Ripple =
              Ripples.Fractal(U / (1.2 + 4.0 * Depth), (V - Horizon) / (0.3 + 1.1 * Depth), 3);
          C = Mix(Deep, Lit, std::clamp(0.45 + (Ripple - 0.5) * 2.4 - 0.25 * Depth, 0.0, 1.0));
          C = Mix(C, Haze, 0.55 * std::exp(-Depth * 6.0));
          if (Ripple > 0.66)
            C = Mix(C, Glint, std::min(0.55, (Ripple - 0.66) * 3.0));
        }
        R += C.red();
        G += C.green();
        B += C.blue();
      }
      Row[X] = qRgb(int(R / 4 + 0.5), int(G / 4 + 0.5), int(B / 4 + 0.5));
    }
  }
  return Picture;
}

QPainterPath Poly(std::initializer_list<QPointF> Points) {
  QPainterPath Path;
  Path.addPolygon(QPolygonF(Points));
  Path.closeSubpath();
  return Path;
}

// The front half of a grey warship, bow to the left, lit from above like the ships on the
// boards; P is scaled to the 32-unit square.
void PaintWarship(QPainter& P) {
  const QColor Outline(34, 38, 44);
  const QColor Grey(150, 158, 166);
  auto Line = [&P](QPointF From, QPointF To, QColor C, double Width) {
    P.setPen(QPen(C, Width, Qt::SolidLine, Qt::FlatCap));
    P.drawLine(From, To);
  };
  // The ship's shadow on the water and the foam of its bow wave.
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(4, 16, 36, 70));
  P.drawRect(QRectF(8, 23.2, 24, 1.6));
  P.setBrush(QColor(236, 244, 248, 150));
  QPainterPath Wave;
  Wave.moveTo(4.2, 23.4);
  Wave.quadTo(6.4, 21.4, 9.6, 22.4);
  Wave.quadTo(7.6, 23.6, 4.2, 23.4);
  P.drawPath(Wave);
  // Mast with its yard, behind the bridge.
  Line({20.2, 3.4}, {20.2, 9}, Outline, 0.9);
  Line({17.8, 5.2}, {22.6, 5.2}, Outline, 0.7);
  // Funnel with a black cap, then the bridge.
  PaintLitPart(P, Poly({{25.2, 11.8}, {26.2, 7.6}, {29.8, 7.6}, {30.4, 11.8}}), Shade(Grey, 0.85),
               7.6, 11.8, Outline, 0.6);
  PaintLitPart(P, Poly({{26.1, 6.8}, {29.9, 6.8}, {29.9, 7.9}, {26.1, 7.9}}), QColor(30, 30, 34),
               6.8, 7.9, Outline, 0.4);
  PaintLitPart(P, Poly({{14.2, 17.4}, {15.2, 11.4}, {25, 11.4}, {26, 17.6}}), Grey, 11.4, 17.6,
               Outline, 0.6);
  PaintLitPart(P, Poly({{16, 11.4}, {16.8, 8.8}, {22.8, 8.8}, {23.4, 11.4}}), Shade(Grey, 1.06),
               8.8, 11.4, Outline, 0.6);
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(34, 52, 74));
  P.drawRect(QRectF(17.4, 9.6, 5.0, 0.9)); // bridge windows
  for (double X = 16.4; X < 24.5; X += 2.2)
    P.drawRect(QRectF(X, 13.4, 1.0, 1.0));
  // The hull: a flared bow on the left, cut off by the right edge; red-brown below the
  // waterline under a dark boot-top, portholes, a pale deck edge.
  QPainterPath Hull;
  Hull.moveTo(3.4, 15.4);
  Hull.lineTo(33, 17.4);
  Hull.lineTo(33, 23.4);
  Hull.lineTo(9.2, 23.4);
  Hull.cubicTo(6.6, 22.6, 4.6, 19.4, 3.4, 15.4);
  PaintLitPart(P, Hull, Grey, 15.4, 23.4, Outline, 0);
  P.save();
  P.setClipPath(Hull);
  P.fillRect(QRectF(0, 21.9, 33, 2), QColor(142, 58, 40));
  P.fillRect(QRectF(0, 21.3, 33, 0.7), QColor(36, 36, 40));
  P.restore();
  P.setBrush(Qt::NoBrush);
  P.setPen(QPen(Outline, 0.7));
  P.drawPath(Hull);
  Line({4.6, 16.3}, {33, 18.2}, QColor(212, 216, 222), 0.6);
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(40, 44, 52));
  for (double X = 9.6; X < 32; X += 2.8)
    P.drawEllipse(QPointF(X, 19.6), 0.45, 0.45);
  // The forward gun turret.
  Line({9.4, 14.6}, {4.4, 13.2}, Outline, 0.9);
  PaintLitPart(P, Poly({{7.8, 16.6}, {8.5, 13.8}, {12.2, 13.8}, {12.8, 16.9}}), Shade(Grey, 0.9),
               13.8, 16.9, Outline, 0.6);
  // Foam where the hull meets the sea.
  Line({9, 23.3}, {33, 23.3}, QColor(214, 230, 238, 170), 0.6);
}

} // namespace

QImage MakeIcon(int Size) {
  const TIconScene Scene{Size, Size / 32.0};
  QImage Icon = MakeCanvas(Size, Size);
  QPainter P(&Icon);
  P.setRenderHint(QPainter::Antialiasing);
  P.setRenderHint(QPainter::SmoothPixmapTransform);
  // A light oak frame, the wood of the window's header, round a painted picture.
  QPainterPath Frame;
  Frame.addRoundedRect(QRectF(0.5, 0.5, 31, 31), 4.5, 4.5);
  QPainterPath Picture;
  Picture.addRoundedRect(QRectF(2.4, 2.4, 27.2, 27.2), 2.6, 2.6);
  const QImage Oak = MakeWood(Size, Size,
                              {0x1C0Au, QColor(222, 190, 140), QColor(160, 116, 66), 9.6 / Size,
                               0.3 * Scene.Unit, 60.0 * Scene.Unit});
  P.setClipPath(QTransform::fromScale(Scene.Unit, Scene.Unit).map(Frame));
  P.drawImage(0, 0, Oak);
  P.setClipPath(QTransform::fromScale(Scene.Unit, Scene.Unit).map(Picture));
  P.drawImage(0, 0, PaintSkyAndSea(Scene));
  P.scale(Scene.Unit, Scene.Unit);
  P.setClipPath(Picture);
  PaintWarship(P);
  P.setClipping(false);
  P.setBrush(Qt::NoBrush);
  P.setPen(QPen(QColor(62, 40, 22), 0.7));
  P.drawPath(Picture);
  P.setPen(QPen(QColor(96, 62, 32), 0.8));
  P.drawPath(Frame);
  return Icon;
}
