#include "formats/picture_files.h"

#include <QDir>
#include <QFileInfo>

#include "formats/export_files.h"
#include "formats/html_page.h"
#include "paint/picture.h"
#include "platform/bmp_writer.h"
#include "platform/jpeg_writer.h"

namespace tintara {
namespace {

// The picture as a 24-bit bitmap of its display pixels.
Bitmap TrueColourBitmap(const Picture& picture) {
  Bitmap bitmap;
  bitmap.width = picture.width;
  bitmap.height = picture.height;
  bitmap.bitsPerPixel = 24;
  bitmap.pixels.assign(picture.pixels.begin(), picture.pixels.end());
  return bitmap;
}

}  // namespace

PictureRows RowsOf(const Picture& picture) {
  return {picture.width, picture.height, [&picture](int y, std::uint32_t*) {
            return picture.pixels.data() + std::size_t(y) * std::size_t(picture.width);
          }};
}

Expected<std::vector<FileContent>> JpegFiles(const QString& path, const PictureRows& picture,
                                             const QString* codeText, const QDateTime& now) {
  const QString fileName = QFileInfo(path).fileName();
  const QString page = HtmlPagePath(path);
  // The page would be written over the picture.
  if (codeText != nullptr && page == path) {
    return Problem{("Cannot save as " + fileName +
                    ": the picture and its HTML page would be the same file; choose a name ending "
                    "in .jpg")
                       .toStdString(),
                   NativePath(path)};
  }
  if (!FitsJpeg(picture.width, picture.height)) {
    return Problem{QStringLiteral("Cannot save %1 as JPEG: the picture is %2 x %3 pixels, and a "
                                  "JPEG can be at most %4 x %4")
                       .arg(fileName)
                       .arg(picture.width)
                       .arg(picture.height)
                       .arg(kMaxJpegDimension)
                       .toStdString(),
                   NativePath(path)};
  }
  std::optional<std::vector<std::uint8_t>> jpeg =
      EncodeJpegRows(picture.width, picture.height, picture.row);
  if (!jpeg) return CannotCreate(path);
  std::vector<FileContent> files{{path, std::move(*jpeg)}};
  if (codeText != nullptr) {
    QStringList lines;
    AddHtmlHead(lines, PageTitle(fileName));
    AddHtmlBody(lines, fileName, picture.width, picture.height, *codeText);
    AddHtmlFoot(lines, now);
    files.push_back(ContentOf(page, EncodePage(lines)));
  }
  return files;
}

std::optional<Problem> WriteJpeg(const QString& path, const Picture& picture) {
  Expected<std::vector<FileContent>> files = JpegFiles(path, RowsOf(picture), nullptr, {});
  if (!files) return std::move(files).problem();
  return WriteFiles(*files);
}

std::optional<Problem> WriteJpegWithPage(const QString& path, const Picture& picture,
                                         const QString& codeText, const QDateTime& now) {
  Expected<std::vector<FileContent>> files = JpegFiles(path, RowsOf(picture), &codeText, now);
  if (!files) return std::move(files).problem();
  return WriteFiles(*files);
}

std::optional<Problem> WriteConvertedBitmap(const Picture& picture, const QString& directory) {
  // An installed program's output folder is made only once something goes into it.
  QDir().mkpath(directory);
  return WriteExportFile(directory + "converted.bmp", EncodeBmp(TrueColourBitmap(picture)));
}

}  // namespace tintara
