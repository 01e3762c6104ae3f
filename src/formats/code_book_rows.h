#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "formats/code_book.h"
#include "platform/colour.h"

namespace tintara {

// The colour the code string gives each of the 16 slots, or none where it leaves the slot as it is.
using SlotColours = std::array<std::optional<Colour>, 16>;
SlotColours SlotColoursOf(std::string_view codes);

// The code book as its window lists it: a row for each entry, in the book's order. A row keeps only
// where its entry is; what the window shows of it is read from the book when the row is shown, so
// that the rows of a book of any size cost one position an entry.
class CodeBookRows {
 public:
  // The book must outlive the rows, and be shown again (a new CodeBookRows) once it changed.
  explicit CodeBookRows(const CodeBook& book);

  std::size_t size() const { return lines_.size(); }
  // The positions in book.lines of the rows' entries, in order.
  const std::vector<std::size_t>& lines() const { return lines_; }
  const CodeBookEntry& entry(std::size_t row) const;
  // The row of the entry at the line or the first one after it, else the last row; none when
  // there are no rows.
  std::optional<std::size_t> rowAtLine(std::size_t line) const;

 private:
  const CodeBook* book_;
  std::vector<std::size_t> lines_;
};

}  // namespace tintara
