#include "formats/code_book_file.h"

#include <filesystem>

#include "formats/code_book_line.h"
#include "formats/export_files.h"
#include "formats/page_codes.h"
#include "paint/code_string.h"
#include "platform/file_io.h"
#include "platform/filled_text.h"
#include "platform/path_names.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

std::string ShownName(const std::string& path) { return ShownText(FileNameOf(path)); }

std::optional<Problem> WriteText(const std::string& path, const std::string& text) {
  const Written written = WriteFileAtomically(
      path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  if (!written) return CannotCreate(path, written.reason);
  return std::nullopt;
}

// A page's code string as an entry, or why a book line cannot keep it.
Expected<CodeBookEntry> PageEntry(const std::string& path) {
  Expected<std::string> codes = ReadPageCodes(path);
  if (!codes) return std::move(codes).problem();
  const auto refused = [&path](const std::string& why) {
    return Problem{Filled(Tr("Cannot import %s: %s"), {ShownName(path), why}), path};
  };
  if (std::optional<std::string> bad = ReadCodeString(*codes).badToken) {
    return refused(BadTokenMessage(*bad));
  }
  if (codes->find(kNameSeparator) != std::string::npos) {
    return refused(Tr("its code string holds ' # ', which a code book line cannot keep"));
  }
  CodeBookEntry entry{std::move(*codes), std::string(StemOf(path))};
  if (std::optional<std::string> why = TooLongForALine(entry)) return refused(*why);
  return entry;
}

// The book in a file that is there, or why it cannot be read.
ReadBook ReadExistingBook(const std::string& path) {
  const auto bytes = ReadWholeFile(path, kMaxCodeBookBytes);
  if (!bytes) {
    ReadBook read;
    read.book.unreadable = bytes.problem().message;
    read.problems.push_back(
        {Filled(Tr("Cannot read the code book %s: %s"), {ShownName(path), bytes.problem().message}),
         path});
    return read;
  }
  ReadBook read =
      ParseCodeBook(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  for (Problem& problem : read.problems) {
    problem.message = ShownName(path) + ":" + std::to_string(problem.line) + ": " + problem.message;
    problem.file = path;
  }
  return read;
}

}  // namespace

ReadBook ReadCodeBook(const std::string& path) {
  // A book not made yet is empty, and written when the first entry is added.
  std::error_code error;
  if (std::filesystem::symlink_status(path, error).type() ==
      std::filesystem::file_type::not_found) {
    return {};
  }
  return ReadExistingBook(path);
}

std::optional<Problem> WriteCodeBook(const std::string& path, const CodeBook& book) {
  if (book.unreadable) {
    return CannotCreate(
        path, Filled(Tr("the code book there could not be read (%s), and is kept as it is"),
                     {*book.unreadable}));
  }
  return WriteText(path, CodeBookText(book));
}

std::optional<Problem> ExportCodeBook(const std::string& path,
                                      std::span<const CodeBookEntry> entries) {
  CodeBook book;
  book.lines.assign(entries.begin(), entries.end());
  return WriteText(path, CodeBookText(book));
}

ImportedEntries ImportCodeBookEntries(std::span<const std::string> paths) {
  ImportedEntries imported;
  for (const std::string& path : paths) {
    const std::string type = AsciiLowerCase(ExtensionOf(path));
    if (type == "htm" || type == "html") {
      Expected<CodeBookEntry> entry = PageEntry(path);
      if (entry) {
        imported.entries.push_back(std::move(*entry));
      } else {
        imported.problems.push_back(std::move(entry).problem());
      }
      continue;
    }
    ReadBook read = ReadExistingBook(path);
    for (Problem& problem : read.problems) imported.problems.push_back(std::move(problem));
    for (const CodeBookLine& line : read.book.lines) {
      if (const auto* entry = std::get_if<CodeBookEntry>(&line)) imported.entries.push_back(*entry);
    }
  }
  return imported;
}

}  // namespace tintara
