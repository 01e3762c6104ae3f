#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tintara {

// The HTML page saved beside an exported JPEG: a head with the title, a body showing the picture
// and its code string behind a marker comment, and a foot with the program's version and the
// time of saving. Text comes and lines go as UTF-8. Inserted text is HTML-escaped, so a file name
// or code string holding markup characters cannot break the page, and its characters beyond
// Latin-1 are written as numeric character references ("&#1089;"), so that they survive the
// page's single-byte encoding; plain ASCII text without markup characters reads unchanged.

using PageLines = std::vector<std::string>;

// The file name (without directory) cut before its first "."; empty when it holds no "." or
// begins with one.
std::string PageTitle(std::string_view fileName);

// Lines 1 to 6: the head and the heading.
void AddHtmlHead(PageLines& lines, std::string_view title);

// Lines 7 to 17: the picture at its natural size and the code string. The picture's address is
// the file name percent-encoded from its UTF-8 bytes, except for the printable ASCII characters a
// browser reads back as themselves, so that it names the file on disk.
void AddHtmlBody(PageLines& lines, std::string_view fileName, int width, int height,
                 std::string_view codeString);

// Lines 18 to 26: the version and the time of saving as the caller words it.
void AddHtmlFoot(PageLines& lines, std::string_view timeStamp);

// The chosen picture path with its extension replaced by ".htm" (appended when it has none) and
// the letters of the file name lower-cased. The directory keeps its case: on a case-sensitive
// file system a lower-cased directory may not exist.
std::string HtmlPagePath(std::string_view chosenPath);

// The page as written to disk: single-byte Latin-1 text, every line ended by CR LF. A character
// outside Latin-1, which the lines above never hold, becomes "?".
std::vector<std::uint8_t> EncodePage(const PageLines& lines);

}  // namespace tintara
