// Reads the input as an HTML page and takes the code string off it, which must be UTF-8. Read as
// a code string, the input is also written on a page as "Save as JPG" writes it and read back,
// which must give it unchanged. A violated invariant aborts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "formats/html_page.h"
#include "formats/page_codes.h"
#include "invariant.h"
#include "platform/utf8.h"

namespace {

bool IsUtf8(std::string_view text) {
  std::string again;
  for (const char32_t c : tintara::DecodeUtf8(text)) tintara::AppendUtf8(again, c);
  return again == text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tintara::Expected<std::string> found = tintara::CodesOnPage(text);
  Check(found.has_value() == (text.find("<!--MOXEL-->") != std::string_view::npos),
        "a page holds a code string exactly when it holds the marker");
  if (found) Check(IsUtf8(*found), "the code string is UTF-8");

  // A code string is one line of text.
  if (!IsUtf8(text) || text.find_first_of("\r\n") != std::string_view::npos) return 0;
  tintara::PageLines lines;
  tintara::AddHtmlHead(lines, "title");
  tintara::AddHtmlBody(lines, "x.jpg", 1, 1, text);
  tintara::AddHtmlFoot(lines, "today");
  const std::vector<std::uint8_t> page = tintara::EncodePage(lines);
  const tintara::Expected<std::string> readBack = tintara::CodesOnPage(
      std::string_view(reinterpret_cast<const char*>(page.data()), page.size()));
  Check(readBack && *readBack == text, "a saved page gives back its code string");
  return 0;
}
