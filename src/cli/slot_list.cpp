#include "cli/slot_list.h"

#include <optional>
#include <string>

#include "cli/option_parser.h"
#include "platform/filled_text.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

Expected<int> SlotNumber(std::string_view text) {
  const std::optional<std::uint32_t> number = WholeNumber(text, kSlotCount);
  if (!number || *number < 1)
    return Problem{Filled(Tr("'%s' is not a slot (1 to 16)."), {ShownToken(text)})};
  return static_cast<int>(*number);
}

}  // namespace

Expected<SlotLocks> ReadSlotList(std::string_view text) {
  SlotLocks slots{};
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string_view item = text.substr(
        start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
    if (item.empty()) {
      return Problem{
          Filled(Tr("'%s' has an empty item: give slots as in 1,2,6-10."), {ShownToken(text)})};
    }
    const std::size_t dash = item.find('-');
    const Expected<int> first = SlotNumber(item.substr(0, dash));
    if (!first) return first.problem();
    const Expected<int> last =
        dash == std::string_view::npos ? first : SlotNumber(item.substr(dash + 1));
    if (!last) return last.problem();
    if (*last < *first) {
      return Problem{
          Filled(Tr("'%s' runs backwards: give the lower slot first."), {ShownToken(item)})};
    }
    for (int s = *first; s <= *last; ++s) slots[static_cast<std::size_t>(s - 1)] = true;
    if (comma == std::string_view::npos) return slots;
    start = comma + 1;
  }
}

}  // namespace tintara
