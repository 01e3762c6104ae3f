#pragma once

#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "app/desktop.h"
#include "app/file_dialog.h"
#include "app/last_folder.h"
#include "app/picture_export.h"
#include "app/program_files.h"
#include "app/recent_files.h"
#include "app/sheet_export.h"
#include "app/skin_export.h"
#include "app/stored_placement_window.h"
#include "app/window_actions.h"
#include "paint/bodies.h"
#include "paint/canvas.h"
#include "paint/colour_vision.h"
#include "paint/command_runner.h"
#include "paint/commands.h"
#include "paint/edits_in_place.h"
#include "paint/random_codes.h"

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
class CodeBookWindow;
class CompareWindow;
class GalleryWindow;
class Notice;
class PictureBadge;
class PictureScroller;
class PictureView;
class RandomCodesDialog;
class SlotPanel;
class SwatchBoard;
struct CatalogueEntry;

// The main window: it creates the views and the menus, makes a command of what the user does, with
// the user's edits as its inputs, has the command runner run it, and shows the document again.
// The window decides the effects itself (fitting, focus) from the command and its result, and
// reports a problem last.
//
// What the user edits in place stays the user's: the edit box and the group checks change only
// where a step changed them, and undo and redo keep a code string typed and not yet applied.
class MainWindow : public StoredPlacementWindow {
  Q_OBJECT

 public:
  MainWindow(ProgramFiles files, Desktop desktop, QWidget* parent = nullptr);
  ~MainWindow() override;

  const Document& document() const { return runner_.document(); }
  // The picture in its true colours, which every file is written from, whatever the view shows.
  const Picture& picture() const { return canvas_.picture(); }
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
  // A bitmap or a saved page dragged from a file manager opens when dropped on the window.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

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

  // When a command leaves the keyboard focus on the Enlarge check box.
  enum class Focus { Stays, Enlarge, EnlargeWhenApplied, EnlargeAfterLoad };
  // How its problem is told: at once, or once the event loop is back, for a command run inside a
  // control's own signal, where a modal box would open in the middle of the control's change.
  enum class Report { Now, Queued };

  // Running what the user does: run has a command run and shows the document and the effects;
  // undo and redo take a step back or again; attempt runs what leaves the document as it is. Each
  // reports a problem last.
  CommandResult run(const Command& command, Focus focus, Report report = Report::Now);
  void undo();
  void redo();
  void attempt(const std::function<void()>& operation);
  template <typename Operation>
  auto attempting(Operation operation) {
    return [this, operation](auto&&...) { attempt(operation); };
  }
  template <typename MakeCommand>
  auto running(MakeCommand makeCommand, Focus focus) {
    return [this, makeCommand, focus](auto&&...) { run(makeCommand(), focus); };
  }
  void reportProblem(const Problem& problem, Report report);
  // Tells a problem of what leaves the document as it is, when there is one.
  void tell(const std::optional<Problem>& problem);
  // Tells its problem, or its notice when it has one.
  void tellOutcome(const Expected<QString>& outcome);

  // The user's edits, as commands take them.
  std::string codeText() const;
  GroupChecks groupChecks() const;
  commands::LoadInputs loadInputs() const;

  // Showing the document.
  void showDocument();
  void takeStep(const Step* step, bool undone);
  EditsInPlace editsInPlace() const;
  void showEdits(const EditsInPlace& edits, bool endTyping);
  void showCodeText(const std::string& text);
  void showHistory();
  void fitWhenResized(QSize pictureBefore);
  bool handleEditKeys(QEvent* event);

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
  void openDroppedFile(const QString& path);
  void showGuide();
  void showCodeBook();
  void saveComparison();
  void saveGallery();
  void showVision(Vision vision);
  void checkReadability();
  void showGallery();
  void placeBeside(QWidget* window) const;
  void saveAsJpeg();
  void convertAndSave();
  // "Gee!" with the chosen settings, its seed kept for "Roll Again".
  void rollRandomCodes();
  void showRandomCodes();
  void rollAgain(std::uint32_t seed, const RandomCodeSettings& settings);
  void toggleSelectedLock();

  ProgramFiles files_;
  Desktop desktop_;
  LastFolder lastFolder_;
  RecentFiles recentFiles_;
  FileChooser chooseFile_;  // the desktop's, starting in the last folder
  CommandRunner runner_;
  Canvas canvas_;
  RandomGenerator random_;
  RandomCodeSettings randomSettings_;  // what "Random Codes..." chose for "Gee!"
  std::uint32_t lastSeed_;             // the generator's state before the last roll
  PictureExport export_;
  SkinExport skinExport_;
  SheetExport sheetExport_;
  FileDialog otherBitmapDialog_{FileDialog::Purpose::Open};
  FileDialog pageDialog_;
  QSize baseSize_;
  QString draggedFile_;  // the file the drag over the window carried when it entered

  PictureView* picture_ = nullptr;
  PictureScroller* pictureScroller_ = nullptr;
  Notice* notice_ = nullptr;
  PictureBadge* visionBadge_ = nullptr;  // names the colour-vision view while one is on
  Vision vision_ = Vision::Normal;
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
  QAction* lockSlot_ = nullptr;
  AboutBox* about_ = nullptr;
  CodeBookWindow* codeBook_ = nullptr;        // made when first shown
  CompareWindow* compare_ = nullptr;          // made when first shown
  GalleryWindow* gallery_ = nullptr;          // made when first shown
  RandomCodesDialog* randomCodes_ = nullptr;  // made when first shown
};

}  // namespace tintara
