#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "app/desktop.h"
#include "app/file_dialog.h"
#include "app/sheet_export.h"
#include "paint/colour_vision.h"
#include "paint/session.h"

class QWidget;

namespace tintara {

class CodeBookWindow;
class CompareWindow;
struct CodeBookEntry;
class GalleryWindow;
class VariantPlayer;

// The windows the main window opens beside it: the gallery (F3), the code book (F4) and the
// compare window the code book opens. Each is made when first shown, handed to `made` (which gives
// it the keys that work in every window), and acts on the main window's session through `act`,
// which runs an action and shows what it returns; `tell` tells what a save came to.
//
// The code book's entries play on the main picture (through `preview`) and the gallery, drawn
// apart from the document, until the code book or a key or a click stops them, or a step or a
// view change shows the document again.
class ChildWindows {
 public:
  using Act = std::function<void(const std::function<Outcome()>& action)>;
  using Tell = std::function<void(const Expected<QString>& outcome)>;
  using Made = std::function<void(QWidget* window)>;
  using Preview = std::function<void(std::shared_ptr<const Picture> picture)>;

  ChildWindows(Session& session, QWidget* main, Desktop desktop, Act act, Tell tell, Made made,
               Preview preview);

  // The gallery reads the files of `programDirectory` when first opened, and keeps them while the
  // window lives.
  void showGallery(const QString& programDirectory);
  void showCodeBook(const QString& bookPath);
  // After every step and view change: the windows showing show the session's document.
  void showDocument();

 private:
  void compare(const std::vector<CodeBookEntry>& entries);
  void saveComparison();
  void saveGallery();
  void play(const std::vector<CodeBookEntry>& entries, int rate);
  void showVariant(const std::string& codes);
  void stopped();
  void saveAnimation(const std::vector<CodeBookEntry>& entries, int rate, int scale, bool captions);
  void placeBeside(QWidget* window) const;

  Session& session_;
  QWidget* main_;
  Desktop desktop_;
  Act act_;
  Tell tell_;
  Made made_;
  Preview preview_;
  VariantPlayer* player_;
  FileDialog animationDialog_;
  SheetExport sheetExport_;
  CodeBookWindow* codeBook_ = nullptr;  // made when first shown
  CompareWindow* compare_ = nullptr;    // made when first shown
  GalleryWindow* gallery_ = nullptr;    // made when first shown
};

}  // namespace tintara
