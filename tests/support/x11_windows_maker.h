// Makes X11 windows for tests: titled, hidden or shown, and inside frames the way a
// window manager reparents its clients.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace pgw::test {

// Fails the test when there is no X display to work on.
inline bool HaveDisplay() {
  const char* display = std::getenv("DISPLAY");
  return display != nullptr && *display != '\0';
}

class X11WindowsMaker {
 public:
  X11WindowsMaker() : display_(XOpenDisplay(nullptr)) {}
  ~X11WindowsMaker() {
    if (display_ == nullptr) return;
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) XDestroyWindow(display_, *it);
    XCloseDisplay(display_);
  }
  X11WindowsMaker(const X11WindowsMaker&) = delete;
  X11WindowsMaker& operator=(const X11WindowsMaker&) = delete;

  bool ok() const { return display_ != nullptr; }
  Window root() const { return DefaultRootWindow(display_); }

  // A window inside `parent` at (x, y), untitled until Title or NetTitle names it.
  Window Make(Window parent, int x = 0, int y = 0, int width = 100, int height = 100) {
    Window window = XCreateSimpleWindow(display_, parent, x, y, width, height, 0, 0, 0);
    made_.push_back(window);
    return window;
  }
  void Title(Window window, const std::string& title) {
    XStoreName(display_, window, title.c_str());
  }
  // Only _NET_WM_NAME, in UTF-8, as many toolkits set it.
  void NetTitle(Window window, const std::string& title) {
    XChangeProperty(display_, window, XInternAtom(display_, "_NET_WM_NAME", False),
                    XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
  }
  void Show(Window window) { XMapRaised(display_, window); }
  // Makes sure the server has done everything asked so far.
  void Sync() { XSync(display_, False); }

 private:
  Display* display_;
  std::vector<Window> made_;
};

}  // namespace pgw::test
