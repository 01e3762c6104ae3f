#include "app/code_book_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <algorithm>
#include <iterator>
#include <utility>

#include "app/accessible_windows.h"
#include "app/code_book_model.h"
#include "app/slot_strip_delegate.h"
#include "app/window_actions.h"
#include "formats/code_book_animation.h"
#include "formats/code_book_file.h"
#include "formats/swap_palette.h"

namespace tintara {
namespace {

constexpr int kMaxCompared = 8;
constexpr int kNameWidth = 160;

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

// Each problem's message names its file and line already.
QString Messages(const std::vector<Problem>& problems) {
  QStringList lines;
  for (const Problem& problem : problems) lines << QString::fromStdString(problem.message);
  return lines.join('\n');
}

QString Counted(std::size_t count, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

QString Quoted(const std::string& text) { return '"' + QString::fromStdString(text) + '"'; }

// What an import did: the entries it took, and the lines and files it skipped, whose reasons the
// message lists.
QString ImportStatus(const ImportedEntries& imported) {
  const auto lines =
      static_cast<std::size_t>(std::count_if(imported.problems.begin(), imported.problems.end(),
                                             [](const Problem& p) { return p.line > 0; }));
  const std::size_t files = imported.problems.size() - lines;
  QString status = "Imported " + Counted(imported.entries.size(), "entry", "entries") + '.';
  if (lines > 0) {
    status += " Skipped " + Counted(lines, "line", "lines") + " whose code string cannot be read.";
  }
  if (files > 0)
    status += " Skipped " + Counted(files, "file", "files") + " that could not be imported.";
  return status;
}

// Escape while a name is edited in place ends the rename, and only that: the editor takes the key
// before the window's Escape would close the window.
class NameDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  bool eventFilter(QObject* editor, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel)) {
      event->accept();
      return true;
    }
    return QStyledItemDelegate::eventFilter(editor, event);
  }
};

// A swap palette has a column for each code slot of the loaded picture.
bool HasCodeSlot(const Document* loaded) {
  if (loaded == nullptr || !HasPalette(*loaded)) return false;
  for (int s = 1; s <= kSlotCount; ++s) {
    if (SlotShown(*loaded, s)) return true;
  }
  return false;
}

constexpr char kChangedOutside[] =
    "The code book was changed by another window; Undo starts again from here.";

}  // namespace

CodeBookWindow::CodeBookWindow(QString path, CodeBookHost host, QWidget* parent)
    : QWidget(parent, Qt::Window),
      path_(std::move(path)),
      host_(std::move(host)),
      store_(path_.toStdString()),
      readProblems_(store_.problems()) {
  InstallAccessibleWindows();
  setObjectName("CodeBookWindow");
  setWindowTitle("Code Book");
  importDialog_ = {.purpose = FileDialog::Purpose::Open,
                   .defaultExt = "txt",
                   .filters = {"Code books and pages (*.txt;*.htm;*.html)", "All files (*)"},
                   .manyFiles = true};
  exportDialog_ = {.purpose = FileDialog::Purpose::Save,
                   .defaultExt = "txt",
                   .filters = {"Code books (*.txt)"},
                   .suggestedName = "codes",
                   .confirmOverwrite = true};
  swapDialog_ = {.purpose = FileDialog::Purpose::Save,
                 .defaultExt = "png",
                 .filters = {"Swap palettes (*.png)"},
                 .suggestedName = "swap-palette",
                 .confirmOverwrite = true};
  createControls();
  watcher_ = new QFileSystemWatcher(this);
  watcher_->addPath(QFileInfo(path_).absolutePath());
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { followFile(); });
  selectRows({0});
}

void CodeBookWindow::createControls() {
  model_ = new CodeBookModel(store_.book(), this);
  list_ = new QTreeView(this);
  list_->setObjectName("CodeBookList");
  list_->setAccessibleName("Code book entries");
  list_->setModel(model_);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);  // so that no row is measured before it is shown
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::EditKeyPressed);
  list_->setItemDelegateForColumn(CodeBookModel::kName, new NameDelegate(list_));
  list_->setItemDelegateForColumn(CodeBookModel::kColours, new SlotStripDelegate(list_));
  // Sized once: a column sized to its contents would read every row.
  QHeaderView* header = list_->header();
  header->resizeSection(CodeBookModel::kName, kNameWidth);
  header->setSectionResizeMode(CodeBookModel::kColours, QHeaderView::Fixed);
  header->resizeSection(CodeBookModel::kColours, SlotStripDelegate::CellSize().width());
  connect(list_, &QTreeView::doubleClicked, this, [this] { applySelected(); });
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { updateButtons(); });
  connect(model_, &CodeBookModel::renameRequested, this,
          [this](int row, const QString& name) { renameRow(row, name); });
  auto* returnKey =
      new QShortcut(QKeySequence(Qt::Key_Return), list_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(returnKey, &QShortcut::activated, this, [this] { applySelected(); });
  auto* deleteKey =
      new QShortcut(QKeySequence::Delete, list_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(deleteKey, &QShortcut::activated, this, [this] { deleteSelected(); });

  add_ = Button("AddCurrentCodes", "&Add Current Codes", this);
  rename_ = Button("RenameEntry", "&Rename", this);
  delete_ = Button("DeleteEntry", "&Delete", this);
  moveUp_ = Button("MoveEntryUp", "Move &Up", this);
  moveDown_ = Button("MoveEntryDown", "Move Do&wn", this);
  apply_ = Button("ApplyEntry", "A&pply", this);
  compare_ = Button("CompareEntries", "&Compare", this);
  import_ = Button("ImportEntries", "&Import...", this);
  export_ = Button("ExportEntries", "&Export...", this);
  exportSwap_ = Button("ExportSwapPalette", "Export Swap Pale&tte...", this);
  undo_ = Button("UndoBookChange", "U&ndo", this);
  // The keys of the Edit menu's Undo and Redo act on the book here.
  connect(AddWindowKeys(this, KeysOf(WindowActionNamed("Undo1"))), &QAction::triggered, this,
          [this] { undo(); });
  connect(AddWindowKeys(this, KeysOf(WindowActionNamed("Redo1"))), &QAction::triggered, this,
          [this] { redo(); });
  connect(add_, &QPushButton::clicked, this, [this] { addCurrentCodes(); });
  connect(rename_, &QPushButton::clicked, this, [this] {
    const QModelIndex current = list_->currentIndex();
    if (current.isValid()) list_->edit(current.siblingAtColumn(CodeBookModel::kName));
  });
  connect(delete_, &QPushButton::clicked, this, [this] { deleteSelected(); });
  connect(moveUp_, &QPushButton::clicked, this, [this] { moveSelected(-1); });
  connect(moveDown_, &QPushButton::clicked, this, [this] { moveSelected(1); });
  connect(apply_, &QPushButton::clicked, this, [this] { applySelected(); });
  connect(compare_, &QPushButton::clicked, this, [this] { compareSelected(); });
  connect(import_, &QPushButton::clicked, this, [this] { importFiles(); });
  connect(export_, &QPushButton::clicked, this, [this] { exportSelected(); });
  connect(exportSwap_, &QPushButton::clicked, this, [this] { exportSwapPalette(); });
  connect(undo_, &QPushButton::clicked, this, [this] { undo(); });

  play_ = Button("PlayEntries", "Pla&y", this);
  play_->setCheckable(true);
  rate_ = new QSpinBox(this);
  rate_->setObjectName("PlayRate");
  rate_->setRange(kLeastPlayRate, kMostPlayRate);
  rate_->setValue(2);
  rate_->setSuffix(" a second");
  auto* rateLabel = new QLabel("&Speed:", this);
  rateLabel->setTextFormat(Qt::PlainText);
  rateLabel->setBuddy(rate_);
  scale_ = new QComboBox(this);
  scale_->setObjectName("AnimationScale");
  for (const int scale : kAnimationScales) scale_->addItem(QStringLiteral("%1x").arg(scale), scale);
  auto* scaleLabel = new QLabel("Sca&le:", this);
  scaleLabel->setTextFormat(Qt::PlainText);
  scaleLabel->setBuddy(scale_);
  captions_ = new QCheckBox("Na&mes under the picture", this);
  captions_->setObjectName("AnimationCaptions");
  saveAnimation_ = Button("SaveAnimation", "Sa&ve Animation As...", this);
  connect(play_, &QPushButton::toggled, this, [this](bool on) {
    if (on) {
      status_->setText("Playing; a key or a click stops.");
      Q_EMIT playChosen(chosenEntries(), rate_->value());
    } else {
      Q_EMIT stopChosen();
    }
  });
  connect(saveAnimation_, &QPushButton::clicked, this, [this] {
    Q_EMIT animationChosen(chosenEntries(), rate_->value(), scale_->currentData().toInt(),
                           captions_->isChecked());
  });

  auto* buttons = new QGridLayout;
  const QPushButton* order[] = {add_,     rename_, delete_, moveUp_,     moveDown_, apply_,
                                compare_, import_, export_, exportSwap_, undo_};
  constexpr int kRows = 6;
  for (int i = 0; i < 11; ++i) {
    buttons->addWidget(const_cast<QPushButton*>(order[i]), i % kRows, i / kRows);
  }
  auto* playing = new QGridLayout;
  playing->addWidget(play_, 0, 0);
  playing->addWidget(rateLabel, 0, 1);
  playing->addWidget(rate_, 0, 2);
  playing->addWidget(saveAnimation_, 1, 0);
  playing->addWidget(scaleLabel, 1, 1);
  playing->addWidget(scale_, 1, 2);
  playing->addWidget(captions_, 2, 0, 1, 3);
  // The row is as wide as the window: the room left over goes after the fields, so that each
  // label stays beside its field.
  playing->setColumnStretch(3, 1);
  status_ = new QLabel(this);
  status_->setObjectName("CodeBookStatus");
  status_->setWordWrap(true);
  status_->setTextFormat(Qt::PlainText);  // it quotes names and file names
  auto* layout = new QGridLayout(this);
  layout->addWidget(list_, 0, 0);
  layout->addLayout(buttons, 0, 1, Qt::AlignTop);
  layout->addLayout(playing, 1, 0, 1, 2);
  layout->addWidget(status_, 2, 0, 1, 2);
  resize(640, 360);
}

void CodeBookWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Told once: the lines are kept, and a book that cannot be read is never written.
  if (!readProblems_.empty()) host_.reportError(Messages(std::exchange(readProblems_, {})));
}

void CodeBookWindow::selectRows(const std::vector<int>& rows) {
  list_->selectionModel()->clearSelection();
  std::vector<int> shown;
  std::copy_if(rows.begin(), rows.end(), std::back_inserter(shown),
               [this](int row) { return row >= 0 && row < model_->rowCount(); });
  if (!shown.empty()) list_->setCurrentIndex(model_->index(shown.front(), CodeBookModel::kName));
  // One selection of runs of rows, however many rows: a whole book may be selected again.
  std::sort(shown.begin(), shown.end());
  QItemSelection selection;
  for (std::size_t first = 0, last = 0; first < shown.size(); first = last) {
    for (last = first + 1; last < shown.size() && shown[last] <= shown[last - 1] + 1;) ++last;
    selection.select(model_->index(shown[first], 0), model_->index(shown[last - 1], 0));
  }
  list_->selectionModel()->select(selection,
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
  updateButtons();
}

void CodeBookWindow::change(const Edit& edit, const QString& done) {
  const std::vector<EntryKey> selected = selectedKeys();
  const CodeBookStore::Outcome outcome = edit(selected);
  model_->show();
  selectRows(outcome.done ? std::vector<int>{rowAtLine(outcome.line)} : rowsOf(selected));
  QStringList status;
  if (outcome.changedOutside) status << kChangedOutside;
  status << (outcome.done ? done : QString("Nothing was changed."));
  status_->setText(status.join(' '));
  if (outcome.problem) host_.reportError(QString::fromStdString(outcome.problem->message));
  // The folder may have been made by this change.
  if (watcher_->directories().isEmpty()) watcher_->addPath(QFileInfo(path_).absolutePath());
}

void CodeBookWindow::followFile() {
  const std::vector<EntryKey> selected = selectedKeys();
  if (!store_.Refresh().changedOutside) return;
  model_->show();
  selectRows(rowsOf(selected));
  status_->setText(store_.book().unreadable ? Messages(store_.problems())
                                            : QString(kChangedOutside));
}

void CodeBookWindow::updateButtons() {
  const bool writable = !store_.book().unreadable.has_value();
  const std::vector<int> rows = selectedRows();
  const std::size_t selected = rows.size();
  const int count = model_->rowCount();
  for (QPushButton* button : {add_, import_}) button->setEnabled(writable);
  for (QPushButton* button : {rename_, delete_}) button->setEnabled(writable && selected > 0);
  moveUp_->setEnabled(writable && selected == 1 && rows.front() > 0);
  moveDown_->setEnabled(writable && selected == 1 && rows.front() + 1 < count);
  undo_->setEnabled(writable && store_.canUndo());
  apply_->setEnabled(selected == 1);
  compare_->setEnabled(selected >= 2 && selected <= kMaxCompared);
  export_->setEnabled(count > 0);
  exportSwap_->setEnabled(count > 0 &&
                          HasCodeSlot(host_.loadedDocument ? host_.loadedDocument() : nullptr));
  play_->setEnabled(count > 0);
  saveAnimation_->setEnabled(count > 0);
}

void CodeBookWindow::showStopped() {
  const QSignalBlocker quiet(play_);
  play_->setChecked(false);
  status_->setText("Stopped.");
}

std::vector<CodeBookEntry> CodeBookWindow::chosenEntries() const {
  std::vector<int> rows = selectedRows();
  if (rows.size() < 2) {
    rows.clear();
    for (int row = 0; row < model_->rowCount(); ++row) rows.push_back(row);
  }
  std::vector<CodeBookEntry> entries;
  for (const int row : rows) entries.push_back(entryOfRow(row));
  return entries;
}

std::vector<int> CodeBookWindow::selectedRows() const {
  std::vector<int> rows;
  for (const QItemSelectionRange& range : list_->selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

int CodeBookWindow::rowAtLine(std::size_t line) const {
  const std::optional<std::size_t> row = model_->rows().rowAtLine(line);
  return row ? static_cast<int>(*row) : -1;
}

const CodeBookEntry& CodeBookWindow::entryOfRow(int row) const {
  return model_->rows().entry(static_cast<std::size_t>(row));
}

EntryKey CodeBookWindow::keyOfRow(int row) const {
  return KeyOfLine(store_.book(), model_->rows().lines().at(static_cast<std::size_t>(row)));
}

std::vector<EntryKey> CodeBookWindow::selectedKeys() const {
  std::vector<std::size_t> lines;
  for (const int row : selectedRows()) lines.push_back(model_->rows().lines().at(std::size_t(row)));
  return KeysOfLines(store_.book(), lines);
}

std::vector<int> CodeBookWindow::rowsOf(const std::vector<EntryKey>& keys) const {
  std::vector<int> rows;
  for (const std::optional<std::size_t> line : FindEntries(store_.book(), keys)) {
    if (line) rows.push_back(rowAtLine(*line));
  }
  return rows;
}

void CodeBookWindow::undo() {
  if (!store_.canUndo()) return;
  change([this](auto) { return store_.Undo(); }, "Undone.");
}

void CodeBookWindow::redo() {
  if (!store_.canRedo()) return;
  change([this](auto) { return store_.Redo(); }, "Redone.");
}

void CodeBookWindow::addCurrentCodes() {
  const std::optional<QString> name = host_.askName(host_.suggestedName(), this);
  if (!name) return;
  const std::string stored = StorableName(name->toStdString());
  change([&](auto) { return store_.Add(host_.currentCodes(), stored); },
         "Added " + Quoted(stored) + '.');
}

void CodeBookWindow::renameRow(int row, const QString& name) {
  if (row < 0) return;
  const EntryKey key = keyOfRow(row);
  const std::string stored = StorableName(name.toStdString());
  change([&](auto) { return store_.Rename(key, stored); },
         "Renamed " + Quoted(EntryLabel(key.entry)) + " to " + Quoted(stored) + '.');
}

void CodeBookWindow::deleteSelected() {
  const std::vector<int> rows = selectedRows();
  if (rows.empty() || store_.book().unreadable) return;
  change([this](std::span<const EntryKey> selected) { return store_.Remove(selected); },
         "Deleted " + Counted(rows.size(), "entry", "entries") +
             (rows.size() == 1 ? "; Undo brings it back." : "; Undo brings them back."));
}

void CodeBookWindow::moveSelected(int direction) {
  const std::vector<int> rows = selectedRows();
  if (rows.size() != 1) return;
  const EntryKey key = keyOfRow(rows.front());
  change([&](auto) { return store_.Move(key, direction); },
         "Moved " + Quoted(EntryLabel(key.entry)) + (direction < 0 ? " up." : " down."));
}

void CodeBookWindow::applySelected() {
  const std::vector<int> rows = selectedRows();
  if (rows.size() != 1) return;
  const CodeBookEntry& entry = entryOfRow(rows.front());
  status_->setText("Applied " + Quoted(EntryLabel(entry)) + '.');
  Q_EMIT codesChosen(QString::fromStdString(entry.codes));
}

void CodeBookWindow::compareSelected() {
  const std::vector<int> rows = selectedRows();
  if (rows.size() < 2 || rows.size() > kMaxCompared) return;
  std::vector<CodeBookEntry> entries;
  for (const int row : rows) entries.push_back(entryOfRow(row));
  status_->setText("Compared " + Counted(entries.size(), "entry", "entries") + '.');
  Q_EMIT compareChosen(entries);
}

void CodeBookWindow::importFiles() {
  if (store_.book().unreadable || !Execute(importDialog_, host_.chooseFile, this)) return;
  const QStringList files = importDialog_.fileNames.isEmpty() ? QStringList{importDialog_.fileName}
                                                              : importDialog_.fileNames;
  std::vector<std::string> paths;
  for (const QString& file : files) paths.push_back(file.toStdString());
  const ImportedEntries imported = ImportCodeBookEntries(paths);
  if (imported.entries.empty()) {
    status_->setText(ImportStatus(imported));
  } else {
    change([&](auto) { return store_.Import(imported.entries); }, ImportStatus(imported));
  }
  if (!imported.problems.empty()) host_.reportError(Messages(imported.problems));
}

void CodeBookWindow::exportSelected() {
  const std::vector<CodeBookEntry> entries = chosenEntries();
  if (entries.empty() || !Execute(exportDialog_, host_.chooseFile, this)) return;
  if (std::optional<Problem> problem =
          ExportCodeBook(exportDialog_.fileName.toStdString(), entries)) {
    host_.reportError(QString::fromStdString(problem->message));
    return;
  }
  status_->setText("Exported " + Counted(entries.size(), "entry", "entries") + " to " +
                   QFileInfo(exportDialog_.fileName).fileName() + '.');
}

void CodeBookWindow::exportSwapPalette() {
  const Document* loaded = host_.loadedDocument ? host_.loadedDocument() : nullptr;
  std::vector<int> rows = selectedRows();
  if (rows.empty()) {
    for (int row = 0; row < model_->rowCount(); ++row) rows.push_back(row);
  }
  if (loaded == nullptr || rows.empty() || !Execute(swapDialog_, host_.chooseFile, this)) return;
  std::vector<CodeBookEntry> entries;
  for (const int row : rows) entries.push_back(entryOfRow(row));
  if (std::optional<Problem> problem =
          WriteSwapPalette(swapDialog_.fileName.toStdString(), *loaded, entries)) {
    host_.reportError(QString::fromStdString(problem->message));
    return;
  }
  status_->setText("Exported a swap palette of " + Counted(entries.size(), "entry", "entries") +
                   " to " + QFileInfo(swapDialog_.fileName).fileName() + '.');
}

}  // namespace tintara
