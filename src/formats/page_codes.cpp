#include "formats/page_codes.h"

#include <optional>
#include <string_view>

#include "platform/file_io.h"
#include "platform/filled_text.h"
#include "platform/number_reader.h"
#include "platform/path_names.h"
#include "platform/shown_text.h"
#include "platform/translation.h"
#include "platform/utf8.h"

namespace tintara {
namespace {

constexpr char kMarker[] = "<!--MOXEL-->";
constexpr char32_t kBeyondUnicode = 0x110000;

struct NamedReference {
  const char* name;
  char32_t character;
};

// The markup characters, and the no-break space an editor may write between codes. The upper-case
// spellings are HTML's own too.
constexpr NamedReference kNamedReferences[] = {
    {"amp", U'&'}, {"AMP", U'&'},  {"lt", U'<'},   {"LT", U'<'},    {"gt", U'>'},
    {"GT", U'>'},  {"quot", U'"'}, {"QUOT", U'"'}, {"apos", U'\''}, {"nbsp", U'\u00A0'},
};

// A "<" opens a tag only before a letter, "/", "!" or "?"; before anything else HTML reads it as
// text.
bool OpensTag(std::string_view line, std::size_t at) {
  if (line[at] != '<' || at + 1 >= line.size()) return false;
  const char next = line[at + 1];
  return (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z') || next == '/' ||
         next == '!' || next == '?';
}

bool IsAsciiLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// A character reference read: the character it stands for, and where the text goes on after it.
struct Reference {
  char32_t character;
  std::size_t end;
};

// Browsers read a reference to no character (zero, half a surrogate pair, beyond Unicode) as the
// replacement character.
char32_t Readable(char32_t codePoint) {
  if (codePoint == 0 || codePoint >= kBeyondUnicode) return kReplacementCharacter;
  if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return kReplacementCharacter;
  return codePoint;
}

// The reference beginning with the "&" at `at`, closed by ";"; nothing when there is none there.
std::optional<Reference> ReadReference(std::string_view text, std::size_t at) {
  std::size_t i = at + 1;
  if (i < text.size() && text[i] == '#') {
    ++i;
    unsigned base = 10;
    if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
      base = 16;
      ++i;
    }
    // Held at the first value beyond Unicode, so that any number of digits cannot overflow.
    const LeadingDigits digits = ReadLeadingDigits(text.substr(i), base, kBeyondUnicode);
    i += digits.count;
    if (digits.count == 0 || i == text.size() || text[i] != ';') return std::nullopt;
    return Reference{Readable(static_cast<char32_t>(digits.value)), i + 1};
  }
  const std::size_t nameStart = i;
  while (i < text.size() && IsAsciiLetterOrDigit(text[i])) ++i;
  if (i == text.size() || text[i] != ';') return std::nullopt;
  const std::string_view name = text.substr(nameStart, i - nameStart);
  for (const NamedReference& named : kNamedReferences) {
    if (name == named.name) return Reference{named.character, i + 1};
  }
  return std::nullopt;
}

// The page's Latin-1 text as UTF-8, with its character references replaced, each once, so that
// "&amp;lt;" reads "&lt;". An "&" that begins no reference this knows stays as it is.
std::string DecodeReferences(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::optional<Reference> reference =
        text[i] == '&' ? ReadReference(text, i) : std::nullopt;
    if (!reference) {
      AppendUtf8(decoded, static_cast<unsigned char>(text[i++]));
      continue;
    }
    AppendUtf8(decoded, reference->character);
    i = reference->end;
  }
  return decoded;
}

// The file as a message names it; a path ending in a separator has no file name of its own.
std::string ShownName(const std::string& path) {
  const std::string_view name = FileNameOf(path);
  return ShownText(name.empty() ? path : name);
}

}  // namespace

Expected<std::string> CodesOnPage(std::string_view page) {
  const std::size_t marker = page.find(kMarker);
  if (marker == std::string_view::npos) return Problem{Tr("it holds no code string")};
  std::size_t start = marker + std::string_view(kMarker).size();
  if (start < page.size() && page[start] == ' ') ++start;
  std::size_t end = start;
  // The codes are escaped when written, so a raw "<" can only be markup that follows them.
  while (end < page.size() && page[end] != '\r' && page[end] != '\n' && !OpensTag(page, end)) {
    ++end;
  }
  return DecodeReferences(page.substr(start, end - start));
}

Expected<std::string> ReadPageCodes(const std::string& path) {
  const auto cannotRead = [&path](const Problem& why) {
    return Problem{Filled(Tr("Cannot read codes from %s: %s"), {ShownName(path), why.message}),
                   path};
  };
  const auto file = ReadWholeFile(path, kMaxPageBytes);
  if (!file) return cannotRead(file.problem());
  Expected<std::string> found =
      CodesOnPage(std::string_view(reinterpret_cast<const char*>(file->data()), file->size()));
  if (!found) return cannotRead(found.problem());
  return found;
}

}  // namespace tintara
