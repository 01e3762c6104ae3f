#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

#include "sources/file_dialog.h"
#include "sources/page_opener.h"

class QWidget;

namespace tintara {

struct Picture;

// The painted picture handed to the world outside: "Save as JPG" writes it as a JPEG with an
// HTML page beside it that shows it and lists its code string, and "Convert and Save" writes it
// as "converted.bmp". A file that cannot be created ends the command with the UserError
// "Cannot create file <path>"; files are replaced only once their new content is whole, and a
// read-only file is never replaced.
class PictureExport {
 public:
  PictureExport(FileChooser chooser, PageOpener opener, std::function<QDateTime()> now);

  // Asks for the JPEG's name, then writes the JPEG and its page, and opens the page when
  // openPage is set. Nothing happens when the user cancels. A name whose page would be the JPEG
  // itself ("x.htm") and a picture too large for JPEG are refused with a UserError before anything
  // is written; a page that no program could be opened with is reported, once both files are
  // written, with a UserError that says where it was saved.
  void SaveAsJpeg(const Picture& picture, const QString& codeText, bool openPage,
                  QWidget* dialogParent);
  // Writes the picture as a 24-bit BMP file "converted.bmp" in the directory, given with a
  // trailing separator, which is made when missing.
  void SaveConverted(const Picture& picture, const QString& directory) const;

  // The name the save dialog offers before the first save, without its extension.
  void suggestName(const QString& name) { saveDialog_.suggestedName = name; }

 private:
  FileChooser chooser_;
  PageOpener opener_;
  std::function<QDateTime()> now_;
  FileDialog saveDialog_{FileDialog::Purpose::Save};
};

// The picture as "Save as JPG" writes it, without a dialog: the JPEG alone, or the JPEG with its
// page beside it. They throw the same UserErrors.
void WriteJpeg(const QString& path, const Picture& picture);
void WriteJpegWithPage(const QString& path, const Picture& picture, const QString& codeText,
                       const QDateTime& now);

}  // namespace tintara
