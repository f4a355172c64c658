// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TPictures.h"

#include "uUtils.h"

#include <QBitmap>
#include <QImage>

namespace {

QPixmap Masked(const QImage& Image, QRgb Transparent) {
  QPixmap Pixmap = QPixmap::fromImage(Image);
  Pixmap.setMask(QBitmap::fromImage(Image.createMaskFromColor(Transparent, Qt::MaskInColor)));
  return Pixmap;
}

// A button glyph: its bottom-left pixel gives the transparent colour.
QPixmap Glyph(const QImage& Image) {
  if (Image.isNull())
    return {};
  return Masked(Image, Image.pixel(0, Image.height() - 1));
}

QImage Load(const char* Name) {
  return QImage(QStringLiteral(":/pictures/") + QLatin1String(Name));
}

} // namespace

TPictures::TPictures() {
  FMyBackground = QPixmap::fromImage(Load("background-my.png"));
  FEnemyBackground = QPixmap::fromImage(Load("background-enemy.png"));
  const char* const Ships[] = {"ship1.png", "ship2.png", "ship3.png", "ship4.png"};
  for (int I = 0; I < 4; ++I) {
    const QImage Horizontal = Load(Ships[I]).convertToFormat(QImage::Format_RGB32);
    FShipImages[I].FPixmap = Masked(Horizontal, qRgb(255, 255, 255));
    QImage Vertical = Horizontal;
    RotateBitmap(Vertical, 0xFFFFFF, -90);
    FShipImages[I + 4].FPixmap =
        Masked(Vertical.convertToFormat(QImage::Format_RGB32), qRgb(255, 255, 255));
  }
  FTargetCursor = QCursor(QPixmap::fromImage(Load("cursor-target.png")), 15, 15);
  for (const char* Icon :
       {"icon-32.png", "icon-48.png", "icon-64.png", "icon-128.png", "icon-256.png"})
    FIcon.addPixmap(QPixmap::fromImage(Load(Icon)));
  FHeader = QPixmap::fromImage(Load("header.png"));
  FFooter = QPixmap::fromImage(Load("footer.png"));
  FNewGlyph = QIcon(Glyph(Load("glyph-new.png")));
  FOptionsGlyph = QIcon(Glyph(Load("glyph-options.png")));
  const QImage Start = Load("glyph-start.png");
  const QPixmap StartPair = Glyph(Start);
  if (!StartPair.isNull()) {
    const int Half = StartPair.width() / 2;
    FStartGlyph.addPixmap(StartPair.copy(0, 0, Half, StartPair.height()), QIcon::Normal);
    FStartGlyph.addPixmap(StartPair.copy(Half, 0, Half, StartPair.height()), QIcon::Disabled);
  }
  // The mask marks transparent pixels black, a pixmap mask marks the opaque ones: invert it.
  QImage FireMask = Load("fire-mask.png").convertToFormat(QImage::Format_Mono);
  FireMask.invertPixels();
  FFire = QPixmap::fromImage(Load("fire.png"));
  if (!FFire.isNull() && FireMask.size() == FFire.size())
    FFire.setMask(QBitmap::fromImage(FireMask));
}

TFleets::TShipImages TPictures::ShipImages() const {
  TFleets::TShipImages Images{};
  for (int I = 0; I < 8; ++I)
    Images[I] = &FShipImages[I];
  return Images;
}
