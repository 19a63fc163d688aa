#pragma once

#include "saver/utilities/pointer_layer.h"
#include "saver/utilities/x11_windows.h"

namespace pgw {

// The real pointer of the desktop (through Qt) and the X11 windows under it.
class QtPointer : public PointerLayer {
 public:
  explicit QtPointer(X11Windows& windows) : windows_(windows) {}
  ScreenPoint Position() override;
  void MoveTo(ScreenPoint point) override;
  std::string TitleOfWindowAt(ScreenPoint point) override;

 private:
  X11Windows& windows_;
};

}  // namespace pgw
