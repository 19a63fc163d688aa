#pragma once

#include <string>

#include "saver/utilities/pointer_layer.h"

namespace pgw {

// The mouse pointer: its position as single-precision numbers holding whole pixels,
// moves that round to the nearest pixel (halves to the even neighbour), and the title
// of the window under a point.
class CMouse {
 public:
  explicit CMouse(PointerLayer& pointer) : pointer_(pointer) {}

  float x() const;
  void x(float value);  // moves the pointer to (value, current y)
  float Y() const;
  void Y(float value);  // moves the pointer to (current x, value)

  std::string WindowOver(float x, float y) const;

 private:
  PointerLayer& pointer_;
};

}  // namespace pgw
