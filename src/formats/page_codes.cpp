#include "formats/page_codes.h"

#include <QFile>
#include <QFileInfo>
#include <optional>
#include <string_view>

#include "platform/file_io.h"
#include "platform/number_reader.h"

namespace tintara {
namespace {

constexpr char kMarker[] = "<!--MOXEL-->";
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kBeyondUnicode = 0x110000;

struct NamedReference {
  const char* name;
  char16_t character;
};

// The markup characters, and the no-break space an editor may write between codes. The upper-case
// spellings are HTML's own too.
constexpr NamedReference kNamedReferences[] = {
    {"amp", u'&'}, {"AMP", u'&'},  {"lt", u'<'},   {"LT", u'<'},    {"gt", u'>'},
    {"GT", u'>'},  {"quot", u'"'}, {"QUOT", u'"'}, {"apos", u'\''}, {"nbsp", u'\u00A0'},
};

// A "<" opens a tag only before a letter, "/", "!" or "?"; before anything else HTML reads it as
// text.
bool OpensTag(QByteArrayView line, qsizetype at) {
  if (line[at] != '<' || at + 1 >= line.size()) return false;
  const char next = line[at + 1];
  return (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z') || next == '/' ||
         next == '!' || next == '?';
}

bool IsAsciiLetterOrDigit(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

// A character reference read: the character it stands for, and where the text goes on after it.
struct Reference {
  char32_t character;
  qsizetype end;
};

// Browsers read a reference to no character (zero, half a surrogate pair, beyond Unicode) as the
// replacement character.
char32_t Readable(char32_t codePoint) {
  if (codePoint == 0 || codePoint >= kBeyondUnicode) return kReplacement;
  if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return kReplacement;
  return codePoint;
}

// The reference beginning with the "&" at `at`, closed by ";"; nothing when there is none there.
std::optional<Reference> ReadReference(QStringView text, qsizetype at) {
  qsizetype i = at + 1;
  if (i < text.size() && text[i] == u'#') {
    ++i;
    unsigned base = 10;
    if (i < text.size() && (text[i] == u'x' || text[i] == u'X')) {
      base = 16;
      ++i;
    }
    // Held at the first value beyond Unicode, so that any number of digits cannot overflow.
    const LeadingDigits digits = ReadLeadingDigits(
        std::u16string_view(text.utf16() + i, static_cast<std::size_t>(text.size() - i)), base,
        kBeyondUnicode);
    i += static_cast<qsizetype>(digits.count);
    if (digits.count == 0 || i == text.size() || text[i] != u';') return std::nullopt;
    return Reference{Readable(static_cast<char32_t>(digits.value)), i + 1};
  }
  const qsizetype nameStart = i;
  while (i < text.size() && IsAsciiLetterOrDigit(text[i])) ++i;
  if (i == text.size() || text[i] != u';') return std::nullopt;
  const QStringView name = text.sliced(nameStart, i - nameStart);
  for (const NamedReference& named : kNamedReferences) {
    if (name == QLatin1StringView(named.name)) return Reference{named.character, i + 1};
  }
  return std::nullopt;
}

// The text with its character references replaced, each once, so that "&amp;lt;" reads "&lt;".
// An "&" that begins no reference this knows stays as it is.
QString DecodeReferences(QStringView text) {
  QString decoded;
  decoded.reserve(text.size());
  qsizetype i = 0;
  while (i < text.size()) {
    const std::optional<Reference> reference =
        text[i] == u'&' ? ReadReference(text, i) : std::nullopt;
    if (!reference) {
      decoded += text[i++];
      continue;
    }
    decoded += QString::fromUcs4(&reference->character, 1);
    i = reference->end;
  }
  return decoded;
}

// The file as a message names it; a path ending in a separator has no file name of its own.
std::string ShownName(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  return (name.isEmpty() ? path : name).toStdString();
}

}  // namespace

Expected<std::string> CodesOnPage(QByteArrayView page) {
  const qsizetype marker = page.indexOf(QByteArrayView(kMarker));
  if (marker < 0) return Problem{"it holds no code string"};
  qsizetype start = marker + QByteArrayView(kMarker).size();
  if (start < page.size() && page[start] == ' ') ++start;
  qsizetype end = start;
  // The codes are escaped when written, so a raw "<" can only be markup that follows them.
  while (end < page.size() && page[end] != '\r' && page[end] != '\n' && !OpensTag(page, end)) {
    ++end;
  }
  const QString text = QString::fromLatin1(page.sliced(start, end - start));
  return DecodeReferences(text).toStdString();
}

Expected<std::string> ReadPageCodes(const QString& path) {
  const std::string native = QFile::encodeName(path).toStdString();
  const auto cannotRead = [&path, &native](const Problem& why) {
    return Problem{"Cannot read codes from " + ShownName(path) + ": " + why.message, native};
  };
  const auto file = ReadWholeFile(native, kMaxPageBytes);
  if (!file) return cannotRead(file.problem());
  Expected<std::string> found = CodesOnPage(QByteArrayView(*file));
  if (!found) return cannotRead(found.problem());
  return found;
}

}  // namespace tintara
