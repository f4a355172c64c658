// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// The pictures' own files, name.png at 1x and name@2x.png, name@3x.png in the finer sets: the
// tests' expected pixels come from here, never from what the game built of them.
#pragma once

#include <QImage>
#include <QString>

inline QString ArtPath(const QString& Name, int Scale) {
  QString File = QStringLiteral(":/pictures/") + Name;
  if (Scale != 1)
    File.insert(File.lastIndexOf(u'.'), QStringLiteral("@%1x").arg(Scale));
  return File;
}

inline QImage Art(const QString& Name, int Scale) {
  return QImage(ArtPath(Name, Scale));
}
