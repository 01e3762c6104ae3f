#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/problem.h"

namespace tintara {

// "Load Codes from Page...": the code string read back from an HTML page, such as the one
// "Save as JPG" writes beside its picture.

// A page is small; a larger file is refused before it is read.
inline constexpr std::size_t kMaxPageBytes = std::size_t{1} << 20;

// The code string on the page's first marker line: the text after "<!--MOXEL-->" and one blank,
// up to the first tag ("<BR>", "</P>") or the end of the line (CR LF, LF or CR), with character
// references decoded and the page's single-byte Latin-1 text read as such. Everything else is
// kept as it stands, blanks included, so the code string a saved page was given comes back
// unchanged; it may be empty. It is UTF-8. A page without the marker gives the problem "it holds
// no code string".
Expected<std::string> CodesOnPage(std::string_view page);

// Reads the page file at path (at most kMaxPageBytes) and the code string on it. Without one,
// the problem's message is the whole message to show, naming the file: "Cannot read codes from
// x.htm: the file does not exist".
Expected<std::string> ReadPageCodes(const std::string& path);

}  // namespace tintara
