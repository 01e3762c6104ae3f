// Reads the input as a code book and writes it back: the book read again from its text is the same
// book, its text is stable, and the text of a book the program wrote is that book's file, byte for
// byte. A violated invariant aborts.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/code_book.h"
#include "invariant.h"

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
  return 0;
}
