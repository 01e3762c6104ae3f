// Reads the input as a code book and writes it back: the book read again from its text is the same
// book, its text is stable, and the text of a book the program wrote is that book's file, byte for
// byte. Then lists it as the code book window does: a row for each entry, in order, each found
// again by its key, its strip coloured only from the palette. A violated invariant aborts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/code_book.h"
#include "formats/code_book_line.h"
#include "formats/code_book_rows.h"
#include "invariant.h"
#include "paint/reference_palette.h"

namespace {

// Whether the text is one the program writes: LF-ended lines, none with a CR at its end.
bool WrittenByTheProgram(std::string_view text) {
  if (!text.empty() && text.back() != '\n') return false;
  return text.find("\r\n") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tintara::ReadBook read = tintara::ParseCodeBook(text);
  const std::string written = tintara::CodeBookText(read.book);
  const tintara::ReadBook again = tintara::ParseCodeBook(written);
  Check(again.book == read.book, "a book read from its own text is the same book");
  Check(again.problems.size() == read.problems.size(), "the same lines are told again");
  Check(tintara::CodeBookText(again.book) == written, "a book's text is stable");
  if (WrittenByTheProgram(text)) Check(written == text, "a written book comes back byte for byte");
  // A name added through the book's own operations reads back unchanged.
  tintara::CodeBook book = read.book;
  tintara::AddEntry(book, "1 2 3 ", text.substr(0, 64));
  const tintara::ReadBook added = tintara::ParseCodeBook(tintara::CodeBookText(book));
  Check(added.book == book, "an added entry reads back as added");

  const tintara::CodeBookRows rows(read.book);
  const auto entries = static_cast<std::size_t>(
      std::count_if(read.book.lines.begin(), read.book.lines.end(), [](const auto& line) {
        return std::holds_alternative<tintara::CodeBookEntry>(line);
      }));
  Check(rows.size() == entries, "every entry is a row");
  for (std::size_t row = 0; row < rows.size(); ++row) {
    Check(rows.rowAtLine(rows.lines()[row]) == row, "a row is found at its entry's line");
    const tintara::CodeBookEntry& entry = rows.entry(row);
    Check(entry.codes.size() + entry.name.value_or("").size() <= tintara::kLongestCodeLine,
          "a row's line is within the bound");
    for (const auto& colour : tintara::SlotColoursOf(entry.codes)) {
      Check(!colour || std::find(tintara::kReferencePalette.begin(),
                                 tintara::kReferencePalette.end(),
                                 *colour) != tintara::kReferencePalette.end(),
            "a slot's colour is the palette's");
    }
  }
  const std::vector<tintara::EntryKey> keys = tintara::KeysOfLines(read.book, rows.lines());
  const std::vector<std::optional<std::size_t>> found = tintara::FindEntries(read.book, keys);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    Check(found[row] == rows.lines()[row], "an entry is found again by its key");
  }
  return 0;
}
