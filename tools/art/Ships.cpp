// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "Ships.h"

#include "ArtCanvas.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

const QColor Outline(34, 38, 44);
const QColor SeaFringe(40, 92, 132);

// Fills a part with light from above: lighter at its top edge, darker at its foot.
void Part(QPainter& P, const QPainterPath& Path, QColor Base, double Top, double Bottom,
          double Pen = 0.7) {
  PaintLitPart(P, Path, Base, Top, Bottom, Outline, Pen);
}

QPainterPath Box(double X1, double Y1, double X2, double Y2) {
  QPainterPath Path;
  Path.addRect(QRectF(X1, Y1, X2 - X1, Y2 - Y1));
  return Path;
}

QPainterPath Poly(std::initializer_list<QPointF> Points) {
  QPainterPath Path;
  bool First = true;
  for (const QPointF& Pt : Points) {
    if (First) {
      Path.moveTo(Pt);
      First = false;
    } else {
      Path.lineTo(Pt);
    }
  }
  Path.closeSubpath();
  return Path;
}

void Line(QPainter& P, double X1, double Y1, double X2, double Y2, QColor C, double Width) {
  P.setPen(QPen(C, Width, Qt::SolidLine, Qt::FlatCap));
  P.drawLine(QPointF(X1, Y1), QPointF(X2, Y2));
}

// A row of small windows or portholes.
void Windows(QPainter& P, double X1, double X2, double Y, double Step, QColor C, double Size) {
  P.setPen(Qt::NoPen);
  P.setBrush(C);
  for (double X = X1; X <= X2 + 0.01; X += Step) {
    P.drawRect(QRectF(X, Y, Size, Size));
  }
}

// The waterline: a thin highlight of foam where the hull meets the sea.
void Waterline(QPainter& P, double X1, double X2, double Y) {
  Line(P, X1, Y, X2, Y, QColor(200, 220, 230, 160), 0.8);
}

void DrawSubmarine(QPainter& P) {
  const QColor Grey(112, 120, 130);
  // Rudder at the stern, on the left edge.
  Part(P, Poly({{0, 18.5}, {1.5, 18.5}, {5, 22}, {5, 25}, {0, 25}}), Shade(Grey, 0.9), 18, 25);
  QPainterPath Hull;
  Hull.moveTo(0, 24.2);
  Hull.cubicTo(3, 21.0, 9, 19.8, 16, 19.8);
  Hull.cubicTo(24, 19.8, 29.5, 20.6, 31.8, 23.8);
  Hull.cubicTo(30.5, 27.0, 25, 28.4, 16, 28.4);
  Hull.cubicTo(9, 28.4, 3, 27.2, 0, 24.2);
  Part(P, Hull, Grey, 19.8, 28.4);
  // Sail (conning tower) with its diving planes.
  QPainterPath Sail;
  Sail.moveTo(12, 21);
  Sail.lineTo(13, 14.5);
  Sail.cubicTo(13.2, 13.4, 14, 13, 15, 13);
  Sail.lineTo(19.5, 13);
  Sail.cubicTo(20.6, 13, 21.3, 14, 21.4, 15);
  Sail.lineTo(21.6, 21);
  Sail.closeSubpath();
  Part(P, Sail, Shade(Grey, 1.08), 13, 21);
  Part(P, Box(10.5, 16.6, 23.5, 17.8), Shade(Grey, 0.8), 16.6, 17.8, 0.5);
  // Periscope and antenna above the sail.
  Line(P, 18.2, 4.5, 18.2, 13.2, Outline, 1.3);
  Line(P, 18.2, 4.8, 20.2, 4.8, Outline, 1.4);
  Line(P, 15.2, 8.0, 15.2, 13.2, QColor(70, 76, 84), 0.9);
  // Deck highlight and limber holes.
  Line(P, 5, 21.2, 27, 21.0, QColor(196, 204, 212), 0.8);
  Windows(P, 6, 26, 24.2, 2.5, QColor(40, 44, 52), 0.9);
  Waterline(P, 1, 30.5, 26.6);
}

void DrawGunboat(QPainter& P) {
  const QColor Hull(146, 62, 42);
  const QColor White(236, 234, 226);
  // Mast with its yard and stays, behind everything.
  Line(P, 37.5, 0.5, 37.5, 11, Outline, 1.2);
  Line(P, 34, 3.5, 41, 3.5, Outline, 1.0);
  Line(P, 37.5, 1.5, 61.5, 16.5, QColor(60, 60, 64), 1.0);
  // Hull: raked bow on the right, counter stern on the left.
  QPainterPath H;
  H.moveTo(3, 19.5);
  H.lineTo(62.5, 16.5);
  H.cubicTo(61, 21, 58.5, 26, 55, 28.8);
  H.lineTo(9, 28.8);
  H.cubicTo(6, 27, 4, 23, 3, 19.5);
  Part(P, H, Hull, 16.5, 28.8);
  // Green deck band along the sheer.
  QPainterPath Band;
  Band.moveTo(3, 19.5);
  Band.lineTo(62.5, 16.5);
  Band.lineTo(62, 18.3);
  Band.lineTo(3.4, 21.3);
  Band.closeSubpath();
  Part(P, Band, QColor(52, 118, 64), 16.5, 21.5, 0.5);
  Windows(P, 12, 52, 22.6, 5, QColor(52, 30, 24), 1.2);
  Line(P, 9, 26.2, 56.5, 26.2, QColor(40, 26, 22), 1.0); // boot-top
  // White superstructure: deckhouse, bridge, funnel.
  Part(P, Box(19, 13, 43, 19.4), White, 13, 19.4);
  Part(P, Poly({{32, 13}, {32, 8.6}, {43.5, 8.6}, {45, 13}}), White, 8.6, 13);
  Windows(P, 34, 43, 10, 2.2, QColor(44, 70, 96), 1.2);
  Windows(P, 21, 41, 15.2, 3, QColor(70, 84, 98), 1.1);
  Part(P, Poly({{24, 13}, {25, 6.5}, {30, 6.5}, {30.2, 13}}), QColor(214, 190, 120), 6.5, 13);
  Part(P, Box(24.9, 5.8, 30.1, 7.4), QColor(30, 30, 34), 5.8, 7.4, 0.4);
  // Bow gun.
  Line(P, 52, 14.4, 59, 12.6, Outline, 1.3);
  Part(P, Poly({{48.5, 17.4}, {49.5, 13.6}, {54, 13.6}, {55, 17}}), QColor(120, 128, 132), 13.6,
       17.4);
  Waterline(P, 9, 56, 27.5);
}

void DrawFrigate(QPainter& P) {
  const QColor Grey(178, 184, 190);
  // Lattice mast with radar, behind the superstructure.
  Part(P, Poly({{47, 10}, {49.5, 1.5}, {51, 1.5}, {53.5, 10}}), Shade(Grey, 0.85), 1.5, 10, 0.6);
  Line(P, 46.5, 2.2, 54, 2.2, Outline, 1.1);
  Line(P, 50.2, 0, 50.2, 2, Outline, 0.9);
  // Hull, reaching the left edge with its flight deck.
  QPainterPath H;
  H.moveTo(0, 19.2);
  H.lineTo(70, 18.2);
  H.lineTo(95.6, 15.6);
  H.cubicTo(93.5, 20, 91.5, 24.5, 88, 28.6);
  H.lineTo(0, 28.6);
  H.closeSubpath();
  Part(P, H, Grey, 15.6, 28.6);
  Line(P, 0, 26.8, 89.5, 26.8, QColor(58, 60, 66), 1.6);  // boot-top
  Line(P, 1, 20.3, 92, 17.6, QColor(214, 218, 222), 0.6); // deck-edge highlight
  // Hangar, main block, stack, bridge.
  Part(P, Poly({{12, 18.8}, {13, 11.5}, {38, 11.5}, {38, 18.6}}), Grey, 11.5, 18.8);
  Part(P, Box(37, 9.5, 61, 18.4), Shade(Grey, 1.03), 9.5, 18.4);
  Part(P, Poly({{29, 11.5}, {30.5, 5.5}, {37.5, 5.5}, {38.5, 11.5}}), Shade(Grey, 0.92), 5.5, 11.5);
  Part(P, Box(30.3, 5, 37.7, 6.3), QColor(40, 42, 46), 5, 6.3, 0.4);
  Part(P, Poly({{54, 18.2}, {54, 7.5}, {63.5, 7.5}, {67.5, 13}, {67.5, 18.2}}), Grey, 7.5, 18.2);
  Line(P, 59, 9.6, 64.6, 9.6, QColor(38, 56, 76), 1.4); // bridge windows
  // Point-defence dome on the hangar and the hangar door.
  P.setBrush(QColor(226, 228, 230));
  P.setPen(QPen(Outline, 0.6));
  P.drawEllipse(QRectF(17.5, 8.5, 5, 4));
  Part(P, Box(14.5, 13.5, 22, 18.6), Shade(Grey, 0.86), 13.5, 18.6, 0.4);
  // Bow gun.
  Line(P, 79, 13.6, 87.5, 11.4, Outline, 1.3);
  QPainterPath Gun;
  Gun.moveTo(73, 17.6);
  Gun.cubicTo(73.5, 13.2, 76, 12.6, 78, 12.6);
  Gun.cubicTo(80.5, 12.6, 81.5, 14.5, 82, 17.2);
  Gun.closeSubpath();
  Part(P, Gun, Shade(Grey, 1.05), 12.6, 17.6);
  Windows(P, 42, 50, 12, 4, QColor(70, 76, 84), 1.1);
  Waterline(P, 0, 89, 28.0);
}

void DrawDestroyer(QPainter& P) {
  const QColor Light(158, 164, 170);
  const QColor Mid(112, 120, 130);
  const QColor Dark(72, 80, 92);
  const QColor Blue(118, 134, 150);
  // Tripod mast with its yard.
  Line(P, 85.5, 0.5, 85.5, 8, Outline, 1.2);
  Line(P, 85.5, 2, 82, 8, Outline, 0.8);
  Line(P, 81.5, 3.4, 89.5, 3.4, Outline, 1.0);
  Line(P, 52, 2.6, 52, 8, Outline, 0.9);

  // The hull and the superstructure, filled together with the dazzle camouflage.
  QPainterPath Hull;
  Hull.moveTo(2, 19.6);
  Hull.lineTo(88, 17.6);
  Hull.lineTo(127.6, 14.6);
  Hull.cubicTo(125, 19.5, 121.5, 24.5, 117, 29.2);
  Hull.lineTo(8, 29.2);
  Hull.cubicTo(5, 27, 3, 23, 2, 19.6);
  QPainterPath Upper;
  Upper.setFillRule(Qt::WindingFill); // overlapping blocks must not cancel out
  Upper.addPath(Poly({{78, 18}, {79, 9}, {91, 9}, {95, 13.2}, {96, 18}}));
  Upper.addPath(Poly({{83, 9.2}, {84, 6.6}, {90, 6.6}, {90.5, 9.2}}));
  Upper.addPath(Poly({{22, 19.2}, {22.5, 12.5}, {41, 12.5}, {41.5, 19}}));
  Upper.addPath(Box(40, 14, 74, 18.8));
  const QPainterPath Body = Hull.united(Upper);

  P.save();
  P.setClipPath(Body);
  P.fillRect(QRectF(0, 0, 128, 32), Light);
  P.setPen(Qt::NoPen);
  const QColor Patches[] = {Mid, Dark, Blue, Mid, Dark, Blue, Mid};
  const double Starts[] = {4, 18, 34, 52, 70, 92, 108};
  for (int I = 0; I < 7; ++I) {
    const double X = Starts[I];
    P.setBrush(Patches[I]);
    if (I % 2 == 0) {
      P.drawPath(Poly({{X, 32}, {X + 9, 6}, {X + 16, 6}, {X + 7, 32}}));
    } else {
      P.drawPath(Poly({{X, 6}, {X + 12, 32}, {X + 17, 32}, {X + 4, 6}}));
    }
  }
  // Light from above: a soft shade over the whole body.
  QLinearGradient Shadow(0, 8, 0, 29);
  Shadow.setColorAt(0.0, QColor(255, 255, 255, 50));
  Shadow.setColorAt(0.5, QColor(0, 0, 0, 0));
  Shadow.setColorAt(1.0, QColor(0, 0, 0, 70));
  P.fillRect(QRectF(0, 0, 128, 32), Shadow);
  // Red-brown below the waterline.
  P.fillRect(QRectF(0, 26.4, 128, 4), QColor(142, 58, 40));
  P.fillRect(QRectF(0, 25.6, 128, 0.9), QColor(36, 36, 40));
  P.restore();
  P.setBrush(Qt::NoBrush);
  P.setPen(QPen(Outline, 0.7));
  P.drawPath(Body);

  // Funnels with black caps.
  for (double X : {46.0, 58.0}) {
    Part(P, Poly({{X, 14.2}, {X + 1, 6.5}, {X + 6, 6.5}, {X + 6.4, 14.2}}), Mid, 6.5, 14.2);
    Part(P, Box(X + 0.9, 5.6, X + 6.1, 7.2), QColor(28, 28, 32), 5.6, 7.2, 0.4);
  }
  Line(P, 87.5, 11, 94, 11, QColor(36, 52, 70), 1.3); // bridge windows
  Windows(P, 24, 38, 14.6, 3.5, QColor(48, 56, 66), 1.0);
  Windows(P, 10, 112, 21.6, 6, QColor(40, 44, 52), 0.9);
  // Turrets: two forward firing ahead, two aft firing astern.
  auto Turret = [&P, Mid](double X, double Y, bool Ahead) {
    const double Muzzle = Ahead ? X + 12 : X - 5;
    Line(P, Ahead ? X + 5 : X + 2, Y + 1.2, Muzzle, Y + (Ahead ? -0.6 : -0.6), Outline, 1.2);
    QPainterPath T;
    T.moveTo(X, Y + 3.6);
    T.lineTo(X + 0.8, Y);
    T.lineTo(X + 6.2, Y);
    T.lineTo(X + 7, Y + 3.6);
    T.closeSubpath();
    Part(P, T, Mid, Y, Y + 3.6);
  };
  // A raised deck under the aft turrets: no sea showing between them.
  Part(P, Box(7.5, 17.6, 21, 19.8), Mid, 17.6, 19.8, 0.5);
  Turret(98, 13.8, true);
  Turret(108, 12.4, true);
  Turret(6, 16.2, false);
  Turret(14, 15.8, false);
  Waterline(P, 8, 118, 28.6);
}

} // namespace

QImage MakeShip(int Decks, int Scale) {
  QImage Canvas = MakeCanvas(32 * Decks * Scale, 32 * Scale);
  QPainter P(&Canvas);
  P.setRenderHint(QPainter::Antialiasing);
  if (Scale != 1)
    P.scale(Scale, Scale);
  switch (Decks) {
  case 1:
    DrawSubmarine(P);
    break;
  case 2:
    DrawGunboat(P);
    break;
  case 3:
    DrawFrigate(P);
    break;
  default:
    DrawDestroyer(P);
    break;
  }
  P.end();
  return FlattenToKey(Canvas, SeaFringe, Qt::white);
}
