// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "Cannon.h"

#include "ArtCanvas.h"
#include "TGifEncoder.h"
#include "TNoise.h"
#include "TPaletteQuantizer.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace {

constexpr int Width = 110;
constexpr int Height = 87;
constexpr int FrameCount = 13;
constexpr int TransparentIndex = 254;
const QColor Outline(30, 24, 18);
const QColor WoodFringe(150, 96, 56); // the footer strip the cannon stands on

// Where the barrel lies: breech, direction and length.
const QPointF Breech(24, 62);
constexpr double BarrelAngle = -32.0;
constexpr double BarrelLength = 56.0;

QPointF Muzzle(double Recoil) {
  const double A = BarrelAngle * std::numbers::pi / 180.0;
  return Breech + QPointF(std::cos(A) * (BarrelLength + 1.5 - Recoil),
                          std::sin(A) * (BarrelLength + 1.5 - Recoil));
}

void Wheel(QPainter& P, QPointF Centre, double Radius) {
  P.setPen(QPen(Outline, 1.0));
  QRadialGradient G(Centre - QPointF(2, 2), Radius * 1.3);
  G.setColorAt(0.0, QColor(150, 100, 56));
  G.setColorAt(1.0, QColor(84, 52, 28));
  P.setBrush(G);
  P.drawEllipse(Centre, Radius, Radius);
  P.setPen(QPen(QColor(60, 60, 66), 2.0)); // iron tyre
  P.setBrush(Qt::NoBrush);
  P.drawEllipse(Centre, Radius - 1.0, Radius - 1.0);
  P.setPen(QPen(QColor(70, 42, 22), 1.2));
  for (int I = 0; I < 4; ++I) {
    const double A = I * std::numbers::pi / 4 + 0.3;
    const QPointF D(std::cos(A) * (Radius - 2), std::sin(A) * (Radius - 2));
    P.drawLine(Centre - D, Centre + D);
  }
  P.setPen(QPen(Outline, 0.8));
  P.setBrush(QColor(58, 58, 64));
  P.drawEllipse(Centre, 2.2, 2.2);
}

void Carriage(QPainter& P) {
  QPainterPath Cheek;
  Cheek.moveTo(10, 79);
  Cheek.lineTo(10, 68);
  Cheek.lineTo(20, 68);
  Cheek.lineTo(20, 62);
  Cheek.lineTo(30, 62);
  Cheek.lineTo(30, 56);
  Cheek.lineTo(46, 54);
  Cheek.lineTo(56, 62);
  Cheek.lineTo(64, 72);
  Cheek.lineTo(64, 79);
  Cheek.closeSubpath();
  QLinearGradient G(0, 54, 0, 79);
  G.setColorAt(0.0, QColor(160, 104, 58));
  G.setColorAt(1.0, QColor(96, 58, 30));
  P.setBrush(G);
  P.setPen(QPen(Outline, 1.0));
  P.drawPath(Cheek);
  // Grain and iron fittings.
  P.save();
  P.setClipPath(Cheek);
  P.setPen(QPen(QColor(104, 64, 32, 200), 0.7));
  for (double Y = 58; Y < 79; Y += 3.2) {
    P.drawLine(QPointF(8, Y), QPointF(66, Y - 1.5));
  }
  P.restore();
  P.setPen(QPen(QColor(56, 56, 62), 1.6));
  P.drawLine(QPointF(10, 74), QPointF(64, 74));
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(40, 40, 44));
  for (const QPointF& Bolt : {QPointF(15, 71), QPointF(25, 65), QPointF(35, 59), QPointF(55, 69)}) {
    P.drawEllipse(Bolt, 1.1, 1.1);
  }
  Wheel(P, QPointF(22, 78), 8.0);
  Wheel(P, QPointF(53, 78), 8.0);
}

void Barrel(QPainter& P, double Recoil) {
  P.save();
  P.translate(Breech + QPointF(-Recoil * 0.85, Recoil * 0.53));
  P.rotate(BarrelAngle);
  QPainterPath Body;
  Body.moveTo(0, -6.6);
  Body.lineTo(48, -4.4);
  Body.lineTo(50, -5.4);
  Body.lineTo(BarrelLength, -5.4);
  Body.lineTo(BarrelLength, 5.4);
  Body.lineTo(50, 5.4);
  Body.lineTo(48, 4.4);
  Body.lineTo(0, 6.6);
  Body.closeSubpath();
  QLinearGradient G(0, -6.6, 0, 6.6);
  G.setColorAt(0.0, QColor(150, 164, 100));
  G.setColorAt(0.3, QColor(186, 196, 124));
  G.setColorAt(0.6, QColor(104, 120, 68));
  G.setColorAt(1.0, QColor(52, 64, 36));
  P.setBrush(G);
  P.setPen(QPen(Outline, 1.0));
  P.drawPath(Body);
  // Reinforcing rings and the cascabel knob at the breech.
  P.setPen(QPen(QColor(60, 72, 40), 1.3));
  for (double X : {5.0, 18.0, 34.0}) {
    const double Half = 6.6 - X * 0.046;
    P.drawLine(QPointF(X, -Half), QPointF(X, Half));
  }
  P.setPen(QPen(Outline, 0.9));
  P.setBrush(QColor(110, 124, 72));
  P.drawEllipse(QPointF(-3.2, 0), 3.0, 3.0);
  P.setPen(Qt::NoPen);
  P.setBrush(QColor(22, 20, 18));
  P.drawEllipse(QRectF(BarrelLength - 1.4, -3.4, 2.4, 6.8)); // the bore
  P.restore();
  // Trunnion cap holding the barrel on the carriage.
  P.setPen(QPen(Outline, 0.8));
  P.setBrush(QColor(62, 62, 68));
  P.drawEllipse(QPointF(38 - Recoil * 0.85, 55 + Recoil * 0.53), 2.8, 2.8);
}

void Cannon(QPainter& P, double Recoil) {
  Carriage(P);
  Barrel(P, Recoil);
}

// A blazing ball of fire: white-hot centre, yellow, orange, a ragged red rim.
void Fireball(QPainter& P, QPointF Centre, double Radius, uint32_t Seed) {
  TArtRandom Random(Seed);
  QPainterPath Shape;
  const int Points = 14;
  for (int I = 0; I <= Points; ++I) {
    const double A = 2 * std::numbers::pi * I / Points;
    const double R = Radius * (I % 2 == 0 ? Random.Range(0.95, 1.15) : Random.Range(0.65, 0.8));
    const QPointF Pt = Centre + QPointF(std::cos(A) * R, std::sin(A) * R);
    if (I == 0) {
      Shape.moveTo(Pt);
    } else {
      Shape.lineTo(Pt);
    }
  }
  QRadialGradient G(Centre, Radius);
  G.setColorAt(0.0, QColor(255, 252, 226));
  G.setColorAt(0.3, QColor(255, 230, 110));
  G.setColorAt(0.65, QColor(250, 150, 30));
  G.setColorAt(1.0, QColor(200, 56, 16));
  P.setPen(Qt::NoPen);
  P.setBrush(G);
  P.drawPath(Shape);
}

// A cloud of smoke puffs round Centre. Shade 0 is black smoke, 1 nearly white; Opacity 1 hides
// what lies behind, less lets it show through as the cloud fades. The GIF has no partial
// transparency, so where the cloud lies over bare ground its colour is blended with the
// footer's wood and the pixel drawn opaque; the outline follows a smooth density, so the cloud
// never breaks into loose pixels.
void Smoke(QPainter& P, int Scale, QPointF Centre, double Radius, double ShadeLevel, double Opacity,
           uint32_t Seed) {
  TArtRandom Random(Seed);
  const TNoise Billows(Seed);
  const QColor Base = Mix(QColor(34, 32, 32), QColor(236, 236, 232), ShadeLevel);
  const int W = Width * Scale, H = Height * Scale;
  QImage Density = MakeCanvas(W, H), Lit = MakeCanvas(W, H);
  {
    QPainter D(&Density), L(&Lit);
    for (QPainter* Layer : {&D, &L}) {
      Layer->setRenderHint(QPainter::Antialiasing);
      Layer->setTransform(P.transform());
      Layer->setPen(Qt::NoPen);
    }
    for (int I = 0; I < 9; ++I) {
      const double A = Random.Range(0, 2 * std::numbers::pi);
      const double Dist = Random.Range(0, Radius * 0.6);
      const double R = Random.Range(Radius * 0.35, Radius * 0.6);
      const QPointF C = Centre + QPointF(std::cos(A) * Dist, std::sin(A) * Dist * 0.75);
      QRadialGradient Puff(C, R * 1.25); // dense inside the puff, thinning past its rim
      Puff.setColorAt(0.0, QColor(0, 0, 0, 255));
      Puff.setColorAt(0.6, QColor(0, 0, 0, 230));
      Puff.setColorAt(1.0, QColor(0, 0, 0, 0));
      D.setBrush(Puff);
      D.drawEllipse(C, R * 1.25, R * 1.25);
      QRadialGradient Light(C - QPointF(R * 0.35, R * 0.35), R * 1.5); // lit from the top left
      Light.setColorAt(0.0, Shade(Base, 1.25));
      Light.setColorAt(1.0, Shade(Base, 0.78));
      L.setBrush(Light);
      L.drawEllipse(C, R * 1.25, R * 1.25);
    }
  }
  QImage Backing = MakeCanvas(W, H), Cloud = MakeCanvas(W, H);
  const QRgb Wood = WoodFringe.rgb();
  for (int Y = 0; Y < H; ++Y) {
    const QRgb* DRow = reinterpret_cast<const QRgb*>(Density.constScanLine(Y));
    const QRgb* LRow = reinterpret_cast<const QRgb*>(Lit.constScanLine(Y));
    QRgb* BRow = reinterpret_cast<QRgb*>(Backing.scanLine(Y));
    QRgb* CRow = reinterpret_cast<QRgb*>(Cloud.scanLine(Y));
    for (int X = 0; X < W; ++X) {
      const double Cover = qAlpha(DRow[X]) / 255.0;
      if (Cover <= 0.0)
        continue;
      if (Cover >= 0.5)
        BRow[X] = Wood;
      const QColor Puffs = qAlpha(LRow[X]) ? QColor::fromRgba(qUnpremultiply(LRow[X])) : Base;
      const QColor Shaded = Shade(
          Puffs, 0.9 + 0.2 * Billows.Fractal(Logical(X, Scale) / 7.0, Logical(Y, Scale) / 7.0, 2));
      CRow[X] = qPremultiply(
          qRgba(Shaded.red(), Shaded.green(), Shaded.blue(), int(255 * Opacity * Cover + 0.5)));
    }
  }
  P.save();
  P.resetTransform();
  P.setCompositionMode(QPainter::CompositionMode_DestinationOver); // behind the cannon
  P.drawImage(0, 0, Backing);
  P.setCompositionMode(QPainter::CompositionMode_SourceOver);
  P.drawImage(0, 0, Cloud);
  P.restore();
}

// The iron ball in flight, trailing fire from the barrel.
void Ball(QPainter& P, QPointF At, QPointF Direction) {
  const double Length = std::hypot(Direction.x(), Direction.y());
  const QPointF Unit = Direction / Length;
  QLinearGradient Trail(At - Unit * 10, At);
  Trail.setColorAt(0.0, QColor(220, 70, 16));
  Trail.setColorAt(1.0, QColor(255, 214, 90));
  P.setPen(QPen(QBrush(Trail), 2.6, Qt::SolidLine, Qt::RoundCap));
  P.drawLine(At - Unit * 10, At);
  QRadialGradient Iron(At - QPointF(1, 1), 3.4);
  Iron.setColorAt(0.0, QColor(120, 116, 110));
  Iron.setColorAt(1.0, QColor(24, 22, 22));
  P.setBrush(Iron);
  P.setPen(QPen(QColor(255, 150, 40), 0.8)); // glowing from the blast
  P.drawEllipse(At, 2.9, 2.9);
}

QImage Finish(const QImage& Canvas) {
  return FlattenToKey(Canvas, WoodFringe, Qt::white);
}

} // namespace

QList<QImage> MakeCannonFrames(int Scale) {
  QList<QImage> Frames;
  const QPointF Exit(116, -8); // the ball leaves beyond the top right corner
  for (int K = 0; K < FrameCount; ++K) {
    QImage Canvas = MakeCanvas(Width * Scale, Height * Scale);
    QPainter P(&Canvas);
    P.setRenderHint(QPainter::Antialiasing);
    if (Scale != 1)
      P.scale(Scale, Scale);
    // Drawn a little larger than modelled, standing on the bottom edge, to fill the frame.
    P.translate(0, Height);
    P.scale(1.12, 1.12);
    P.translate(0, -Height);
    const QPointF M = Muzzle(0);
    const QPointF Path = Exit - M;
    switch (K) {
    case 1:
      Cannon(P, 0);
      Fireball(P, M + QPointF(2, -1), 5.0, 11);
      break;
    case 2: // only the fireball: frame 1 stays beneath it
      Fireball(P, M + QPointF(5, -4), 12.0, 12);
      break;
    case 3:
      Cannon(P, 3);
      Smoke(P, Scale, M + QPointF(-2, 2), 10, 0.0, 1.0, 31);
      Fireball(P, M + QPointF(8, -7), 18.0, 13);
      break;
    case 4:
      Cannon(P, 2);
      Smoke(P, Scale, M + QPointF(2, -1), 16, 0.02, 1.0, 32);
      Fireball(P, M + QPointF(7, -6), 9.0, 14);
      Ball(P, M + Path * 0.22, Path);
      break;
    case 5:
      Cannon(P, 1);
      Smoke(P, Scale, M + QPointF(3, -3), 20, 0.08, 0.96, 33);
      Ball(P, M + Path * 0.45, Path);
      break;
    case 6:
      Cannon(P, 0);
      Smoke(P, Scale, M + QPointF(4, -5), 23, 0.22, 0.9, 34);
      Ball(P, M + Path * 0.68, Path);
      break;
    case 7:
      Cannon(P, 0);
      Smoke(P, Scale, M + QPointF(5, -7), 24, 0.4, 0.8, 35);
      Ball(P, M + Path * 0.92, Path); // only its trail is left in the corner
      break;
    case 8:
      Cannon(P, 0);
      Smoke(P, Scale, M + QPointF(6, -9), 26, 0.58, 0.68, 36);
      break;
    case 9:
      Cannon(P, 0);
      Smoke(P, Scale, M + QPointF(7, -11), 26, 0.76, 0.56, 37);
      break;
    case 10:
      Cannon(P, 0);
      Smoke(P, Scale, M + QPointF(8, -13), 25, 0.9, 0.44, 38);
      break;
    case 11:
      Cannon(P, 0);
      Smoke(P, Scale, M + QPointF(9, -15), 23, 0.96, 0.32, 39);
      break;
    default: // 0 and 12: at rest
      Cannon(P, 0);
      break;
    }
    P.end();
    Frames.append(Finish(Canvas));
  }
  return Frames;
}

QList<QImage> MirrorFrames(const QList<QImage>& Frames) {
  QList<QImage> Mirrored;
  for (const QImage& F : Frames) {
    Mirrored.append(F.mirrored(true, false));
  }
  return Mirrored;
}

QByteArray EncodeCannonGif(const QList<QImage>& Frames) {
  TPaletteQuantizer Quantizer(qRgb(255, 255, 255), TransparentIndex);
  for (const QImage& F : Frames) {
    Quantizer.AddPicture(F);
  }
  const QList<QRgb> Palette = Quantizer.Build(254);
  TGifEncoder Encoder(Frames.value(0).width(), Frames.value(0).height(), Palette, TransparentIndex);
  for (int K = 0; K < Frames.size(); ++K) {
    TGifEncoder::TFrame Frame;
    Frame.Indexed = Quantizer.Map(Frames[K]);
    Frame.Disposal = (K == 1 || K == Frames.size() - 1) ? 1 : 2;
    Frame.DelayCs = 15;
    Encoder.AddFrame(Frame);
  }
  return Encoder.Encode();
}
