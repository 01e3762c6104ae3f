#include "formats/code_book.h"

#include <algorithm>
#include <utility>

#include "formats/code_book_line.h"
#include "paint/code_string.h"

namespace tintara {
namespace {

std::string LineText(const CodeBookLine& line) {
  if (const auto* kept = std::get_if<KeptLine>(&line)) return kept->text;
  const CodeBookEntry& entry = std::get<CodeBookEntry>(line);
  if (!entry.name) return entry.codes;
  return entry.codes + std::string(kNameSeparator) + *entry.name;
}

bool Holds(const CodeBookLine& line, const CodeBookEntry& entry) {
  const auto* held = std::get_if<CodeBookEntry>(&line);
  return held != nullptr && *held == entry;
}

}  // namespace

ReadBook ParseCodeBook(std::string_view text) {
  ReadBook read;
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    // Every CR before the line break goes, so that a line read again reads the same.
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kLongestCodeLine) {
      read.problems.push_back({LongLineReason(), {}, number});
      read.book.lines.emplace_back(KeptLine{std::string(line)});
      continue;
    }
    const CodeBookLineParts parts = SplitCodeBookLine(line);
    std::optional<std::string> badToken;
    if (!parts.comment) badToken = ReadCodeString(parts.codes).badToken;
    if (parts.comment || badToken) {
      if (badToken) read.problems.push_back({BadTokenMessage(*badToken), {}, number});
      read.book.lines.emplace_back(KeptLine{std::string(line)});
      continue;
    }
    std::optional<std::string> name;
    if (parts.name) name.emplace(*parts.name);
    read.book.lines.emplace_back(CodeBookEntry{std::string(parts.codes), std::move(name)});
  }
  return read;
}

std::string CodeBookText(const CodeBook& book) {
  std::string text;
  for (const CodeBookLine& line : book.lines) text += LineText(line) + '\n';
  return text;
}

std::vector<std::size_t> EntryLines(const CodeBook& book) {
  std::vector<std::size_t> entries;
  // Counted first, so that the list takes no more than it holds.
  entries.reserve(static_cast<std::size_t>(std::count_if(
      book.lines.begin(), book.lines.end(),
      [](const CodeBookLine& line) { return std::holds_alternative<CodeBookEntry>(line); })));
  for (std::size_t i = 0; i < book.lines.size(); ++i) {
    if (std::holds_alternative<CodeBookEntry>(book.lines[i])) entries.push_back(i);
  }
  return entries;
}

std::string StorableName(std::string_view name) {
  std::string line = std::string(kNameSeparator) + std::string(name);
  for (char& character : line) {
    if (character == '\n' || character == '\r') character = ' ';
  }
  for (std::size_t at = line.find(kNameSeparator, 1); at != std::string::npos;
       at = line.find(kNameSeparator, at)) {
    line.erase(at + 2, 1);
  }
  return line.substr(kNameSeparator.size());
}

std::optional<std::string> TooLongForALine(const CodeBookEntry& entry) {
  if (LineText(entry).size() <= kLongestCodeLine) return std::nullopt;
  return "a code book line holds at most " + std::to_string(kLongestCodeLine) + " bytes";
}

std::string EntryLabel(const CodeBookEntry& entry) {
  return entry.name && !entry.name->empty() ? *entry.name : entry.codes;
}

EntryKey KeyOfLine(const CodeBook& book, std::size_t line) {
  EntryKey key{std::get<CodeBookEntry>(book.lines.at(line))};
  for (std::size_t other = 0; other < line; ++other) {
    if (Holds(book.lines[other], key.entry)) ++key.occurrence;
  }
  return key;
}

std::optional<std::size_t> FindEntry(const CodeBook& book, const EntryKey& key) {
  std::size_t seen = 0;
  for (std::size_t line = 0; line < book.lines.size(); ++line) {
    if (Holds(book.lines[line], key.entry) && seen++ == key.occurrence) return line;
  }
  return std::nullopt;
}

void AddEntry(CodeBook& book, std::string codes, std::string_view name) {
  book.lines.emplace_back(CodeBookEntry{std::move(codes), StorableName(name)});
}

void RenameEntry(CodeBook& book, std::size_t line, std::string_view name) {
  std::get<CodeBookEntry>(book.lines.at(line)).name = StorableName(name);
}

void RemoveLine(CodeBook& book, std::size_t line) {
  book.lines.erase(book.lines.begin() + static_cast<std::ptrdiff_t>(line));
}

std::size_t MoveEntry(CodeBook& book, std::size_t line, int direction) {
  for (std::size_t other = line; direction < 0 ? other > 0 : other + 1 < book.lines.size();) {
    other = direction < 0 ? other - 1 : other + 1;
    if (std::holds_alternative<CodeBookEntry>(book.lines[other])) {
      std::swap(book.lines[line], book.lines[other]);
      return other;
    }
  }
  return line;
}

}  // namespace tintara
