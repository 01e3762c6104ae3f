#include "app/picture_export.h"

#include "formats/export_files.h"
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
  const QString path = saveDialog_.fileName;
  if (std::optional<Problem> problem = WriteJpegWithPage(path, picture, codeText, now_())) {
    return problem;
  }
  const QString page = HtmlPagePath(path);
  if (openPage && !opener_(page)) {
    return Problem{
        ("The page was saved as " + page + ", but no program could be started to open it.")
            .toStdString(),
        NativePath(page)};
  }
  return std::nullopt;
}

}  // namespace tintara
