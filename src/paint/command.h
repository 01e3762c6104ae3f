#pragma once

#include <functional>
#include <optional>
#include <string>

#include "paint/document.h"
#include "platform/problem.h"

namespace tintara {

// What a command did, besides changing the document, for the session to decide its effects.
struct CommandResult {
  // Why the command stopped, for the user.
  std::optional<Problem> problem{};
  // It stopped at a code string token that is not a number: what it did before that token stays
  // and is its step. Any other problem leaves the document as it was.
  bool keepsChanges = false;
  bool loaded = false;        // a bitmap was loaded: its picture may have a new size
  bool codesApplied = false;  // a code string was applied all through
  // It wrote the code string for the edit box, which replaces whatever was typed there, also
  // when the document stayed the same.
  bool wroteCodeText = false;
  bool stepTaken = false;  // set by the runner: the command changed the document, as a step
};

// One thing the user does, with its inputs taken when it was made: a name for the menu ("Drop on
// Slot 3", "Harrow Head"), an apply on the document, and, where it can be unavailable, an enabled
// test. CommandRunner runs it as one step.
struct Command {
  std::string name;
  std::function<CommandResult(Document&)> apply{};
  std::function<bool(const Document&)> enabled{};  // empty: always available
};

}  // namespace tintara
