// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// Writes every picture of the game into one folder: salvora-art <folder>.
// The output depends on nothing but this code: fixed seeds, no clock, no text rendering.
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

bool Save(const QImage& Picture, const QString& Folder, const QString& Name) {
  const QString Path = QDir(Folder).filePath(Name);
  if (!Picture.save(Path, "PNG")) {
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
  Ok &= Save(MakeSeaBackground({0x1234u, QColor(16, 58, 112), QColor(58, 126, 170), 0.35}), Folder,
             "background-my.png");
  Ok &= Save(MakeSeaBackground({0x9876u, QColor(12, 74, 98), QColor(50, 140, 142), -0.5}), Folder,
             "background-enemy.png");
  for (int Decks = 1; Decks <= 4; ++Decks) {
    Ok &= Save(MakeShip(Decks), Folder, QStringLiteral("ship%1.png").arg(Decks));
  }
  Ok &= Save(MakeTargetCursor(), Folder, "cursor-target.png");
  for (int Size : {32, 48, 64, 128, 256}) {
    Ok &= Save(MakeIcon(Size), Folder, QStringLiteral("icon-%1.png").arg(Size));
  }
  Ok &= Save(MakeHeaderStrip(), Folder, "header.png");
  Ok &= Save(MakeFooterStrip(), Folder, "footer.png");
  Ok &= Save(MakeNewGlyph(), Folder, "glyph-new.png");
  Ok &= Save(MakeStartGlyph(), Folder, "glyph-start.png");
  Ok &= Save(MakeOptionsGlyph(), Folder, "glyph-options.png");
  const QList<QImage> Fire = MakeFireFrames();
  Ok &= Save(MakeFireSheet(Fire), Folder, "fire.png");
  Ok &= Save(MakeFireMask(Fire), Folder, "fire-mask.png");
  const QList<QImage> Cannon = MakeCannonFrames();
  Ok &= SaveBytes(EncodeCannonGif(Cannon), Folder, "cannon-my.gif");
  Ok &= SaveBytes(EncodeCannonGif(MirrorFrames(Cannon)), Folder, "cannon-enemy.gif");
  return Ok ? 0 : 1;
}
