#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/file_dialog.h"
#include "formats/code_book_store.h"

class QCheckBox;
class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QSpinBox;
class QPushButton;
class QTreeView;

namespace tintara {

class CodeBookModel;
struct Document;

// What the code book asks of the window around it.
struct CodeBookHost {
  std::function<std::string()> currentCodes;  // the slots' codes as a drop writes them
  std::function<QString()> suggestedName;     // the picture's caption
  // The document the swap palette's columns come from; none where there is no such document.
  std::function<const Document*()> loadedDocument;
  // Asks for a name, offering one; nothing when the user cancels.
  std::function<std::optional<QString>(const QString& suggestion, QWidget* parent)> askName;
  FileChooser chooseFile;
  std::function<void(const QString& message)> reportError;
};

// "Code Book": named code strings kept in one file, in a window of its own. Entries are added from
// the current codes, renamed in place (F2), deleted, moved, imported and exported; "Undo" takes
// back this window's last change, and Redo (by its keys) makes again what Undo took back.
// "Export..." writes the selected entries when there are several, else all; "Export Swap
// Palette..." the picture's slot colours painted by the selected entries, or by all when none is
// selected, for palette-swap shaders (WriteSwapPalette), while a picture with code slots is
// loaded. Applying an entry (a
// double click, Return or "Apply") hands its codes to the main window; "Compare" hands on two to
// eight selected entries. Every change is made to the book as its file holds it at that moment and
// written at once (CodeBookStore), so that windows of several programs share one book; the window
// watches the book's folder and shows what another window changed, which ends this window's undo
// history. A book that could not be read is told once, shown empty and never written over. The
// status line tells what the last action did, in plain text. "Play" cycles the chosen entries on
// the picture at the rate beside it until stopped (playChosen, stopChosen; the window around it
// says when it stopped, showStopped), and "Save Animation As..." asks for them as an animated GIF
// at the rate, the scale and with the names under the picture if ticked (animationChosen). Both
// take the selected entries, or all when one or none is selected. The list is a view over the book
// (CodeBookModel): a row costs nothing until it is shown.
class CodeBookWindow : public QWidget {
  Q_OBJECT

 public:
  CodeBookWindow(QString path, CodeBookHost host, QWidget* parent = nullptr);

  // Playing stopped, by the button or otherwise.
  void showStopped();
  // After every step: the buttons that need a loaded picture follow the document.
  void showDocumentChanged() { updateButtons(); }

 Q_SIGNALS:
  void codesChosen(const QString& codes);
  void compareChosen(const std::vector<tintara::CodeBookEntry>& entries);
  void playChosen(const std::vector<tintara::CodeBookEntry>& entries, int rate);
  void stopChosen();
  void animationChosen(const std::vector<tintara::CodeBookEntry>& entries, int rate, int scale,
                       bool captions);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void createControls();
  // Selects the rows given, the first of them current, once the list shows the book as the store
  // holds it.
  void selectRows(const std::vector<int>& rows);
  // Makes a change through the store, given the entries selected before it, shows the book after
  // it and tells what it did, or why it did not.
  using Edit = std::function<CodeBookStore::Outcome(std::span<const EntryKey> selected)>;
  void change(const Edit& edit, const QString& done);
  // Shows the book again when another window changed it.
  void followFile();
  void undo();
  void redo();
  std::vector<int> selectedRows() const;
  // The row of the entry at the line or after it, else the last row; -1 in an empty book.
  int rowAtLine(std::size_t line) const;
  const CodeBookEntry& entryOfRow(int row) const;
  EntryKey keyOfRow(int row) const;
  std::vector<EntryKey> selectedKeys() const;
  // The rows of those entries the book still holds.
  std::vector<int> rowsOf(const std::vector<EntryKey>& keys) const;

  void addCurrentCodes();
  void renameRow(int row, const QString& name);
  void deleteSelected();
  void moveSelected(int direction);
  void applySelected();
  void compareSelected();
  void importFiles();
  void exportSelected();
  void exportSwapPalette();
  // The selected entries when there are several, else all.
  std::vector<CodeBookEntry> chosenEntries() const;
  void updateButtons();

  QString path_;
  CodeBookHost host_;
  CodeBookStore store_;
  std::vector<Problem> readProblems_;      // told once, when the window first shows
  QFileSystemWatcher* watcher_ = nullptr;  // on the book's folder: a rename ends a file's watch
  FileDialog importDialog_;
  FileDialog exportDialog_;
  FileDialog swapDialog_;

  CodeBookModel* model_ = nullptr;
  QTreeView* list_ = nullptr;
  QPushButton* rename_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* moveUp_ = nullptr;
  QPushButton* moveDown_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* compare_ = nullptr;
  QPushButton* export_ = nullptr;
  QPushButton* exportSwap_ = nullptr;
  QPushButton* undo_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* import_ = nullptr;
  QPushButton* play_ = nullptr;
  QSpinBox* rate_ = nullptr;
  QComboBox* scale_ = nullptr;
  QCheckBox* captions_ = nullptr;
  QPushButton* saveAnimation_ = nullptr;
  QLabel* status_ = nullptr;  // what the last change did
};

}  // namespace tintara
