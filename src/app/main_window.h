#pragma once

#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "app/desktop.h"
#include "app/file_dialog.h"
#include "app/picture_export.h"
#include "app/program_files.h"
#include "app/skin_export.h"
#include "app/stored_placement_window.h"
#include "paint/bodies.h"
#include "paint/paint_session.h"

class QAction;
class QCheckBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tintara {

class AboutBox;
class PictureView;
class SlotPanel;
class SwatchBoard;
struct CatalogueEntry;

// The main window: it creates the views and the menus, hands what the user does to the paint
// session, and after every operation shows the session again. Each user action runs as one
// entry from the event loop: the user's edits are copied into the session, the operation runs,
// the window shows the result and its effects (fitting, focus), and a message, if the operation
// stopped with one, is reported last.
class MainWindow : public StoredPlacementWindow {
  Q_OBJECT

 public:
  MainWindow(ProgramFiles files, Desktop desktop, QWidget* parent = nullptr);
  ~MainWindow() override;

  const PaintSession& session() const { return session_; }
  // The size start-up gave the window: fitting never makes it smaller.
  QSize baseSize() const { return baseSize_; }
  // Opens a bitmap as "Load Other Bitmap" opens the file chosen, as one step.
  void openBitmap(const QString& path);
  // The user guide "&Topics" opens, at first the program's; empty, or naming no file, when the
  // guide is not installed.
  void setGuidePath(QString path) { files_.guidePath = std::move(path); }

 protected:
  bool event(QEvent* event) override;
  // A bitmap or a saved page dragged from a file manager opens when dropped on the window.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Layout and menus.
  void createControls();
  QWidget* createPanel(QWidget* client);
  void createMenus();
  void connectControls();

  // Running what the user does: perform runs a session operation and shows the session again;
  // attempt runs what leaves the session as it is. Both report a failure last.
  void perform(const std::function<Outcome()>& operation);
  void attempt(const std::function<void()>& operation);
  template <typename Operation>
  auto performing(Operation operation) {
    return [this, operation](auto&&...) { perform(operation); };
  }
  template <typename Operation>
  auto attempting(Operation operation) {
    return [this, operation](auto&&...) { attempt(operation); };
  }
  void captureUserEdits();
  void showSession();
  void showHistory();
  void showEffects(const Outcome& outcome);

  // What the window does itself.
  void applyEnlargeChoice();
  void fitWindow();
  void updateHints();
  void toggleHideHints();
  Outcome pickCatalogueEntry(const CatalogueEntry& entry);
  Outcome loadOtherBitmap();
  Outcome loadCodesFromPage();
  Outcome applyCodesOfPage(const QString& path);
  Outcome openDroppedFile(const QString& path);
  void showGuide();
  void saveAsJpeg();
  Outcome convertAndSave();

  ProgramFiles files_;
  Desktop desktop_;
  PaintSession session_;
  PictureExport export_;
  SkinExport skinExport_;
  FileDialog otherBitmapDialog_{FileDialog::Purpose::Open};
  FileDialog pageDialog_;
  QSize baseSize_;
  QString draggedFile_;  // the file the drag over the window carried when it entered

  PictureView* picture_ = nullptr;
  SwatchBoard* board_ = nullptr;
  SlotPanel* slots_ = nullptr;
  QCheckBox* enlarge_ = nullptr;
  QPushButton* reload_ = nullptr;
  QPushButton* gee_ = nullptr;
  QPushButton* applyCodes_ = nullptr;
  QLabel* sizeLabel_ = nullptr;
  std::array<QRadioButton*, kBodyCount> bodies_{};
  QLineEdit* codeEdit_ = nullptr;
  QToolButton* restore_ = nullptr;
  std::vector<QWidget*> switchedHints_;  // the controls whose hints "Hide Hints" switches

  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* startBrowser_ = nullptr;
  QAction* hideHints_ = nullptr;
  QAction* colorsOnLoad_ = nullptr;
  AboutBox* about_ = nullptr;
};

}  // namespace tintara
