#include "app/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

#include "app/about_box.h"
#include "app/compare_window.h"
#include "app/embedded_art.h"
#include "app/gallery_window.h"
#include "app/page_codes_dialog.h"
#include "app/window_fit.h"
#include "board/hint_switch.h"
#include "board/notice.h"
#include "board/picture_scroller.h"
#include "board/picture_view.h"
#include "board/qcolor_conversion.h"
#include "board/shown_caption.h"
#include "board/slot_panel.h"
#include "board/swatch_board.h"
#include "paint/code_string.h"
#include "paint/painting.h"
#include "platform/ini_file.h"
#include "platform/version.h"

namespace tintara {
namespace {

constexpr char kDesignCaption[] = " Tintara";
constexpr QSize kDesignSize(485, 397);
constexpr QPoint kDesignPosition(193, 115);
// The section was named after the first version's window class; users' stored placement is there.
constexpr char kPlacementSection[] = "TForm1";
constexpr int kEnlargedZoom = 4;
// Room kept around the controls when the window is made smaller than they need.
constexpr int kClientMargin = 8;

// The design font; where it is missing, a condensed sans-serif face at the same pixel size keeps
// the captions within the controls laid out for it.
QFont DesignFont() {
  QFont font("MS Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  if (QFontInfo(font).family() != font.family()) font.setStretch(QFont::Condensed);
  return font;
}

bool IsBitmapFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix();
  return suffix.compare("bmp", Qt::CaseInsensitive) == 0 ||
         suffix.compare("png", Qt::CaseInsensitive) == 0;
}

bool IsPageFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix();
  return suffix.compare("htm", Qt::CaseInsensitive) == 0 ||
         suffix.compare("html", Qt::CaseInsensitive) == 0;
}

bool CarriesLocalFiles(const QMimeData* data) {
  if (data == nullptr) return false;
  const QList<QUrl> urls = data->urls();
  return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

// The one local file a drag carries when the window opens files of its kind; empty otherwise.
QString OpenableDroppedFile(const QMimeData* data) {
  if (data == nullptr) return {};
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
  const QString path = urls.front().toLocalFile();
  return IsBitmapFile(path) || IsPageFile(path) ? path : QString();
}

// The window only reads the file: a file manager told the drop was a move would delete it.
bool TakeAsCopy(QDropEvent* event, const QString& file) {
  if (file.isEmpty() || !event->possibleActions().testFlag(Qt::CopyAction)) {
    event->ignore();
    return false;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  return true;
}

// The document at start: the selected body loaded, when its file can be read.
Document StartUpDocument(const QString& programDirectory) {
  Document document = StartingDocument();
  LoadStartUpBody(document, programDirectory.toStdString());
  return document;
}

}  // namespace

MainWindow::MainWindow(ProgramFiles files, Desktop desktop, QWidget* parent)
    : StoredPlacementWindow(files.iniPath, kPlacementSection, desktop.reportError, parent),
      files_(std::move(files)),
      desktop_(std::move(desktop)),
      lastFolder_(files_.iniPath),
      recentFiles_(files_.iniPath),
      chooseFile_(StartingInLastFolder(desktop_.chooseFile, lastFolder_)),
      runner_(StartUpDocument(files_.directory)),
      canvas_(DesignPicture()),
      random_(desktop_.randomSeed),
      lastSeed_(random_.State()),
      export_(chooseFile_, desktop_.openPage, desktop_.now),
      skinExport_(chooseFile_),
      sheetExport_(chooseFile_),
      pageDialog_(PageCodesDialog()) {
  setObjectName("Form1");
  setWindowTitle(QString(kDesignCaption) + "  v." + kVersionNumber);
  setFont(DesignFont());
  move(kDesignPosition);
  createControls();
  createMenus();
  connectControls();
  setAcceptDrops(true);
  codeEdit_->installEventFilter(this);
  resize(kDesignSize);
  baseSize_ = size();
  const IniFile ini(files_.iniPath.toStdString());
  hideHints_->setChecked(ini.ReadInteger("Setup", "HideHints", 0) != 0);
  blinkSlot_->setChecked(ini.ReadInteger("Setup", "BlinkSlot", 1) != 0);
  showEdits({document().codeText, document().groups}, true);
  showDocument();
  // A loaded picture sizes the view and the window.
  if (HasSkin(document())) applyEnlargeChoice();
  // The first focus is where the keys do something a user sees.
  board_->setFocus();
  about_ = new AboutBox(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectControls() {
  connect(enlarge_, &QCheckBox::clicked, this, attempting([this] { applyEnlargeChoice(); }));
  connect(
      applyCodes_, &QPushButton::clicked, this,
      running([this] { return commands::ApplyCodeText(codeText()); }, Focus::EnlargeWhenApplied));
  // Typing goes on where it was: Return leaves the focus in the edit box.
  connect(codeEdit_, &QLineEdit::returnPressed, this,
          running([this] { return commands::ApplyCodeText(codeText()); }, Focus::Stays));
  connect(restore_, &QToolButton::clicked, this,
          running([] { return commands::RestoreLastCodes(); }, Focus::Enlarge));
  connect(gee_, &QPushButton::clicked, this, [this] { rollRandomCodes(); });
  connect(reload_, &QPushButton::clicked, this,
          running([this] { return commands::Reload(loadInputs()); }, Focus::EnlargeAfterLoad));
  for (int body = 1; body <= kBodyCount; ++body) {
    // Selecting a radio button, by the user or by the program, reloads.
    connect(bodies_[static_cast<std::size_t>(body - 1)], &QRadioButton::toggled, this,
            [this, body](bool selected) {
              if (!selected) return;
              run(commands::SelectBody(document(), body, loadInputs()), Focus::EnlargeAfterLoad,
                  Report::Queued);
            });
  }
  connect(slots_, &SlotPanel::skinCaptionClicked, this,
          running([this] { return commands::ApplyNextSkinPreset(codeText()); }, Focus::Stays));
  connect(slots_, &SlotPanel::slotDropped, this, [this](int slot, int sourceSlot) {
    run(commands::DropSlot(slot, sourceSlot, codeText()), Focus::Stays);
  });
  connect(slots_, &SlotPanel::slotDragEnded, this,
          [this](int sourceSlot) { run(commands::EndSlotDrag(sourceSlot), Focus::Stays); });
  connect(slots_, &SlotPanel::slotHovered, this, [this](int slot) {
    if (!blinkSlot_->isChecked()) return;
    if (auto marked = canvas_.MarkingSlot(document(), slot)) picture_->blink(std::move(marked));
  });
  connect(slots_, &SlotPanel::slotHoverEnded, picture_, &PictureView::stopBlinking);
  connect(board_, &SwatchBoard::swatchDropped, this, [this](int code, int slot) {
    run(commands::DropSwatch(slot, code, codeText()), Focus::Stays);
  });
  // The keyboard gives a code to the selected slot as a drop of its swatch there would.
  connect(board_, &SwatchBoard::swatchChosen, this, [this](int code) {
    if (const int slot = slots_->selectedSlot(); slot != 0) {
      run(commands::DropSwatch(slot, code, codeText()), Focus::Stays);
    }
  });
  connect(slots_, &SlotPanel::codeTyped, this, [this](int slot, int code) {
    run(commands::DropSwatch(slot, code, codeText()), Focus::Stays);
  });
  connect(slots_, &SlotPanel::lockToggled, this,
          [this](int slot) { run(commands::ToggleSlotLock(document(), slot), Focus::Stays); });
}

void MainWindow::toggleSelectedLock() {
  if (const int slot = slots_->selectedSlot(); slot != 0) {
    run(commands::ToggleSlotLock(document(), slot), Focus::Stays);
  }
}

void MainWindow::rollRandomCodes() {
  lastSeed_ = random_.State();
  run(commands::RollRandomCodes(groupChecks(), random_, randomSettings_), Focus::Enlarge);
}

// The generator starts again from the seed, so the roll is the one made from it before.
void MainWindow::rollAgain(std::uint32_t seed, const RandomCodeSettings& settings) {
  random_ = RandomGenerator(seed);
  lastSeed_ = seed;
  run(commands::RollRandomCodes(groupChecks(), random_, settings), Focus::Stays);
}

// The board is filled on the first activation, and the hint option applied then; a window shown
// without being activated (a window opened behind another, a compositor that does not activate
// new windows) fills it when it is first shown.
bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) fillBoardOnce();
  return StoredPlacementWindow::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
  StoredPlacementWindow::showEvent(event);
  fillBoardOnce();
  // A fit made before the window had its frame may reach past the screen by the frame.
  const QSize available = availableSize();
  if (size().width() > available.width() || size().height() > available.height()) fitWindow();
}

void MainWindow::fillBoardOnce() {
  attempt([this] {
    if (board_->fillOnce()) updateHints();
  });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  draggedFile_ = OpenableDroppedFile(event->mimeData());
  TakeAsCopy(event, draggedFile_);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) { TakeAsCopy(event, draggedFile_); }

void MainWindow::dragLeaveEvent(QDragLeaveEvent*) { draggedFile_.clear(); }

void MainWindow::dropEvent(QDropEvent* event) {
  // The file read when the drag entered is this drag's file: asking the source again at the
  // drop can stall the window for seconds and then bring nothing (X11 drags between Qt programs).
  const QString file =
      draggedFile_.isEmpty() ? OpenableDroppedFile(event->mimeData()) : draggedFile_;
  draggedFile_.clear();
  if (!TakeAsCopy(event, file)) return;
  // The file manager waits until the drop returns; the file opens, and a message shows, after.
  QMetaObject::invokeMethod(
      this, [this, file] { attempt([&] { openDroppedFile(file); }); }, Qt::QueuedConnection);
}

// Files dragged onto the edit box are the window's to open, not text to insert; the edit box
// keeps every other drag.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == codeEdit_ && handleEditKeys(event)) return true;
  if (watched == codeEdit_) {
    switch (event->type()) {
      case QEvent::DragEnter:
        if (!CarriesLocalFiles(static_cast<QDropEvent*>(event)->mimeData())) break;
        dragEnterEvent(static_cast<QDragEnterEvent*>(event));
        return true;
      case QEvent::DragMove:
      case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (draggedFile_.isEmpty() && !CarriesLocalFiles(drop->mimeData())) break;
        if (event->type() == QEvent::Drop) {
          dropEvent(drop);
        } else {
          TakeAsCopy(drop, draggedFile_);
        }
        return true;
      }
      case QEvent::DragLeave:
        draggedFile_.clear();
        break;
      default:
        break;
    }
  }
  return StoredPlacementWindow::eventFilter(watched, event);
}

void MainWindow::openBitmap(const QString& path) {
  const CommandResult result =
      run(commands::LoadOtherBitmap(path.toStdString(), loadInputs()), Focus::EnlargeAfterLoad);
  if (result.loaded) recentFiles_.add(QFileInfo(path).absoluteFilePath());
}

void MainWindow::openDroppedFile(const QString& path) {
  if (IsBitmapFile(path)) {
    openBitmap(path);
  } else {
    applyCodesOfPage(path);
  }
}

CommandResult MainWindow::run(const Command& command, Focus focus, Report report) {
  CommandResult result;
  const std::optional<QString> fault = Attempt([&] {
    EditsInPlace edits = editsInPlace();
    result = runner_.Run(command);
    FollowCommand(edits, result, result.stepTaken ? runner_.newestStep() : nullptr, document());
    // A code string the command wrote replaced what was typed, and the typing before it with it.
    showEdits(edits, result.wroteCodeText);
    showDocument();
    // Only a load gives the picture another size; it keeps its zoom.
    if (result.loaded) showZoom(picture_->zoom());
  });
  // A command that failed, or did not get as far, leaves the focus where it was.
  const bool failed = (result.problem && !result.keepsChanges) || fault;
  const bool focusEnlarge =
      focus == Focus::Enlarge || (focus == Focus::EnlargeWhenApplied && result.codesApplied) ||
      (focus == Focus::EnlargeAfterLoad && result.loaded && colorsOnLoad_->isChecked());
  if (focusEnlarge && !failed) enlarge_->setFocus();
  if (result.problem) reportProblem(*result.problem, report);
  if (fault) reportProblem(Problem{fault->toStdString()}, report);
  if (fault && !result.problem) result.problem = Problem{fault->toStdString()};
  return result;
}

void MainWindow::undo() { takeStep(runner_.Undo(), true); }

void MainWindow::redo() { takeStep(runner_.Redo(), false); }

void MainWindow::takeStep(const Step* step, bool undone) {
  if (step == nullptr) return;
  const QSize pictureBefore(picture().width, picture().height);
  EditsInPlace edits = editsInPlace();
  FollowStep(edits, *step, undone);
  showEdits(edits, false);
  showDocument();
  fitWhenResized(pictureBefore);
}

void MainWindow::attempt(const std::function<void()>& operation) {
  if (const std::optional<QString> failure = Attempt(operation)) desktop_.reportError(*failure);
}

void MainWindow::reportProblem(const Problem& problem, Report report) {
  const QString message = QString::fromStdString(problem.message);
  if (report == Report::Now) {
    desktop_.reportError(message);
  } else {
    QMetaObject::invokeMethod(
        this, [this, message] { desktop_.reportError(message); }, Qt::QueuedConnection);
  }
}

void MainWindow::tell(const std::optional<Problem>& problem) {
  if (problem) reportProblem(*problem, Report::Now);
}

void MainWindow::tellOutcome(const Expected<QString>& outcome) {
  if (!outcome) {
    reportProblem(outcome.problem(), Report::Now);
  } else if (!outcome->isEmpty()) {
    notice_->tell(*outcome);
  }
}

std::string MainWindow::codeText() const { return codeEdit_->text().toStdString(); }

EditsInPlace MainWindow::editsInPlace() const { return {codeText(), groupChecks()}; }

// The checks as the edits have them; the text when it changed, or to end the box's typing
// history.
void MainWindow::showEdits(const EditsInPlace& edits, bool endTyping) {
  for (int g = 1; g <= kGroupCount; ++g) {
    slots_->groupCheck(g)->setChecked(edits.groups[static_cast<std::size_t>(g - 1)]);
  }
  if (endTyping || edits.codeText != codeText()) showCodeText(edits.codeText);
}

GroupChecks MainWindow::groupChecks() const {
  GroupChecks checks{};
  for (int g = 1; g <= kGroupCount; ++g) {
    checks[static_cast<std::size_t>(g - 1)] = slots_->groupCheck(g)->isChecked();
  }
  return checks;
}

commands::LoadInputs MainWindow::loadInputs() const {
  return {files_.directory.toStdString(), codeText(), groupChecks(), colorsOnLoad_->isChecked()};
}

void MainWindow::showDocument() {
  const Document& shown = document();
  canvas_.Show(shown);
  picture_->showPicture(canvas_.shownPicture());
  slots_->showDocument(shown);
  sizeLabel_->setText(QString::fromStdString(SizeText(shown)));
  for (int body = 1; body <= kBodyCount; ++body) {
    bodies_[static_cast<std::size_t>(body - 1)]->setText(ShownCaption(BodyCaption(shown, body)));
  }
  // Selecting a radio button reloads; this one shows a selection the document already has.
  QRadioButton* selected = bodies_[static_cast<std::size_t>(shown.body - 1)];
  const QSignalBlocker quiet(selected);
  selected->setChecked(true);
  showActionStates();
  showHistory();
  if (gallery_ != nullptr && gallery_->isVisible()) gallery_->showCodes(GalleryCodes(shown));
  // Saves offer the picture's name; a caption holds no separator, but may in a loaded file's.
  const QString name = QString::fromStdString(BodyCaption(shown, shown.body)).replace('/', '-');
  export_.suggestName(name);
  skinExport_.suggestName(name);
  skinExport_.notePaintedCodes(PaintedCodeString(shown));
  if (compare_ != nullptr && compare_->isVisible()) compare_->showOn(shown);
  slots_->showReadability(UnreadablePairs(shown));
}

// The text replaces the edit box's, and its typing history ends there. The cursor stays where it
// was when the text stays the same.
void MainWindow::showCodeText(const std::string& text) {
  const QString shown = QString::fromStdString(text);
  const bool same = codeEdit_->text() == shown;
  const int cursor = codeEdit_->cursorPosition();
  codeEdit_->setText(shown);
  if (same) codeEdit_->setCursorPosition(cursor);
}

// The menu names the step each command would take back or take again.
void MainWindow::showHistory() {
  const auto show = [](QAction* action, const QString& command, const std::string* step) {
    action->setEnabled(step != nullptr);
    QString text = command;
    if (step != nullptr) text += ' ' + QString::fromStdString(*step).replace('&', "&&");
    action->setText(text);
  };
  show(undo_, "&Undo", runner_.undoName());
  show(redo_, "&Redo", runner_.redoName());
}

void MainWindow::fitWhenResized(QSize pictureBefore) {
  if (QSize(picture().width, picture().height) != pictureBefore) showZoom(picture_->zoom());
}

// Ctrl+Z in the edit box takes back typing while there is typing to take back, and otherwise
// the last step, as the Edit menu does; the same for redo.
bool MainWindow::handleEditKeys(QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const QKeySequence pressed(key->keyCombination());
  const bool isUndo = undo_->shortcuts().contains(pressed);
  const bool isRedo = redo_->shortcuts().contains(pressed);
  if (!isUndo && !isRedo) return false;
  const bool typing = isUndo ? codeEdit_->isUndoAvailable() : codeEdit_->isRedoAvailable();
  if (event->type() == QEvent::ShortcutOverride) {
    // Accepted, the key goes to the edit box; ignored, to the menu's shortcut.
    key->setAccepted(typing);
    return true;
  }
  if (isUndo) {
    codeEdit_->undo();
  } else {
    codeEdit_->redo();
  }
  return true;
}

void MainWindow::applyEnlargeChoice() { showZoom(enlarge_->isChecked() ? kEnlargedZoom : 1); }

void MainWindow::showZoom(int zoom) {
  picture_->setZoom(zoom);
  const bool enlarged = picture_->zoom() == kEnlargedZoom;
  enlarge_->setChecked(enlarged);
  enlarge_->setText(enlarged ? "Reduce " : "Enlarge ");
  zoomIn_->setEnabled(picture_->zoom() < PictureView::kLargestZoom);
  zoomOut_->setEnabled(picture_->zoom() > PictureView::kSmallestZoom);
  fitWindow();
}

// The largest whole zoom that shows the picture whole in the space the screen leaves.
int MainWindow::zoomToFit() const {
  const QSize space = LargestView(pictureScroller_->pos(), availableSize());
  const QSize shown(std::max(picture().width, 1), std::max(picture().height, 1));
  const int zoom = std::min(space.width() / shown.width(), space.height() / shown.height());
  return std::clamp(zoom, PictureView::kSmallestZoom, PictureView::kLargestZoom);
}

// The space from the window's corner to the far corner of its screen's area, its frame taken off,
// so that the window fitted into it stays on the screen where it stands.
QSize MainWindow::availableSize() const {
  const QScreen* on = screen();
  if (on == nullptr) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  const QRect area = on->availableGeometry();
  const QSize frame = desktopFrame();
  const QPoint corner = WindowPositionsAreKnown() ? pos() : area.topLeft();
  const QSize space(area.right() + 1 - std::max(corner.x(), area.left()),
                    area.bottom() + 1 - std::max(corner.y(), area.top()));
  // Even a window standing near the screen's far corner keeps its start-up size.
  return (space - frame).expandedTo(baseSize_);
}

// Only the size changes, never below the start-up size nor beyond the screen; the window keeps
// its place. What does not fit scrolls.
void MainWindow::fitWindow() {
  const WindowFit fit =
      FitWindow(picture_->size(), pictureScroller_->pos(), baseSize_, availableSize(),
                style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  pictureScroller_->resize(fit.view);
  QWidget* client = pictureScroller_->parentWidget();
  const QPoint farCorner = client->childrenRect().bottomRight();
  client->setMinimumSize(farCorner.x() + kClientMargin, farCorner.y() + kClientMargin);
  resize(fit.window);
}

void MainWindow::copyCodes() {
  QGuiApplication::clipboard()->setText(
      QString::fromStdString(WriteCodeString(document().model.slots)));
}

void MainWindow::updateHints() {
  const bool show = !hideHints_->isChecked();
  for (QWidget* control : switchedHints_) SetShowHint(control, show);
}

}  // namespace tintara
