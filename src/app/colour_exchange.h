#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "app/error_report.h"
#include "app/file_dialog.h"
#include "paint/session.h"

class QAction;
class QWidget;

namespace tintara {

class Notice;
class PictureView;
class SlotPanel;

// Colours from other programs and to them: a palette file imported, chosen or dropped, into the
// slots or the code book; the slot colours copied to the clipboard and pasted from it; and the
// slot that paints a pixel clicked on the picture, selected as a press on its swatch selects it.
// What changes the document runs through `act`, which runs an action as a step of the window
// and shows what it returns; notices go to the window's notice, faults to `reportError`.
class ColourExchange : public QObject {
 public:
  using Act = std::function<Outcome(const std::function<Outcome()>& action)>;
  // The window's views it reads and shows on; the picture blinks a picked slot while `blinkSlot`
  // is ticked.
  struct Views {
    Notice* notice;
    SlotPanel* slots;
    PictureView* picture;
    const QAction* blinkSlot;
  };

  ColourExchange(Session& session, QWidget* window, Views views, FileChooser chooseFile,
                 QString codeBookPath, Act act, ErrorReporter reportError);

  void importPalette();
  void openPalette(const QString& path);
  void copyColours();
  void pasteColours();

 private:
  void pickSlot(int x, int y);
  void tell(const Problem& problem) const;

  Session& session_;
  QWidget* window_;
  Views views_;
  FileChooser chooseFile_;
  QString codeBookPath_;
  Act act_;
  ErrorReporter reportError_;
  FileDialog paletteDialog_;
};

}  // namespace tintara
