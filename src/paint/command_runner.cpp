#include "paint/command_runner.h"

#include <exception>
#include <new>

namespace tintara {

CommandResult CommandRunner::Run(const Command& command) {
  // The checks as the user left them belong to the document from before the command.
  if (command.groups) document_.groups = *command.groups;
  if (command.enabled && !command.enabled(document_)) return {};
  Document changed = document_;
  CommandResult result;
  try {
    result = command.apply(changed);
    if (result.problem && !result.keepsChanges) return result;
    if (changed == document_) return result;
    history_.Record({command.name, document_, changed});
  } catch (const std::bad_alloc&) {
    return {.problem = Problem{command.name + " was not done: there is not enough memory."}};
  } catch (const std::exception& fault) {
    return {.problem = Problem{command.name + " was not done: " + fault.what()}};
  }
  document_ = std::move(changed);
  result.stepTaken = true;
  return result;
}

const Step* CommandRunner::Undo() {
  const Step* step = history_.Undo();
  if (step != nullptr) document_ = step->before;
  return step;
}

const Step* CommandRunner::Redo() {
  const Step* step = history_.Redo();
  if (step != nullptr) document_ = step->after;
  return step;
}

}  // namespace tintara
