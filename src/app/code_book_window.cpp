#include "app/code_book_window.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <algorithm>

#include "board/qcolor_conversion.h"
#include "formats/code_book_file.h"
#include "paint/code_comparison.h"
#include "paint/reference_palette.h"

namespace tintara {
namespace {

enum Column { kName, kColours, kCodes };
constexpr int kMaxCompared = 8;
constexpr QSize kStripCell(6, 12);

// The colours the code string gives the 16 slots, side by side; a slot it leaves as it is stays
// empty.
QPixmap SlotStrip(const std::string& codes) {
  QPixmap strip(kStripCell.width() * 16, kStripCell.height());
  strip.fill(Qt::transparent);
  QPainter painter(&strip);
  const auto slotCodes = SlotCodes(codes);
  for (int slot = 0; slot < 16; ++slot) {
    const QRect cell(slot * kStripCell.width(), 0, kStripCell.width(), kStripCell.height());
    if (const auto code = slotCodes[static_cast<std::size_t>(slot)]) {
      painter.fillRect(cell, ToQColor(kReferencePalette[static_cast<std::size_t>(*code)]));
    } else {
      painter.setPen(Qt::gray);
      painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
  }
  return strip;
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

QString Messages(const std::vector<Problem>& problems, const QString& file) {
  QStringList lines;
  for (const Problem& problem : problems) {
    QString line = QString::fromStdString(problem.message);
    if (problem.line > 0) line = QStringLiteral("%1:%2: %3").arg(file).arg(problem.line).arg(line);
    lines << line;
  }
  return lines.join('\n');
}

}  // namespace

CodeBookWindow::CodeBookWindow(QString path, CodeBookHost host, QWidget* parent)
    : QWidget(parent, Qt::Window), path_(std::move(path)), host_(std::move(host)) {
  setObjectName("CodeBookWindow");
  setWindowTitle("Code Book");
  ReadBook read = ReadCodeBook(path_.toStdString());
  book_ = std::move(read.book);
  readProblems_ = std::move(read.problems);
  importDialog_ = {.purpose = FileDialog::Purpose::Open,
                   .defaultExt = "txt",
                   .filters = {"Code books and pages (*.txt;*.htm;*.html)", "All files (*)"},
                   .manyFiles = true};
  exportDialog_ = {.purpose = FileDialog::Purpose::Save,
                   .defaultExt = "txt",
                   .filters = {"Code books (*.txt)"},
                   .suggestedName = "codes",
                   .confirmOverwrite = true};
  createControls();
  showBook(0);
}

void CodeBookWindow::createControls() {
  list_ = new QTreeWidget(this);
  list_->setObjectName("CodeBookList");
  list_->setAccessibleName("Code book entries");
  list_->setHeaderLabels({"Name", "Colours", "Codes"});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::EditKeyPressed);
  list_->setIconSize(QSize(kStripCell.width() * 16, kStripCell.height()));
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { applySelected(); });
  connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { updateButtons(); });
  connect(list_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
    if (!showing_ && column == kName)
      renameRow(list_->indexOfTopLevelItem(item), item->text(kName));
  });
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
  undo_ = Button("UndoBookChange", "U&ndo", this);
  connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this, [this] { undo(); });
  connect(add_, &QPushButton::clicked, this, [this] { addCurrentCodes(); });
  connect(rename_, &QPushButton::clicked, this, [this] {
    if (QTreeWidgetItem* item = list_->currentItem()) list_->editItem(item, kName);
  });
  connect(delete_, &QPushButton::clicked, this, [this] { deleteSelected(); });
  connect(moveUp_, &QPushButton::clicked, this, [this] { moveSelected(-1); });
  connect(moveDown_, &QPushButton::clicked, this, [this] { moveSelected(1); });
  connect(apply_, &QPushButton::clicked, this, [this] { applySelected(); });
  connect(compare_, &QPushButton::clicked, this, [this] { compareSelected(); });
  connect(import_, &QPushButton::clicked, this, [this] { importFiles(); });
  connect(export_, &QPushButton::clicked, this, [this] { exportSelected(); });
  connect(undo_, &QPushButton::clicked, this, [this] { undo(); });

  auto* buttons = new QGridLayout;
  const QPushButton* order[] = {add_,   rename_,  delete_, moveUp_, moveDown_,
                                apply_, compare_, import_, export_, undo_};
  for (int i = 0; i < 10; ++i) {
    buttons->addWidget(const_cast<QPushButton*>(order[i]), i % 5, i / 5);
  }
  status_ = new QLabel(this);
  status_->setObjectName("CodeBookStatus");
  status_->setWordWrap(true);
  auto* layout = new QGridLayout(this);
  layout->addWidget(list_, 0, 0);
  layout->addLayout(buttons, 0, 1, Qt::AlignTop);
  layout->addWidget(status_, 1, 0, 1, 2);
  resize(640, 360);
}

void CodeBookWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Told once: the lines are kept, and a book that cannot be read is never written.
  if (book_.unreadable || !readProblems_.empty()) {
    std::vector<Problem> told = std::move(readProblems_);
    readProblems_.clear();
    if (book_.unreadable) told.insert(told.begin(), Problem{*book_.unreadable});
    if (!told.empty()) host_.reportError(Messages(told, path_));
  }
}

void CodeBookWindow::showBook(int selectedRow) {
  showing_ = true;
  list_->clear();
  for (const std::size_t line : EntryLines(book_)) {
    const auto& entry = std::get<CodeBookEntry>(book_.lines[line]);
    auto* item = new QTreeWidgetItem(list_);
    item->setText(kName, QString::fromStdString(entry.name.value_or("")));
    item->setIcon(kColours, SlotStrip(entry.codes));
    item->setData(kColours, Qt::AccessibleTextRole, "Colours of the slots");
    item->setText(kCodes, QString::fromStdString(entry.codes));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
  }
  if (QTreeWidgetItem* item = list_->topLevelItem(std::max(0, selectedRow))) {
    list_->setCurrentItem(item);
  }
  showing_ = false;
  updateButtons();
}

void CodeBookWindow::updateButtons() {
  const bool writable = !book_.unreadable.has_value();
  const std::size_t selected = selectedRows().size();
  const bool any = list_->topLevelItemCount() > 0;
  for (QPushButton* button : {add_, import_}) button->setEnabled(writable);
  for (QPushButton* button : {rename_, delete_, moveUp_, moveDown_}) {
    button->setEnabled(writable && selected > 0);
  }
  undo_->setEnabled(writable && !history_.empty());
  apply_->setEnabled(selected == 1);
  compare_->setEnabled(selected >= 2 && selected <= kMaxCompared);
  export_->setEnabled(any);
}

std::vector<int> CodeBookWindow::selectedRows() const {
  std::vector<int> rows;
  for (QTreeWidgetItem* item : list_->selectedItems()) {
    rows.push_back(list_->indexOfTopLevelItem(item));
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

std::size_t CodeBookWindow::lineOfRow(int row) const {
  return EntryLines(book_).at(static_cast<std::size_t>(row));
}

const CodeBookEntry& CodeBookWindow::entryOfRow(int row) const {
  return std::get<CodeBookEntry>(book_.lines[lineOfRow(row)]);
}

void CodeBookWindow::change(const std::function<void(CodeBook&)>& edit, int selectedRow) {
  if (book_.unreadable) return;
  history_.push_back(book_);
  edit(book_);
  // The change stays in the window when the file cannot take it: the user can still export.
  if (std::optional<Problem> problem = WriteCodeBook(path_.toStdString(), book_)) {
    host_.reportError(QString::fromStdString(problem->message));
  }
  showBook(selectedRow);
}

void CodeBookWindow::undo() {
  if (history_.empty() || book_.unreadable) return;
  book_ = std::move(history_.back());
  history_.pop_back();
  if (std::optional<Problem> problem = WriteCodeBook(path_.toStdString(), book_)) {
    host_.reportError(QString::fromStdString(problem->message));
  }
  showBook(list_->indexOfTopLevelItem(list_->currentItem()));
  status_->setText("Undone.");
}

void CodeBookWindow::addCurrentCodes() {
  const std::optional<QString> name = host_.askName(host_.suggestedName(), this);
  if (!name) return;
  const std::string codes = host_.currentCodes();
  change([&](CodeBook& book) { AddEntry(book, codes, name->toStdString()); },
         list_->topLevelItemCount());
  status_->setText("Added \"" + *name + "\".");
}

void CodeBookWindow::renameRow(int row, const QString& name) {
  if (row < 0) return;
  const std::size_t line = lineOfRow(row);
  change([&](CodeBook& book) { RenameEntry(book, line, name.toStdString()); }, row);
}

void CodeBookWindow::deleteSelected() {
  const std::vector<int> rows = selectedRows();
  if (rows.empty() || book_.unreadable) return;
  std::vector<std::size_t> lines;
  for (const int row : rows) lines.push_back(lineOfRow(row));
  change(
      [&](CodeBook& book) {
        for (auto line = lines.rbegin(); line != lines.rend(); ++line) RemoveLine(book, *line);
      },
      rows.front());
  status_->setText(QStringLiteral("Deleted %1 %2; Undo brings %3 back.")
                       .arg(rows.size())
                       .arg(rows.size() == 1 ? "entry" : "entries")
                       .arg(rows.size() == 1 ? "it" : "them"));
}

void CodeBookWindow::moveSelected(int direction) {
  const std::vector<int> rows = selectedRows();
  if (rows.size() != 1) return;
  const int row = rows.front();
  const int target = row + direction;
  if (target < 0 || target >= list_->topLevelItemCount()) return;
  const std::size_t line = lineOfRow(row);
  change([&](CodeBook& book) { MoveEntry(book, line, direction); }, target);
}

void CodeBookWindow::applySelected() {
  const std::vector<int> rows = selectedRows();
  if (rows.size() != 1) return;
  Q_EMIT codesChosen(QString::fromStdString(entryOfRow(rows.front()).codes));
}

void CodeBookWindow::compareSelected() {
  const std::vector<int> rows = selectedRows();
  if (rows.size() < 2 || rows.size() > kMaxCompared) return;
  std::vector<CodeBookEntry> entries;
  for (const int row : rows) entries.push_back(entryOfRow(row));
  Q_EMIT compareChosen(entries);
}

void CodeBookWindow::importFiles() {
  if (book_.unreadable || !Execute(importDialog_, host_.chooseFile, this)) return;
  const QStringList files = importDialog_.fileNames.isEmpty() ? QStringList{importDialog_.fileName}
                                                              : importDialog_.fileNames;
  std::vector<std::string> paths;
  for (const QString& file : files) paths.push_back(file.toStdString());
  const ImportedEntries imported = ImportCodeBookEntries(paths);
  if (!imported.entries.empty()) {
    change(
        [&](CodeBook& book) {
          for (const CodeBookEntry& entry : imported.entries) book.lines.emplace_back(entry);
        },
        list_->topLevelItemCount());
  }
  status_->setText(QStringLiteral("Imported %1 %2.")
                       .arg(imported.entries.size())
                       .arg(imported.entries.size() == 1 ? "entry" : "entries"));
  if (!imported.problems.empty()) host_.reportError(Messages(imported.problems, QString()));
}

void CodeBookWindow::exportSelected() {
  std::vector<int> rows = selectedRows();
  if (rows.size() < 2) {
    rows.clear();
    for (int row = 0; row < list_->topLevelItemCount(); ++row) rows.push_back(row);
  }
  if (rows.empty() || !Execute(exportDialog_, host_.chooseFile, this)) return;
  std::vector<CodeBookEntry> entries;
  for (const int row : rows) entries.push_back(entryOfRow(row));
  if (std::optional<Problem> problem =
          ExportCodeBook(exportDialog_.fileName.toStdString(), entries)) {
    host_.reportError(QString::fromStdString(problem->message));
    return;
  }
  status_->setText(QStringLiteral("Exported %1 %2 to %3.")
                       .arg(entries.size())
                       .arg(entries.size() == 1 ? "entry" : "entries")
                       .arg(QFileInfo(exportDialog_.fileName).fileName()));
}

}  // namespace tintara
