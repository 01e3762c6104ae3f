#pragma once

#include <string>

#include "paint/command.h"
#include "paint/document.h"
#include "paint/undo_history.h"

namespace tintara {

// What the user edits in place beside the document and has not applied: the edit box's text and
// the group checks, as the session holds them. They stay the user's: a command or a step changes
// them only where it changed them itself.
struct EditsInPlace {
  std::string codeText;
  GroupChecks groups{};

  friend bool operator==(const EditsInPlace&, const EditsInPlace&) = default;
};

// After a command ran: the checks its step changed, and the code string it wrote, which replaces
// whatever was typed.
void FollowCommand(EditsInPlace& edits, const CommandResult& result, const Step* step,
                   const Document& document);

// After the step was undone (`undone`) or redone: the checks it changed, as the document now has
// them, and the code string of that document, unless the edit box holds a draft, a code string
// typed since and never applied, which stays.
void FollowStep(EditsInPlace& edits, const Step& step, bool undone);

}  // namespace tintara
