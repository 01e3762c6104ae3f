#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

#include "app/file_dialog.h"
#include "app/page_opener.h"
#include "platform/problem.h"

class QWidget;

namespace tintara {

struct Picture;

// "Save as JPG": asks for the name, then writes the painted picture as a JPEG with an HTML page
// beside it that shows it and lists its code string (WriteJpegWithPage), with the same refusals
// and failures. The dialog remembers the name chosen last.
class PictureExport {
 public:
  PictureExport(FileChooser chooser, PageOpener opener, std::function<QDateTime()> now);

  // Asks for the JPEG's name, then writes the JPEG and its page, and opens the page when
  // openPage is set. What comes back once both files are written says so, for a notice, or, when
  // no program could open the page, says where it was saved; nothing when the user cancels.
  [[nodiscard]] Expected<QString> SaveAsJpeg(const Picture& picture, const QString& codeText,
                                             bool openPage, QWidget* dialogParent);

  // The name the save dialog offers before the first save, without its extension.
  void suggestName(const QString& name) { saveDialog_.suggestedName = name; }

 private:
  FileChooser chooser_;
  PageOpener opener_;
  std::function<QDateTime()> now_;
  FileDialog saveDialog_{FileDialog::Purpose::Save};
};

}  // namespace tintara
