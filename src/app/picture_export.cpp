#include "app/picture_export.h"

#include "app/page_time_stamp.h"
#include "formats/html_page.h"
#include "formats/picture_files.h"

namespace tintara {

PictureExport::PictureExport(FileChooser chooser, PageOpener opener, std::function<QDateTime()> now)
    : chooser_(std::move(chooser)), opener_(std::move(opener)), now_(std::move(now)) {}

std::optional<Problem> PictureExport::SaveAsJpeg(const Picture& picture, const QString& codeText,
                                                 bool openPage, QWidget* dialogParent) {
  saveDialog_.defaultExt = "jpg";
  saveDialog_.filters =
      QStringList{"All (*.jpg;*.jpeg)", "JPEG Image File (*.jpg)", "JPEG Image File (*.jpeg)"};
  if (!Execute(saveDialog_, chooser_, dialogParent)) return std::nullopt;
  const std::string path = saveDialog_.fileName.toStdString();
  const JpegPage page{codeText.toStdString(), PageTimeStamp(now_())};
  if (std::optional<Problem> problem = WriteJpegWithPage(path, picture, page)) return problem;
  const std::string pagePath = HtmlPagePath(path);
  if (openPage && !opener_(QString::fromStdString(pagePath))) {
    return Problem{
        "The page was saved as " + pagePath + ", but no program could be started to open it.",
        pagePath};
  }
  return std::nullopt;
}

}  // namespace tintara
