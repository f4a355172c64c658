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
class TPictures {
public:
  TPictures();

  TFleets::TShipImages ShipImages() const;

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
  QPixmap FFire; // 33 frames of 30 × 60, four to a row, masked
  QString FMyCannon = QStringLiteral(":/pictures/cannon-my.gif");
  QString FEnemyCannon = QStringLiteral(":/pictures/cannon-enemy.gif");
};
