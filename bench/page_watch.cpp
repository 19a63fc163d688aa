// page_watch: starts a program that shows web pages over the whole X display named by
// DISPLAY, and watches the pixel in the middle of the screen, in one of three ways:
//
//   page_watch [OPTIONS] first COLOUR PROGRAM [ARGS...]
//     prints the milliseconds from the program's start until the centre shows COLOUR;
//   page_watch [OPTIONS] cpu COLOUR SETTLE_S MEASURE_S PROGRAM [ARGS...]
//     once the centre shows COLOUR, waits SETTLE_S seconds, then prints the processor time
//     (user + system) the program and all its descendants use over MEASURE_S seconds, as a
//     percentage of one core, how many processes that was, and the share of the process
//     given by --server (a line "PERCENT PROCESSES SERVER_PERCENT");
//   page_watch [OPTIONS] changes COLOUR_A COLOUR_B COUNTS LIMIT_S PROGRAM [ARGS...]
//     counts the changes between two pages (the centre going from one page's colour to
//     the other's, whatever it shows in between) and, each time the count reaches one of
//     COUNTS (rising, comma separated), prints the resident memory of the program and all
//     its descendants (a line "CHANGES SECONDS RSS_KB PSS_KB PROCESSES 0"); stops after
//     the last count, or LIMIT_S seconds after the first page with a last line for the
//     count reached that ends in 1.
//
// COLOUR is six hex digits, RRGGBB. Options:
//   --every MS    polling interval of the centre pixel (default 2);
//   --steady MS   in "changes", a page counts once its colour has stayed MS (default 0);
//   --server PID  in "cpu", also the processor time of this process (the X server) over
//                 the same seconds, as it draws what the program sends;
//   --log FILE    the program's standard output and error go to FILE (appended), away
//                 from the results. In "cpu", each process's share goes to standard error.
//
// Afterwards the program is ended (SIGTERM), it and every process it started are reaped,
// and page_watch waits until the display holds no window that was not there before the
// start, so that the next start finds the desktop as it was (the saver does not start
// while one of its windows is open).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kFirstPageWithin = std::chrono::seconds(60);
constexpr auto kProcessesGoneWithin = std::chrono::seconds(10);
constexpr auto kWindowsGoneWithin = std::chrono::seconds(5);

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Windows may vanish while they are looked at; such errors only mean "no answer" here.
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

// One process as /proc/PID/stat describes it.
struct ProcessStat {
  std::string name;  // the command name, and the web engine's process type if any
  pid_t parent = 0;
  long long cpuTicks = 0;  // utime + stime, all threads
};

// The kind of a web engine helper ("renderer", "zygote", ...) from its --type= argument.
std::string HelperType(pid_t pid) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/cmdline", std::ios::binary);
  std::string argument;
  while (std::getline(file, argument, '\0')) {
    if (argument.rfind("--type=", 0) == 0) return argument.substr(7);
  }
  return {};
}

std::optional<ProcessStat> ReadStat(pid_t pid) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(file, text)) return std::nullopt;
  // The command name may hold blanks and parentheses; the fields after it start past the
  // last closing parenthesis: state, ppid, pgrp, session, tty, tpgid, flags, minflt,
  // cminflt, majflt, cmajflt, utime, stime.
  const std::size_t open = text.find('(');
  const std::size_t close = text.rfind(')');
  if (open == std::string::npos || close == std::string::npos || close < open) {
    return std::nullopt;
  }
  std::istringstream fields(text.substr(close + 1));
  std::string state;
  ProcessStat stat;
  long long skip = 0;
  long long utime = 0;
  long long stime = 0;
  fields >> state >> stat.parent;
  for (int i = 0; i < 9; ++i) fields >> skip;
  fields >> utime >> stime;
  if (!fields) return std::nullopt;
  stat.cpuTicks = utime + stime;
  stat.name = text.substr(open + 1, close - open - 1);
  return stat;
}

// Every process below this one (the started program, its descendants, and whatever of
// them was handed to this process after its parent ended), with its /proc/PID/stat.
std::map<pid_t, ProcessStat> Descendants() {
  std::map<pid_t, ProcessStat> all;
  if (DIR* proc = opendir("/proc")) {
    while (dirent* entry = readdir(proc)) {
      char* end = nullptr;
      const long pid = std::strtol(entry->d_name, &end, 10);
      if (*end != '\0' || pid <= 0) continue;
      if (std::optional<ProcessStat> stat = ReadStat(static_cast<pid_t>(pid))) {
        all[static_cast<pid_t>(pid)] = *stat;
      }
    }
    closedir(proc);
  }
  std::map<pid_t, std::vector<pid_t>> children;
  for (const auto& [pid, stat] : all) children[stat.parent].push_back(pid);
  std::map<pid_t, ProcessStat> below;
  std::vector<pid_t> open{getpid()};
  while (!open.empty()) {
    const pid_t parent = open.back();
    open.pop_back();
    for (pid_t child : children[parent]) {
      below[child] = all[child];
      const std::string type = HelperType(child);
      if (!type.empty()) below[child].name += " " + type;
      open.push_back(child);
    }
  }
  return below;
}

// Resident memory of one process in kB: Rss and Pss from smaps_rollup (Pss shares each
// page among the processes that map it), or VmRSS alone where smaps_rollup is missing.
struct Memory {
  long long rssKb = 0;
  long long pssKb = 0;
};

Memory ReadMemory(pid_t pid) {
  Memory memory;
  const std::string folder = "/proc/" + std::to_string(pid);
  std::ifstream rollup(folder + "/smaps_rollup");
  std::string line;
  bool found = false;
  while (std::getline(rollup, line)) {
    if (line.rfind("Rss:", 0) == 0) {
      memory.rssKb = std::atoll(line.c_str() + 4);
      found = true;
    } else if (line.rfind("Pss:", 0) == 0) {
      memory.pssKb = std::atoll(line.c_str() + 4);
    }
  }
  if (found) return memory;
  std::ifstream status(folder + "/status");
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) memory.rssKb = memory.pssKb = std::atoll(line.c_str() + 6);
  }
  return memory;
}

// The screen as this tool sees it: the centre pixel and the top-level windows.
class Screen {
 public:
  Screen() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) return;
    XSetErrorHandler(IgnoreXError);
    root_ = DefaultRootWindow(display_);
    x_ = DisplayWidth(display_, DefaultScreen(display_)) / 2;
    y_ = DisplayHeight(display_, DefaultScreen(display_)) / 2;
  }
  ~Screen() {
    if (display_ != nullptr) XCloseDisplay(display_);
  }
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  bool open() const { return display_ != nullptr; }

  // The colour in the middle of the screen as 0xRRGGBB (on a 24-bit true-colour screen
  // such as Xvfb's), or -1 when it cannot be read.
  long Centre() {
    XImage* image = XGetImage(display_, root_, x_, y_, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return -1;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return static_cast<long>(pixel & 0xFFFFFF);
  }

  std::set<Window> TopLevelWindows() {
    std::set<Window> windows;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display_, root_, &root, &parent, &children, &count) != 0) {
      windows.insert(children, children + count);
    }
    if (children != nullptr) XFree(children);
    return windows;
  }

 private:
  Display* display_;
  Window root_ = 0;
  int x_ = 0;
  int y_ = 0;
};

struct Options {
  std::chrono::milliseconds every{2};
  std::chrono::milliseconds steady{0};
  pid_t server = 0;
  const char* log = nullptr;
};

// A page colour in the middle of the screen, and since when it shows.
struct Seen {
  long colour = 0;
  Clock::time_point at;
};

// The started program and everything it starts in turn.
class Program {
 public:
  Program(Screen& screen, const Options& options, char** argv) : screen_(screen), name_(argv[0]) {
    windowsBefore_ = screen_.TopLevelWindows();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (options.log != nullptr) {
      posix_spawn_file_actions_addopen(&actions, 1, options.log, O_WRONLY | O_CREAT | O_APPEND,
                                       0644);
      posix_spawn_file_actions_adddup2(&actions, 1, 2);
    }
    start_ = Clock::now();
    if (int error = posix_spawn(&pid_, argv[0], &actions, nullptr, argv, environ)) {
      failure_ = "cannot start " + name_ + ": " + std::strerror(error);
      pid_ = 0;
    }
    posix_spawn_file_actions_destroy(&actions);
  }
  ~Program() { End(); }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Clock::time_point start() const { return start_; }
  const std::string& failure() const { return failure_; }

  // False, with the reason in failure(), once the program has ended by itself.
  bool Running() {
    if (pid_ == 0) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = 0;
      failure_ = name_ + " ended by itself (" +
                 (WIFEXITED(status) ? "exit status " + std::to_string(WEXITSTATUS(status))
                                    : "signal " + std::to_string(WTERMSIG(status))) +
                 ")";
      return false;
    }
    return true;
  }

  // Polls the centre every `every` until it has shown one of `colours` for `steady` on
  // end, and returns that colour with the moment it first showed; nothing when the
  // program ends or `limit` passes first (see failure()). A colour that shows for less
  // than `steady` is passed over: after an effect the browser may flash the frame it
  // last drew, of the entry before, for a few tens of milliseconds.
  std::optional<Seen> WaitForColour(const std::vector<long>& colours,
                                    std::chrono::milliseconds every, Clock::duration limit,
                                    std::chrono::milliseconds steady = {}) {
    const Clock::time_point deadline = Clock::now() + limit;
    std::optional<Seen> seen;
    for (;;) {
      const long centre = screen_.Centre();
      const Clock::time_point now = Clock::now();
      if (std::find(colours.begin(), colours.end(), centre) == colours.end()) {
        seen.reset();
      } else {
        if (!seen || seen->colour != centre) seen = Seen{centre, now};
        if (now - seen->at >= steady) return seen;
      }
      if (!Running()) return std::nullopt;
      if (now > deadline) {
        failure_ = name_ + " showed no page of the expected colour in time";
        return std::nullopt;
      }
      std::this_thread::sleep_for(every);
    }
  }

  // Ends the program, reaps it and every descendant, and waits for its windows to go.
  bool End() {
    if (ended_) return true;
    ended_ = true;
    if (pid_ != 0) {
      kill(pid_, SIGTERM);
      while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
      }
      pid_ = 0;
    }
    // The web engine's helper processes end once the program's pipes close; as this
    // process is their subreaper they are handed here and reaped. Any left after the
    // grace time are killed, so no helper of one round runs on into the next.
    const Clock::time_point ended = Clock::now();
    for (;;) {
      while (waitpid(-1, nullptr, WNOHANG) > 0) {
      }
      const std::map<pid_t, ProcessStat> left = Descendants();
      if (left.empty()) break;
      if (Clock::now() - ended > kProcessesGoneWithin) {
        std::fprintf(stderr, "page_watch: killing %zu helper(s) of %s that stayed\n", left.size(),
                     name_.c_str());
        for (const auto& [pid, stat] : left) kill(pid, SIGKILL);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // The server removes the windows once it sees the closed connections.
    for (;;) {
      const std::set<Window> now = screen_.TopLevelWindows();
      if (std::includes(windowsBefore_.begin(), windowsBefore_.end(), now.begin(), now.end())) {
        return true;
      }
      if (Clock::now() - ended > kProcessesGoneWithin + kWindowsGoneWithin) {
        std::fprintf(stderr, "page_watch: windows of %s stayed after it ended\n", name_.c_str());
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }

 private:
  Screen& screen_;
  std::string name_;
  std::set<Window> windowsBefore_;
  Clock::time_point start_;
  pid_t pid_ = 0;
  bool ended_ = false;
  std::string failure_;
};

std::optional<long> ParseColour(const char* text) {
  char* end = nullptr;
  const long colour = std::strtol(text, &end, 16);
  if (std::strlen(text) != 6 || *end != '\0') return std::nullopt;
  return colour;
}

int Fail(const std::string& why) {
  std::fprintf(stderr, "page_watch: %s\n", why.c_str());
  return 1;
}

// "first": start to first paint of the page.
int TimeFirstPage(Screen& screen, const Options& options, long colour, char** program) {
  Program run(screen, options, program);
  if (!run.failure().empty()) return Fail(run.failure());
  const std::optional<Seen> seen = run.WaitForColour({colour}, options.every, kFirstPageWithin);
  if (!seen) return Fail(run.failure());
  const double ms = std::chrono::duration<double, std::milli>(seen->at - run.start()).count();
  if (!run.End()) return 1;
  std::printf("%.2f\n", ms);
  return 0;
}

long long TicksOf(pid_t pid) {
  const std::optional<ProcessStat> stat = ReadStat(pid);
  return stat ? stat->cpuTicks : 0;
}

// "cpu": processor time over a quiet stretch of the page.
int MeasureCpu(Screen& screen, const Options& options, long colour, double settleS, double measureS,
               char** program) {
  Program run(screen, options, program);
  if (!run.failure().empty()) return Fail(run.failure());
  if (!run.WaitForColour({colour}, options.every, kFirstPageWithin)) return Fail(run.failure());
  std::this_thread::sleep_for(std::chrono::duration<double>(settleS));
  if (!run.Running()) return Fail(run.failure());

  const std::map<pid_t, ProcessStat> before = Descendants();
  const long long serverBefore = options.server ? TicksOf(options.server) : 0;
  const Clock::time_point from = Clock::now();
  std::this_thread::sleep_for(std::chrono::duration<double>(measureS));
  const std::map<pid_t, ProcessStat> after = Descendants();
  const long long serverAfter = options.server ? TicksOf(options.server) : 0;
  const double seconds = std::chrono::duration<double>(Clock::now() - from).count();
  if (!run.Running()) return Fail(run.failure());
  // Processes born during the stretch count from zero; the time of any that ended during
  // it is not seen (on a page that stays, none do).
  const double perSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
  long long ticks = 0;
  for (const auto& [pid, stat] : after) {
    auto old = before.find(pid);
    const long long used = stat.cpuTicks - (old != before.end() ? old->second.cpuTicks : 0);
    ticks += used;
    std::fprintf(stderr, "%8.3f %%  %d %s\n",
                 100.0 * static_cast<double>(used) / perSecond / seconds, pid, stat.name.c_str());
  }
  const bool stillShown = screen.Centre() == colour;
  if (!run.End()) return 1;
  if (!stillShown) std::fprintf(stderr, "page_watch: the page was gone at the end\n");
  std::printf("%.3f %zu %.3f\n", 100.0 * static_cast<double>(ticks) / perSecond / seconds,
              after.size(),
              100.0 * static_cast<double>(serverAfter - serverBefore) / perSecond / seconds);
  return 0;
}

// "changes": resident memory after given numbers of page changes.
int MeasureChanges(Screen& screen, const Options& options, long colourA, long colourB,
                   std::vector<int> counts, double limitS, char** program) {
  Program run(screen, options, program);
  if (!run.failure().empty()) return Fail(run.failure());
  std::optional<Seen> shown =
      run.WaitForColour({colourA, colourB}, options.every, kFirstPageWithin, options.steady);
  if (!shown) return Fail(run.failure());
  const Clock::time_point first = shown->at;
  const Clock::time_point deadline =
      first + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(limitS));
  int changes = 0;
  double longestS = 0;
  std::size_t next = 0;
  // One line: changes, seconds since the first page, Rss and Pss sums in kB, processes,
  // and 1 when the time ran out before the next count (else 0).
  auto report = [&](bool timeUp) {
    Memory sum;
    const std::map<pid_t, ProcessStat> processes = Descendants();
    for (const auto& [pid, stat] : processes) {
      const Memory memory = ReadMemory(pid);
      sum.rssKb += memory.rssKb;
      sum.pssKb += memory.pssKb;
    }
    std::printf("%d %.1f %lld %lld %zu %d\n", changes, MsSince(first) / 1000, sum.rssKb, sum.pssKb,
                processes.size(), timeUp ? 1 : 0);
    std::fflush(stdout);
  };
  while (next < counts.size()) {
    const long other = shown->colour == colourA ? colourB : colourA;
    const auto left = deadline - Clock::now();
    std::optional<Seen> now;
    if (left > Clock::duration::zero()) {
      now = run.WaitForColour({other}, options.every,
                              std::chrono::duration_cast<Clock::duration>(left), options.steady);
    }
    if (!now) {
      if (!run.Running()) return Fail(run.failure());
      // Out of time: the last line holds the count reached.
      report(true);
      break;
    }
    longestS = std::max(longestS, std::chrono::duration<double>(now->at - shown->at).count());
    shown = now;
    ++changes;
    if (changes == counts[next]) {
      report(false);
      ++next;
    }
  }
  std::fprintf(stderr, "%d changes in %.1f s, the longest gap between two %.1f s\n", changes,
               std::chrono::duration<double>(shown->at - first).count(), longestS);
  return run.End() ? 0 : 1;
}

int Usage(const char* self) {
  std::fprintf(stderr,
               "usage: %s [--every MS] [--steady MS] [--server PID] [--log FILE] first COLOUR "
               "PROGRAM [ARGS...]\n"
               "       %s [...] cpu COLOUR SETTLE_S MEASURE_S PROGRAM [ARGS...]\n"
               "       %s [...] changes COLOUR_A COLOUR_B COUNTS LIMIT_S PROGRAM [ARGS...]\n",
               self, self, self);
  return 2;
}

int Main(int argc, char** argv) {
  Options options;
  int i = 1;
  for (; i + 1 < argc && std::strncmp(argv[i], "--", 2) == 0; i += 2) {
    if (std::strcmp(argv[i], "--every") == 0) {
      options.every = std::chrono::milliseconds(std::max(1, std::atoi(argv[i + 1])));
    } else if (std::strcmp(argv[i], "--steady") == 0) {
      options.steady = std::chrono::milliseconds(std::max(0, std::atoi(argv[i + 1])));
    } else if (std::strcmp(argv[i], "--server") == 0) {
      options.server = static_cast<pid_t>(std::atoi(argv[i + 1]));
    } else if (std::strcmp(argv[i], "--log") == 0) {
      options.log = argv[i + 1];
    } else {
      return Usage(argv[0]);
    }
  }
  if (i >= argc) return Usage(argv[0]);
  const std::string mode = argv[i++];
  const int operands = mode == "first" ? 1 : mode == "cpu" ? 3 : mode == "changes" ? 4 : -1;
  if (operands < 0 || argc - i < operands + 1) return Usage(argv[0]);
  std::optional<long> colour = ParseColour(argv[i]);
  std::optional<long> colourB = mode == "changes" ? ParseColour(argv[i + 1]) : colour;
  if (!colour || !colourB) return Usage(argv[0]);

  Screen screen;
  if (!screen.open()) return Fail("cannot open the display");
  if (screen.Centre() == *colour || screen.Centre() == *colourB) {
    return Fail("the centre of the screen already shows the page's colour");
  }
  // Helpers whose parent ends are handed to this process, so none escapes the reaping.
  prctl(PR_SET_CHILD_SUBREAPER, 1);
  char** program = argv + i + operands;
  if (mode == "first") return TimeFirstPage(screen, options, *colour, program);
  if (mode == "cpu") {
    return MeasureCpu(screen, options, *colour, std::atof(argv[i + 1]), std::atof(argv[i + 2]),
                      program);
  }
  std::vector<int> counts;
  for (const char* p = argv[i + 2]; *p;) {
    counts.push_back(std::atoi(p));
    while (*p && *p != ',') ++p;
    if (*p) ++p;
  }
  std::sort(counts.begin(), counts.end());
  return MeasureChanges(screen, options, *colour, *colourB, counts, std::atof(argv[i + 3]),
                        program);
}

}  // namespace

int main(int argc, char** argv) {
  return Main(argc, argv);
}
