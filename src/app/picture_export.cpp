#include "app/picture_export.h"

#include <QFileInfo>

#include "app/page_time_stamp.h"
#include "formats/html_page.h"
#include "formats/picture_files.h"
#include "paint/picture.h"

namespace tintara {

PictureExport::PictureExport(FileChooser chooser, PageOpener opener, std::function<QDateTime()> now)
    : chooser_(std::move(chooser)), opener_(std::move(opener)), now_(std::move(now)) {}

Expected<QString> PictureExport::SaveAsJpeg(const Picture& picture, const QString& codeText,
                                            bool openPage, QWidget* dialogParent) {
  saveDialog_.defaultExt = "jpg";
  saveDialog_.filters =
      QStringList{"All (*.jpg;*.jpeg)", "JPEG Image File (*.jpg)", "JPEG Image File (*.jpeg)"};
  if (!Execute(saveDialog_, chooser_, dialogParent)) return QString();
  const std::string path = saveDialog_.fileName.toStdString();
  const JpegPage page{codeText.toStdString(), PageTimeStamp(now_())};
  if (std::optional<Problem> problem = WriteJpegWithPage(path, picture, page)) {
    return *std::move(problem);
  }
  const QString pagePath = QString::fromStdString(HtmlPagePath(path));
  if (openPage && !opener_(pagePath)) {
    return "The page was saved as " + pagePath + ", but no program could be started to open it.";
  }
  return QStringLiteral("Saved %1, %2 x %3, and its page %4")
      .arg(QFileInfo(saveDialog_.fileName).fileName())
      .arg(picture.width)
      .arg(picture.height)
      .arg(QFileInfo(pagePath).fileName());
}

}  // namespace tintara
