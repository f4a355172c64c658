// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TPictures.h"

#include "TJvBmpAnimator.h"
#include "uUtils.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace {

constexpr int FireFrames = 33;

bool Whole(qreal Ratio, int Scale) {
  return std::abs(Ratio - Scale) < 0.01;
}

// A picture drawn at Scale device pixels to a logical one, for a screen of Ratio: as it is at a
// whole ratio; scaled smoothly to the screen's pixels at a fractional one.
QPixmap ForScreen(QImage Picture, int Scale, qreal Ratio) {
  if (!Whole(Ratio, Scale)) {
    const QSize Logical = Picture.size() / Scale;
    Picture = Picture.scaled(qRound(Logical.width() * Ratio), qRound(Logical.height() * Ratio),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  Picture.setDevicePixelRatio(Whole(Ratio, Scale) ? Scale : Ratio);
  return QPixmap::fromImage(Picture);
}

// The picture with its transparent colour cleared to nothing, so that scaling blends its edges
// with what lies beneath and never with the colour that marked the background.
QImage KeyedOut(const QImage& Picture, QRgb Transparent) {
  QImage Result = Picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int Y = 0; Y < Result.height(); ++Y) {
    QRgb* Row = reinterpret_cast<QRgb*>(Result.scanLine(Y));
    for (int X = 0; X < Result.width(); ++X)
      if ((Row[X] & 0xFFFFFF) == (Transparent & 0xFFFFFF))
        Row[X] = 0;
  }
  return Result;
}

QPixmap Masked(const QImage& Image, QRgb Transparent, int Scale, qreal Ratio) {
  if (!Whole(Ratio, Scale))
    return ForScreen(KeyedOut(Image, Transparent), Scale, Ratio);
  QPixmap Pixmap = QPixmap::fromImage(Image);
  Pixmap.setMask(QBitmap::fromImage(Image.createMaskFromColor(Transparent, Qt::MaskInColor)));
  Pixmap.setDevicePixelRatio(Scale);
  return Pixmap;
}

// A button glyph: its bottom-left pixel gives the transparent colour.
QPixmap Glyph(const QImage& Image, int Scale, qreal Ratio) {
  if (Image.isNull())
    return {};
  return Masked(Image, Image.pixel(0, Image.height() - 1), Scale, Ratio);
}

// The fire sheet through its mask. The mask marks transparent pixels black, a pixmap mask marks
// the opaque ones: it is inverted. At a fractional ratio every frame is scaled on its own into
// a sheet of whole device pixels, so that no frame bleeds into its neighbour.
QPixmap FireSheet(const QImage& Sheet, QImage Mask, int Scale, qreal Ratio) {
  if (Sheet.isNull() || Mask.size() != Sheet.size())
    return {};
  Mask = Mask.convertToFormat(QImage::Format_Mono);
  Mask.invertPixels();
  QPixmap Masked = QPixmap::fromImage(Sheet);
  Masked.setMask(QBitmap::fromImage(Mask));
  if (Whole(Ratio, Scale)) {
    Masked.setDevicePixelRatio(Scale);
    return Masked;
  }
  QImage Source = Masked.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  Source.setDevicePixelRatio(1); // pixels for pixels while the frames are laid out
  const int Rows = (FireFrames + TJvBmpAnimator::FramesPerRow - 1) / TJvBmpAnimator::FramesPerRow;
  const QSize From(Source.width() / TJvBmpAnimator::FramesPerRow, Source.height() / Rows);
  const QSize To(qRound(TJvBmpAnimator::FrameWidth * Ratio),
                 qRound(TJvBmpAnimator::FrameHeight * Ratio));
  QImage Result(To.width() * TJvBmpAnimator::FramesPerRow, To.height() * Rows,
                QImage::Format_ARGB32_Premultiplied);
  Result.fill(Qt::transparent);
  {
    QPainter Painter(&Result);
    Painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int K = 0; K < FireFrames; ++K) {
      const int Column = K % TJvBmpAnimator::FramesPerRow, Row = K / TJvBmpAnimator::FramesPerRow;
      const QImage Frame = Source.copy(QRect({Column * From.width(), Row * From.height()}, From))
                               .scaled(To, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      Painter.drawImage(Column * To.width(), Row * To.height(), Frame);
    }
  }
  Result.setDevicePixelRatio(Ratio);
  return QPixmap::fromImage(Result);
}

} // namespace

qreal TPictures::ScreenRatio() {
  const QScreen* Screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
  return Screen ? Screen->devicePixelRatio() : 1.0;
}

int TPictures::ScaleFor(qreal Ratio) {
  return std::clamp(int(std::ceil(Ratio - 0.01)), 1, 3);
}

TPictures::TPictures(qreal Ratio) : FRatio(Ratio > 0 ? Ratio : 1.0), FScale(ScaleFor(FRatio)) {
  const int Scale = FScale;
  auto Load = [Scale](const char* Name, const char* Suffix = ".png") {
    const QString Base = QStringLiteral(":/pictures/") + QLatin1String(Name);
    return QImage(Scale == 1 ? Base + QLatin1String(Suffix)
                             : QStringLiteral("%1@%2x%3").arg(Base).arg(Scale).arg(Suffix));
  };
  const char* const Sea = Scale == 1 ? ".png" : ".jpg"; // the larger seas are photographs
  FMyBackground = ForScreen(Load("background-my", Sea), Scale, FRatio);
  FEnemyBackground = ForScreen(Load("background-enemy", Sea), Scale, FRatio);
  const char* const Ships[] = {"ship1", "ship2", "ship3", "ship4"};
  for (int I = 0; I < 4; ++I) {
    const QImage Horizontal = Load(Ships[I]).convertToFormat(QImage::Format_RGB32);
    FShipImages[I].FPixmap = Masked(Horizontal, qRgb(255, 255, 255), Scale, FRatio);
    QImage Vertical = Horizontal;
    TurnShipPicture(Vertical, Scale);
    FShipImages[I + 4].FPixmap =
        Masked(Vertical.convertToFormat(QImage::Format_RGB32), qRgb(255, 255, 255), Scale, FRatio);
  }
  // The hot spot is the crossing's top-left pixel, (15, 15) logical. Qt's X11 platform takes it
  // in the pixmap's own pixels (the others in logical ones): there it is the first device
  // pixel wholly inside that logical pixel.
  const QPixmap Cursor = ForScreen(Load("cursor-target"), Scale, FRatio);
  const int Hot = QGuiApplication::platformName() == QLatin1String("xcb")
                      ? int(std::ceil(15 * Cursor.devicePixelRatio()))
                      : 15;
  FTargetCursor = QCursor(Cursor, Hot, Hot);
  for (const char* Icon :
       {"icon-32.png", "icon-48.png", "icon-64.png", "icon-128.png", "icon-256.png"})
    FIcon.addPixmap(QPixmap::fromImage(QImage(QStringLiteral(":/pictures/") + Icon)));
  FHeader = ForScreen(Load("header"), Scale, FRatio);
  FFooter = ForScreen(Load("footer"), Scale, FRatio);
  FNewGlyph = QIcon(Glyph(Load("glyph-new"), Scale, FRatio));
  FOptionsGlyph = QIcon(Glyph(Load("glyph-options"), Scale, FRatio));
  FNetGlyph = QIcon(Glyph(Load("glyph-net"), Scale, FRatio));
  // The start glyph's two halves are cut from the set before it is scaled to the screen.
  const QImage Start = Load("glyph-start");
  if (!Start.isNull()) {
    const int Half = Start.width() / 2;
    FStartGlyph.addPixmap(Glyph(Start.copy(0, 0, Half, Start.height()), Scale, FRatio),
                          QIcon::Normal);
    FStartGlyph.addPixmap(Glyph(Start.copy(Half, 0, Half, Start.height()), Scale, FRatio),
                          QIcon::Disabled);
  }
  FFire = FireSheet(Load("fire"), Load("fire-mask"), Scale, FRatio);
  if (Scale != 1) {
    FMyCannon = QStringLiteral(":/pictures/cannon-my@%1x.gif").arg(Scale);
    FEnemyCannon = QStringLiteral(":/pictures/cannon-enemy@%1x.gif").arg(Scale);
  }
}

TFleets::TShipImages TPictures::ShipImages() const {
  TFleets::TShipImages Images{};
  for (int I = 0; I < 8; ++I)
    Images[I] = &FShipImages[I];
  return Images;
}
