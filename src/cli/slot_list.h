#pragma once

#include <string_view>

#include "paint/document.h"
#include "platform/problem.h"

namespace tintara {

// The slots of a list such as "1,2,6-10": slots and ranges of slots from 1 to 16, separated by
// commas, marked in the locks; or why it is not one: "'17' is not a slot (1 to 16).",
// "'10-6' runs backwards: give the lower slot first.", "'1,,2' has an empty item: give slots as
// in 1,2,6-10.".
Expected<SlotLocks> ReadSlotList(std::string_view text);

}  // namespace tintara
