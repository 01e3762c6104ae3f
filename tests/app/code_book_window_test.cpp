// The code book window over the book file; the file's own rules are the file's tests.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/code_book_window.h"
#include "app/compare_window.h"
#include "app/window_fixture.h"
#include "paint/code_string.h"

namespace tintara {
namespace {

class CodeBook : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteBitmap("FEMALE1.BMP", IndexedBitmap(8, 8, TableWithSet1Markers(SlotRange(1, 16))));
    StartWindow();
    action("CodeBook1")->trigger();
    book_ = control<CodeBookWindow>("CodeBookWindow");
    ASSERT_NE(book_, nullptr);
  }
  QTreeWidget* list() const { return book_->findChild<QTreeWidget*>("CodeBookList"); }
  void Click(const char* button) const { book_->findChild<QPushButton*>(button)->click(); }
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
  list()->setCurrentItem(list()->topLevelItem(0));
  Click("ApplyEntry");
  EXPECT_EQ(QString::fromStdString(WriteCodeString(document().model.slots)), start);
  action("Undo1")->trigger();
  EXPECT_NE(QString::fromStdString(WriteCodeString(document().model.slots)), start);
}

TEST_F(CodeBook, ADeleteIsUndoneInsideTheBookAndTheFileFollows) {
  Add("One");
  Add("Two");
  list()->setCurrentItem(list()->topLevelItem(0));
  Click("DeleteEntry");
  EXPECT_EQ(list()->topLevelItemCount(), 1);
  EXPECT_FALSE(FileText().contains("# One"));
  Click("UndoBookChange");
  ASSERT_EQ(list()->topLevelItemCount(), 2);
  EXPECT_EQ(list()->topLevelItem(0)->text(0), "One");
  EXPECT_TRUE(FileText().contains("# One\n"));
}

TEST_F(CodeBook, ABookThatCannotBeReadIsToldOnceAndNeverWritten) {
  window_.reset();
  ASSERT_TRUE(QDir().mkpath(path("codebook.txt")));  // a folder where the file should be
  StartWindow();
  action("CodeBook1")->trigger();
  book_ = control<CodeBookWindow>("CodeBookWindow");
  EXPECT_EQ(errors_.size(), 1);
  EXPECT_FALSE(book_->findChild<QPushButton*>("AddCurrentCodes")->isEnabled());
  action("CodeBook1")->trigger();
  EXPECT_EQ(errors_.size(), 1);
  EXPECT_TRUE(QFileInfo(path("codebook.txt")).isDir());
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
    list()->setCurrentItem(list()->topLevelItem(row));
    Click("ApplyEntry");
    EXPECT_EQ(compare->pictures()[static_cast<std::size_t>(row)].pixels, window_->picture().pixels);
  }
  EXPECT_GT(compare->findChild<QTableWidget*>("DifferingSlots")->rowCount(), 0);
}

}  // namespace
}  // namespace tintara
