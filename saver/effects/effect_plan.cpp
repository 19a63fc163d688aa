#include "saver/effects/effect_plan.h"

#include <cmath>

#include "saver/settings/number_text.h"

namespace pgw {
namespace {

std::int32_t Nearest(double value) {
  return static_cast<std::int32_t>(RoundHalfEven(value));
}

std::int32_t Floor(double value) {
  return static_cast<std::int32_t>(std::floor(value));
}

Primitive Box(double x1, double y1, double x2, double y2) {
  return {Shape::FilledBox, x1, y1, x2, y2, 10, Ink::Fill};
}

Primitive Line(double x1, double y1, double x2, double y2, int pen = 6, Ink ink = Ink::Fill) {
  return {Shape::Line, x1, y1, x2, y2, pen, ink};
}

Primitive Circle(double x, double y, double radius) {
  return {Shape::Circle, x, y, radius, 0, 10, Ink::Fill};
}

// Steps are made by these functions rather than from braced lists at the co_yield, which
// GCC 12 cannot keep alive across a suspension.
template <typename... Primitives>
EffectStep DrawThenPause(int pauseMs, Primitives... primitives) {
  return {std::vector<Primitive>{primitives...}, pauseMs, false};
}

template <typename... Primitives>
EffectStep PauseThenDraw(int pauseMs, Primitives... primitives) {
  return {std::vector<Primitive>{primitives...}, pauseMs, true};
}

// Values every effect works from.
struct Frame {
  explicit Frame(const EffectBox& box)
      : L(box.L), T(box.T), W(box.W), H(box.H), cx(L + W / 2.0), cy(T + H / 2.0) {}
  double L, T, W, H, cx, cy;
};

Generator<EffectStep> Mosaic(EffectBox box, int q, RandomSource& random,
                             std::function<bool()> showEnding) {
  const std::int32_t cw = Nearest(static_cast<double>(box.W) / q);
  const std::int32_t ch = Nearest(static_cast<double>(box.H) / q);
  std::vector<unsigned char> drawn(static_cast<std::size_t>((q + 1) * (q + 1)), 0);
  for (;;) {
    // Pick cells until a free one turns up; q * 10 misses in a row end the search.
    int misses = 0;
    std::int32_t column = 0;
    std::int32_t row = 0;
    bool found = false;
    while (!found) {
      column = Floor(q * random.Uniform());
      row = Floor(q * random.Uniform());
      unsigned char& cell = drawn[static_cast<std::size_t>(column * (q + 1) + row)];
      if (cell == 0) {
        cell = 1;
        found = true;
      } else if (++misses == q * 10) {
        break;
      }
    }
    if (!found) break;
    co_yield DrawThenPause(0, Box(cw * column, ch * row, cw * (column + 1), ch * (row + 1)));
    if (showEnding()) co_return;
  }
  co_yield DrawThenPause(0, Box(0, 0, box.ScaleWidth, box.ScaleHeight));
}

Generator<EffectStep> TopDown(Frame f, std::function<bool()> showEnding) {
  for (std::int32_t y = Nearest(f.T); y <= Nearest(f.T + f.H); y += 70) {
    if (showEnding()) co_return;
    co_yield DrawThenPause(3, Box(f.L, y - 70, f.L + f.W, y));
  }
}

Generator<EffectStep> BottomTop(Frame f) {
  for (std::int32_t y = Nearest(f.T + f.H); y >= Nearest(f.T - 20); y -= 70) {
    co_yield DrawThenPause(3, Box(f.L, y + 70, f.L + f.W, y));
  }
}

Generator<EffectStep> LeftRight(Frame f) {
  for (std::int32_t x = 0; x < f.L + f.W; x += 100) {
    co_yield DrawThenPause(4, Box(x, f.T - 20, x + 90, f.T + f.H + 30));
  }
}

Generator<EffectStep> RightLeft(Frame f) {
  for (std::int32_t x = Nearest(f.L + f.W); x >= Nearest(f.L); x -= 100) {
    co_yield DrawThenPause(4, Box(x, f.T - 30, x - 90, f.T + f.H + 30));
  }
}

Generator<EffectStep> GrowingBox(Frame f) {
  const double side = f.W > f.H ? f.W : f.H;
  for (std::int32_t a = 1; a - 50 < side / 2; a += 50) {
    co_yield PauseThenDraw(4, Box(f.cx - a, f.cy - a, f.cx + a, f.cy + a));
  }
}

Generator<EffectStep> GrowingCircle(Frame f, std::int32_t maxRadius) {
  for (std::int32_t r = 0; r <= maxRadius; r += 80) {
    co_yield PauseThenDraw(15, Circle(f.cx, f.cy, r));
  }
}

Generator<EffectStep> TwoCircles(Frame f, std::int32_t maxRadius, RandomSource& random) {
  random.ReseedFromClock();
  const int variant = Floor(4 * random.Uniform()) + 1;
  std::vector<std::pair<double, double>> centres;
  std::int32_t bound = maxRadius;
  switch (variant) {
    case 1:
      centres = {{f.L + f.W, f.cy}, {f.L, f.cy}};
      break;
    case 2:
      centres = {{f.cx, f.T}, {f.cx, f.T + f.H}};
      break;
    case 3:
      centres = {{f.cx, f.T}, {f.cx, f.T + f.H}, {f.L + f.W, f.cy}, {f.L, f.cy}};
      bound = f.W > f.H ? Nearest(f.W / 2) : Nearest(f.H / 2);
      break;
    default:
      centres = {{f.L, f.T}, {f.L + f.W, f.T}, {f.L, f.T + f.H}, {f.L + f.W, f.T + f.H}};
      break;
  }
  for (std::int32_t r = 0; r <= bound; r += 80) {
    EffectStep step = PauseThenDraw(20);
    for (const auto& [x, y] : centres) step.primitives.push_back(Circle(x, y, r));
    co_yield std::move(step);
  }
}

Generator<EffectStep> VerticalSplit(Frame f) {
  for (int side = -1; side <= 1; side += 2) {  // left or upper half, then the other
    for (std::int32_t k = 0; k - 20 < f.W / 2; k += 45) {
      double x = f.cx + side * k;
      co_yield DrawThenPause(2, Line(x, f.T, x, f.T + f.H, 10, Ink::Fore));
    }
  }
}

Generator<EffectStep> HorizontalSplit(Frame f) {
  for (int side = -1; side <= 1; side += 2) {  // left or upper half, then the other
    for (std::int32_t k = 0; k - 20 < f.H / 2; k += 45) {
      double y = f.cy + side * k;
      co_yield DrawThenPause(2, Box(f.L, y, f.L + f.W, y));
    }
  }
}

Generator<EffectStep> Quadrants(Frame f) {
  for (int phase = 1; phase <= 4; ++phase) {
    for (std::int32_t j = 1; j - 50 < f.H / 2; j += 70) {
      Primitive band;
      switch (phase) {
        case 1:  // top left
          band = Box(f.L, f.T + j - 20, f.cx, f.T + j);
          break;
        case 2:  // bottom right
          band = Box(f.cx, f.cy + j, f.L + f.W + 30, f.cy + j + 20);
          break;
        case 3:  // top right
          band = Box(f.cx, f.T + j - 20, f.L + f.W, f.T + j);
          break;
        default:  // bottom left
          band = Box(f.L, f.cy + j + 20, f.cx + 30, f.cy + j);
          break;
      }
      co_yield PauseThenDraw(4, band);
    }
  }
}

Generator<EffectStep> EraseLeft(Frame f) {
  for (std::int32_t x = Nearest(f.L); x <= Nearest(f.L + f.W); x += 90) {
    co_yield DrawThenPause(1, Line(f.L, f.T, x, f.T + f.H));
  }
  for (std::int32_t y = Nearest(f.T + f.H); y >= Nearest(f.T); y -= 90) {
    co_yield DrawThenPause(1, Line(f.L, f.T, f.L + f.W, y));
  }
}

Generator<EffectStep> EraseRight(Frame f) {
  for (std::int32_t x = Nearest(f.L + f.W); x >= Nearest(f.L); x -= 90) {
    co_yield DrawThenPause(1, Line(f.L + f.W, f.T, x, f.T + f.H));
  }
  for (std::int32_t y = Nearest(f.T + f.H); y >= Nearest(f.T); y -= 90) {
    co_yield DrawThenPause(1, Line(f.L + f.W, f.T, f.L - 20, y));
  }
}

Generator<EffectStep> EraseFromCenter(Frame f) {
  auto fromCentre = [&f](double x, double y) { return Line(f.cx, f.cy, x, y); };
  for (std::int32_t k = 0; Nearest(f.cy) - k >= Nearest(f.T); k += 60) {
    const double t = Nearest(f.cy) - k;
    co_yield DrawThenPause(4, fromCentre(f.L - 20, t), fromCentre(f.L + f.W, f.cy + k),
                           fromCentre(f.L + f.W, f.T + k), fromCentre(f.L - 20, f.T + f.H - k));
  }
  for (std::int32_t k = 0; Nearest(f.L) + k <= Nearest(f.cx); k += 60) {
    const double x = Nearest(f.L) + k;
    co_yield DrawThenPause(4, fromCentre(x, f.T - 20), fromCentre(f.L + f.W - k, f.T + f.H),
                           fromCentre(f.cx - k, f.T + f.H), fromCentre(f.cx + k, f.T - 20));
  }
}

Generator<EffectStep> Nothing() {
  co_return;
}

}  // namespace

std::int32_t MaxRadius(const EffectBox& box) {
  return Nearest(1.1 * std::sqrt(std::pow(box.W / 2.0, 2) + std::pow(box.H / 2.0, 2)));
}

EffectPlan MakeEffectPlan(std::int16_t code, const EffectBox& box, std::int16_t& q,
                          RandomSource& random, std::function<bool()> showEnding) {
  if (q < 5) q = 5;
  if (q > 100) q = 100;
  const Frame f(box);
  switch (code) {
    case 8:
      return {Mosaic(box, q, random, std::move(showEnding))};
    case 9:
      return {TopDown(f, std::move(showEnding))};
    case 10:
      return {BottomTop(f)};
    case 11:
      return {LeftRight(f)};
    case 12:
      return {RightLeft(f)};
    case 13:
      return {GrowingBox(f)};
    case 14:
      return {GrowingCircle(f, MaxRadius(box))};
    case 15:
      return {TwoCircles(f, MaxRadius(box), random)};
    case 16:
      return {VerticalSplit(f), true};
    case 17:
      return {HorizontalSplit(f)};
    case 18:
      return {Quadrants(f)};
    case 19:
      return {EraseLeft(f)};
    case 20:
      return {EraseRight(f)};
    case 21:
      return {EraseFromCenter(f)};
    default:
      return {Nothing()};
  }
}

}  // namespace pgw
