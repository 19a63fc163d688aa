#include "saver/utilities/x11_windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <vector>

#include "saver/settings/ignoring_case.h"

namespace pgw {
namespace {

// Frames hold their client one or two levels down (some window managers wrap the
// client once more); deeper windows are parts of a program's own window.
constexpr int kFrameDepth = 3;

// Windows may vanish between two requests; that is no reason to end the program.
int IgnoreXErrors(Display*, XErrorEvent*) {
  return 0;
}

bool ReadTextProperty(Display* display, Window window, Atom property, std::string& text) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  // Lengths are in 32-bit units; 1 MiB is more than any title.
  if (XGetWindowProperty(display, window, property, 0, 1 << 18, False, AnyPropertyType, &type,
                         &format, &count, &after, &data) != Success) {
    return false;
  }
  bool found = type != None && format == 8 && data != nullptr;
  if (found) text.assign(reinterpret_cast<const char*>(data), count);
  if (data != nullptr) XFree(data);
  return found;
}

std::string TitleOf(Display* display, Atom netWmName, Window window) {
  std::string title;
  if (ReadTextProperty(display, window, netWmName, title)) return title;
  ReadTextProperty(display, window, XA_WM_NAME, title);
  return title;
}

std::vector<Window> ChildrenOf(Display* display, Window window) {
  Window root = None;
  Window parent = None;
  Window* children = nullptr;
  unsigned int count = 0;
  std::vector<Window> result;
  if (XQueryTree(display, window, &root, &parent, &children, &count) != 0 && children) {
    result.assign(children, children + count);
  }
  if (children != nullptr) XFree(children);
  return result;
}

bool AnyTitled(Display* display, Atom netWmName, Window parent, std::string_view caption,
               int depth) {
  for (Window window : ChildrenOf(display, parent)) {
    if (SameIgnoringCase(TitleOf(display, netWmName, window), caption)) return true;
    if (depth > 1 && AnyTitled(display, netWmName, window, caption, depth - 1)) return true;
  }
  return false;
}

}  // namespace

X11Windows::X11Windows() {
  display_ = XOpenDisplay(nullptr);
  if (display_ == nullptr) return;
  XSetErrorHandler(IgnoreXErrors);
  netWmName_ = XInternAtom(display_, "_NET_WM_NAME", False);
}

X11Windows::~X11Windows() {
  if (display_ != nullptr) XCloseDisplay(display_);
}

bool X11Windows::HasWindowTitled(std::string_view caption) {
  if (display_ == nullptr) return false;
  return AnyTitled(display_, netWmName_, DefaultRootWindow(display_), caption, kFrameDepth);
}

std::string X11Windows::TitleAt(ScreenPoint point) {
  if (display_ == nullptr) return {};
  const Window root = DefaultRootWindow(display_);
  Window window = root;
  for (int depth = 0; depth < kFrameDepth; ++depth) {
    int x = 0;
    int y = 0;
    Window child = None;
    if (!XTranslateCoordinates(display_, root, window, point.x, point.y, &x, &y, &child) ||
        child == None) {
      break;
    }
    window = child;
    std::string title = TitleOf(display_, netWmName_, window);
    if (!title.empty()) return title;
  }
  return {};
}

}  // namespace pgw
