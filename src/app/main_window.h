#pragma once

#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "app/child_windows.h"
#include "app/desktop.h"
#include "app/file_dialog.h"
#include "app/last_folder.h"
#include "app/picture_export.h"
#include "app/program_files.h"
#include "app/recent_files.h"
#include "app/skin_export.h"
#include "app/stored_placement_window.h"
#include "app/window_actions.h"
#include "paint/bodies.h"
#include "paint/colour_vision.h"
#include "paint/session.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tintara {

class AboutBox;
class ColourExchange;
class Notice;
class PictureBadge;
class PictureScroller;
class PictureView;
class RandomCodesDialog;
class SlotActions;
class SlotPanel;
class SwatchBoard;
struct CatalogueEntry;

// The main window: it creates the views and the menus, forwards what the user edits in place to
// the session as it changes, runs each action through the session, and shows what comes back:
// the document, the edits to put back, the fit and the focus, and a problem last.
class MainWindow : public StoredPlacementWindow {
  Q_OBJECT

 public:
  MainWindow(ProgramFiles files, Desktop desktop, QWidget* parent = nullptr);
  ~MainWindow() override;

  const Document& document() const { return session_.document(); }
  // The picture in its true colours, which every file is written from, whatever the view shows.
  const Picture& picture() const { return session_.picture(); }
  // The size start-up gave the window: fitting never makes it smaller.
  QSize baseSize() const { return baseSize_; }
  // Opens a bitmap as "Load Other Bitmap" opens the file chosen, as one step.
  void openBitmap(const QString& path);
  // The user guide "&Topics" opens, at first the program's; empty, or naming no file, when the
  // guide is not installed.
  void setGuidePath(QString path) { files_.guidePath = std::move(path); }

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The table's rows run what the window does.
  friend std::span<const WindowAction> WindowActions();

  // Layout and menus.
  void createControls();
  QWidget* createPanel(QWidget* client);
  void createMenus();
  QAction* actionNamed(std::string_view name) const;
  void showActionStates();
  // Gives a child window the keys that work in every window, and its own.
  void addWindowActions(QWidget* window);
  void connectControls();

  // How its problem is told: at once, or once the event loop is back, for an action run inside a
  // control's own signal, where a modal box would open in the middle of the control's change.
  enum class Report { Now, Queued };

  // Runs a user action through the session and shows what it returns; its problem is told last.
  // attempt runs what leaves the document as it is, and tells its fault.
  Outcome act(const std::function<Outcome()>& action, Report report = Report::Now);
  void undo() {
    act([this] { return session_.Undo(); });
  }
  void redo() {
    act([this] { return session_.Redo(); });
  }
  void attempt(const std::function<void()>& operation);
  template <typename Operation>
  auto attempting(Operation operation) {
    return [this, operation](auto&&...) { attempt(operation); };
  }
  template <typename Action>
  auto acting(Action action) {
    return [this, action](auto&&...) { act(action); };
  }
  void reportProblem(const Problem& problem, Report report);
  // Tells a problem of what leaves the document as it is, when there is one.
  void tell(const std::optional<Problem>& problem);
  // Tells its problem, or its notice when it has one.
  void tellOutcome(const Expected<QString>& outcome);

  // Showing the document.
  void showDocument();
  void showEdits(const EditsInPlace& edits, bool endTyping);
  void showCodeText(const std::string& text);
  void showHistory();

  // What the window does itself.
  void applyEnlargeChoice();
  // Shows the picture at the zoom (Enlarge ticked exactly at 4x) and fits the window to it.
  void showZoom(int zoom);
  int zoomToFit() const;
  QSize availableSize() const;
  void fitWindow();
  void fillBoardOnce();
  void copyCodes();
  void toggleBlinkSlot();
  void updateHints();
  void toggleHideHints();
  void saveSkin();
  void exportPalette();
  void pickCatalogueEntry(const CatalogueEntry& entry);
  void loadOtherBitmap();
  void loadCodesFromPage();
  void applyCodesOfPage(const QString& path);
  void showGuide();
  void showVision(Vision vision);
  void checkReadability();
  void saveAsJpeg();
  void convertAndSave();
  void showRandomCodes();

  ProgramFiles files_;
  Desktop desktop_;
  LastFolder lastFolder_;
  RecentFiles recentFiles_;
  FileChooser chooseFile_;  // the desktop's, starting in the last folder
  Session session_;
  PictureExport export_;
  SkinExport skinExport_;
  FileDialog otherBitmapDialog_{FileDialog::Purpose::Open};
  FileDialog pageDialog_;
  QSize baseSize_;

  PictureView* picture_ = nullptr;
  PictureScroller* pictureScroller_ = nullptr;
  Notice* notice_ = nullptr;
  PictureBadge* visionBadge_ = nullptr;  // names the colour-vision view while one is on
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

  std::vector<QAction*> actions_;  // the table's, row by row; none for a row that is no item
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* startBrowser_ = nullptr;
  QAction* hideHints_ = nullptr;
  QAction* colorsOnLoad_ = nullptr;
  QAction* blinkSlot_ = nullptr;
  QAction* zoomIn_ = nullptr;
  QAction* zoomOut_ = nullptr;
  AboutBox* about_ = nullptr;
  ChildWindows children_;
  RandomCodesDialog* randomCodes_ = nullptr;  // made when first shown
  ColourExchange* colours_ = nullptr;
  SlotActions* slotActions_ = nullptr;
};

}  // namespace tintara
