// window_start PROGRAM [ARGS...]: how long PROGRAM takes from its start until its first
// top-level window is mapped on the X display named by DISPLAY.
//
// It watches the root window for map events, starts PROGRAM without a shell, prints the
// elapsed milliseconds on standard output, then ends PROGRAM and waits until the X server
// has removed its window, so that the next start finds the desktop as it was before.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kGiveUpAfter = std::chrono::seconds(30);
constexpr auto kWindowGoneWithin = std::chrono::seconds(5);

// Windows may vanish while they are looked at (another client closing them); such
// errors only mean "no answer" here, so they are ignored instead of ending the program.
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

// The process id a client wrote into _NET_WM_PID of `window`, if any.
std::optional<pid_t> WindowPid(Display* display, Window window, Atom netWmPid) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type,
                                        &format, &count, &remaining, &data);
  std::optional<pid_t> pid;
  if (status == Success && type == XA_CARDINAL && format == 32 && count == 1 && data) {
    pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
  }
  if (data) XFree(data);
  return pid;
}

// Whether a window that has just been mapped as a child of the root belongs to the
// started program. Without a window manager the program maps its own window there; with
// one, the manager maps a frame into which it has reparented the program's window.
// A window that names another process in _NET_WM_PID is someone else's; a window that
// names none is taken as the program's, as nothing else starts windows on a bare display.
bool IsProgramWindow(Display* display, Window window, const std::map<Window, Window>& frames,
                     Atom netWmPid, pid_t child) {
  std::optional<pid_t> pid = WindowPid(display, window, netWmPid);
  if (!pid) {
    auto frame = frames.find(window);
    if (frame != frames.end()) pid = WindowPid(display, frame->second, netWmPid);
  }
  return !pid || *pid == child;
}

// Whether `window` still exists on the server.
bool WindowExists(Display* display, Window window) {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display, window, &attributes) != 0;
}

// Ends the child with SIGTERM and reaps it.
void EndChild(pid_t child) {
  kill(child, SIGTERM);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}

// Describes how a reaped child ended, for the error message.
std::string EndingOf(int status) {
  if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) return "signal " + std::to_string(WTERMSIG(status));
  return "status " + std::to_string(status);
}

int Main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    const char* name = std::getenv("DISPLAY");
    std::fprintf(stderr, "window_start: cannot open display \"%s\"\n", name ? name : "");
    return 1;
  }
  XSetErrorHandler(IgnoreXError);
  const Window root = DefaultRootWindow(display);
  const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
  XSelectInput(display, root, SubstructureNotifyMask);
  // The selection must be in force on the server before the program can map anything.
  XSync(display, False);

  const Clock::time_point start = Clock::now();
  pid_t child = 0;
  if (int error = posix_spawn(&child, argv[1], nullptr, nullptr, argv + 1, environ)) {
    std::fprintf(stderr, "window_start: cannot start %s: %s\n", argv[1], std::strerror(error));
    XCloseDisplay(display);
    return 1;
  }

  std::map<Window, Window> frames;  // window-manager frame -> the client window inside it
  std::optional<Window> mapped;
  std::optional<double> elapsedMs;
  std::string failure;
  const int fd = ConnectionNumber(display);
  while (!mapped && failure.empty()) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == ReparentNotify && event.xreparent.event == root &&
          event.xreparent.parent != root) {
        frames[event.xreparent.parent] = event.xreparent.window;
      } else if (event.type == MapNotify && event.xmap.event == root &&
                 !event.xmap.override_redirect) {
        // The time is taken before the window is examined, so the examination's round
        // trips do not count.
        const Clock::time_point at = Clock::now();
        if (IsProgramWindow(display, event.xmap.window, frames, netWmPid, child)) {
          elapsedMs = std::chrono::duration<double, std::milli>(at - start).count();
          mapped = event.xmap.window;
          break;
        }
      }
    }
    if (mapped) break;

    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      failure = std::string(argv[1]) + " ended before mapping a window (" + EndingOf(status) + ")";
      child = 0;
      break;
    }
    const auto left = kGiveUpAfter - (Clock::now() - start);
    if (left <= Clock::duration::zero()) {
      failure = std::string(argv[1]) + " mapped no window within 30 s";
      break;
    }
    // Woken by the X connection; the short wake-up also notices the program ending.
    pollfd waitFor{fd, POLLIN, 0};
    poll(&waitFor, 1, 50);
  }

  if (child != 0) EndChild(child);

  // The server removes the program's windows once it sees the closed connection; waiting
  // for that keeps a saver started right after this one from finding an open saver window.
  if (mapped) {
    const Clock::time_point ended = Clock::now();
    const Window client = frames.count(*mapped) ? frames[*mapped] : *mapped;
    while (WindowExists(display, client)) {
      if (Clock::now() - ended > kWindowGoneWithin) {
        std::fprintf(stderr, "window_start: the window of %s stayed after it ended\n", argv[1]);
        XCloseDisplay(display);
        return 1;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  XCloseDisplay(display);

  if (!failure.empty()) {
    std::fprintf(stderr, "window_start: %s\n", failure.c_str());
    return 1;
  }
  std::printf("%.2f\n", *elapsedMs);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return Main(argc, argv);
}
