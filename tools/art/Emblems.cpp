#include "Emblems.h"

#include "ArtCanvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

QImage MakeTargetCursor() {
  QImage Cursor(32, 32, QImage::Format_ARGB32);
  Cursor.fill(Qt::transparent);
  const QRgb Black = qRgba(0, 0, 0, 255);
  for (int Y = 0; Y < 32; ++Y) {
    for (int X = 0; X < 32; ++X) {
      const double DX = X + 0.5 - 16.0, DY = Y + 0.5 - 16.0;
      const double Distance = std::sqrt(DX * DX + DY * DY);
      const bool Bar = X == 15 || X == 16 || Y == 15 || Y == 16;
      const bool Ring = std::abs(Distance - 10.6) < 0.62;
      if (Bar || Ring) {
        Cursor.setPixel(X, Y, Black);
      }
    }
  }
  return Cursor;
}

QImage MakeIcon(int Size) {
  QImage Icon = MakeCanvas(Size, Size);
  QPainter P(&Icon);
  P.setRenderHint(QPainter::Antialiasing);
  P.scale(Size / 32.0, Size / 32.0);
  QPainterPath Frame;
  Frame.addRoundedRect(QRectF(0.5, 0.5, 31, 31), 4.5, 4.5);
  P.setClipPath(Frame);

  QLinearGradient Sky(0, 0, 0, 22);
  Sky.setColorAt(0.0, QColor(54, 118, 196));
  Sky.setColorAt(1.0, QColor(170, 206, 236));
  P.fillRect(QRectF(0, 0, 32, 22), Sky);
  QLinearGradient Sea(0, 22, 0, 32);
  Sea.setColorAt(0.0, QColor(24, 58, 110));
  Sea.setColorAt(1.0, QColor(8, 26, 62));
  P.fillRect(QRectF(0, 22, 32, 10), Sea);
  P.setPen(QPen(QColor(120, 170, 210), 0.5));
  for (double Y = 26; Y < 32; Y += 2.4) {
    P.drawLine(QPointF(2 + (int(Y) % 3), Y), QPointF(8 + (int(Y) % 3), Y));
    P.drawLine(QPointF(20 - (int(Y) % 4), Y + 0.8), QPointF(27 - (int(Y) % 4), Y + 0.8));
  }

  const QColor Outline(26, 30, 36);
  auto Fill = [&P, &Outline](const QPainterPath& Path, QColor Base, double Top, double Bottom) {
    QLinearGradient G(0, Top, 0, Bottom);
    G.setColorAt(0.0, Shade(Base, 1.25));
    G.setColorAt(1.0, Shade(Base, 0.7));
    P.setBrush(G);
    P.setPen(QPen(Outline, 0.6));
    P.drawPath(Path);
  };
  // Mast and yard.
  P.setPen(QPen(Outline, 1.0, Qt::SolidLine, Qt::FlatCap)); // on pixel centres: crisp at 32 px
  P.drawLine(QPointF(20.5, 2), QPointF(20.5, 11));
  P.drawLine(QPointF(17, 5.5), QPointF(24, 5.5));
  // Superstructure.
  QPainterPath Bridge;
  Bridge.addPolygon(QPolygonF({{14, 18}, {15.5, 11}, {26, 11}, {27, 18}}));
  Bridge.closeSubpath();
  Fill(Bridge, QColor(150, 156, 164), 11, 18);
  QPainterPath Funnel;
  Funnel.addPolygon(QPolygonF({{26, 11}, {27, 7.5}, {31, 7.5}, {32, 11}}));
  Funnel.closeSubpath();
  Fill(Funnel, QColor(120, 126, 134), 7.5, 11);
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(30, 48, 70));
  P.drawRect(QRectF(16.5, 12.6, 8.5, 1.4)); // bridge windows
  // Hull: bow to the left, cut off at the right edge.
  QPainterPath Hull;
  Hull.moveTo(1.2, 16);
  Hull.lineTo(33, 18.5);
  Hull.lineTo(33, 26);
  Hull.lineTo(6.5, 26);
  Hull.closeSubpath();
  Fill(Hull, QColor(136, 142, 150), 16, 26);
  P.setPen(QPen(QColor(40, 40, 46), 1.0));
  P.drawLine(QPointF(6.2, 25), QPointF(33, 25));
  // Forward gun.
  P.setPen(QPen(Outline, 1.0));
  P.drawLine(QPointF(8, 15), QPointF(3.5, 13.8));
  QPainterPath Turret;
  Turret.addPolygon(QPolygonF({{7, 17.6}, {7.8, 14.2}, {12, 14.2}, {12.6, 17.9}}));
  Turret.closeSubpath();
  Fill(Turret, QColor(128, 134, 142), 14.2, 17.9);
  P.setClipping(false);
  P.setBrush(Qt::NoBrush);
  P.setPen(QPen(QColor(20, 30, 50), 0.8));
  P.drawPath(Frame);
  return Icon;
}
