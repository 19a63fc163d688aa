#pragma once

#include <string_view>

namespace pgw {

// Looks for a window of the desktop by its title.
class WindowProbe {
 public:
  virtual ~WindowProbe() = default;
  // True when a top-level window, shown or hidden, carries `caption` as its title,
  // compared without regard to letter case.
  virtual bool HasWindowTitled(std::string_view caption) = 0;
};

}  // namespace pgw
