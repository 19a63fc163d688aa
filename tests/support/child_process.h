// Starts a program for a test and waits for it, with a deadline so a test never hangs.
#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace pgw::test {

// Polls `condition` every 20 ms until it holds or `limit` has passed.
inline bool WaitFor(const std::function<bool()>& condition,
                    std::chrono::milliseconds limit = std::chrono::seconds(30)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

class ChildProcess {
 public:
  explicit ChildProcess(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (::posix_spawnp(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
  }
  ~ChildProcess() {
    if (pid_ > 0 && !status_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return pid_ > 0; }
  pid_t pid() const { return pid_; }

  // True while the program runs.
  bool Running() {
    if (status_) return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
    return !status_;
  }

  // The exit code once the program has ended by itself within `limit`; -1 when it was
  // ended by a signal; nothing when it still runs.
  std::optional<int> WaitForExit(std::chrono::milliseconds limit = std::chrono::seconds(30)) {
    if (!WaitFor([this] { return !Running(); }, limit)) return std::nullopt;
    return WIFEXITED(*status_) ? WEXITSTATUS(*status_) : -1;
  }

  void Terminate() {
    if (Running()) ::kill(pid_, SIGTERM);
    WaitForExit();
  }

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

// Runs a command to its end and gives its exit code.
inline int RunToEnd(const std::vector<std::string>& arguments) {
  ChildProcess child(arguments);
  if (!child.started()) return -1;
  return child.WaitForExit().value_or(-1);
}

}  // namespace pgw::test
