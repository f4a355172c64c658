// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// cursor-probe: the X server's cursor now, as "width height xhot yhot column row": column and row
// are the first opaque ones near its top and left edges, for the aiming cursor its crossing.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <cstdio>

int main() {
  Display* X = XOpenDisplay(nullptr);
  XFixesCursorImage* Cursor = X ? XFixesGetCursorImage(X) : nullptr;
  if (!Cursor)
    return 1;
  auto Opaque = [Cursor](int Column, int Row) {
    return ((Cursor->pixels[Row * Cursor->width + Column] >> 24) & 0xFF) == 0xFF;
  };
  int Column = -1, Row = -1;
  for (int C = 0; C < Cursor->width && Column < 0; ++C)
    if (Opaque(C, 1))
      Column = C;
  for (int R = 0; R < Cursor->height && Row < 0; ++R)
    if (Opaque(1, R))
      Row = R;
  std::printf("%d %d %d %d %d %d\n", Cursor->width, Cursor->height, Cursor->xhot, Cursor->yhot,
              Column, Row);
  XFree(Cursor);
  XCloseDisplay(X);
  return 0;
}
