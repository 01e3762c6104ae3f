#include "paint/undo_history.h"

#include <set>

namespace tintara {
namespace {

std::size_t BitmapBytes(const Bitmap& bitmap) {
  return bitmap.indices.size() + bitmap.pixels.size() * sizeof(std::uint32_t) +
         bitmap.colourTable.size() * sizeof(ColourTableEntry);
}

}  // namespace

void UndoHistory::Record(std::string name, SessionState before, const SessionState& current) {
  redo_.clear();
  undo_.push_back({std::move(name), std::move(before)});
  Trim(current);
}

std::optional<SessionState> UndoHistory::Undo(SessionState current) {
  if (undo_.empty()) return std::nullopt;
  Step step = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back({step.name, std::move(current)});
  return std::move(step.state);
}

std::optional<SessionState> UndoHistory::Redo(SessionState current) {
  if (redo_.empty()) return std::nullopt;
  Step step = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back({step.name, std::move(current)});
  return std::move(step.state);
}

// Steps share the bitmaps they have in common, so each bitmap counts once; the one shown is the
// session's own and counts not at all.
void UndoHistory::Trim(const SessionState& current) {
  while (undo_.size() > kMaxSteps) undo_.pop_front();
  for (;;) {
    std::set<const Bitmap*> kept;
    std::size_t bytes = 0;
    for (const Step& step : undo_) {
      const Bitmap* work = step.state.model.work.get();
      if (work != current.model.work.get() && kept.insert(work).second) bytes += BitmapBytes(*work);
    }
    if (bytes <= maxBitmapBytes_ || undo_.empty()) return;
    undo_.pop_front();
  }
}

}  // namespace tintara
