// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// Writes every picture of the game into one folder: salvora-art <folder>.
// The output depends on nothing but this code: fixed seeds, no clock, no text rendering.
#include "ArtCanvas.h"
#include "Cannon.h"
#include "Emblems.h"
#include "Fire.h"
#include "Glyphs.h"
#include "Sea.h"
#include "Ships.h"
#include "Strips.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>

namespace {

// The 1x pictures are written as they always were (their bytes are compared from build to
// build); the larger sets take zlib's strongest compression, which makes them some 5 % smaller.
bool Save(const QImage& Picture, const QString& Folder, const QString& Name, int Scale = 1) {
  const QString Path = QDir(Folder).filePath(Name);
  const bool Jpeg = Name.endsWith(QLatin1String(".jpg"));
  if (!Picture.save(Path, Jpeg ? "JPEG" : "PNG", Jpeg ? 95 : Scale == 1 ? -1 : 0)) {
    std::fprintf(stderr, "salvora-art: cannot write %s\n", qPrintable(Path));
    return false;
  }
  return true;
}

bool SaveBytes(const QByteArray& Bytes, const QString& Folder, const QString& Name) {
  QFile File(QDir(Folder).filePath(Name));
  if (!File.open(QIODevice::WriteOnly) || File.write(Bytes) != Bytes.size() || !File.flush()) {
    std::fprintf(stderr, "salvora-art: cannot write %s\n", qPrintable(File.fileName()));
    return false;
  }
  return true;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: salvora-art <output folder>\n");
    return 2;
  }
  const QString Folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(Folder)) {
    std::fprintf(stderr, "salvora-art: cannot create %s\n", argv[1]);
    return 1;
  }
  bool Ok = true;
  // Every picture at 1x, 2x and 3x (name.png, name@2x.png, name@3x.png), from the same code.
  for (int Scale = 1; Scale <= 3; ++Scale) {
    auto Name = [Scale](const QString& Base, const QString& Suffix = QStringLiteral(".png")) {
      return ScaledName(Base, Suffix, Scale);
    };
    // The seas are photographs of a kind: at 2x and 3x JPEG at quality 95 keeps every ripple
    // (no difference the eye can find) in 40 % of the bytes of a PNG.
    const QString Sea = Scale == 1 ? QStringLiteral(".png") : QStringLiteral(".jpg");
    Ok &= Save(MakeSeaBackground({0x1234u, QColor(16, 58, 112), QColor(58, 126, 170), 0.35}, Scale),
               Folder, Name("background-my", Sea), Scale);
    Ok &= Save(MakeSeaBackground({0x9876u, QColor(12, 74, 98), QColor(50, 140, 142), -0.5}, Scale),
               Folder, Name("background-enemy", Sea), Scale);
    for (int Decks = 1; Decks <= 4; ++Decks) {
      Ok &= Save(MakeShip(Decks, Scale), Folder, Name(QStringLiteral("ship%1").arg(Decks)), Scale);
    }
    Ok &= Save(MakeTargetCursor(Scale), Folder, Name("cursor-target"), Scale);
    Ok &= Save(MakeHeaderStrip(Scale), Folder, Name("header"), Scale);
    Ok &= Save(MakeFooterStrip(Scale), Folder, Name("footer"), Scale);
    Ok &= Save(MakeNewGlyph(Scale), Folder, Name("glyph-new"), Scale);
    Ok &= Save(MakeStartGlyph(Scale), Folder, Name("glyph-start"), Scale);
    Ok &= Save(MakeOptionsGlyph(Scale), Folder, Name("glyph-options"), Scale);
    Ok &= Save(MakeNetGlyph(Scale), Folder, Name("glyph-net"), Scale);
    const QList<QImage> Fire = MakeFireFrames(Scale);
    Ok &= Save(MakeFireSheet(Fire), Folder, Name("fire"), Scale);
    Ok &= Save(MakeFireMask(Fire), Folder, Name("fire-mask"), Scale);
    const QList<QImage> Cannon = MakeCannonFrames(Scale);
    Ok &= SaveBytes(EncodeCannonGif(Cannon), Folder, Name("cannon-my", ".gif"));
    Ok &= SaveBytes(EncodeCannonGif(MirrorFrames(Cannon)), Folder, Name("cannon-enemy", ".gif"));
  }
  // The icon is drawn at every size it is shown in: 32 px at 2x is the 64 px one; at 3x Qt
  // scales the 128 px one down, as at any scale between the sizes.
  for (int Size : {32, 48, 64, 128, 256}) {
    Ok &= Save(MakeIcon(Size), Folder, QStringLiteral("icon-%1.png").arg(Size));
  }
  return Ok ? 0 : 1;
}
