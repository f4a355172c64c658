// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// Renders every picture of the game onto one sheet, the way the game shows them:
// salvora-contact-sheet <out.png>. The vertical ships come from RotateBitmap, the cannon frames
// from Qt's own GIF decoding (which composes frames by their disposal), the fire frames through
// their mask. No text is drawn, so the sheet does not depend on the fonts of the machine.
#include "uUtils.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int SheetWidth = 690;
constexpr int Margin = 10;
const QColor SheetGround(44, 48, 54);
const QColor LightGround(226, 222, 214);
const QColor ButtonFace(236, 236, 236);

QImage Picture(const char* Name) {
  QImage P(QStringLiteral(":/pictures/%1").arg(QLatin1String(Name)));
  if (P.isNull()) {
    std::fprintf(stderr, "salvora-contact-sheet: missing picture %s\n", Name);
  }
  return P;
}

// The picture with every pixel of colour Key made transparent.
QImage Keyed(const QImage& Source, QRgb Key) {
  QImage Out = Source.convertToFormat(QImage::Format_ARGB32);
  for (int Y = 0; Y < Out.height(); ++Y) {
    QRgb* Row = reinterpret_cast<QRgb*>(Out.scanLine(Y));
    for (int X = 0; X < Out.width(); ++X) {
      if ((Row[X] & 0xFFFFFF) == (Key & 0xFFFFFF)) {
        Row[X] = 0;
      }
    }
  }
  return Out;
}

QImage Glyph(const char* Name) {
  const QImage G = Picture(Name);
  return G.isNull() ? G : Keyed(G, G.pixel(0, G.height() - 1));
}

// Fire frame K cut from the sheet, drawn through the 1-bit mask (black = transparent).
QImage FireFrame(const QImage& Sheet, const QImage& Mask, int K) {
  const QRect Cell((K % 4) * 30, (K / 4) * 60, 30, 60);
  QImage Frame = Sheet.copy(Cell).convertToFormat(QImage::Format_ARGB32);
  const QImage M = Mask.copy(Cell).convertToFormat(QImage::Format_RGB32);
  for (int Y = 0; Y < 60; ++Y) {
    for (int X = 0; X < 30; ++X) {
      if (qRed(M.pixel(X, Y)) == 0) {
        Frame.setPixel(X, Y, 0);
      }
    }
  }
  return Frame;
}

void Zoomed(QPainter& P, int X, int Y, const QImage& Image, int Factor) {
  P.drawImage(QRect(X, Y, Image.width() * Factor, Image.height() * Factor), Image);
}

} // namespace

int main(int argc, char** argv) {
  QCoreApplication App(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: salvora-contact-sheet <out.png>\n");
    return 2;
  }
  const QImage Footer = Picture("footer.png");
  const QImage SeaMy = Picture("background-my.png");
  const QImage SeaEnemy = Picture("background-enemy.png");

  QImage Sheet(SheetWidth, 2600, QImage::Format_RGB32);
  Sheet.fill(SheetGround);
  QPainter P(&Sheet);
  int Y = Margin;

  // The two board backgrounds.
  P.drawImage(Margin, Y, SeaMy);
  P.drawImage(SheetWidth - Margin - 320, Y, SeaEnemy);
  Y += 320 + Margin;

  // The eight ship pictures at twice their size over the sea, white transparent as in the game:
  // the horizontal four as stored, the vertical four made by RotateBitmap at -90 degrees.
  P.drawImage(QRect(Margin, Y, SheetWidth - 2 * Margin, 280), SeaMy, QRect(0, 30, 320, 140));
  for (int D = 1; D <= 4; ++D) {
    const QImage Ship = Picture(qPrintable(QStringLiteral("ship%1.png").arg(D)));
    Zoomed(P, Margin + 12, Y + 10 + (D - 1) * 66, Keyed(Ship, 0xFFFFFF), 2);
    QImage Vertical = Ship;
    RotateBitmap(Vertical, 0xFFFFFF, -90);
    Zoomed(P, Margin + 300 + (D - 1) * 90, Y + 12, Keyed(Vertical, 0xFFFFFF), 2);
  }
  Y += 280 + Margin;

  // Header and footer strips.
  P.drawImage(Margin - 6, Y, Picture("header.png"));
  Y += 44 + 4;
  P.drawImage(Margin - 6, Y, Footer);
  Y += 87 + Margin;

  // Every cannon frame as Qt composes it, over the footer where the cannon stands.
  struct TCannon {
    const char* Name;
    int FooterX;
  };
  for (const TCannon& C : {TCannon{"cannon-my.gif", 3}, TCannon{"cannon-enemy.gif", 569}}) {
    QImageReader Reader(QStringLiteral(":/pictures/%1").arg(QLatin1String(C.Name)));
    for (int K = 0; K < 13; ++K) {
      const QImage Frame = Reader.read();
      const int X = Margin + (K % 6) * 112;
      const int Top = Y + (K / 6) * 89;
      P.drawImage(X, Top, Footer, C.FooterX, 0, 110, 87);
      P.drawImage(X, Top, Frame);
    }
    Y += 3 * 89 + Margin;
  }

  // The 33 fire frames at twice their size, through their mask, on a dark and a light ground.
  const QImage FireSheet = Picture("fire.png");
  const QImage FireMask = Picture("fire-mask.png");
  for (const QColor& Ground : {QColor(24, 30, 38), LightGround}) {
    P.fillRect(Margin, Y, SheetWidth - 2 * Margin, 3 * 122 + 4, Ground);
    for (int K = 0; K < 33; ++K) {
      Zoomed(P, Margin + 4 + (K % 11) * 60, Y + 2 + (K / 11) * 122,
             FireFrame(FireSheet, FireMask, K), 2);
    }
    Y += 3 * 122 + 4 + Margin;
  }

  // Cursor over the sea, the icon at every size, the three glyphs on a button face.
  P.drawImage(QRect(Margin, Y, 96, 96), SeaEnemy, QRect(100, 100, 48, 48));
  Zoomed(P, Margin + 16, Y + 16, Picture("cursor-target.png"), 2);
  int X = Margin + 110;
  for (int Size : {256, 128, 64, 48, 32}) {
    P.drawImage(X, Y, Picture(qPrintable(QStringLiteral("icon-%1.png").arg(Size))));
    X += Size + 8;
  }
  const int GlyphTop = Y + 160;
  P.fillRect(Margin, GlyphTop, 100, 96, ButtonFace);
  Zoomed(P, Margin + 6, GlyphTop + 4, Glyph("glyph-new.png"), 2);
  Zoomed(P, Margin + 52, GlyphTop + 8, Glyph("glyph-options.png"), 2);
  Zoomed(P, Margin + 6, GlyphTop + 50, Glyph("glyph-start.png"), 2);
  P.end();
  Sheet = Sheet.copy(0, 0, SheetWidth, Y + 256 + Margin);

  if (!Sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "salvora-contact-sheet: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
