#include "formats/code_book.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <unordered_map>
#include <utility>

#include "formats/code_book_line.h"
#include "paint/code_string.h"
#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

std::string LineText(const CodeBookLine& line) {
  if (const auto* kept = std::get_if<KeptLine>(&line)) return kept->text;
  const CodeBookEntry& entry = std::get<CodeBookEntry>(line);
  if (!entry.name) return entry.codes;
  return entry.codes + std::string(kNameSeparator) + *entry.name;
}

// An entry as the look-ups below compare it, without a copy of its text.
struct EntryText {
  std::string_view codes;
  std::optional<std::string_view> name;
  friend bool operator==(const EntryText&, const EntryText&) = default;
};

EntryText TextOf(const CodeBookEntry& entry) {
  return {entry.codes, entry.name ? std::optional<std::string_view>(*entry.name) : std::nullopt};
}

struct EntryTextHash {
  std::size_t operator()(const EntryText& text) const {
    const std::size_t codes = std::hash<std::string_view>()(text.codes);
    return text.name ? codes ^ (std::hash<std::string_view>()(*text.name) * 31 + 1) : codes;
  }
};

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
  return Filled(Tr("a code book line holds at most %s bytes"), {std::to_string(kLongestCodeLine)});
}

std::string EntryLabel(const CodeBookEntry& entry) {
  return entry.name && !entry.name->empty() ? *entry.name : entry.codes;
}

std::vector<EntryKey> KeysOfLines(const CodeBook& book, std::span<const std::size_t> lines) {
  std::vector<std::size_t> order(lines.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&](auto a, auto b) { return lines[a] < lines[b]; });
  // How many of each entry looked for the pass has met.
  std::unordered_map<EntryText, std::size_t, EntryTextHash> seen;
  for (const std::size_t line : lines) {
    seen.emplace(TextOf(std::get<CodeBookEntry>(book.lines.at(line))), 0);
  }
  std::vector<std::optional<std::size_t>> occurrences(lines.size());
  auto next = order.begin();
  for (std::size_t line = 0; next != order.end(); ++line) {
    const auto* entry = std::get_if<CodeBookEntry>(&book.lines[line]);
    const auto counted = entry ? seen.find(TextOf(*entry)) : seen.end();
    if (counted == seen.end()) continue;
    for (; next != order.end() && lines[*next] == line; ++next)
      occurrences[*next] = counted->second;
    ++counted->second;
  }
  std::vector<EntryKey> keys;
  keys.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    keys.push_back({std::get<CodeBookEntry>(book.lines[lines[i]]), *occurrences[i]});
  }
  return keys;
}

EntryKey KeyOfLine(const CodeBook& book, std::size_t line) {
  return KeysOfLines(book, std::span(&line, 1)).front();
}

std::vector<std::optional<std::size_t>> FindEntries(const CodeBook& book,
                                                    std::span<const EntryKey> keys) {
  // The keys by entry and occurrence, so that one pass over the book meets each in turn.
  std::vector<std::size_t> order(keys.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(),
            [&](auto a, auto b) { return keys[a].occurrence < keys[b].occurrence; });
  struct Sought {
    std::vector<std::size_t> keys;  // by occurrence
    std::size_t next = 0;           // the first of them not met yet
    std::size_t seen = 0;           // the equal entries met
  };
  std::unordered_map<EntryText, Sought, EntryTextHash> sought;
  for (const std::size_t key : order) sought[TextOf(keys[key].entry)].keys.push_back(key);
  std::vector<std::optional<std::size_t>> found(keys.size());
  for (std::size_t line = 0; line < book.lines.size(); ++line) {
    const auto* entry = std::get_if<CodeBookEntry>(&book.lines[line]);
    const auto wanted = entry ? sought.find(TextOf(*entry)) : sought.end();
    if (wanted == sought.end()) continue;
    Sought& s = wanted->second;
    for (; s.next < s.keys.size() && keys[s.keys[s.next]].occurrence == s.seen; ++s.next) {
      found[s.keys[s.next]] = line;
    }
    ++s.seen;
  }
  return found;
}

std::optional<std::size_t> FindEntry(const CodeBook& book, const EntryKey& key) {
  return FindEntries(book, std::span(&key, 1)).front();
}

void AddEntry(CodeBook& book, std::string codes, std::string_view name) {
  book.lines.emplace_back(CodeBookEntry{std::move(codes), StorableName(name)});
}

void RenameEntry(CodeBook& book, std::size_t line, std::string_view name) {
  std::get<CodeBookEntry>(book.lines.at(line)).name = StorableName(name);
}

void RemoveLines(CodeBook& book, std::span<const std::size_t> lines) {
  std::vector<bool> removed(book.lines.size());
  for (const std::size_t line : lines) removed.at(line) = true;
  std::size_t kept = 0;
  for (std::size_t line = 0; line < book.lines.size(); ++line) {
    if (removed[line]) continue;
    if (kept != line) book.lines[kept] = std::move(book.lines[line]);
    ++kept;
  }
  book.lines.resize(kept);
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
