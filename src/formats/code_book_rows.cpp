#include "formats/code_book_rows.h"

#include <algorithm>
#include <string>

#include "paint/code_comparison.h"
#include "paint/reference_palette.h"

namespace tintara {

SlotColours SlotColoursOf(std::string_view codes) {
  SlotColours colours;
  const auto slotCodes = SlotCodes(std::string(codes));
  for (std::size_t slot = 0; slot < colours.size(); ++slot) {
    if (const auto code = slotCodes[slot]) colours[slot] = kReferencePalette[std::size_t(*code)];
  }
  return colours;
}

CodeBookRows::CodeBookRows(const CodeBook& book) : book_(&book), lines_(EntryLines(book)) {}

const CodeBookEntry& CodeBookRows::entry(std::size_t row) const {
  return std::get<CodeBookEntry>(book_->lines.at(lines_.at(row)));
}

std::optional<std::size_t> CodeBookRows::rowAtLine(std::size_t line) const {
  if (lines_.empty()) return std::nullopt;
  const auto at = std::lower_bound(lines_.begin(), lines_.end(), line);
  return static_cast<std::size_t>(at - lines_.begin()) - (at == lines_.end() ? 1 : 0);
}

}  // namespace tintara
