#pragma once

#include <optional>
#include <string>

#include "formats/export_files.h"
#include "platform/problem.h"

namespace tintara {

struct Picture;

// The painted picture as files for the world outside. Each function gives back nothing once its
// files are written, else the problem that stood in the way. A file that cannot be created ends
// the writing with "Cannot create file <path>: <reason>"; files are replaced only once their new
// content is whole, and a read-only file is never replaced.

// The code text a page lists and the time of saving as its foot words it (see html_page.h).
struct JpegPage {
  std::string codeText;
  std::string timeStamp;
};

// Why a picture of that size cannot be saved as a JPEG at path, with its page when asked for,
// naming the path as given; nothing when it can. The functions below refuse the same before they
// write anything.
std::optional<Problem> JpegRefusal(const std::string& path, int width, int height, bool withPage);

// The page beside a JPEG of that size at path.
FileContent PageFile(const std::string& jpegPath, int width, int height, const JpegPage& page);

// The picture as a JPEG. A picture too large for JPEG is refused before anything is written.
[[nodiscard]] std::optional<Problem> WriteJpeg(const std::string& path, const Picture& picture);

// The JPEG and beside it the HTML page that shows it and lists the code text, named by
// HtmlPagePath. A name whose page would be the JPEG itself ("x.htm") is refused before anything
// is written, as WriteJpeg refuses. The two are written as a pair: when either cannot be written,
// neither changes, and a signal that ends the program leaves both old or both new.
[[nodiscard]] std::optional<Problem> WriteJpegWithPage(const std::string& path,
                                                       const Picture& picture,
                                                       const JpegPage& page);

// The picture as the 24-bit BMP file "converted.bmp" in the directory, given with a trailing
// separator, which is made when missing.
[[nodiscard]] std::optional<Problem> WriteConvertedBitmap(const Picture& picture,
                                                          const std::string& directory);

}  // namespace tintara
