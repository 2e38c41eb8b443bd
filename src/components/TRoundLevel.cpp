#include "components/TRoundLevel.h"

#include <initializer_list>

namespace zel {

namespace {

constexpr int kSize = 12;

// A ring of the lamp given as runs in its upper half: the lower half mirrors it about the
// horizontal axis between rows 5 and 6, and every run mirrors about the vertical axis.
struct Run {
  int y;
  int x0;
  int x1;
};

void DrawRing(PixelCanvas& canvas, std::initializer_list<Run> upperLeft, QRgb colour) {
  for (const Run& run : upperLeft) {
    for (int y : {run.y, kSize - 1 - run.y}) {
      canvas.Row(y, run.x0, run.x1, colour);
      canvas.Row(y, kSize - 1 - run.x1, kSize - 1 - run.x0, colour);
    }
  }
}

}  // namespace

TRoundLevel::TRoundLevel(QWidget* parent) : TLevelLamp(QSize(kSize, kSize), parent) {}

void TRoundLevel::Draw(PixelCanvas& canvas) const {
  const QRgb state = StatePixel();
  // The disc: row 3 from x = 4 to 7, rows 4 to 7 from 3 to 8, row 8 from 4 to 7.
  canvas.Row(3, 4, 7, state);
  canvas.Block(3, 4, 8, 7, state);
  canvas.Row(8, 4, 7, state);

  DrawRing(canvas, {{0, 4, 5}, {1, 2, 3}, {2, 1, 1}, {3, 1, 1}, {4, 0, 0}, {5, 0, 0}},
           ContourPixel());
  // The rim, darker toward the outside.
  DrawRing(canvas, {{2, 4, 5}, {3, 3, 3}, {4, 2, 2}, {5, 2, 2}}, Darkened(state, 32));
  DrawRing(canvas, {{1, 4, 5}, {2, 2, 3}, {3, 2, 2}, {4, 1, 1}, {5, 1, 1}}, Darkened(state, 64));
}

}  // namespace zel
