#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/file_dialog.h"
#include "formats/code_book.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tintara {

// What the code book asks of the window around it.
struct CodeBookHost {
  std::function<std::string()> currentCodes;  // the slots' codes as a drop writes them
  std::function<QString()> suggestedName;     // the picture's caption
  // Asks for a name, offering one; nothing when the user cancels.
  std::function<std::optional<QString>(const QString& suggestion, QWidget* parent)> askName;
  FileChooser chooseFile;
  std::function<void(const QString& message)> reportError;
};

// "Code Book": named code strings kept in one file, in a window of its own. Entries are added from
// the current codes, renamed in place (F2), deleted, moved, imported and exported; "Undo" takes
// back the book's last change. "Export..." writes the selected entries when there are several, else
// all. Applying an entry (a double click, Return or "Apply") hands its
// codes to the main window; "Compare" hands on two to eight selected entries. Every change is
// written to the file at once. A book that could not be read is told once, shown empty and never
// written over.
class CodeBookWindow : public QWidget {
  Q_OBJECT

 public:
  CodeBookWindow(QString path, CodeBookHost host, QWidget* parent = nullptr);

  const CodeBook& book() const { return book_; }

 Q_SIGNALS:
  void codesChosen(const QString& codes);
  void compareChosen(const std::vector<tintara::CodeBookEntry>& entries);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void createControls();
  void showBook(int selectedRow);
  // Puts the changed book in place and in the file; the change before it can be undone.
  void change(const std::function<void(CodeBook&)>& edit, int selectedRow);
  void undo();
  std::vector<int> selectedRows() const;
  std::size_t lineOfRow(int row) const;
  const CodeBookEntry& entryOfRow(int row) const;

  void addCurrentCodes();
  void renameRow(int row, const QString& name);
  void deleteSelected();
  void moveSelected(int direction);
  void applySelected();
  void compareSelected();
  void importFiles();
  void exportSelected();
  void updateButtons();

  QString path_;
  CodeBookHost host_;
  CodeBook book_;
  std::vector<CodeBook> history_;
  std::vector<Problem> readProblems_;  // told once, when the window first shows
  bool showing_ = false;               // while the list is filled from the book
  FileDialog importDialog_;
  FileDialog exportDialog_;

  QTreeWidget* list_ = nullptr;
  QPushButton* rename_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* moveUp_ = nullptr;
  QPushButton* moveDown_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* compare_ = nullptr;
  QPushButton* export_ = nullptr;
  QPushButton* undo_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* import_ = nullptr;
  QLabel* status_ = nullptr;  // what the last change did
};

}  // namespace tintara
