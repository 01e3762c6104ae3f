// The code book window over the book file; the file's own rules are the file's tests.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>

#include "app/code_book_window.h"
#include "app/compare_window.h"
#include "app/window_fixture.h"
#include "formats/allocated_bytes.h"
#include "paint/code_string.h"

namespace tintara {
namespace {

class CodeBook : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteBitmap("FEMALE1.BMP", IndexedBitmap(8, 8, TableWithSet1Markers(SlotRange(1, 16))));
    OpenBook();
    ASSERT_NE(book_, nullptr);
  }
  void OpenBook() {
    StartWindow();
    action("CodeBook1")->trigger();
    book_ = control<CodeBookWindow>("CodeBookWindow");
  }
  QTreeView* list() const { return book_->findChild<QTreeView*>("CodeBookList"); }
  int Rows() const { return list()->model()->rowCount(); }
  QModelIndex Row(int row) const { return list()->model()->index(row, 0); }
  QPushButton* button(const char* name) const { return book_->findChild<QPushButton*>(name); }
  void Click(const char* name) const { button(name)->click(); }
  QString Status() const { return book_->findChild<QLabel*>("CodeBookStatus")->text(); }
  void Select(int row) const { list()->setCurrentIndex(Row(row)); }
  QStringList Selected() const {
    QStringList names;
    for (const QModelIndex& row : list()->selectionModel()->selectedRows()) {
      names << row.data().toString();
    }
    return names;
  }
  // The window of another program on the same book, adding "1 2 " as "beta".
  CodeBookHost OtherHost() {
    return {.currentCodes = [] { return std::string("1 2 "); },
            .suggestedName = [] { return QString(); },
            .loadedDocument = {},
            .askName = [](const QString&, QWidget*) { return QString("beta"); },
            .chooseFile = {},
            .reportError = [this](const QString& message) { errors_ << message; }};
  }
  void Add(const QString& name) {
    textAnswer_ = name;
    Click("AddCurrentCodes");
  }
  QString FileText() const {
    QFile file(path("codebook.txt"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }

  CodeBookWindow* book_ = nullptr;
};

TEST_F(CodeBook, AddsTheCurrentCodesUnderANameAndAppliesThemAsOneStep) {
  Add("Start");
  EXPECT_EQ(textsOffered_, QStringList{"Female - Athletic"});
  const QString start = QString::fromStdString(WriteCodeString(document().model.slots));
  EXPECT_EQ(FileText(), start + " # Start\n");
  control<QPushButton>("Button1")->click();  // "Gee!"
  ASSERT_NE(QString::fromStdString(WriteCodeString(document().model.slots)), start);
  Select(0);
  Click("ApplyEntry");
  EXPECT_EQ(QString::fromStdString(WriteCodeString(document().model.slots)), start);
  action("Undo1")->trigger();
  EXPECT_NE(QString::fromStdString(WriteCodeString(document().model.slots)), start);
}

TEST_F(CodeBook, ADeleteIsUndoneInsideTheBookAndTheFileFollows) {
  Add("One");
  Add("Two");
  Select(0);
  Click("DeleteEntry");
  EXPECT_EQ(Rows(), 1);
  EXPECT_FALSE(FileText().contains("# One"));
  Click("UndoBookChange");
  ASSERT_EQ(Rows(), 2);
  EXPECT_EQ(Row(0).data().toString(), "One");
  EXPECT_TRUE(FileText().contains("# One\n"));
}

TEST_F(CodeBook, ABookThatCannotBeReadIsToldOnceAndNeverWritten) {
  window_.reset();
  ASSERT_TRUE(QDir().mkpath(path("codebook.txt")));  // a folder where the file should be
  OpenBook();
  EXPECT_EQ(errors_.size(), 1);
  EXPECT_FALSE(book_->findChild<QPushButton*>("AddCurrentCodes")->isEnabled());
  action("CodeBook1")->trigger();
  EXPECT_EQ(errors_.size(), 1);
  EXPECT_TRUE(QFileInfo(path("codebook.txt")).isDir());
}

TEST_F(CodeBook, ABadLineIsToldWithItsFileAndLineOnce) {
  window_.reset();
  QFile file(path("codebook.txt"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("1 x # Bad\n") > 0);
  file.close();
  OpenBook();
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_EQ(errors_[0].count("codebook.txt:1:"), 1) << errors_[0].toStdString();
}

// Another program's code book window, on the same file.
TEST_F(CodeBook, EachWindowShowsWhatTheOtherAddedAndAnOutsideChangeEndsItsUndo) {
  CodeBookWindow other(path("codebook.txt"), OtherHost());
  Add("alpha");
  ASSERT_TRUE(button("UndoBookChange")->isEnabled());
  other.findChild<QPushButton*>("AddCurrentCodes")->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Rows() == 2; }));
  EXPECT_FALSE(button("UndoBookChange")->isEnabled());
  EXPECT_TRUE(Status().contains("another window"));
  Add("gamma");
  const auto* otherList = other.findChild<QTreeView*>("CodeBookList");
  ASSERT_TRUE(QTest::qWaitFor([&] { return otherList->model()->rowCount() == 3; }));
  EXPECT_TRUE(FileText().contains("# alpha\n1 2  # beta\n"));
  EXPECT_TRUE(FileText().endsWith("# gamma\n"));
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(CodeBook, TheStatusLineTellsTheLastAction) {
  Add("One");
  const QString added = Status();
  list()->model()->setData(Row(0), "Uno");  // as the editor leaves it
  EXPECT_NE(Status(), added);
  const QString renamed = Status();
  Click("ApplyEntry");
  EXPECT_NE(Status(), renamed);
}

TEST_F(CodeBook, AnImportSaysHowManyLinesItSkipped) {
  QFile file(path("other.txt"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("1 2 # Good\nx # Bad\n3 y\n") > 0);
  file.close();
  dialogs_.chosen = path("other.txt");
  Click("ImportEntries");
  EXPECT_EQ(Rows(), 1);
  EXPECT_TRUE(Status().contains("2 lines")) << Status().toStdString();
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_EQ(errors_[0].split('\n').size(), 2);
}

TEST_F(CodeBook, AfterDeleteTheNextEntryIsSelectedAndAfterUndoTheRestoredOne) {
  Add("One");
  Add("Two");
  Add("Three");
  Select(0);
  Click("DeleteEntry");
  EXPECT_EQ(Selected(), QStringList{"Two"});
  Select(1);
  Click("DeleteEntry");  // the last: the one before it is selected
  EXPECT_EQ(Selected(), QStringList{"Two"});
  Click("UndoBookChange");
  EXPECT_EQ(Selected(), QStringList{"Three"});
}

// The Edit menu's keys take the book's changes back and again here, not the main window's steps.
TEST_F(CodeBook, TheKeysOfUndoAndRedoActOnTheBook) {
  Add("One");
  control<QPushButton>("Button1")->click();  // "Gee!", a step of the main window
  const Document rolled = document();
  book_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(book_));
  QTest::keyClick(book_, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Rows(), 0);
  QTest::keyClick(book_, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Rows(), 1);
  QTest::keyClick(book_, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(book_, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(FileText().count("# One"), 1);
  EXPECT_EQ(Status(), "Redone.");
  EXPECT_TRUE(document() == rolled);
}

TEST_F(CodeBook, EscapeEndsARenameAndOnlyThenClosesTheWindow) {
  Add("One");
  const QString added = FileText();
  book_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(book_));
  list()->edit(Row(0));  // as Rename and F2 do
  QWidget* editor = QApplication::focusWidget();
  ASSERT_TRUE(list()->isAncestorOf(editor));
  QTest::keyClicks(editor, "Two");
  QTest::keyClick(editor, Qt::Key_Escape);
  EXPECT_EQ(QApplication::focusWidget(), list());
  EXPECT_TRUE(book_->isVisible());
  QTest::keyClick(list(), Qt::Key_Escape);
  EXPECT_FALSE(book_->isVisible());
  EXPECT_EQ(FileText(), added);
}

TEST_F(CodeBook, AnEntryMovesOnlyWhereThereIsRoom) {
  Add("One");
  Add("Two");
  Select(0);
  EXPECT_FALSE(button("MoveEntryUp")->isEnabled());
  EXPECT_TRUE(button("MoveEntryDown")->isEnabled());
  Select(1);
  EXPECT_TRUE(button("MoveEntryUp")->isEnabled());
  EXPECT_FALSE(button("MoveEntryDown")->isEnabled());
}

// A swap palette needs an entry to paint with and a picture with code slots to take columns from.
TEST_F(CodeBook, ExportSwapPaletteWaitsForAnEntryAndAPictureWithCodeSlots) {
  EXPECT_FALSE(button("ExportSwapPalette")->isEnabled());
  Add("One");
  EXPECT_TRUE(button("ExportSwapPalette")->isEnabled());
  WriteBitmap("plain.bmp", IndexedBitmap(8, 8, TableWithSet1Markers({})));
  window_->openBitmap(path("plain.bmp"));
  EXPECT_FALSE(button("ExportSwapPalette")->isEnabled());
}

// The status line quotes names and file names from outside.
TEST_F(CodeBook, EveryLabelShowsPlainText) {
  for (const QLabel* label : book_->findChildren<QLabel*>()) {
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
  }
}

TEST_F(CodeBook, CompareShowsEachEntryAsTheMainWindowPaintsIt) {
  Add("Start");
  control<QPushButton>("Button1")->click();  // "Gee!"
  Add("Rolled");
  list()->selectAll();
  Click("CompareEntries");
  auto* compare = control<CompareWindow>("CompareWindow");
  ASSERT_NE(compare, nullptr);
  ASSERT_EQ(compare->pictures().size(), 2u);
  for (int row = 0; row < 2; ++row) {
    list()->clearSelection();
    Select(row);
    Click("ApplyEntry");
    EXPECT_EQ(compare->pictures()[static_cast<std::size_t>(row)].pixels, window_->picture().pixels);
  }
  EXPECT_GT(compare->findChild<QTableWidget*>("DifferingSlots")->rowCount(), 0);
}

// A row costs nothing until it is shown: no picture of its colours, no item of its own.
TEST_F(CodeBook, AWindowOnALargeBookTakesMemoryInProportionToTheBook) {
  QFile file(path("large.txt"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  for (int entry = 0; entry < 10000; ++entry) {
    file.write("9 223 224 127 128 129 130 131 132 133 221 219 217 215 210 39  # Skin " +
               QByteArray::number(entry) + '\n');
  }
  file.close();
  const std::size_t before = AllocatedBytes();
  CodeBookWindow large(path("large.txt"), OtherHost());
  large.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&large));
  ASSERT_EQ(large.findChild<QTreeView*>("CodeBookList")->model()->rowCount(), 10000);
  EXPECT_LT(AllocatedSince(before), 10 * static_cast<std::size_t>(file.size()));
}

}  // namespace
}  // namespace tintara
