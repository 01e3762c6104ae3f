#include "paint/undo_history.h"

namespace tintara {
namespace {

std::size_t BitmapBytes(const Bitmap* bitmap) {
  return bitmap->indices.size() + bitmap->pixels.size() * sizeof(std::uint32_t) +
         bitmap->colourTable.size() * sizeof(ColourTableEntry);
}

const Bitmap* Work(const Document& document) { return document.model.work.get(); }

// The bytes of the bitmaps a step brings to those of the step before it. A bitmap is held by one
// run of neighbouring documents: a load brings a new one, and what is undone before a new step is
// dropped from the history, so each bitmap counts once.
std::size_t AddedBytes(const Step* previous, const Step& step) {
  std::size_t bytes = 0;
  if (previous == nullptr || Work(step.before) != Work(previous->after)) {
    bytes += BitmapBytes(Work(step.before));
  }
  if (Work(step.after) != Work(step.before)) bytes += BitmapBytes(Work(step.after));
  return bytes;
}

}  // namespace

void UndoHistory::Record(Step&& step) {
  const std::size_t added = AddedBytes(undo_.empty() ? nullptr : &undo_.back(), step);
  undo_.push_back(std::move(step));
  bytes_ += added;
  redo_.clear();
  Trim();
}

const Step* UndoHistory::Undo() {
  if (undo_.empty()) return nullptr;
  redo_.push_back(std::move(undo_.back()));
  undo_.pop_back();
  bytes_ -= AddedBytes(undo_.empty() ? nullptr : &undo_.back(), redo_.back());
  return &redo_.back();
}

const Step* UndoHistory::Redo() {
  if (redo_.empty()) return nullptr;
  const std::size_t added = AddedBytes(undo_.empty() ? nullptr : &undo_.back(), redo_.back());
  undo_.push_back(std::move(redo_.back()));
  redo_.pop_back();
  bytes_ += added;
  return &undo_.back();
}

void UndoHistory::DropOldest() {
  bytes_ -= AddedBytes(nullptr, undo_.front());
  const Bitmap* left = Work(undo_.front().after);
  undo_.pop_front();
  // The next step now starts the history: its first bitmap counts on its own.
  if (!undo_.empty() && Work(undo_.front().before) == left) {
    bytes_ += BitmapBytes(Work(undo_.front().before));
  }
}

// The bitmap shown, which the newest step leaves, counts not at all.
void UndoHistory::Trim() {
  while (undo_.size() > kMaxSteps) DropOldest();
  while (!undo_.empty() && bytes_ - BitmapBytes(Work(undo_.back().after)) > maxBitmapBytes_) {
    DropOldest();
  }
}

}  // namespace tintara
