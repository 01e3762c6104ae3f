#include "paint/command_runner.h"
#include "platform/filled_text.h"
#include "platform/translation.h"

#include <exception>
#include <new>
#include <utility>

namespace tintara {
namespace {

// The code string alone is what the user typed, kept as the edit box shows it: a command that
// changed nothing else, as one that stopped at its first token, made no step of it.
bool ChangedBeyondTheCodeText(Document& changed, Document& before) {
  std::string changedText = std::move(changed.codeText);
  std::string beforeText = std::move(before.codeText);
  changed.codeText.clear();
  before.codeText.clear();
  const bool beyond = !(changed == before);
  changed.codeText = std::move(changedText);
  before.codeText = std::move(beforeText);
  return beyond;
}

}  // namespace

CommandResult CommandRunner::Run(const Command& command, const GroupChecks& checks) {
  CommandResult result;
  try {
    Document changed = document_;
    changed.groups = checks;
    if (command.enabled && !command.enabled(changed)) return {};
    result = command.apply(changed);
    if (result.problem && !result.keepsChanges) return result;
    const GroupChecks own = std::exchange(document_.groups, checks);
    const bool stepped = ChangedBeyondTheCodeText(changed, document_);
    document_.groups = own;
    if (!stepped) {
      document_.codeText = std::move(changed.codeText);
      return result;
    }
    // The step takes the document from before without copying it, and gives it back when the
    // history has no room for the step.
    Document after = changed;
    Step step{command.name, std::move(document_), std::move(after)};
    step.before.groups = checks;
    try {
      history_.Record(std::move(step));
    } catch (...) {
      document_ = std::move(step.before);
      document_.groups = own;
      throw;
    }
    document_ = std::move(changed);
  } catch (const std::bad_alloc&) {
    return {.problem = Problem{
                Filled(Tr("%s was not done: there is not enough memory."), {command.name})}};
  } catch (const std::exception& fault) {
    return {.problem = Problem{Filled(Tr("%s was not done: %s"), {command.name, fault.what()})}};
  }
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
