#include "paint/edits_in_place.h"

namespace tintara {
namespace {

void FollowGroups(GroupChecks& groups, const Step& step, const Document& shown) {
  for (std::size_t g = 0; g < groups.size(); ++g) {
    if (step.before.groups[g] != step.after.groups[g]) groups[g] = shown.groups[g];
  }
}

}  // namespace

void FollowCommand(EditsInPlace& edits, const CommandResult& result, const Step* step,
                   const Document& document) {
  if (step != nullptr) FollowGroups(edits.groups, *step, document);
  if (result.wroteCodeText) edits.codeText = document.codeText;
}

void FollowStep(EditsInPlace& edits, const Step& step, bool undone) {
  const Document& left = undone ? step.after : step.before;
  const Document& shown = undone ? step.before : step.after;
  FollowGroups(edits.groups, step, shown);
  // A draft differs from the code string of the document it was typed over.
  if (edits.codeText == left.codeText) edits.codeText = shown.codeText;
}

}  // namespace tintara
