#include "paint/undo_history.h"

#include <new>
#include <set>

namespace tintara {
namespace {

std::size_t BitmapBytes(const Bitmap& bitmap) {
  return bitmap.indices.size() + bitmap.pixels.size() * sizeof(std::uint32_t) +
         bitmap.colourTable.size() * sizeof(ColourTableEntry);
}

}  // namespace

void UndoHistory::Record(Step step) {
  undo_.push_back(std::move(step));
  redo_.clear();
  // The step is recorded whole; trimming without the memory to do it waits for the next step.
  try {
    Trim();
  } catch (const std::bad_alloc&) {
  }
}

const Step* UndoHistory::Undo() {
  if (undo_.empty()) return nullptr;
  redo_.push_back(std::move(undo_.back()));
  undo_.pop_back();
  return &redo_.back();
}

const Step* UndoHistory::Redo() {
  if (redo_.empty()) return nullptr;
  undo_.push_back(std::move(redo_.back()));
  redo_.pop_back();
  return &undo_.back();
}

// Steps share the bitmaps they have in common, so each bitmap counts once; the one shown, which
// the newest step leaves, counts not at all.
void UndoHistory::Trim() {
  while (undo_.size() > kMaxSteps) undo_.pop_front();
  for (;;) {
    const Bitmap* shown = undo_.empty() ? nullptr : undo_.back().after.model.work.get();
    std::set<const Bitmap*> kept;
    std::size_t bytes = 0;
    for (const Step& step : undo_) {
      for (const Document* document : {&step.before, &step.after}) {
        const Bitmap* work = document->model.work.get();
        if (work != shown && kept.insert(work).second) bytes += BitmapBytes(*work);
      }
    }
    if (bytes <= maxBitmapBytes_ || undo_.empty()) return;
    undo_.pop_front();
  }
}

}  // namespace tintara
