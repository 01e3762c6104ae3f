#include "paint/command_runner.h"

#include <exception>
#include <new>

namespace tintara {
namespace {

// The code string alone is what the user typed, kept as the edit box shows it: a command that
// changed nothing else, as one that stopped at its first token, made no step of it.
bool ChangedBeyondTheCodeText(Document& changed, const Document& before) {
  std::string text = std::move(changed.codeText);
  changed.codeText = before.codeText;
  const bool beyond = !(changed == before);
  changed.codeText = std::move(text);
  return beyond;
}

}  // namespace

CommandResult CommandRunner::Run(const Command& command) {
  CommandResult result;
  Document changed;
  try {
    // The checks as the user left them belong to the document from before the command.
    Document before = document_;
    if (command.groups) before.groups = *command.groups;
    if (command.enabled && !command.enabled(before)) return {};
    changed = before;
    result = command.apply(changed);
    if (result.problem && !result.keepsChanges) return result;
    if (!ChangedBeyondTheCodeText(changed, before)) {
      document_.codeText = std::move(changed.codeText);
      return result;
    }
    history_.Record({command.name, std::move(before), changed});
  } catch (const std::bad_alloc&) {
    return {.problem = Problem{command.name + " was not done: there is not enough memory."}};
  } catch (const std::exception& fault) {
    return {.problem = Problem{command.name + " was not done: " + fault.what()}};
  }
  document_ = std::move(changed);
  result.stepTaken = true;
  return result;
}

// The document to show is copied before the step moves, so that running out of memory leaves
// both as they were.
const Step* CommandRunner::Undo() {
  const Step* next = history_.nextUndo();
  if (next == nullptr) return nullptr;
  Document shown = next->before;
  const Step* step = history_.Undo();
  document_ = std::move(shown);
  return step;
}

const Step* CommandRunner::Redo() {
  const Step* next = history_.nextRedo();
  if (next == nullptr) return nullptr;
  Document shown = next->after;
  const Step* step = history_.Redo();
  document_ = std::move(shown);
  return step;
}

}  // namespace tintara
