// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "ArtCanvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>

QImage MakeCanvas(int Width, int Height) {
  QImage Canvas(Width, Height, QImage::Format_ARGB32_Premultiplied);
  Canvas.fill(Qt::transparent);
  return Canvas;
}

QImage FlattenToKey(const QImage& Drawing, QColor Fringe, QColor Key) {
  const QImage Source = Drawing.convertToFormat(QImage::Format_ARGB32);
  QImage Result(Source.size(), QImage::Format_RGB888);
  const QRgb KeyRgb = Key.rgb();
  for (int Y = 0; Y < Source.height(); ++Y) {
    const QRgb* Src = reinterpret_cast<const QRgb*>(Source.constScanLine(Y));
    uchar* Dest = Result.scanLine(Y);
    for (int X = 0; X < Source.width(); ++X) {
      const QRgb P = Src[X];
      const int A = qAlpha(P);
      QRgb Out = KeyRgb;
      if (A >= 128) {
        const double T = A / 255.0;
        Out = qRgb(int(qRed(P) * T + Fringe.red() * (1 - T) + 0.5),
                   int(qGreen(P) * T + Fringe.green() * (1 - T) + 0.5),
                   int(qBlue(P) * T + Fringe.blue() * (1 - T) + 0.5));
        if ((Out & 0xFFFFFF) == (KeyRgb & 0xFFFFFF)) {
          Out = qRgb(qRed(Out) ^ 1, qGreen(Out) ^ 1, qBlue(Out) ^ 1);
        }
      }
      Dest[3 * X] = uchar(qRed(Out));
      Dest[3 * X + 1] = uchar(qGreen(Out));
      Dest[3 * X + 2] = uchar(qBlue(Out));
    }
  }
  return Result;
}

QString ScaledName(const QString& Base, const QString& Suffix, int Scale) {
  return Scale == 1 ? Base + Suffix : QStringLiteral("%1@%2x%3").arg(Base).arg(Scale).arg(Suffix);
}

QColor Mix(QColor A, QColor B, double T) {
  T = std::clamp(T, 0.0, 1.0);
  return QColor(int(A.red() + (B.red() - A.red()) * T + 0.5),
                int(A.green() + (B.green() - A.green()) * T + 0.5),
                int(A.blue() + (B.blue() - A.blue()) * T + 0.5));
}

QColor Shade(QColor C, double Factor) {
  auto Channel = [Factor](int V) { return std::clamp(int(V * Factor + 0.5), 0, 255); };
  return QColor(Channel(C.red()), Channel(C.green()), Channel(C.blue()));
}

void PaintLitPart(QPainter& P, const QPainterPath& Path, QColor Base, double Top, double Bottom,
                  QColor Outline, double Pen) {
  QLinearGradient G(0, Top, 0, Bottom);
  G.setColorAt(0.0, Shade(Base, 1.22));
  G.setColorAt(0.45, Base);
  G.setColorAt(1.0, Shade(Base, 0.68));
  P.setBrush(G);
  P.setPen(Pen > 0 ? QPen(Outline, Pen) : Qt::NoPen);
  P.drawPath(Path);
}
