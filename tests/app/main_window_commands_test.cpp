// What the user does in the window becomes a command, and the window shows the result: one case
// per way in. The rules of each command are the commands' tests.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <span>

#include "app/shown_window_fixture.h"
#include "board/picture_view.h"
#include "paint/reference_palette.h"
#include "platform/ini_file.h"

namespace tintara {
namespace {

QColor Reference(int code) { return QColor::fromRgb(ToDisplayPixel(ReferenceColour(code))); }

using Commands = ShownWindowTest;

TEST_F(Commands, DragsPaintTheDroppedCodeIntoTheSlot) {
  Drag(shape(BoardSwatchNumber(17)), shape(SlotSwatchNumber(1)));
  EXPECT_EQ(label(6)->text(), "17");
  EXPECT_EQ(shape(SlotSwatchNumber(1))->fill(), Reference(17));
  EXPECT_EQ(Shown(17), ReferenceColour(17));
  EXPECT_TRUE(edit()->text().startsWith("17 223 "));

  Drag(shape(SlotSwatchNumber(1)), shape(SlotSwatchNumber(2)));
  EXPECT_EQ(label(7)->text(), "17");
  EXPECT_EQ(Shown(18), ReferenceColour(17));
  EXPECT_TRUE(edit()->text().startsWith("17 17 224 "));
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(Commands, ABadTokenLeavesTheSlotsBeforeItShownAndTheTextAsTyped) {
  edit()->setText("5 x 7");
  control<QPushButton>("BOldColors")->click();
  EXPECT_EQ(label(6)->text(), "5");
  EXPECT_EQ(shape(SlotSwatchNumber(1))->fill(), Reference(5));
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
  EXPECT_EQ(edit()->text(), "5 x 7");
  // Told once, after the window showed the slot set before it.
  EXPECT_EQ(errors_, QStringList{"'x' is not a valid integer value"});
}

TEST_F(Commands, ReturnAndEnterInTheEditBoxApplyTheCodes) {
  const struct {
    Qt::Key key;
    const char* text;
    const char* slot1Label;
  } cases[] = {{Qt::Key_Return, "1 2 3 ", "1"}, {Qt::Key_Enter, "4 5 6 ", "4"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    edit()->setText(c.text);
    edit()->setFocus();
    QTest::keyClick(edit(), c.key);
    EXPECT_EQ(label(6)->text(), c.slot1Label);
    EXPECT_EQ(action("Undo1")->text(), "&Undo Apply Color Codes");
  }
}

TEST_F(Commands, CtrlQClosesTheWindow) {
  control<QWidget>("CheckBox1")->setFocus();
  QTest::keyClick(window_.get(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(Commands, TheEditBoxKeepsItsCursorWhenItsTextStaysTheSame) {
  edit()->setText("1 2 3 ");
  control<QPushButton>("BOldColors")->click();
  const QString applied = edit()->text();
  ASSERT_NE(applied, "1 2 3 ");
  edit()->setCursorPosition(2);
  control<QPushButton>("BOldColors")->click();
  EXPECT_EQ(edit()->text(), applied);
  EXPECT_EQ(edit()->cursorPosition(), 2);
}

TEST_F(Commands, RandomCodesReachOnlyTheGroupsTickedInTheWindow) {
  for (int g = 1; g <= 3; ++g) control<QCheckBox>(GroupCheckName(g))->setChecked(false);
  control<QPushButton>("Button1")->click();
  const QStringList codes = edit()->text().split(' ', Qt::SkipEmptyParts);
  ASSERT_EQ(codes.size(), 16);
  EXPECT_EQ(codes.mid(0, 15), QString::fromLatin1(kDefaultCodeString).split(' ').mid(0, 15));
  EXPECT_EQ(label(21)->text(), codes[15]);
}

TEST_F(Commands, OnlyAChangedRadioSelectionReloads) {
  control<QCheckBox>(GroupCheckName(1))->setChecked(false);
  edit()->setText("typed");
  radio(2)->click();
  EXPECT_FALSE(control<QCheckBox>(GroupCheckName(1))->isChecked());
  EXPECT_EQ(edit()->text(), "typed");

  radio(1)->click();
  EXPECT_EQ(picture().size(), QSize(16, 5));
  EXPECT_TRUE(control<QCheckBox>(GroupCheckName(1))->isChecked());
  EXPECT_EQ(label(1)->text(), "Bitmap is 16W x 5H");
  EXPECT_TRUE(radio(1)->isChecked());
  EXPECT_FALSE(radio(2)->isChecked());
}

TEST_F(Commands, CatalogueEntriesCaptionAndSelectTheirRadioButton) {
  const struct {
    const char* submenu;
    const char* caption;
    int body;
    const char* radioCaption;
  } cases[] = {
      {"SelectMalehead1", "&Harrow", 3, "Harrow Head"},
      {"SelectNewAccessory", "Bunny &Ears", 4, "Bunny Ears"},
  };
  WriteBitmap("HARROW.BMP", IndexedBitmap(9, 9, TableWithSet1Markers({1})));
  WriteBitmap("EARS.BMP", IndexedBitmap(8, 8, TableWithSet1Markers({1})));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    radio(2)->click();
    for (QAction* entry : control<QMenu>(c.submenu)->actions()) {
      if (entry->text() == c.caption) entry->trigger();
    }
    EXPECT_EQ(radio(c.body)->text(), c.radioCaption);
    EXPECT_TRUE(radio(c.body)->isChecked());
  }
  EXPECT_EQ(radio(3)->text(), "Harrow Head");
  EXPECT_EQ(document().headFile, "HARROW.BMP");
  EXPECT_EQ(document().gridFile, "EARS.BMP");
}

TEST_F(Commands, UndoAndRedoComeThroughTheEditMenuAndItsKeys) {
  const QImage loaded = picture().copy();
  Drag(shape(BoardSwatchNumber(17)), shape(SlotSwatchNumber(1)));
  Drag(shape(BoardSwatchNumber(40)), shape(SlotSwatchNumber(2)));
  EXPECT_EQ(action("Undo1")->text(), "&Undo Drop on Slot 2");
  control<QWidget>("CheckBox1")->setFocus();  // the edit box keeps Ctrl+Z for its own text
  QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(label(6)->text(), "9");
  EXPECT_EQ(picture(), loaded);
  EXPECT_FALSE(action("Undo1")->isEnabled());
  EXPECT_EQ(action("Redo1")->text(), "&Redo Drop on Slot 1");
  QTest::keyClick(window_.get(), Qt::Key_Y, Qt::ControlModifier);
  QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(label(7)->text(), "40");
  EXPECT_FALSE(action("Redo1")->isEnabled());
}

TEST_F(Commands, TheSkinThePaletteAndThePageCodesGoThroughTheirDialogs) {
  Drag(shape(BoardSwatchNumber(17)), shape(SlotSwatchNumber(1)));
  const QString painted = edit()->text();
  dialogs_.chosen = path("skin.png");
  dialogs_.choice = 3;  // "4x"
  action("SaveSkin1")->trigger();
  const QImage skin(path("skin.png"));
  EXPECT_EQ(skin.size(), QSize(64, 64));
  EXPECT_EQ(skin.format(), QImage::Format_Indexed8);

  dialogs_.chosen = path("skin.gpl");
  action("ExportPalette1")->trigger();
  QFile palette(path("skin.gpl"));
  ASSERT_TRUE(palette.open(QIODevice::ReadOnly));
  EXPECT_TRUE(palette.readAll().contains("Slot 1: 17"));

  dialogs_.chosen = path("Red.jpg");
  action("Save1")->trigger();
  control<QPushButton>("Button1")->click();
  ASSERT_NE(edit()->text(), painted);
  dialogs_.chosen = path("red.htm");
  action("LoadCodes1")->trigger();
  EXPECT_EQ(edit()->text(), painted);
  EXPECT_EQ(action("Undo1")->text(), "&Undo Load Codes from Page");
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
}

// The pixels a slot paints blink while the mouse rests over its swatch.
TEST_F(Commands, ASlotShowsWhereItPaintsWhileTheMouseRestsOnIt) {
  QTest::mouseMove(window_->windowHandle(), At(label(1)));  // the mouse comes from elsewhere
  QTest::mouseMove(window_->windowHandle(), At(shape(SlotSwatchNumber(1))));
  const auto* view = control<PictureView>("Image1");
  // Slot 1's colour-table entry is position 17, which pixel 17 shows; pixel 18 is slot 2's.
  EXPECT_TRUE(QTest::qWaitFor([view] {
    return view->frame().pixel(17 % 16, 17 / 16) != view->picture().pixel(17 % 16, 17 / 16);
  }));
  EXPECT_EQ(view->frame().pixel(18 % 16, 18 / 16), view->picture().pixel(18 % 16, 18 / 16));
  QTest::mouseMove(window_->windowHandle(), At(label(1)));
  EXPECT_EQ(view->frame(), view->picture());
}

TEST_F(Commands, BlinkingSwitchedOffStaysOffAndIsStored) {
  action("BlinkSlot")->trigger();
  QTest::mouseMove(window_->windowHandle(), At(label(1)));
  QTest::mouseMove(window_->windowHandle(), At(shape(SlotSwatchNumber(1))));
  const auto* view = control<PictureView>("Image1");
  EXPECT_FALSE(QTest::qWaitFor([view] { return view->frame() != view->picture(); }, 600));
  EXPECT_EQ(IniFile(files().iniPath.toStdString()).ReadInteger("Setup", "BlinkSlot", 1), 0);
}

// "Load Other Bitmap", answered by `dialogs_.chosen` (a cancel when empty).
class LoadOther : public Commands {
 protected:
  void Choose(std::optional<QString> chosen) {
    dialogs_.chosen = std::move(chosen);
    action("LoadOtherBitmap1")->trigger();
  }
};

TEST_F(LoadOther, TheAccessoryButtonTakesTheFileAndTheNameBeforeItsFirstDot) {
  WriteBitmap("my.skin.BMP", IndexedBitmap(30, 7, TableWithSet1Markers({1, 2})));
  Choose(path("my.skin.BMP"));
  EXPECT_EQ(radio(4)->text(), "My");
  EXPECT_TRUE(radio(4)->isChecked());
  EXPECT_EQ(document().gridFile, path("my.skin.BMP").toStdString());
  EXPECT_EQ(picture().size(), QSize(30, 7));
  WriteBitmap(".bmp", IndexedBitmap(5, 5, TableWithSet1Markers({1})));
  Choose(path(".bmp"));
  EXPECT_EQ(radio(4)->text(), "");
}

// A caption from a file name shows its characters as they are, in their order, and answers to no
// Alt key.
TEST_F(LoadOther, TheCaptionOfAFileNameIsShownAsText) {
  const QString name = QString::fromUtf8("r&d\u202Egnp.bmp");
  WriteBitmap(name, IndexedBitmap(4, 4, TableWithSet1Markers({1})));
  Choose(path(name));
  EXPECT_TRUE(QKeySequence::mnemonic(radio(4)->text()).isEmpty()) << radio(4)->text().toStdString();
  EXPECT_FALSE(radio(4)->text().contains(QChar(0x202E)));
}

TEST_F(LoadOther, AFileThatIsNotABitmapIsReportedAndChangesNothing) {
  QFile text(path("x.bmp"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not a picture\n") > 0);
  text.close();
  edit()->setText("typed");
  const QImage before = picture().copy();
  const QSize window = window_->size();
  Choose(path("x.bmp"));
  EXPECT_EQ(errors_, QStringList{"Cannot open x.bmp: not a BMP file"});
  EXPECT_EQ(radio(4)->text(), "Design Grid");
  EXPECT_TRUE(radio(2)->isChecked());
  EXPECT_EQ(document().gridFile, "DESIGNGRID.BMP");
  EXPECT_EQ(picture(), before);
  EXPECT_EQ(window_->size(), window);
  EXPECT_EQ(edit()->text(), "typed");
}

TEST_F(LoadOther, DialogAsksForBitmapsAndRemembersTheLastChoice) {
  Choose(path("one.bmp"));
  Choose(std::nullopt);
  Choose(path("two.bmp"));
  ASSERT_EQ(dialogs_.asked.size(), 3u);
  for (const Asked& asked : dialogs_.asked) {
    EXPECT_EQ(asked.purpose, FileDialog::Purpose::Open);
    EXPECT_EQ(asked.defaultExt, "bmp");
    EXPECT_EQ(asked.filters,
              (QStringList{"Bitmaps (*.bmp)", "PNG skins (*.png)", "Skins (*.bmp *.png)"}));
  }
  EXPECT_EQ(dialogs_.asked[0].fileName, "");
  EXPECT_EQ(dialogs_.asked[1].fileName, path("one.bmp"));
  EXPECT_EQ(dialogs_.asked[2].fileName, path("one.bmp"));
}

TEST_F(LoadOther, OpenRecentListsTheOpenedFilesNewestFirstAcrossStarts) {
  for (const char* name : {"one.bmp", "two.bmp"}) {
    WriteBitmap(name, IndexedBitmap(4, 4, TableWithSet1Markers({1})));
  }
  Choose(path("one.bmp"));
  Choose(path("two.bmp"));
  Choose(path("one.bmp"));
  Choose(path("missing.bmp"));  // not opened, so not listed
  QFile::remove(path("two.bmp"));
  StartWindow();
  auto* recent = control<QMenu>("OpenRecent1");
  Q_EMIT recent->aboutToShow();
  EXPECT_TRUE(action("RecentFile1")->toolTip().endsWith("one.bmp"));
  EXPECT_TRUE(action("RecentFile1")->isEnabled());
  EXPECT_TRUE(action("RecentFile2")->toolTip().endsWith("two.bmp"));
  EXPECT_FALSE(action("RecentFile2")->isEnabled());
  EXPECT_EQ(action("RecentFile3"), nullptr);
  action("RemoveMissing1")->trigger();
  Q_EMIT recent->aboutToShow();
  EXPECT_EQ(action("RecentFile2"), nullptr);
  action("RecentFile1")->trigger();
  EXPECT_EQ(document().gridFile, path("one.bmp").toStdString());
  action("ClearRecent1")->trigger();
  Q_EMIT recent->aboutToShow();
  EXPECT_EQ(action("RecentFile1"), nullptr);
  EXPECT_FALSE(action("ClearRecent1")->isEnabled());
}

TEST_F(LoadOther, CancelChangesNothing) {
  edit()->setText("typed");
  const QImage before = picture().copy();
  Choose(std::nullopt);
  EXPECT_EQ(radio(4)->text(), "Design Grid");
  EXPECT_EQ(document().gridFile, "DESIGNGRID.BMP");
  EXPECT_TRUE(radio(2)->isChecked());
  EXPECT_EQ(picture(), before);
  EXPECT_EQ(edit()->text(), "typed");
}

// Files dragged from a file manager, which offers to copy or move them.
class Drops : public Commands {
 protected:
  // Drags the files, named by path or URL, over the target and drops them there; true when the
  // target took the drop. Shift makes a move the proposed action, which the window must not take:
  // the file manager would delete the file. Some sources hand over their data only while the
  // drag moves, not with the drop: `dataAtDrop` false drops with none.
  bool DropFiles(QWidget* target, const QStringList& files, bool dataAtDrop = true) const {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files) {
      urls << (file.contains("://") ? QUrl(file) : QUrl::fromLocalFile(file));
    }
    data.setUrls(urls);
    data.setText(urls.front().toString());  // as file managers offer it to text fields
    const QPoint at = target->rect().center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(enter.proposedAction(), Qt::MoveAction);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QMimeData none;
    QDropEvent drop(QPointF(at), offered, dataAtDrop ? &data : &none, Qt::LeftButton,
                    Qt::ShiftModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    return drop.isAccepted();
  }
};

TEST_F(Drops, ABitmapOpensBehindTheAccessoryButtonAsOneStep) {
  WriteBitmap("blue.BMP", IndexedBitmap(30, 7, TableWithSet1Markers({1, 2})));
  ASSERT_TRUE(DropFiles(window_.get(), {path("blue.BMP")}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return radio(4)->text() == "Blue"; }));
  EXPECT_TRUE(radio(4)->isChecked());
  EXPECT_EQ(picture().size(), QSize(30, 7));
  EXPECT_EQ(action("Undo1")->text(), "&Undo Load Other Bitmap");
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
}

// "Save Skin As" PNG keeps the codes the picture was painted with: dropped back, the skin opens
// painted as it was saved.
TEST_F(Drops, ASkinSavedAsPngOpensPaintedAsItWasSaved) {
  edit()->setText("17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 ");
  control<QPushButton>("BOldColors")->click();
  const QImage painted = picture().copy();
  const QString codes = edit()->text();
  dialogs_.chosen = path("skin.png");
  action("SaveSkin1")->trigger();
  control<QPushButton>("Button1")->click();
  ASSERT_NE(picture(), painted);

  ASSERT_TRUE(DropFiles(window_.get(), {path("skin.png")}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return radio(4)->text() == "Skin"; }));
  EXPECT_EQ(picture(), painted);
  EXPECT_EQ(edit()->text(), codes);
  EXPECT_EQ(action("Undo1")->text(), "&Undo Load Other Bitmap");
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
}

TEST_F(Drops, ASavedPageLoadsItsCodes) {
  edit()->setText("1 2 3 ");
  control<QPushButton>("BOldColors")->click();
  const QString saved = edit()->text();
  dialogs_.chosen = path("red.jpg");
  action("Save1")->trigger();
  ASSERT_TRUE(QFile::rename(path("red.htm"), path("Red.HTML")));
  control<QPushButton>("Button1")->click();
  ASSERT_NE(edit()->text(), saved);
  ASSERT_TRUE(DropFiles(window_.get(), {path("Red.HTML")}));
  EXPECT_TRUE(QTest::qWaitFor([&] { return edit()->text() == saved; }));
  EXPECT_EQ(action("Undo1")->text(), "&Undo Load Codes from Page");
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
}

// A palette shows its colours first; "Apply to Slots" gives them to the slots as one step.
TEST_F(Drops, APaletteOpensItsImportDialog) {
  QFile palette(path("warm.gpl"));
  ASSERT_TRUE(palette.open(QIODevice::WriteOnly) &&
              palette.write("GIMP Palette\nName: Sunset\n#\n255 0 0 Red\n") > 0);
  palette.close();
  ASSERT_TRUE(DropFiles(window_.get(), {path("warm.gpl")}));
  QPushButton* apply = nullptr;
  ASSERT_TRUE(QTest::qWaitFor([&] { return (apply = control<QPushButton>("ApplyToSlots")); }));
  apply->click();
  EXPECT_EQ(action("Undo1")->text(), "&Undo Import Palette Sunset");
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
}

// The edit box would take the file's name as text, and the next apply would stop at it.
TEST_F(Drops, AFileDroppedOnTheEditBoxOpensAsOnTheWindow) {
  WriteBitmap("blue.bmp", IndexedBitmap(30, 7, TableWithSet1Markers({1, 2})));
  ASSERT_TRUE(DropFiles(edit(), {path("blue.bmp")}));
  EXPECT_TRUE(QTest::qWaitFor([&] { return radio(4)->text() == "Blue"; }));
  EXPECT_FALSE(edit()->text().contains("blue"));
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
}

TEST_F(Drops, ADropWithoutDataOpensTheFileTheDragCarried) {
  WriteBitmap("blue.bmp", IndexedBitmap(30, 7, TableWithSet1Markers({1, 2})));
  WriteBitmap("green.bmp", IndexedBitmap(20, 7, TableWithSet1Markers({1, 2})));
  ASSERT_TRUE(DropFiles(window_.get(), {path("blue.bmp")}, false));
  EXPECT_TRUE(QTest::qWaitFor([&] { return radio(4)->text() == "Blue"; }));
  ASSERT_TRUE(DropFiles(edit(), {path("green.bmp")}, false));
  EXPECT_TRUE(QTest::qWaitFor([&] { return radio(4)->text() == "Green"; }));
  EXPECT_FALSE(edit()->text().contains("green"));
}

TEST_F(Drops, OnlyOneLocalBitmapOrPageIsTaken) {
  WriteBitmap("a.bmp", IndexedBitmap(30, 7, TableWithSet1Markers({1})));
  WriteBitmap("b.bmp", IndexedBitmap(30, 7, TableWithSet1Markers({1})));
  QFile text(path("notes.txt"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("1 2 3\n") > 0);
  text.close();
  const struct {
    const char* name;
    QStringList files;
  } cases[] = {
      {"text file", {path("notes.txt")}},
      {"two bitmaps", {path("a.bmp"), path("b.bmp")}},
      {"remote bitmap", {"https://example.com/a.bmp"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(DropFiles(window_.get(), c.files));
  }
  // A link is text the edit box takes as it always did; local files are the window's.
  for (const auto& c : std::span(cases).first(2)) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(DropFiles(edit(), c.files));
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(radio(4)->text(), "Design Grid");
  EXPECT_EQ(document().gridFile, "DESIGNGRID.BMP");
  EXPECT_FALSE(action("Undo1")->isEnabled());
}

// "&Topics" shows the guide the window was given with the desktop's browser.
TEST_F(Commands, TopicsOpensTheGuide) {
  QFile guide(path("guide.html"));
  ASSERT_TRUE(guide.open(QIODevice::WriteOnly) && guide.write("<html></html>\n") > 0);
  guide.close();
  window_->setGuidePath(path("guide.html"));
  action("Topics1")->trigger();
  EXPECT_EQ(opened_, QStringList{path("guide.html")});
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
}

TEST_F(Commands, WithoutTheGuideTopicsSaysItIsNotInstalled) {
  for (const QString& guide : {QString(), path("missing.html"), files().directory}) {
    SCOPED_TRACE(guide.toStdString());
    errors_.clear();
    window_->setGuidePath(guide);
    action("Topics1")->trigger();
    EXPECT_TRUE(errors_.isEmpty());
    EXPECT_TRUE(notice()->text().contains("not installed")) << notice()->text().toStdString();
  }
  EXPECT_TRUE(opened_.isEmpty());
}

using NoBrowser = WindowTest;

TEST_F(NoBrowser, TopicsSaysWhereTheGuideIs) {
  QFile guide(path("guide.html"));
  ASSERT_TRUE(guide.open(QIODevice::WriteOnly) && guide.write("<html></html>\n") > 0);
  guide.close();
  Desktop desktop;
  desktop.reportError = [this](const QString& message) { errors_ << message; };
  desktop.openPage = [](const QString&) { return false; };
  window_ = std::make_unique<MainWindow>(files(), std::move(desktop));
  window_->setGuidePath(path("guide.html"));
  action("Topics1")->trigger();
  EXPECT_TRUE(errors_.isEmpty());
  EXPECT_TRUE(notice()->text().contains(QDir::toNativeSeparators(path("guide.html"))))
      << notice()->text().toStdString();
}

}  // namespace
}  // namespace tintara
