// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TBitmap.h"
#include "TFleets.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <array>

// Every picture the main window shows, loaded from the program's resources when the window
// is made. The vertical ship pictures are turned from the horizontal ones.
//
// The pictures are drawn at 1x, 2x and 3x. A screen of device pixel ratio Ratio gets the set
// of the next larger whole scale, scaled down smoothly when the ratio is fractional (1.25,
// 1.5), and every pixmap carries Ratio as its device pixel ratio: it keeps its logical size
// and shows as many pixels as the screen has.
class TPictures {
public:
  explicit TPictures(qreal Ratio = ScreenRatio());

  // The device pixel ratio of the primary screen, where the window opens.
  static qreal ScreenRatio();
  // The set drawn for a ratio: 1, 2 or 3.
  static int ScaleFor(qreal Ratio);

  TFleets::TShipImages ShipImages() const;

  qreal FRatio = 1.0;
  int FScale = 1;
  QPixmap FMyBackground;
  QPixmap FEnemyBackground;
  std::array<TBitmap, 8> FShipImages;
  QCursor FTargetCursor;
  QIcon FIcon;
  QPixmap FHeader;
  QPixmap FFooter;
  QIcon FNewGlyph;
  QIcon FStartGlyph; // the second image is shown while the button is disabled
  QIcon FOptionsGlyph;
  QIcon FNetGlyph;
  QPixmap FFire; // 33 frames of 30 × 60 logical pixels, four to a row, masked
  QString FMyCannon = QStringLiteral(":/pictures/cannon-my.gif");
  QString FEnemyCannon = QStringLiteral(":/pictures/cannon-enemy.gif");
};
