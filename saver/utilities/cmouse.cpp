#include "saver/utilities/cmouse.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "saver/settings/number_text.h"

namespace pgw {
namespace {

int ToPixel(float value) {
  constexpr double kLowest = std::numeric_limits<int>::min();
  constexpr double kHighest = std::numeric_limits<int>::max();
  double rounded = RoundHalfEven(value);
  if (std::isnan(rounded)) return 0;
  return static_cast<int>(std::clamp(rounded, kLowest, kHighest));
}

}  // namespace

float CMouse::x() const {
  return static_cast<float>(pointer_.Position().x);
}

void CMouse::x(float value) {
  ScreenPoint at = pointer_.Position();
  at.x = ToPixel(value);
  pointer_.MoveTo(at);
}

float CMouse::Y() const {
  return static_cast<float>(pointer_.Position().y);
}

void CMouse::Y(float value) {
  ScreenPoint at = pointer_.Position();
  at.y = ToPixel(value);
  pointer_.MoveTo(at);
}

std::string CMouse::WindowOver(float x, float y) const {
  return pointer_.TitleOfWindowAt({ToPixel(x), ToPixel(y)});
}

}  // namespace pgw
