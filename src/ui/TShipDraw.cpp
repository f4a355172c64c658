// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "BoardGeometry.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TShip.h"

#include <QPainter>

// The picture covers exactly the ship's cells; its white is masked out.
void TShip::Draw(TCanvas& Canvas) const {
  const TBitmap* Image = FVertical ? FVertImage : FHorzImage;
  if (!Image)
    return;
  const TPoint At = CellToPixel(FPos);
  Canvas.Painter.drawPixmap(At.X, At.Y, Image->FPixmap);
}
