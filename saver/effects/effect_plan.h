// Transition effects as plans: for an effect code and the box it covers, the steps that
// wipe the frozen screen away in the background colour, produced one at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "saver/effects/generator.h"
#include "saver/effects/random_source.h"

namespace pgw {

// Effect codes as the settings file stores them.
inline constexpr std::int16_t kRandomEffect = 7;
inline constexpr std::int16_t kFirstEffect = 8;
inline constexpr std::int16_t kLastEffect = 21;
inline constexpr std::int16_t kNoEffect = 22;

// Twips per pixel: every length of an effect is in twips, pen widths are in pixels.
inline constexpr int kTwipsPerPixel = 15;

// The box an effect is drawn on: its place (L, T) and size (W, H) in the show window and
// its inner size, all in twips.
struct EffectBox {
  std::int32_t L = 0;
  std::int32_t T = 0;
  std::int32_t W = 0;
  std::int32_t H = 0;
  std::int32_t ScaleWidth = 0;
  std::int32_t ScaleHeight = 0;
};

enum class Shape {
  FilledBox,  // between the corners (x1, y1) and (x2, y2), its border drawn with the pen
  Line,       // from (x1, y1) to (x2, y2)
  Circle,     // outline around the centre (x1, y1) with radius x2
};

// Whose colour a primitive is drawn in: the background colour, or the box's fore colour.
enum class Ink { Fill, Fore };

struct Primitive {
  Shape shape = Shape::FilledBox;
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  int penWidth = 10;  // pixels
  Ink ink = Ink::Fill;
  friend bool operator==(const Primitive&, const Primitive&) = default;
};

struct EffectStep {
  std::vector<Primitive> primitives;  // drawn in this order
  int pauseMs = 0;
  bool pauseFirst = false;  // pause (letting input and timers run) before drawing, not after
};

struct EffectPlan {
  Generator<EffectStep> steps;
  // The box's fore colour becomes the background colour before the first step.
  bool foreColorFromFill = false;
};

// The plan of `code` on `box`. `q`, the mosaic's grid size, is clamped to 5..100 and the
// clamped value written back. `showEnding` is asked where the effect stops for the end of
// the show (the mosaic after each cell, top-down before each band). Codes outside 8..21
// give a plan without steps. `random` must outlive the plan.
EffectPlan MakeEffectPlan(std::int16_t code, const EffectBox& box, std::int16_t& q,
                          RandomSource& random, std::function<bool()> showEnding);

// The radius that reaches a tenth beyond the box's corners from its centre.
std::int32_t MaxRadius(const EffectBox& box);

}  // namespace pgw
