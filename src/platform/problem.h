#pragma once

#include <string>
#include <utility>
#include <variant>

namespace tintara {

// An expected failure, the one way it travels from the file formats up to the window and the
// command line: what stood in the way, in words for the user (UTF-8), and the file and the line it
// concerns when there is one. Exceptions are left for bugs and for running out of memory.
struct Problem {
  std::string message{};
  std::string file{};  // empty when it concerns no file
  int line = 0;        // from 1; 0 when it concerns no line

  friend bool operator==(const Problem&, const Problem&) = default;
};

// A value, or the problem that stood in the way of making it.
template <typename T>
class [[nodiscard]] Expected {
 public:
  Expected(T value) : state_(std::move(value)) {}            // NOLINT: a value is a success
  Expected(Problem problem) : state_(std::move(problem)) {}  // NOLINT: a problem is a failure

  bool has_value() const { return state_.index() == 0; }
  explicit operator bool() const { return has_value(); }

  T& operator*() & { return std::get<T>(state_); }
  const T& operator*() const& { return std::get<T>(state_); }
  T&& operator*() && { return std::get<T>(std::move(state_)); }
  T* operator->() { return &std::get<T>(state_); }
  const T* operator->() const { return &std::get<T>(state_); }

  const Problem& problem() const& { return std::get<Problem>(state_); }
  Problem&& problem() && { return std::get<Problem>(std::move(state_)); }

 private:
  std::variant<T, Problem> state_;
};

}  // namespace tintara
