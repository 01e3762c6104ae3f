#include "app/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "app/about_box.h"
#include "app/colour_exchange.h"
#include "app/edit_box_keys.h"
#include "app/embedded_art.h"
#include "app/file_drop.h"
#include "app/page_codes_dialog.h"
#include "app/slot_actions.h"
#include "app/window_fit.h"
#include "board/control_factory.h"
#include "board/hint_switch.h"
#include "board/notice.h"
#include "board/picture_scroller.h"
#include "board/picture_view.h"
#include "board/shown_caption.h"
#include "board/slot_panel.h"
#include "board/swatch_board.h"
#include "paint/code_string.h"
#include "paint/painting.h"
#include "paint/readability.h"
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

}  // namespace

MainWindow::MainWindow(ProgramFiles files, Desktop desktop, QWidget* parent)
    : StoredPlacementWindow(files.iniPath, kPlacementSection, desktop.reportError, parent),
      files_(std::move(files)),
      desktop_(std::move(desktop)),
      lastFolder_(files_.iniPath),
      recentFiles_(files_.iniPath),
      chooseFile_(StartingInLastFolder(desktop_.chooseFile, lastFolder_)),
      session_(files_.directory.toStdString(), desktop_.randomSeed, DesignPicture()),
      export_(chooseFile_, desktop_.openPage, desktop_.now),
      skinExport_(chooseFile_),
      pageDialog_(PageCodesDialog()),
      children_(
          session_, this, {desktop_.reportError, chooseFile_, {}, desktop_.askText, {}, 0},
          [this](const std::function<Outcome()>& action) { act(action); },
          [this](const Expected<QString>& outcome) { tellOutcome(outcome); },
          [this](QWidget* window) { addWindowActions(window); },
          [this](std::shared_ptr<const Picture> shown) {
            picture_->showPicture(std::move(shown));
          }) {
  setObjectName("Form1");
  setWindowTitle(QString(kDesignCaption) + "  v." + kVersionNumber);
  setFont(DesignFont());
  move(kDesignPosition);
  createControls();
  createMenus();
  connectControls();
  const auto actNow = [this](const std::function<Outcome()>& action) { return act(action); };
  colours_ = new ColourExchange(session_, this, {notice_, slots_, picture_, blinkSlot_},
                                chooseFile_, files_.codeBookPath, actNow, desktop_.reportError);
  slotActions_ = new SlotActions(session_, slots_, actionNamed("LockSlot1"),
                                 actionNamed("ShadeGroup1"), this, actNow, desktop_.reportError);
  new FileDrop(
      this, codeEdit_, [this](const QString& path) { attempt([&] { openBitmap(path); }); },
      [this](const QString& path) { attempt([&] { colours_->openPalette(path); }); },
      [this](const QString& path) { attempt([&] { applyCodesOfPage(path); }); });
  new EditBoxKeys(codeEdit_, undo_, redo_);
  resize(kDesignSize);
  baseSize_ = size();
  const IniFile ini(files_.iniPath.toStdString());
  hideHints_->setChecked(ini.ReadInteger("Setup", "HideHints", 0) != 0);
  blinkSlot_->setChecked(ini.ReadInteger("Setup", "BlinkSlot", 1) != 0);
  // A loaded picture sizes the view and the window.
  act([this] { return session_.LoadStartUpBody(); });
  // The first focus is where the keys do something a user sees.
  board_->setFocus();
  about_ = new AboutBox(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectControls() {
  connect(enlarge_, &QCheckBox::clicked, this, attempting([this] { applyEnlargeChoice(); }));
  // The session holds what the user edits in place, as it changes.
  connect(codeEdit_, &QLineEdit::textChanged, this,
          [this](const QString& text) { session_.EditCodeText(text.toStdString()); });
  for (int g = 1; g <= kGroupCount; ++g) {
    connect(slots_->groupCheck(g), &QCheckBox::toggled, this,
            [this, g](bool checked) { session_.CheckGroup(g, checked); });
  }
  connect(colorsOnLoad_, &QAction::toggled, this,
          [this](bool on) { session_.SetApplyColoursOnLoad(on); });
  connect(applyCodes_, &QPushButton::clicked, this,
          acting([this] { return session_.ApplyCodeText(); }));
  connect(codeEdit_, &QLineEdit::returnPressed, this,
          acting([this] { return session_.ApplyCodeText(Session::Via::Return); }));
  connect(restore_, &QToolButton::clicked, this,
          acting([this] { return session_.RestoreLastCodes(); }));
  connect(gee_, &QPushButton::clicked, this, acting([this] { return session_.RollRandomCodes(); }));
  connect(reload_, &QPushButton::clicked, this, acting([this] { return session_.Reload(); }));
  for (int body = 1; body <= kBodyCount; ++body) {
    // Selecting a radio button, by the user or by the program, reloads.
    connect(bodies_[static_cast<std::size_t>(body - 1)], &QRadioButton::toggled, this,
            [this, body](bool selected) {
              if (selected) act([this, body] { return session_.SelectBody(body); }, Report::Queued);
            });
  }
  connect(slots_, &SlotPanel::skinCaptionClicked, this,
          acting([this] { return session_.ApplyNextSkinPreset(); }));
  connect(slots_, &SlotPanel::slotDropped, this, [this](int slot, int sourceSlot) {
    act([&] { return session_.DropSlot(slot, sourceSlot); });
  });
  connect(slots_, &SlotPanel::slotDragEnded, this,
          [this](int sourceSlot) { act([&] { return session_.EndSlotDrag(sourceSlot); }); });
  connect(slots_, &SlotPanel::slotHovered, this, [this](int slot) {
    if (!blinkSlot_->isChecked()) return;
    if (auto marked = session_.PictureMarkingSlot(slot)) picture_->blink(std::move(marked));
  });
  connect(slots_, &SlotPanel::slotHoverEnded, picture_, &PictureView::stopBlinking);
  connect(board_, &SwatchBoard::swatchDropped, this,
          [this](int code, int slot) { act([&] { return session_.DropSwatch(slot, code); }); });
  // The keyboard gives a code to the selected slot as a drop of its swatch there would.
  connect(board_, &SwatchBoard::swatchChosen, this, [this](int code) {
    if (const int slot = slots_->selectedSlot(); slot != 0) {
      act([&] { return session_.DropSwatch(slot, code); });
    }
  });
  connect(slots_, &SlotPanel::codeTyped, this,
          [this](int slot, int code) { act([&] { return session_.DropSwatch(slot, code); }); });
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

void MainWindow::openBitmap(const QString& path) {
  if (act([&] { return session_.LoadOtherBitmap(path.toStdString()); }).loaded) {
    recentFiles_.add(QFileInfo(path).absoluteFilePath());
  }
}

Outcome MainWindow::act(const std::function<Outcome()>& action, Report report) {
  Outcome outcome;
  const std::optional<QString> fault = Attempt([&] {
    outcome = action();
    showEdits(outcome.edits, outcome.endTyping);
    showDocument();
    // The picture keeps its zoom.
    if (outcome.fit) showZoom(picture_->zoom());
  });
  if (!fault && outcome.focus == Focus::Enlarge) enlarge_->setFocus();
  if (!fault && outcome.focus == Focus::CodeEdit) codeEdit_->setFocus();
  if (outcome.problem) reportProblem(*outcome.problem, report);
  if (!fault && outcome.notice) notice_->tell(QString::fromStdString(*outcome.notice));
  if (fault) reportProblem(Problem{fault->toStdString()}, report);
  if (fault && !outcome.problem) outcome.problem = Problem{fault->toStdString()};
  return outcome;
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

// The checks as the edits have them; the text when it changed, or to end the box's typing
// history.
void MainWindow::showEdits(const EditsInPlace& edits, bool endTyping) {
  for (int g = 1; g <= kGroupCount; ++g) {
    slots_->groupCheck(g)->setChecked(edits.groups[static_cast<std::size_t>(g - 1)]);
  }
  if (endTyping || edits.codeText != codeEdit_->text().toStdString()) {
    showCodeText(edits.codeText);
  }
}

void MainWindow::showDocument() {
  const Document& shown = document();
  picture_->showPicture(session_.shownPicture());
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
  children_.showDocument();
  // Saves offer the picture's name; a caption holds no separator, but may in a loaded file's.
  const QString name = QString::fromStdString(BodyCaption(shown, shown.body)).replace('/', '-');
  export_.suggestName(name);
  skinExport_.suggestName(name);
  skinExport_.notePaintedCodes(PaintedCodeString(shown));
  slots_->showReadability(UnreadablePairs(shown));
  slotActions_->showDocument();
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
  show(undo_, "&Undo", session_.undoName());
  show(redo_, "&Redo", session_.redoName());
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

int MainWindow::zoomToFit() const {
  const QSize space = LargestView(pictureScroller_->pos(), availableSize());
  return std::clamp(WholeZoomWithin(QSize(picture().width, picture().height), space),
                    PictureView::kSmallestZoom, PictureView::kLargestZoom);
}

// Even a window standing near the screen's far corner keeps its start-up size.
QSize MainWindow::availableSize() const {
  return SpaceOnScreen(*this, desktopFrame()).expandedTo(baseSize_);
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
