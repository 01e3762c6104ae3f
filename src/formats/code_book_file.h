#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/code_book.h"
#include "platform/problem.h"

namespace tintara {

// A code book file is small; a larger one is not read, and so never written over.
inline constexpr std::size_t kMaxCodeBookBytes = std::size_t{16} << 20;

// The book in the file at path, and what the user is told about it, each message naming the file:
// "codebook.txt:3: 'x' is not a valid integer value" for a line kept but not read as an entry, or
// "Cannot read the code book codebook.txt: not a regular file" once for a file that is there but
// cannot be read, which gives an empty book marked unreadable. A file that does not exist yet
// gives an empty book that can be written.
ReadBook ReadCodeBook(const std::string& path);

// Writes the book to path through a temporary file, replacing the file only when the new one is
// whole; nothing when done. A book marked unreadable, a read-only file and one that cannot be
// created are refused: "Cannot create file <path>: <reason>".
[[nodiscard]] std::optional<Problem> WriteCodeBook(const std::string& path, const CodeBook& book);

// Writes the entries as a book of their own, for "Export...".
[[nodiscard]] std::optional<Problem> ExportCodeBook(const std::string& path,
                                                    std::span<const CodeBookEntry> entries);

// The entries of each file for "Import...", in order: every entry of a code book, or the code
// string of a saved HTML page (.htm or .html), named after the page's file name without its
// extension. A file that cannot be read, or a page whose code string a book line cannot keep, is
// told and the other files are still read.
struct ImportedEntries {
  std::vector<CodeBookEntry> entries;
  std::vector<Problem> problems;
};
ImportedEntries ImportCodeBookEntries(std::span<const std::string> paths);

}  // namespace tintara
