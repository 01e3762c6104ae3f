#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "paint/session_state.h"

namespace tintara {

// The steps the user can undo and redo, each named for the menu ("Drop on Slot 3") and keeping
// the state from before it, for an undo, or from after it, for a redo. Memory stays bounded: at
// most kMaxSteps steps, and work bitmaps of at most maxBitmapBytes in all besides the one shown;
// the oldest steps go first.
class UndoHistory {
 public:
  static constexpr std::size_t kMaxSteps = 500;
  static constexpr std::size_t kMaxBitmapBytes = std::size_t{256} << 20;

  explicit UndoHistory(std::size_t maxBitmapBytes = kMaxBitmapBytes)
      : maxBitmapBytes_(maxBitmapBytes) {}

  // A step was taken from `before` to `current`: it can be undone, and nothing can be redone.
  void Record(std::string name, SessionState before, const SessionState& current);
  // Something changed without a step of its own: what was undone can no longer be redone.
  void ForgetRedo() { redo_.clear(); }

  const std::string* undoName() const { return undo_.empty() ? nullptr : &undo_.back().name; }
  const std::string* redoName() const { return redo_.empty() ? nullptr : &redo_.back().name; }
  std::size_t undoCount() const { return undo_.size(); }

  // The state to show instead of `current`, which becomes the other way's step; nothing when
  // there is no step to take.
  std::optional<SessionState> Undo(SessionState current);
  std::optional<SessionState> Redo(SessionState current);

 private:
  struct Step {
    std::string name;
    SessionState state;
  };

  void Trim(const SessionState& current);

  std::size_t maxBitmapBytes_;
  std::deque<Step> undo_;
  std::vector<Step> redo_;
};

}  // namespace tintara
