#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "paint/document.h"

namespace tintara {

// One step the user can undo and redo, named for the menu ("Drop on Slot 3"), with the document
// from before it and from after it.
struct Step {
  std::string name;
  Document before;
  Document after;
};

// The steps to undo and to redo. Memory stays bounded: at most kMaxSteps steps, and work bitmaps
// of at most maxBitmapBytes in all besides the one shown; the oldest steps go first.
class UndoHistory {
 public:
  static constexpr std::size_t kMaxSteps = 500;
  static constexpr std::size_t kMaxBitmapBytes = std::size_t{256} << 20;

  explicit UndoHistory(std::size_t maxBitmapBytes = kMaxBitmapBytes)
      : maxBitmapBytes_(maxBitmapBytes) {}

  // A step was taken: it can be undone, and nothing can be redone. When there is no memory for
  // it, the step is left as it was given and the history as it was.
  void Record(Step&& step);

  const std::string* undoName() const { return undo_.empty() ? nullptr : &undo_.back().name; }
  const std::string* redoName() const { return redo_.empty() ? nullptr : &redo_.back().name; }
  std::size_t undoCount() const { return undo_.size(); }
  // The steps an undo and a redo would take; nothing when there is none.
  const Step* nextUndo() const { return undo_.empty() ? nullptr : &undo_.back(); }
  const Step* nextRedo() const { return redo_.empty() ? nullptr : &redo_.back(); }

  // The step taken back or taken again, which moves to the other list; nothing when there is none.
  // A step handed out stays valid until the history next changes.
  const Step* Undo();
  const Step* Redo();

 private:
  void Trim();
  void DropOldest();

  std::size_t maxBitmapBytes_;
  std::size_t bytes_ = 0;  // the bitmaps of the steps to undo, each once
  std::deque<Step> undo_;
  std::vector<Step> redo_;
};

}  // namespace tintara
