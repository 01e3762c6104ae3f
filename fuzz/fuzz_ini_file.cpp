// Sets a key in an INI text with WithIniValue and checks the result with FindIniValue; then writes
// the same key into a file of the same text with IniFile, a block at a time, and checks the file
// against that result. The input's first five lines are the section, the key, the value, and a
// second section and key to look up before and after; the rest is the INI text. A violated
// invariant aborts with its name.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "invariant.h"
#include "platform/ini_file.h"

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kNone = std::string_view::npos;

// The text up to the first newline, which is consumed with it; all of it when there is none.
std::string_view TakeLine(std::string_view& input) {
  const std::size_t newline = input.find('\n');
  const std::string_view line = input.substr(0, newline);
  input.remove_prefix(newline == kNone ? input.size() : newline + 1);
  return line;
}

bool IsBlank(char c) { return kBlanks.find(c) != kNone; }

bool IsTrimmed(std::string_view text) {
  return text.empty() || (!IsBlank(text.front()) && !IsBlank(text.back()));
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// Whether "[section]" and "key=value" lines read back as exactly these names and this value:
// nothing breaks the line, no blanks at the ends (reading trims them), the key cannot be taken
// for a comment or a section and has no '=' (the first one ends the key), and the value is not
// wrapped in the quotes that reading removes.
bool IsRepresentable(std::string_view section, std::string_view key, std::string_view value) {
  if (section.find('\n') != kNone || !IsTrimmed(section)) return false;
  if (key.find_first_of("\n=") != kNone || !IsTrimmed(key)) return false;
  if (key.starts_with(';') || key.starts_with('[')) return false;
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  return value.find('\n') == kNone && IsTrimmed(value) && !quoted;
}

std::size_t CommonPrefix(std::string_view a, std::string_view b) {
  std::size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  return n;
}

std::size_t CommonSuffix(std::string_view a, std::string_view b) {
  std::size_t n = 0;
  while (n < a.size() && n < b.size() && a[a.size() - 1 - n] == b[b.size() - 1 - n]) ++n;
  return n;
}

// How the text of the file (after any byte order mark) may have changed.
struct Change {
  std::string_view before;
  std::string_view after;
  std::string_view eol;        // the ending of the file's first line, or "\n"
  std::string_view separator;  // what ends an unterminated last line before something is added
  std::size_t prefix;          // bytes the two texts share at the start
  std::size_t suffix;          // and at the end
};

Change Compare(std::string_view before, std::string_view after) {
  const std::size_t newline = before.find('\n');
  const std::string_view eol =
      newline != kNone && newline > 0 && before[newline - 1] == '\r' ? "\r\n" : "\n";
  const std::string_view separator = !before.empty() && before.back() != '\n' ? eol : "";
  return {before, after, eol, separator, CommonPrefix(before, after), CommonSuffix(before, after)};
}

// The new section, with the key, after every line of the text.
bool AddedSection(const Change& change, std::string_view section, std::string_view keyLine) {
  const std::string expected = std::string(change.before) + std::string(change.separator) + "[" +
                               std::string(section) + "]" + std::string(change.eol) +
                               std::string(keyLine) + std::string(change.eol);
  return change.after == expected;
}

// The key line inserted before one of the lines, or after the last one.
bool AddedKey(const Change& change, std::string_view keyLine) {
  const std::string added = std::string(keyLine) + std::string(change.eol);
  if (change.after == std::string(change.before) + std::string(change.separator) + added) {
    return true;
  }
  const std::size_t n = change.before.size();
  if (change.after.size() != n + added.size()) return false;
  // The texts agree before the insertion point and after it: only these points are possible.
  const std::size_t first = n > change.suffix ? n - change.suffix : 0;
  for (std::size_t at = first; at <= change.prefix && at < n; ++at) {
    const bool lineStart = at == 0 || change.before[at - 1] == '\n';
    if (lineStart && change.after.substr(at, added.size()) == added) return true;
  }
  return false;
}

// One line's text rewritten as key=value under the spelling the line had for the key; its line
// ending and every other byte unchanged.
bool ReplacedKey(const Change& change, std::string_view key, std::string_view value) {
  const std::string_view before = change.before;
  const std::size_t n = before.size();
  const std::size_t newLength = key.size() + 1 + value.size();
  for (std::size_t start = 0; start <= n;) {
    const std::size_t newline = before.find('\n', start);
    const std::size_t next = newline == kNone ? n + 1 : newline + 1;
    std::size_t end = newline == kNone ? n : newline;
    if (newline != kNone && end > start && before[end - 1] == '\r') --end;
    if (start > change.prefix) break;
    if (n - end <= change.suffix && change.after.size() == n - (end - start) + newLength) {
      const std::string_view oldLine = Trim(before.substr(start, end - start));
      const std::string_view oldKey = Trim(oldLine.substr(0, oldLine.find('=')));
      const std::string_view newLine = change.after.substr(start, newLength);
      if (oldLine.find('=') != kNone && newLine.substr(0, key.size()) == oldKey &&
          EqualIgnoringCase(oldKey, key) && newLine.substr(key.size(), 1) == "=" &&
          newLine.substr(key.size() + 1) == value) {
        return true;
      }
    }
    start = next;
  }
  return false;
}

std::string_view WithoutByteOrderMark(std::string_view content) {
  if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
  return content;
}

// Numbers read from the file convert back to the same number.
void CheckInteger(const std::optional<std::string>& text) {
  if (!text) return;
  const auto number = tintara::ParseProfileInteger(*text);
  if (number) {
    Check(tintara::ParseProfileInteger(std::to_string(*number)) == number,
          "an integer read from the file reads the same from its decimal form");
  }
}

std::string& ScratchFolder() {
  static std::string folder;
  return folder;
}

void RemoveScratchFolder() { std::filesystem::remove_all(ScratchFolder()); }

// The file the writer is fuzzed on, in a folder of its own removed at exit; in memory where the
// system has a folder there, so that the sync of every write costs nothing.
const std::string& ScratchIniPath() {
  static const std::string path = [] {
    const std::filesystem::path shared = "/dev/shm";
    const std::filesystem::path base =
        std::filesystem::is_directory(shared) ? shared : std::filesystem::temp_directory_path();
    ScratchFolder() = (base / "fuzz_ini_file.XXXXXX").string();
    Check(::mkdtemp(ScratchFolder().data()) != nullptr, "a scratch folder can be made");
    std::atexit(RemoveScratchFolder);
    return ScratchFolder() + "/fuzz.INI";
  }();
  return path;
}

// The file written a block at a time holds the text WithIniValue gives, and reads as that text.
void CheckFileWrite(std::string_view content, std::string_view section, std::string_view key,
                    std::string_view value, const std::string& updated) {
  const std::string& path = ScratchIniPath();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(content.data(), static_cast<std::streamsize>(content.size()));
  const tintara::IniFile ini(path);
  Check(!ini.WriteString(section, key, value), "the settings file is written");
  std::ifstream in(path, std::ios::binary);
  const std::string written{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  Check(written == updated, "the file holds the text WithIniValue gives");
  // No value read from a line holds a newline.
  const std::string fallback = "\n";
  Check(ini.ReadString(section, key, fallback) ==
            tintara::FindIniValue(updated, section, key).value_or(fallback),
        "the file reads as its text does");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view section = TakeLine(input);
  const std::string_view key = TakeLine(input);
  const std::string_view value = TakeLine(input);
  const std::string_view otherSection = TakeLine(input);
  const std::string_view otherKey = TakeLine(input);
  const std::string_view content = input;

  const std::optional<std::string> found = tintara::FindIniValue(content, section, key);
  const std::string updated = tintara::WithIniValue(content, section, key, value);
  CheckInteger(found);
  CheckFileWrite(content, section, key, value, updated);

  const std::string_view body = WithoutByteOrderMark(content);
  const std::string_view mark = content.substr(0, content.size() - body.size());
  Check(std::string_view(updated).starts_with(mark), "the byte order mark is kept");
  const Change change = Compare(body, std::string_view(updated).substr(mark.size()));
  const std::string keyLine = std::string(key) + "=" + std::string(value);

  if (found) {
    Check(ReplacedKey(change, key, value), "an existing key is rewritten in its own line");
  } else if (!IsRepresentable(section, key, value)) {
    Check(AddedKey(change, keyLine) || AddedSection(change, section, keyLine),
          "a missing key is added as one line, with its section when needed");
  } else {
    // The section exists exactly when a copy of it added after the text is not the one read.
    const std::string probe = std::string(content) + std::string(change.separator) + "[" +
                              std::string(section) + "]\n" + std::string(key) + "=x\n";
    const bool sectionExists = tintara::FindIniValue(probe, section, key) != "x";
    if (sectionExists) {
      Check(AddedKey(change, keyLine), "a missing key is added as one line of its section");
    } else {
      Check(AddedSection(change, section, keyLine), "a missing section is added at the end");
    }
  }

  if (!IsRepresentable(section, key, value)) return 0;
  Check(tintara::FindIniValue(updated, section, key) == value, "the value written is read back");
  Check(tintara::WithIniValue(updated, section, key, value) == updated,
        "writing the same value again changes nothing");
  const struct {
    std::string_view section;
    std::string_view key;
  } others[] = {{otherSection, otherKey}, {section, otherKey}, {otherSection, key}};
  for (const auto& other : others) {
    if (EqualIgnoringCase(other.section, section) && EqualIgnoringCase(other.key, key)) continue;
    const auto before = tintara::FindIniValue(content, other.section, other.key);
    Check(tintara::FindIniValue(updated, other.section, other.key) == before,
          "every other key keeps its value");
    CheckInteger(before);
  }
  return 0;
}
