#include "platform/ini_file.h"

#include <filesystem>
#include <span>
#include <vector>

#include "platform/file_io.h"
#include "platform/number_reader.h"
#include "platform/system_reason.h"

namespace tintara {

namespace {

// The file is handled as raw bytes: names match by ASCII letter case only, and anything else
// (NUL bytes, invalid UTF-8) is carried along untouched.
constexpr std::string_view kBlanks = " \t\r\v\f";
// Editors that save UTF-8 may put a byte order mark in front of the first section.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A settings file is small; anything larger is not one to read or rewrite.
constexpr std::size_t kMaxIniBytes = std::size_t{16} << 20;

std::string_view WithoutByteOrderMark(std::string_view content) {
  if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
  return content;
}

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool IsBlankOrLineEnd(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

struct Line {
  std::string_view text;
  std::string_view terminator;  // "\n", "\r\n", or empty for a last line without a newline
};

std::vector<Line> SplitLines(std::string_view content) {
  std::vector<Line> lines;
  while (!content.empty()) {
    const std::size_t newline = content.find('\n');
    if (newline == std::string_view::npos) {
      lines.push_back({content, {}});
      break;
    }
    const bool crlf = newline > 0 && content[newline - 1] == '\r';
    const std::size_t textLength = crlf ? newline - 1 : newline;
    lines.push_back(
        {content.substr(0, textLength), content.substr(textLength, newline + 1 - textLength)});
    content.remove_prefix(newline + 1);
  }
  return lines;
}

// "[name]" with the name between the '[' and the last ']' of the line; text after it is ignored.
std::optional<std::string_view> SectionName(std::string_view lineText) {
  const std::string_view text = Trim(lineText);
  if (text.empty() || text.front() != '[') return std::nullopt;
  const std::size_t close = text.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(text.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

// "key=value", split at the first '='. Comments and section lines are not key lines.
std::optional<KeyLine> ParseKeyLine(std::string_view lineText) {
  const std::string_view text = Trim(lineText);
  if (text.empty() || text.front() == ';' || SectionName(text)) return std::nullopt;
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The lines of the first section of that name: from its header to the next section header.
struct SectionLines {
  std::size_t header;
  std::size_t end;
};

std::optional<SectionLines> FindSection(std::span<const Line> lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i].text);
    if (!name || !EqualIgnoringCase(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end].text)) ++end;
    return SectionLines{i, end};
  }
  return std::nullopt;
}

struct FoundKey {
  std::size_t line;
  KeyLine keyLine;
};

std::optional<FoundKey> FindKey(std::span<const Line> lines, SectionLines section,
                                std::string_view key) {
  for (std::size_t i = section.header + 1; i < section.end; ++i) {
    const auto keyLine = ParseKeyLine(lines[i].text);
    if (keyLine && EqualIgnoringCase(keyLine->key, key)) return FoundKey{i, *keyLine};
  }
  return std::nullopt;
}

std::size_t LastKeyLineOrHeader(std::span<const Line> lines, SectionLines section) {
  std::size_t last = section.header;
  for (std::size_t i = section.header + 1; i < section.end; ++i) {
    if (ParseKeyLine(lines[i].text)) last = i;
  }
  return last;
}

// Lines added to a file end the way its first line ends, so a CRLF file stays CRLF; a new file,
// or one without any line break yet, gets the native "\n".
std::string_view LineEnding(std::span<const Line> lines) {
  for (const Line& line : lines) {
    if (!line.terminator.empty()) return line.terminator;
  }
  return "\n";
}

// The lines as they were, with `inserted` placed in front of line `insertAt` (or at the end).
// A last line without a newline gets one when something follows it.
std::string JoinLines(std::span<const Line> lines, std::size_t insertAt, std::string_view inserted,
                      std::string_view eol) {
  std::string out;
  const auto insert = [&] {
    if (inserted.empty()) return;
    if (!out.empty() && out.back() != '\n') out += eol;
    out += inserted;
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == insertAt) insert();
    out += lines[i].text;
    out += lines[i].terminator;
  }
  if (insertAt >= lines.size()) insert();
  return out;
}

// Empty when the file does not exist yet (a link to a file not there yet included), why not when
// it exists but cannot be read, so that a write never replaces a file whose lines it could not
// keep.
Expected<std::string> ReadForUpdate(const std::string& path) {
  Expected<std::vector<std::uint8_t>> file = ReadWholeFile(path, kMaxIniBytes);
  if (file) return std::string(file->begin(), file->end());
  std::error_code error;
  const std::filesystem::file_type type = std::filesystem::status(path, error).type();
  if (type == std::filesystem::file_type::not_found) return std::string();
  // Reading says only that it is no regular file; a write says what stands in its place.
  if (type == std::filesystem::file_type::directory) return Problem{kIsAFolder, path};
  return std::move(file).problem();
}

std::string WithValueAfterMark(std::string_view content, std::string_view section,
                               std::string_view key, std::string_view value) {
  std::vector<Line> lines = SplitLines(content);
  const std::string_view eol = LineEnding(lines);
  const auto found = FindSection(lines, section);
  if (!found) {
    const std::string added = "[" + std::string(section) + "]" + std::string(eol) +
                              std::string(key) + "=" + std::string(value) + std::string(eol);
    return JoinLines(lines, lines.size(), added, eol);
  }
  if (const auto existing = FindKey(lines, *found, key)) {
    // Rewritten in place, under the spelling the file already uses for the key.
    const std::string replaced = std::string(existing->keyLine.key) + "=" + std::string(value);
    lines[existing->line].text = replaced;
    return JoinLines(lines, lines.size(), {}, eol);
  }
  const std::string added = std::string(key) + "=" + std::string(value) + std::string(eol);
  return JoinLines(lines, LastKeyLineOrHeader(lines, *found) + 1, added, eol);
}

}  // namespace

std::string WithIniValue(std::string_view content, std::string_view section, std::string_view key,
                         std::string_view value) {
  const std::string_view body = WithoutByteOrderMark(content);
  const std::string_view mark = content.substr(0, content.size() - body.size());
  return std::string(mark) + WithValueAfterMark(body, section, key, value);
}

// One pass over the lines, keeping none: a file of millions of blank lines reads in the time and
// memory of the text itself.
std::optional<std::string> FindIniValue(std::string_view content, std::string_view section,
                                        std::string_view key) {
  std::string_view rest = WithoutByteOrderMark(content);
  bool inSection = false;
  while (!rest.empty()) {
    // Blank lines, and the blanks a line starts with, are passed over in one go.
    std::size_t start = 0;
    while (start < rest.size() && IsBlankOrLineEnd(rest[start])) ++start;
    rest.remove_prefix(start);
    const std::size_t newline = rest.find('\n');
    const std::string_view text = rest.substr(0, newline);
    rest = newline == std::string_view::npos ? std::string_view() : rest.substr(newline + 1);
    if (const auto name = SectionName(text)) {
      // Only the first section of that name counts.
      if (inSection) return std::nullopt;
      inSection = EqualIgnoringCase(*name, section);
      continue;
    }
    if (!inSection) continue;
    const auto keyLine = ParseKeyLine(text);
    if (keyLine && EqualIgnoringCase(keyLine->key, key))
      return std::string(Unquote(keyLine->value));
  }
  return std::nullopt;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const auto file = ReadWholeFile(path_, kMaxIniBytes);
  if (!file) return std::string(fallback);
  const std::string_view content(reinterpret_cast<const char*>(file->data()), file->size());
  return FindIniValue(content, section, key).value_or(std::string(fallback));
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
  return ParseProfileInteger(ReadString(section, key, {})).value_or(fallback);
}

std::optional<Problem> IniFile::WriteString(std::string_view section, std::string_view key,
                                            std::string_view value) const {
  const auto unwritable = [this](const std::string& reason) {
    return Problem{"Unable to write to " + path_ + ": " + reason, path_};
  };
  const Expected<std::string> content = ReadForUpdate(path_);
  if (!content) return unwritable(content.problem().message);
  const std::string updated = WithIniValue(*content, section, key, value);
  const auto* data = reinterpret_cast<const std::uint8_t*>(updated.data());
  if (Written written = WriteFileAtomically(path_, std::span(data, updated.size())); !written) {
    return unwritable(written.reason);
  }
  return std::nullopt;
}

std::optional<Problem> IniFile::WriteInteger(std::string_view section, std::string_view key,
                                             std::int32_t value) const {
  return WriteString(section, key, std::to_string(value));
}

// The text must be the number alone: values come trimmed from the file, and a blank inside quotes
// is kept as the user wrote it.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
  return ParseInt32(text, HexPrefixes::DollarOr0x);
}

}  // namespace tintara
