// Saving the painted picture as a JPEG with its HTML page, and the conversion to marker set 2.
#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include "app/form1.h"
#include "board/image_view.h"
#include "platform/bmp_writer.h"
#include "platform/file_io.h"
#include "platform/jpeg_writer.h"
#include "platform/user_error.h"
#include "sources/html_page.h"
#include "sources/page_opener.h"

namespace tintara {
namespace {

[[noreturn]] void CannotCreate(const QString& path) {
  throw UserError(("Cannot create file " + path).toStdString());
}

std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

DisplayPixels PixelsOf(const QImage& picture) {
  return {picture.width(), picture.height(),
          std::span(reinterpret_cast<const std::uint32_t*>(picture.constBits()),
                    static_cast<std::size_t>(picture.sizeInBytes()) / 4),
          static_cast<int>(picture.bytesPerLine() / 4)};
}

// The picture as a 24-bit bitmap of its display pixels.
Bitmap TrueColourBitmap(const QImage& picture) {
  const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
  Bitmap bitmap;
  bitmap.width = pixels.width();
  bitmap.height = pixels.height();
  bitmap.bitsPerPixel = 24;
  bitmap.pixels.reserve(static_cast<std::size_t>(bitmap.width) * bitmap.height);
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(pixels.constScanLine(y));
    bitmap.pixels.insert(bitmap.pixels.end(), row, row + pixels.width());
  }
  return bitmap;
}

}  // namespace

void TForm1::Save1Click() {
  SaveDialog1.defaultExt = "jpg";
  SaveDialog1.filters =
      QStringList{"All (*.jpg;*.jpeg)", "JPEG Image File (*.jpg)", "JPEG Image File (*.jpeg)"};
  if (!SaveDialog1.Execute(this)) return;
  const QString path = SaveDialog1.fileName;
  const QImage picture =
      control<ImageView>("Image1")->picture().convertToFormat(QImage::Format_RGB32);
  if (!WriteJpegFile(NativePath(path), PixelsOf(picture))) CannotCreate(path);

  const QString fileName = QFileInfo(path).fileName();
  htmlLines_.clear();
  AddHtmlHead(htmlLines_, PageTitle(fileName));
  AddHtmlBody(htmlLines_, fileName, picture.width(), picture.height(),
              control<QLineEdit>("Edit1")->text());
  AddHtmlFoot(htmlLines_, QDateTime::currentDateTime());
  const QString page = HtmlPagePath(path);
  const QByteArray bytes = EncodePage(htmlLines_);
  if (!WriteFileAtomically(NativePath(page),
                           std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                     static_cast<std::size_t>(bytes.size())))) {
    CannotCreate(page);
  }
  if (action("StartBrowser")->isChecked()) CurrentPageOpener()(page);
}

void TForm1::ConvertandSave1Click() {
  auto* edit = control<QLineEdit>("Edit1");
  const QString kept = edit->text();
  edit->setText("239 240 241 242 243 244 245 246 247 248 249 250 251 252 253 254");
  BOldColorsClick();
  edit->setText(kept);
  const QString path = files_.directory + "converted.bmp";
  const std::vector<std::uint8_t> bytes =
      EncodeBmp(TrueColourBitmap(control<ImageView>("Image1")->picture()));
  if (!WriteFileAtomically(NativePath(path), bytes)) CannotCreate(path);
}

}  // namespace tintara
