#pragma once

class QPainter;

// What a game object draws on: the painter of the paint box being painted.
struct TCanvas {
  QPainter& Painter;
};
