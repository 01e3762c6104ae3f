#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/problem.h"

namespace tintara {

// The code book: named code strings, one a line ("<code string> # <name>"; see
// code_book_line.h), in a plain text file that is also a codes file for `tintara paint`.

// An entry: its code string exactly as on its line, and its name.
struct CodeBookEntry {
  std::string codes;
  std::optional<std::string> name;  // none for a line without " # "
  friend bool operator==(const CodeBookEntry&, const CodeBookEntry&) = default;
};

// A line kept as it stands: an empty line, a comment, a line whose code string cannot be read or
// one longer than kLongestCodeLine (code_book_line.h), so that writing the book back never loses
// it.
struct KeptLine {
  std::string text;
  friend bool operator==(const KeptLine&, const KeptLine&) = default;
};

using CodeBookLine = std::variant<KeptLine, CodeBookEntry>;

struct CodeBook {
  std::vector<CodeBookLine> lines;
  // Why the file could not be read, when it could not: such a book is never written over the
  // file (WriteCodeBook refuses), so that what the file holds is not lost.
  std::optional<std::string> unreadable;
  friend bool operator==(const CodeBook&, const CodeBook&) = default;
};

// A book read from text, and each line whose code string stops at a bad token or that is too long
// to read, with its line number ("'x' is not a valid integer value"); such lines are kept as they
// stand. Lines end in LF
// or CR LF; what follows the last line break is a line too.
struct ReadBook {
  CodeBook book;
  std::vector<Problem> problems;
};
ReadBook ParseCodeBook(std::string_view text);

// The book as its file holds it, every line ended by LF: the text of a book read from a file the
// program wrote is that file, byte for byte.
std::string CodeBookText(const CodeBook& book);

// The positions in book.lines of its entries, in order: the list the user sees.
std::vector<std::size_t> EntryLines(const CodeBook& book);

// The name as a line can keep it: line breaks become blanks, and " # " loses the blank after
// '#', since the name is what follows a line's last " # ".
std::string StorableName(std::string_view name);

// Whether the entry's line is within kLongestCodeLine, so that it reads back as the entry; why
// not, when it is not.
std::optional<std::string> TooLongForALine(const CodeBookEntry& entry);

// What messages call an entry: its name, or its code string when it has none.
std::string EntryLabel(const CodeBookEntry& entry);

// An entry as a change finds it again in a book that may have changed since it was read: by its
// codes and name, and which of the entries equal to it it is.
struct EntryKey {
  CodeBookEntry entry;
  std::size_t occurrence = 0;  // how many equal entries come before it
};
EntryKey KeyOfLine(const CodeBook& book, std::size_t line);
// The line of the entry, or none when the book no longer holds it.
std::optional<std::size_t> FindEntry(const CodeBook& book, const EntryKey& key);
// The same for many at once, in one pass over the book whatever their number (a whole book
// selected), each in the order given.
std::vector<EntryKey> KeysOfLines(const CodeBook& book, std::span<const std::size_t> lines);
std::vector<std::optional<std::size_t>> FindEntries(const CodeBook& book,
                                                    std::span<const EntryKey> keys);

// Value operations on the book's lines; `line` is a position in book.lines that holds an entry.
void AddEntry(CodeBook& book, std::string codes, std::string_view name);
void RenameEntry(CodeBook& book, std::size_t line, std::string_view name);
// Removes the lines at those positions, in one pass.
void RemoveLines(CodeBook& book, std::span<const std::size_t> lines);
// Swaps the entry with the nearest entry above (-1) or below (+1) it; where it went, or the same
// position when it is the first or last.
std::size_t MoveEntry(CodeBook& book, std::size_t line, int direction);

}  // namespace tintara
