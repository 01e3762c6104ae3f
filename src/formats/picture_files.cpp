#include "formats/picture_files.h"

#include <filesystem>
#include <system_error>

#include "formats/export_files.h"
#include "formats/html_page.h"
#include "paint/picture.h"
#include "platform/bmp_writer.h"
#include "platform/filled_text.h"
#include "platform/jpeg_writer.h"
#include "platform/path_names.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

// The files WriteJpeg and WriteJpegWithPage write, in the order they write them.
Expected<std::vector<FileContent>> JpegFiles(const std::string& path, const Picture& picture,
                                             const JpegPage* page) {
  if (auto refusal = JpegRefusal(path, picture.width, picture.height, page != nullptr)) {
    return std::move(*refusal);
  }
  std::optional<std::vector<std::uint8_t>> jpeg =
      EncodeJpeg({picture.width, picture.height, picture.pixels, picture.width});
  if (!jpeg) return CannotEncode(path);
  std::vector<FileContent> files{{path, std::move(*jpeg)}};
  if (page != nullptr) files.push_back(PageFile(path, picture.width, picture.height, *page));
  return files;
}

}  // namespace

std::optional<Problem> JpegRefusal(const std::string& path, int width, int height, bool withPage) {
  const std::string fileName = ShownText(path);
  // The page would be written over the picture.
  if (withPage && HtmlPagePath(path) == path) {
    return Problem{
        Filled(Tr("Cannot save as %s: the picture and its HTML page would be the same file; "
                  "choose a name ending in .jpg"),
               {fileName}),
        path};
  }
  if (!FitsJpeg(width, height)) {
    const std::string most = std::to_string(kMaxJpegDimension);
    return Problem{
        Filled(Tr("Cannot save %s as JPEG: the picture is %s x %s pixels, and a JPEG can "
                  "be at most %s x %s"),
               {fileName, std::to_string(width), std::to_string(height), most, most}),
        path};
  }
  return std::nullopt;
}

FileContent PageFile(const std::string& jpegPath, int width, int height, const JpegPage& page) {
  const std::string_view fileName = FileNameOf(jpegPath);
  PageLines lines;
  AddHtmlHead(lines, PageTitle(fileName));
  AddHtmlBody(lines, fileName, width, height, page.codeText);
  AddHtmlFoot(lines, page.timeStamp);
  return {HtmlPagePath(jpegPath), EncodePage(lines)};
}

std::optional<Problem> WriteJpeg(const std::string& path, const Picture& picture) {
  Expected<std::vector<FileContent>> files = JpegFiles(path, picture, nullptr);
  if (!files) return std::move(files).problem();
  return WriteFiles(*files);
}

std::optional<Problem> WriteJpegWithPage(const std::string& path, const Picture& picture,
                                         const JpegPage& page) {
  Expected<std::vector<FileContent>> files = JpegFiles(path, picture, &page);
  if (!files) return std::move(files).problem();
  return WriteFiles(*files);
}

std::optional<Problem> WriteConvertedBitmap(const Picture& picture, const std::string& directory) {
  // An installed program's output folder is made only once something goes into it; a folder
  // that cannot be made shows as the file that cannot be created.
  std::error_code ignored;
  std::filesystem::create_directories(directory, ignored);
  return WriteExportFile(directory + "converted.bmp", EncodeBmp(TrueColourBitmap(picture)));
}

}  // namespace tintara
