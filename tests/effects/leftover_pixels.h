// Pixels an effect leaves of the capture, and the ones its algorithm is known to leave.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <functional>

#include "saver/effects/effect_plan.h"

namespace pgw::test {

// Pixels that are not in `color`, with the first of them for the message; pixels for
// which `expected` holds are counted apart.
struct Leftovers {
  int count = 0;
  int expected = 0;
  QPoint first;
};

inline Leftovers PixelsNotIn(const QImage& image, QColor color,
                             const std::function<bool(int x, int y)>& expected = nullptr) {
  Leftovers left;
  const QRgb wanted = color.rgb();
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] == wanted) continue;
      if (expected && expected(x, y)) {
        ++left.expected;
      } else if (left.count++ == 0) {
        left.first = QPoint(x, y);
      }
    }
  }
  return left;
}

// The fans of lines from a top corner climb the far edge in steps of 90 twips from the
// bottom; when the height in twips is no multiple of 90, the last line ends up to 89
// twips below the far top corner, and the sliver of the capture above it, along the top
// edge, is left. On 1280 x 1024 (15,360 twips high) the last line ends 60 twips (4 pixels)
// down, and the 3-pixel half pen misses the top rows near that corner.
inline std::function<bool(int, int)> SliverAboveTheLastLine(std::int16_t code, QSize screen) {
  const int heightTwips = screen.height() * kTwipsPerPixel;
  const double end = (heightTwips % 90) / double(kTwipsPerPixel);  // pixels below the top
  if ((code != 19 && code != 20) || end == 0) return nullptr;
  const double width = screen.width();
  return [code, end, width](int x, int y) {
    // Code 19 pivots on the top-left corner, code 20 on the top-right one and ends 20
    // twips beyond the left edge.
    const double along =
        code == 19 ? (x + 0.5) / width : (width - x - 0.5) / (width + 20.0 / kTwipsPerPixel);
    return y + 0.5 < end * along;
  };
}

}  // namespace pgw::test
