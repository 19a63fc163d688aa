// A lazy sequence produced by a coroutine: each co_yield hands out one value, and the
// coroutine runs on only when the next value is asked for.
#pragma once

#include <coroutine>
#include <exception>
#include <optional>
#include <utility>

namespace pgw {

template <typename T>
class Generator {
 public:
  struct promise_type {
    std::optional<T> current;
    Generator get_return_object() {
      return Generator(std::coroutine_handle<promise_type>::from_promise(*this));
    }
    std::suspend_always initial_suspend() noexcept { return {}; }
    std::suspend_always final_suspend() noexcept { return {}; }
    std::suspend_always yield_value(T value) {
      current = std::move(value);
      return {};
    }
    void return_void() {}
    void unhandled_exception() { std::terminate(); }
  };

  Generator() = default;
  Generator(Generator&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
  Generator& operator=(Generator&& other) noexcept {
    if (this != &other) {
      if (handle_) handle_.destroy();
      handle_ = std::exchange(other.handle_, {});
    }
    return *this;
  }
  Generator(const Generator&) = delete;
  Generator& operator=(const Generator&) = delete;
  ~Generator() {
    if (handle_) handle_.destroy();
  }

  // The next value, or nothing once the sequence has ended.
  std::optional<T> Next() {
    if (!handle_ || handle_.done()) return std::nullopt;
    handle_.promise().current.reset();
    handle_.resume();
    if (handle_.done()) return std::nullopt;
    return std::move(handle_.promise().current);
  }

 private:
  explicit Generator(std::coroutine_handle<promise_type> handle) : handle_(handle) {}
  std::coroutine_handle<promise_type> handle_;
};

}  // namespace pgw
