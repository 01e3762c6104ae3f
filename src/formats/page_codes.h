#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>

namespace tintara {

// "Load Codes from Page...": the code string read back from an HTML page, such as the one
// "Save as JPG" writes beside its picture.

// A page is small; a larger file is refused before it is read.
inline constexpr std::size_t kMaxPageBytes = std::size_t{1} << 20;

// The code string found on a page (UTF-8), or, without one, what stood in the way in words for
// the user.
struct PageCodes {
  std::optional<std::string> codes;
  std::string problem;
};

// The code string on the page's first marker line: the text after "<!--MOXEL-->" and one blank,
// up to the first tag ("<BR>", "</P>") or the end of the line (CR LF, LF or CR), with character
// references decoded and the page's single-byte Latin-1 text read as such. Everything else is
// kept as it stands, blanks included, so the code string a saved page was given comes back
// unchanged; it may be empty. A page without the marker gives "it holds no code string".
PageCodes CodesOnPage(QByteArrayView page);

// Reads the page file at path (at most kMaxPageBytes) and the code string on it. Without one,
// the problem is the whole message to show, naming the file: "Cannot read codes from x.htm: the
// file does not exist".
PageCodes ReadPageCodes(const QString& path);

}  // namespace tintara
