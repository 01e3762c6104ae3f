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

  // Runs the command as one step, named for it, when it changed the document beyond the code
  // string: also when it stopped at a code string token that is not a number (what it did before
  // the token is the step). A command that fails in any other way or throws leaves the document
  // exactly as it was and records nothing, and the result says why (its problem, running out of
  // memory, or a fault); one that is not available does nothing and says nothing.
  // The command finds the group checks as the user left them in the document; they are part of
  // the document from before it, so that undoing a change it made to them brings back the user's.
  CommandResult Run(const Command& command, const GroupChecks& checks);

  // The step taken back or taken again; the document is then the one from before it or after it.
  // Nothing when there is no step to take. The step stays valid until the history next changes.
  const Step* Undo();
  const Step* Redo();
  // The step the last command took, while it is the one to undo.
  const Step* newestStep() const { return history_.nextUndo(); }
  const std::string* undoName() const { return history_.undoName(); }
  const std::string* redoName() const { return history_.redoName(); }

 private:
  Document document_;
  UndoHistory history_;
};

}  // namespace tintara
