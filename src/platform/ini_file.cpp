#include "platform/ini_file.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <limits>
#include <memory>
#include <span>

#include "platform/file_io.h"
#include "platform/filled_text.h"
#include "platform/number_reader.h"
#include "platform/system_reason.h"
#include "platform/translation.h"

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

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The first key line of that name in the first section of that name, as offsets into the text.
struct FoundKey {
  std::uint64_t start;   // where its line starts
  std::uint64_t equals;  // its first '='
  std::uint64_t end;     // where its text ends, before the line ending
  std::string spelling;  // the key as the file spells it
};

// What a write or a read needs to know of an INI text for one section and key; no line of it.
struct IniLayout {
  bool sectionFound = false;
  std::optional<FoundKey> key;
  // Just after the section's last key line, or after its header when it has none.
  std::uint64_t keyGoesAt = 0;
  bool keyGoesAfterUnendedLine = false;  // the text's last line, without a line ending
  bool crlf = false;                     // the first line ends in "\r\n"
  std::uint64_t end = 0;
  bool endsUnended = false;  // the text's last line has no line ending
};

constexpr std::uint64_t kNone = std::numeric_limits<std::uint64_t>::max();

// One pass over the text of an INI file, fed a piece at a time, that keeps of each line only what
// the rules read: where its first non-blank character is, its first '=' and its last ']', and its
// first few bytes, as many as the names looked for have. A line of any length costs no memory.
//   "[name]"     a section: the name between the '[' and the line's last ']', blanks trimmed;
//   "key=value"  a key line, split at the first '='; one starting with ';' is a comment.
class IniScanner {
 public:
  // `start` is where the text begins after any byte order mark.
  IniScanner(std::string_view section, std::string_view key, std::uint64_t start)
      : section_(section), key_(key), at_(start) {
    StartLine(start);
  }

  // Reads the next piece; false once nothing after it can change what was found.
  bool Feed(std::string_view piece) {
    for (const char c : piece) {
      if (c == '\n') {
        EndLine(true);
      } else {
        Take(c);
      }
      ++at_;
      if (done_) return false;
    }
    return true;
  }

  IniLayout Finish() {
    if (!done_ && at_ > lineStart_) EndLine(false);
    layout_.end = at_;
    return std::move(layout_);
  }

 private:
  void StartLine(std::uint64_t start) {
    lineStart_ = start;
    first_ = nameStart_ = equals_ = close_ = kNone;
    lastNonBlankEnd_ = keyEnd_ = nameEnd_ = start;
    afterCarriageReturn_ = false;
    keyPrefix_.clear();
    namePrefix_.clear();
  }

  void Take(char c) {
    afterCarriageReturn_ = c == '\r';
    if (!IsBlank(c)) {
      if (first_ == kNone) {
        first_ = at_;
        firstChar_ = c;
      } else if (firstChar_ == '[' && nameStart_ == kNone) {
        nameStart_ = at_;
      }
      if (c == ']' && firstChar_ == '[') {
        close_ = at_;
        nameEnd_ = lastNonBlankEnd_;
      }
      if (c == '=' && equals_ == kNone) {
        equals_ = at_;
        keyEnd_ = lastNonBlankEnd_;
      }
      lastNonBlankEnd_ = at_ + 1;
    }
    if (first_ != kNone && at_ - first_ < key_.size()) keyPrefix_ += c;
    if (nameStart_ != kNone && at_ - nameStart_ < section_.size()) namePrefix_ += c;
  }

  // The text from `from` up to `end`, trimmed, is the name when it is as long and its first bytes,
  // kept in `prefix`, match; a name that ends before it starts is empty.
  static bool Matches(std::uint64_t from, std::uint64_t end, const std::string& prefix,
                      std::string_view name) {
    const std::uint64_t length = end > from ? end - from : 0;
    return length == name.size() &&
           EqualIgnoringCase(std::string_view(prefix).substr(0, length), name);
  }

  void EndLine(bool ended) {
    const std::uint64_t textEnd = ended && afterCarriageReturn_ ? at_ - 1 : at_;
    if (ended && !sawLineEnding_) {
      sawLineEnding_ = true;
      layout_.crlf = textEnd != at_;
    }
    layout_.endsUnended = !ended;
    const std::uint64_t next = at_ + 1;
    if (first_ == kNone) {
      StartLine(next);
      return;
    }
    if (firstChar_ == '[' && close_ != kNone) {
      if (inSection_) {
        done_ = true;  // only the first section of that name counts
      } else if (!layout_.sectionFound && Matches(nameStart_, nameEnd_, namePrefix_, section_)) {
        layout_.sectionFound = inSection_ = true;
        KeyGoesAfterThisLine(ended);
      }
    } else if (inSection_ && firstChar_ != ';' && equals_ != kNone) {
      KeyGoesAfterThisLine(ended);
      if (Matches(first_, keyEnd_, keyPrefix_, key_)) {
        layout_.key = FoundKey{lineStart_, equals_, textEnd, keyPrefix_};
        done_ = true;
      }
    }
    StartLine(next);
  }

  void KeyGoesAfterThisLine(bool ended) {
    layout_.keyGoesAt = ended ? at_ + 1 : at_;
    layout_.keyGoesAfterUnendedLine = !ended;
  }

  std::string_view section_;
  std::string_view key_;
  std::uint64_t at_;
  IniLayout layout_;
  bool sawLineEnding_ = false;
  bool inSection_ = false;
  bool done_ = false;
  // The line being read, in offsets into the text.
  std::uint64_t lineStart_ = 0;
  std::uint64_t first_ = kNone;  // its first non-blank character
  char firstChar_ = 0;
  std::uint64_t lastNonBlankEnd_ = 0;
  std::uint64_t equals_ = kNone;
  std::uint64_t keyEnd_ = 0;         // the last non-blank before the first '=', and one
  std::uint64_t nameStart_ = kNone;  // the first non-blank after a leading '['
  std::uint64_t close_ = kNone;      // the last ']'
  std::uint64_t nameEnd_ = 0;        // the last non-blank before it, and one
  bool afterCarriageReturn_ = false;
  std::string keyPrefix_;
  std::string namePrefix_;
};

// A write's one change to the text: the bytes from start up to end replaced by the text.
struct IniEdit {
  std::uint64_t start;
  std::uint64_t end;
  std::string text;
};

IniEdit EditFor(const IniLayout& layout, std::string_view section, std::string_view key,
                std::string_view value) {
  // Lines added to a file end the way its first line ends, so a CRLF file stays CRLF; a new file,
  // or one without any line break yet, gets the native "\n".
  const std::string eol = layout.crlf ? "\r\n" : "\n";
  const std::string keyLine = std::string(key) + "=" + std::string(value);
  // Rewritten in place, under the spelling the file already uses for the key.
  if (layout.key) {
    return {layout.key->start, layout.key->end, layout.key->spelling + "=" + std::string(value)};
  }
  // A last line without a newline gets one when something follows it.
  if (layout.sectionFound) {
    const std::string text = (layout.keyGoesAfterUnendedLine ? eol : "") + keyLine + eol;
    return {layout.keyGoesAt, layout.keyGoesAt, text};
  }
  const std::string text =
      (layout.endsUnended ? eol : "") + "[" + std::string(section) + "]" + eol + keyLine + eol;
  return {layout.end, layout.end, text};
}

IniLayout ScanText(std::string_view content, std::string_view section, std::string_view key) {
  const std::size_t mark = content.size() - WithoutByteOrderMark(content).size();
  IniScanner scanner(section, key, mark);
  scanner.Feed(content.substr(mark));
  return scanner.Finish();
}

// A settings file is read and copied a block at a time, whatever its size.
constexpr std::size_t kBlockBytes = std::size_t{1} << 16;
using Block = std::array<std::uint8_t, kBlockBytes>;

// Up to a block of the file's bytes from offset on; fewer only where the file ends.
Expected<std::string_view> ReadBlock(const ReadOnlyFile& file, std::uint64_t offset, Block& block,
                                     std::uint64_t most = kBlockBytes) {
  const std::span<std::uint8_t> piece(block.data(), std::min<std::uint64_t>(most, block.size()));
  const Expected<std::size_t> read = file.ReadAt(offset, {&piece, 1});
  if (!read) return read.problem();
  return std::string_view(reinterpret_cast<const char*>(block.data()), *read);
}

Expected<IniLayout> ScanFile(const ReadOnlyFile& file, std::string_view section,
                             std::string_view key, Block& block) {
  Expected<std::string_view> piece = ReadBlock(file, 0, block);
  if (!piece) return piece.problem();
  const std::size_t mark = piece->size() - WithoutByteOrderMark(*piece).size();
  IniScanner scanner(section, key, mark);
  std::uint64_t offset = 0;
  while (!piece->empty() && scanner.Feed(piece->substr(offset == 0 ? mark : 0))) {
    offset += piece->size();
    piece = ReadBlock(file, offset, block);
    if (!piece) return piece.problem();
  }
  return scanner.Finish();
}

// Appends the file's bytes from `from` up to `to`, or to its end, to the staged file. Every writer
// of the file replaces it whole, so the open file keeps the bytes it was scanned with.
Written CopyInto(StagedFile& staged, const ReadOnlyFile& file, std::uint64_t from, std::uint64_t to,
                 Block& block) {
  while (from < to) {
    const Expected<std::string_view> piece = ReadBlock(file, from, block, to - from);
    if (!piece) return {piece.problem().message};
    if (piece->empty()) break;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(piece->data());
    if (Written appended = AppendToStagedFile(staged, {bytes, piece->size()}); !appended) {
      return appended;
    }
    from += piece->size();
  }
  return {};
}

// The file to rewrite; nothing when it does not exist yet (a link to a file not there yet
// included), why not when it exists but cannot be read, so that a write never replaces a file
// whose lines it could not keep.
Expected<std::optional<ReadOnlyFile>> OpenForUpdate(const std::string& path) {
  Expected<ReadOnlyFile> file = ReadOnlyFile::Open(path, kMaxIniBytes);
  if (file) return std::optional<ReadOnlyFile>(std::move(*file));
  std::error_code error;
  const std::filesystem::file_type type = std::filesystem::status(path, error).type();
  if (type == std::filesystem::file_type::not_found) return std::optional<ReadOnlyFile>();
  // Reading says only that it is no regular file; a write says what stands in its place.
  if (type == std::filesystem::file_type::directory) return Problem{Tr(kIsAFolder), path};
  return std::move(file).problem();
}

std::string ValueOf(std::string_view afterEquals) {
  return std::string(Unquote(Trim(afterEquals)));
}

}  // namespace

std::string WithIniValue(std::string_view content, std::string_view section, std::string_view key,
                         std::string_view value) {
  const IniEdit edit = EditFor(ScanText(content, section, key), section, key, value);
  std::string updated(content.substr(0, edit.start));
  updated += edit.text;
  updated += content.substr(edit.end);
  return updated;
}

std::optional<std::string> FindIniValue(std::string_view content, std::string_view section,
                                        std::string_view key) {
  const IniLayout layout = ScanText(content, section, key);
  if (!layout.key) return std::nullopt;
  return ValueOf(content.substr(layout.key->equals + 1, layout.key->end - layout.key->equals - 1));
}

// The file is scanned a block at a time and only the value's line read whole: a file of millions
// of blank lines reads in the memory of a block.
std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const Expected<ReadOnlyFile> file = ReadOnlyFile::Open(path_, kMaxIniBytes);
  if (!file) return std::string(fallback);
  const auto block = std::make_unique<Block>();
  const Expected<IniLayout> layout = ScanFile(*file, section, key, *block);
  if (!layout || !layout->key) return std::string(fallback);
  std::string text(layout->key->end - layout->key->equals - 1, '\0');
  const std::span<std::uint8_t> piece(reinterpret_cast<std::uint8_t*>(text.data()), text.size());
  const Expected<std::size_t> read = file->ReadAt(layout->key->equals + 1, {&piece, 1});
  if (!read) return std::string(fallback);
  text.resize(*read);
  return ValueOf(text);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
  return ParseProfileInteger(ReadString(section, key, {})).value_or(fallback);
}

// One pass finds where the change goes, a second copies the file around it into the staged file:
// neither keeps more of the file than a block.
std::optional<Problem> IniFile::WriteString(std::string_view section, std::string_view key,
                                            std::string_view value) const {
  const auto unwritable = [this](const std::string& reason) {
    return Problem{Filled(Tr("Unable to write to %s: %s"), {path_, reason}), path_};
  };
  const Expected<std::optional<ReadOnlyFile>> file = OpenForUpdate(path_);
  if (!file) return unwritable(file.problem().message);
  const auto block = std::make_unique<Block>();
  const Expected<IniLayout> layout =
      *file ? ScanFile(**file, section, key, *block) : ScanText({}, section, key);
  if (!layout) return unwritable(layout.problem().message);
  const IniEdit edit = EditFor(*layout, section, key, value);
  Expected<StagedFile> staged = StartStagedFile(path_);
  if (!staged) return unwritable(staged.problem().message);
  const auto* text = reinterpret_cast<const std::uint8_t*>(edit.text.data());
  Written written;
  if (*file) written = CopyInto(*staged, **file, 0, edit.start, *block);
  if (written) written = AppendToStagedFile(*staged, {text, edit.text.size()});
  if (written && *file) written = CopyInto(*staged, **file, edit.end, kNone, *block);
  if (!written) {
    Discard(*staged);
    return unwritable(written.reason);
  }
  if (Written finished = FinishStagedFile(*staged); !finished) return unwritable(finished.reason);
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
