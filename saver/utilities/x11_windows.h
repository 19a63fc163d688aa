// The windows of the X11 desktop, seen through their own connection to the display.
#pragma once

#include <string>
#include <string_view>

#include "saver/utilities/pointer_layer.h"
#include "saver/utilities/window_probe.h"

typedef struct _XDisplay Display;

namespace pgw {

class X11Windows : public WindowProbe {
 public:
  // Connects to the display named by DISPLAY; without one, no window is ever found.
  X11Windows();
  ~X11Windows() override;
  X11Windows(const X11Windows&) = delete;
  X11Windows& operator=(const X11Windows&) = delete;

  bool connected() const { return display_ != nullptr; }

  // Top-level windows, mapped or not, and the client windows inside window-manager
  // frames; the title is _NET_WM_NAME, or WM_NAME where that is missing.
  bool HasWindowTitled(std::string_view caption) override;

  // The title of the window at `point`: the top-level window there, or the client
  // window inside the frame there. Empty when there is none or it has no title.
  std::string TitleAt(ScreenPoint point);

 private:
  Display* display_ = nullptr;
  unsigned long netWmName_ = 0;  // the atom _NET_WM_NAME
};

}  // namespace pgw
