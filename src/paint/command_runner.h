#pragma once

#include <cstddef>
#include <string>

#include "paint/command.h"
#include "paint/document.h"
#include "paint/undo_history.h"

namespace tintara {

// Runs every command, and undoes and redoes them: the one place the document changes.
class CommandRunner {
 public:
  explicit CommandRunner(Document document,
                         std::size_t maxBitmapBytes = UndoHistory::kMaxBitmapBytes)
      : document_(std::move(document)), history_(maxBitmapBytes) {}

  const Document& document() const { return document_; }

  // Runs the command as one step, named for it, when it changed the document: also when it
  // stopped at a code string token that is not a number (what it did before the token is the
  // step). A command that fails in any other way, throws, or is not available leaves the document
  // exactly as it was and records nothing; the result then says why (out of memory, or a fault).
  CommandResult Run(const Command& command);

  // The step taken back or taken again; the document is then the one from before it or after it.
  // Nothing when there is no step to take.
  const Step* Undo();
  const Step* Redo();
  // The step the last command took, while it is the one to undo.
  const Step* newestStep() const { return history_.newestStep(); }
  const std::string* undoName() const { return history_.undoName(); }
  const std::string* redoName() const { return history_.redoName(); }
  std::size_t undoCount() const { return history_.undoCount(); }

 private:
  Document document_;
  UndoHistory history_;
};

}  // namespace tintara
