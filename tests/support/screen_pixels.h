// Reads pixels of the X display, as a person would see them.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>

namespace pgw::test {

struct Rgb {
  int r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

class ScreenPixels {
 public:
  ScreenPixels() : display_(XOpenDisplay(nullptr)) {}
  ~ScreenPixels() {
    if (display_ != nullptr) XCloseDisplay(display_);
  }
  ScreenPixels(const ScreenPixels&) = delete;
  ScreenPixels& operator=(const ScreenPixels&) = delete;

  int width() const { return DisplayWidth(display_, DefaultScreen(display_)); }
  int height() const { return DisplayHeight(display_, DefaultScreen(display_)); }
  // The colour in the middle of the screen.
  Rgb Centre() { return At(width() / 2, height() / 2); }

  Rgb At(int x, int y) {
    XImage* image =
        XGetImage(display_, DefaultRootWindow(display_), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return {-1, -1, -1};
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
            static_cast<int>(pixel & 0xFF)};
  }

 private:
  Display* display_;
};

}  // namespace pgw::test
