#pragma once

#include <string>

namespace pgw {

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The desktop's pointer and the windows under it, in screen pixels.
class PointerLayer {
 public:
  virtual ~PointerLayer() = default;
  virtual ScreenPoint Position() = 0;
  virtual void MoveTo(ScreenPoint point) = 0;
  // The title of the window at `point`; empty when there is none or it has no title.
  virtual std::string TitleOfWindowAt(ScreenPoint point) = 0;
};

}  // namespace pgw
