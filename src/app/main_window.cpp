#include "app/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

#include "app/about_box.h"
#include "app/embedded_art.h"
#include "app/page_codes_dialog.h"
#include "board/hint_switch.h"
#include "board/picture_view.h"
#include "board/qcolor_conversion.h"
#include "board/slot_panel.h"
#include "board/swatch_board.h"
#include "platform/ini_file.h"
#include "platform/version.h"

namespace tintara {
namespace {

constexpr char kDesignCaption[] = " Tintara";
constexpr QSize kDesignSize(485, 397);
constexpr QPoint kDesignPosition(193, 115);
// The section was named after the first version's window class; users' stored placement is there.
constexpr char kPlacementSection[] = "TForm1";

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
  return QFileInfo(path).suffix().compare("bmp", Qt::CaseInsensitive) == 0;
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

}  // namespace

MainWindow::MainWindow(ProgramFiles files, Desktop desktop, QWidget* parent)
    : StoredPlacementWindow(files.iniPath, kPlacementSection, desktop.reportError, parent),
      files_(std::move(files)),
      desktop_(std::move(desktop)),
      session_(files_.directory.toStdString(), desktop_.randomSeed, DesignPicture()),
      export_(desktop_.chooseFile, desktop_.openPage, desktop_.now),
      skinExport_(desktop_.chooseFile),
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
  showSession();
  resize(kDesignSize);
  baseSize_ = size();
  const IniFile ini(files_.iniPath.toStdString());
  hideHints_->setChecked(ini.ReadInteger("Setup", "HideHints", 0) != 0);
  perform([this] { return session_.LoadStartUpBody(); });
  about_ = new AboutBox(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectControls() {
  connect(enlarge_, &QCheckBox::clicked, this, attempting([this] { applyEnlargeChoice(); }));
  connect(applyCodes_, &QPushButton::clicked, this,
          performing([this] { return session_.ApplyCodeText(); }));
  connect(codeEdit_, &QLineEdit::returnPressed, this,
          performing([this] { return session_.ApplyCodeText(); }));
  connect(restore_, &QToolButton::clicked, this,
          performing([this] { return session_.RestoreLastCodes(); }));
  connect(gee_, &QPushButton::clicked, this,
          performing([this] { return session_.RollRandomCodes(); }));
  connect(reload_, &QPushButton::clicked, this, performing([this] { return session_.Reload(); }));
  for (int body = 1; body <= kBodyCount; ++body) {
    // Selecting a radio button, by the user or by the program, reloads.
    connect(bodies_[static_cast<std::size_t>(body - 1)], &QRadioButton::toggled, this,
            [this, body](bool selected) {
              if (selected) perform([this, body] { return session_.SelectBody(body); });
            });
  }
  connect(slots_, &SlotPanel::skinCaptionClicked, this,
          performing([this] { return session_.ApplyNextSkinPreset(); }));
  connect(slots_, &SlotPanel::slotDropped, this, [this](int slot, int sourceSlot) {
    perform([=, this] { return session_.DropSlot(slot, sourceSlot); });
  });
  connect(slots_, &SlotPanel::slotDragEnded, this, [this](int sourceSlot) {
    perform([=, this] { return session_.EndSlotDrag(sourceSlot); });
  });
  connect(slots_, &SlotPanel::slotHovered, this, [this](int slot) {
    if (std::optional<Picture> marked = session_.PictureMarkingSlot(slot)) {
      picture_->blink(std::make_shared<const Picture>(std::move(*marked)));
    }
  });
  connect(slots_, &SlotPanel::slotHoverEnded, picture_, &PictureView::stopBlinking);
  connect(board_, &SwatchBoard::swatchDropped, this, [this](int code, QColor colour, int slot) {
    perform([=, this] { return session_.DropSwatch(slot, code, FromQColor(colour)); });
  });
}

// The board is filled on the first activation, and the hint option applied then.
bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    attempt([this] {
      if (board_->fillOnce()) updateHints();
    });
  }
  return StoredPlacementWindow::event(event);
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
      this, [this, file] { perform([&] { return openDroppedFile(file); }); }, Qt::QueuedConnection);
}

// Files dragged onto the edit box are the window's to open, not text to insert; the edit box
// keeps every other drag.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
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
  perform([&] { return session_.LoadOtherBitmap(path.toStdString()); });
}

Outcome MainWindow::openDroppedFile(const QString& path) {
  if (IsBitmapFile(path)) return session_.LoadOtherBitmap(path.toStdString());
  return applyCodesOfPage(path);
}

void MainWindow::perform(const std::function<Outcome()>& operation) {
  captureUserEdits();
  Outcome outcome;
  const std::optional<QString> failure = Attempt([&] { outcome = operation(); });
  showSession();
  showEffects(outcome);
  if (outcome.message) desktop_.reportError(QString::fromStdString(*outcome.message));
  if (failure) desktop_.reportError(*failure);
}

void MainWindow::attempt(const std::function<void()>& operation) {
  if (const std::optional<QString> failure = Attempt(operation)) desktop_.reportError(*failure);
}

// What the user changes in place, without an operation of its own.
void MainWindow::captureUserEdits() {
  session_.SetCodeText(codeEdit_->text().toStdString());
  for (int g = 1; g <= kGroupCount; ++g) {
    session_.SetGroupEnabled(g, slots_->groupCheck(g)->isChecked());
  }
  session_.SetApplyColoursOnLoad(colorsOnLoad_->isChecked());
}

void MainWindow::showSession() {
  picture_->showPicture(session_.sharedPicture());
  slots_->showSession(session_);
  sizeLabel_->setText(QString::fromStdString(session_.sizeText()));
  // Setting the same text again would move the cursor.
  const QString codeText = QString::fromStdString(session_.codeText());
  if (codeEdit_->text() != codeText) codeEdit_->setText(codeText);
  for (int body = 1; body <= kBodyCount; ++body) {
    bodies_[static_cast<std::size_t>(body - 1)]->setText(
        QString::fromStdString(session_.bodyCaption(body)));
  }
  // Selecting a radio button reloads; this one shows a selection the session already made.
  QRadioButton* selected = bodies_[static_cast<std::size_t>(session_.selectedBody() - 1)];
  const QSignalBlocker quiet(selected);
  selected->setChecked(true);
  showHistory();
  // Saves offer the picture's name; a caption holds no separator, but may in a loaded file's.
  const QString name =
      QString::fromStdString(session_.bodyCaption(session_.selectedBody())).replace('/', '-');
  export_.suggestName(name);
  skinExport_.suggestName(name);
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

void MainWindow::showEffects(const Outcome& outcome) {
  if (outcome.fitView) applyEnlargeChoice();
  if (outcome.focusEnlarge) enlarge_->setFocus();
}

void MainWindow::applyEnlargeChoice() {
  const bool enlarged = enlarge_->isChecked();
  picture_->setEnlarged(enlarged);
  enlarge_->setText(enlarged ? "Reduce " : "Enlarge ");
  fitWindow();
}

// Only the size changes, never below the start-up size; the window keeps its place.
void MainWindow::fitWindow() {
  const QRect view = picture_->geometry();
  const int width = view.left() + view.width() + 20;
  const int height = view.top() + view.height() + 60;
  resize(std::max(width, baseSize_.width()), std::max(height, baseSize_.height()));
}

void MainWindow::updateHints() {
  const bool show = !hideHints_->isChecked();
  for (QWidget* control : switchedHints_) SetShowHint(control, show);
}

}  // namespace tintara
