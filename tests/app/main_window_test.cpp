#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "app/window_fixture.h"
#include "board/hint_switch.h"
#include "board/picture_view.h"
#include "board/shape_control.h"
#include "board/switched_hints.h"
#include "paint/slot_tables.h"
#include "platform/ini_file.h"

namespace tintara {
namespace {

using StartUp = WindowTest;

// Where a control stands in the client area, whichever view holds it.
QRect ClientRect(const QWidget* control) {
  const QWidget* client = control->window()->findChild<QWidget*>("client");
  return QRect(control->mapTo(client, QPoint(0, 0)), control->size());
}

TEST_F(StartUp, CaptionIsTheDesignCaptionAndTheVersionNumber) {
  EXPECT_EQ(StartWindow().windowTitle().toStdString(), " Tintara  v.2.01.02");
}

TEST_F(StartUp, EveryControlExistsUnderItsNameAtItsPlace) {
  StartWindow();
  for (int n = 1; n <= 272; ++n) EXPECT_NE(shape(n), nullptr) << "Shape" << n;
  for (int n : {1, 3, 4, 5}) EXPECT_NE(label(n), nullptr) << "Label" << n;
  for (int n = 6; n <= 23; ++n) EXPECT_NE(label(n), nullptr) << "Label" << n;
  for (const char* name : {"LSet1", "LSet2", "Panel1", "CheckBox1", "BRevert", "Button1",
                           "BOldColors", "Edit1", "BitBtn1", "SampleColor", "LSample", "Image1",
                           "DBGroup1", "DBGroup2", "DBGroup3", "DBGroup4", "MainMenu1"}) {
    EXPECT_NE(control<QWidget>(name), nullptr) << name;
  }
  for (int n = 1; n <= 8; ++n) {
    EXPECT_NE(control<QRadioButton>(QStringLiteral("RadioButton%1").arg(n)), nullptr) << n;
  }
  EXPECT_EQ(ClientRect(shape(100)), QRect(8 + 15 * 3, 8 + 15 * 6, 16, 16));
  EXPECT_EQ(ClientRect(shape(272)), QRect(304, 152, 16, 16));
  EXPECT_EQ(ClientRect(label(10)), QRect(349, 40, 24, 13));
  EXPECT_EQ(ClientRect(control<QWidget>("SampleColor")), QRect(208, 256, 41, 41));
  EXPECT_EQ(ClientRect(control<QWidget>("DBGroup4")), QRect(334, 297, 17, 17));
  EXPECT_EQ(ClientRect(control<QWidget>("LSet2")), QRect(253 + 111, 184 + 1, 7, 13));
  EXPECT_TRUE(control<QRadioButton>("RadioButton2")->isChecked());
}

TEST_F(StartUp, LoadsFemale1AndShowsItsSlotsWithTheSet1Codes) {
  CopyArtwork({"FEMALE1.BMP"});
  StartWindow();
  const PaintModel& model = document().model;
  EXPECT_EQ(label(1)->text(),
            QStringLiteral("Bitmap is %1W x %2H").arg(model.work->width).arg(model.work->height));
  EXPECT_FALSE(model.markerSet2);
  EXPECT_FALSE(control<QLabel>("LSet1")->isHidden());
  EXPECT_TRUE(control<QLabel>("LSet2")->isHidden());
  for (int s = 1; s <= kSlotCount; ++s) {
    SCOPED_TRACE(s);
    const SlotDefinition& slot = kSlots[s - 1];
    EXPECT_TRUE(model.slots[s - 1].located());
    EXPECT_EQ(label(5 + s)->text().toInt(), slot.set1Code);
    EXPECT_FALSE(label(5 + s)->isHidden());
    EXPECT_EQ(shape(256 + s)->fill(),
              QColor(RedOf(slot.set1Marker), GreenOf(slot.set1Marker), BlueOf(slot.set1Marker)));
  }
  EXPECT_EQ(model.lastCodes, kDefaultCodeString);
  EXPECT_EQ(control<QLineEdit>("Edit1")->text().toStdString(), kDefaultCodeString);
  EXPECT_EQ(control<PictureView>("Image1")->picture().size(),
            QSize(model.work->width, model.work->height));
  EXPECT_EQ(document().headFile, "PELLHEAD.BMP");
  EXPECT_EQ(document().gridFile, "DESIGNGRID.BMP");
}

TEST_F(StartUp, WithoutTheBodyFileTheDesignPictureAndSlotsStay) {
  MainWindow& form = StartWindow();
  EXPECT_EQ(control<PictureView>("Image1")->picture().size(), QSize(55, 144));
  EXPECT_EQ(control<PictureView>("Image1")->size(), QSize(55, 144));
  EXPECT_EQ(control<QWidget>("ImageScroll")->size(), QSize(65, 153));
  EXPECT_EQ(label(6)->text(), "000");
  EXPECT_EQ(form.size(), QSize(485, 397));
  EXPECT_TRUE(errors_.isEmpty());
}

using HideHintsOption = WindowTest;

TEST_F(HideHintsOption, IsReadFromTheIniFile) {
  const struct {
    const char* stored;
    bool checked;
  } cases[] = {{"1", true}, {"2", true}, {"0", false}, {"abc", false}, {"0x10", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    ASSERT_FALSE(
        IniFile(files().iniPath.toStdString()).WriteString("Setup", "HideHints", c.stored));
    StartWindow();
    EXPECT_EQ(action("HideHints")->isChecked(), c.checked);
  }
}

TEST_F(HideHintsOption, StartsUncheckedWithoutAnIniFile) {
  StartWindow();
  EXPECT_FALSE(action("HideHints")->isChecked());
  EXPECT_FALSE(QFile::exists(files().iniPath));
}

TEST_F(HideHintsOption, ToggleStoresTheNewStateAtOnce) {
  StartWindow();
  const IniFile ini(files().iniPath.toStdString());
  action("HideHints")->trigger();
  EXPECT_TRUE(action("HideHints")->isChecked());
  EXPECT_EQ(ini.ReadString("Setup", "HideHints", ""), "1");
  action("HideHints")->trigger();
  EXPECT_FALSE(action("HideHints")->isChecked());
  EXPECT_EQ(ini.ReadString("Setup", "HideHints", ""), "0");
}

TEST_F(HideHintsOption, UnwritableIniIsReportedAndTheCheckStillChanges) {
  ProgramFiles unwritable = files();
  StartWindow();
  ASSERT_TRUE(QDir(path("")).mkpath("tintara.INI/blocked"));  // a folder where the file should be
  action("HideHints")->trigger();
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_EQ(errors_.first(), "Unable to write to " + unwritable.iniPath + ": it is a folder");
  EXPECT_TRUE(action("HideHints")->isChecked());
}

TEST_F(HideHintsOption, OtherOptionsToggleOnlyTheirCheck) {
  StartWindow();
  for (const char* name : {"StartBrowser", "ColorsOnLoad"}) {
    action(name)->trigger();
    EXPECT_FALSE(action(name)->isChecked()) << name;
    action(name)->trigger();
    EXPECT_TRUE(action(name)->isChecked()) << name;
  }
  EXPECT_FALSE(QFile::exists(files().iniPath));
}

// A shown main window, activated: the first activation fills the board and applies the hints.
class Hints : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shape(18)->toolTip() != ""; }));
  }
};

TEST_F(Hints, OnlyTheFirstActivationAppliesTheOption) {
  action("HideHints")->setChecked(true);
  QEvent activation(QEvent::WindowActivate);
  QApplication::sendEvent(window_.get(), &activation);
  EXPECT_TRUE(ShowsHint(control<QWidget>("Edit1")));
}

TEST_F(Hints, HideHintsSwitchesExactlyTheTenControls) {
  action("HideHints")->trigger();
  for (const SwitchedHint& switched : kSwitchedHints) {
    QWidget* switchedControl = control<QWidget>(switched.control);
    EXPECT_FALSE(ShowsHint(switchedControl)) << switched.control;
    EXPECT_EQ(switchedControl->toolTip().toStdString(), switched.hint);
    QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), switchedControl->mapToGlobal(QPoint(1, 1)));
    EXPECT_TRUE(QApplication::sendEvent(switchedControl, &tip)) << switched.control;
  }
  EXPECT_TRUE(ShowsHint(shape(18)));
  EXPECT_TRUE(ShowsHint(label(4)));
  EXPECT_EQ(label(4)->toolTip(), "Click here to apply skin colors");
  action("HideHints")->trigger();
  for (const SwitchedHint& switched : kSwitchedHints) {
    EXPECT_TRUE(ShowsHint(control<QWidget>(switched.control))) << switched.control;
  }
}

class WindowFit : public WindowTest {
 protected:
  // Starts the program with a start-up body of the given size.
  MainWindow& StartWithBody(int width, int height) {
    WriteBitmap("FEMALE1.BMP", IndexedBitmap(width, height, TableWithSet1Markers({1})));
    return StartWindow();
  }
  QSize ViewSize() const { return control<PictureView>("Image1")->size(); }
  void ToggleEnlarge() const { control<QCheckBox>("CheckBox1")->click(); }
};

TEST_F(WindowFit, NeverGoesBelowTheBaseSize) {
  const struct {
    int width, height;
    QSize window;
  } cases[] = {
      {81, 329, {485, 397}}, {82, 329, {486, 397}},  {81, 330, {485, 398}},
      {1, 1, {485, 397}},    {200, 500, {604, 568}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    MainWindow& form = StartWithBody(c.width, c.height);
    EXPECT_EQ(form.baseSize(), QSize(485, 397));
    EXPECT_EQ(ViewSize(), QSize(c.width, c.height));
    EXPECT_EQ(form.size(), c.window);
  }
}

TEST_F(WindowFit, EnlargeShowsFourTimesTheSizeAndUntickingReturns) {
  MainWindow& form = StartWithBody(55, 144);
  auto* enlarge = control<QCheckBox>("CheckBox1");
  EXPECT_EQ(enlarge->text(), "Enlarge ");
  ToggleEnlarge();
  EXPECT_EQ(ViewSize(), QSize(220, 576));
  EXPECT_EQ(form.size(), QSize(624, 644));
  EXPECT_EQ(control<PictureView>("Image1")->zoom(), 4);
  EXPECT_EQ(enlarge->text(), "Reduce ");
  ToggleEnlarge();
  EXPECT_EQ(ViewSize(), QSize(55, 144));
  EXPECT_EQ(form.size(), QSize(485, 397));
  EXPECT_EQ(control<PictureView>("Image1")->zoom(), 1);
  EXPECT_EQ(enlarge->text(), "Enlarge ");
}

TEST_F(WindowFit, EveryLoadRefitsToTheWholePicture) {
  MainWindow& window = StartWithBody(55, 144);
  ToggleEnlarge();
  WriteBitmap("MALE1.BMP", IndexedBitmap(30, 40, TableWithSet1Markers({1})));
  control<QRadioButton>(RadioButtonName(1))->click();
  EXPECT_EQ(ViewSize(), QSize(120, 160));
  EXPECT_EQ(window.size(), QSize(384 + 120 + 20, 397));

  // A true-colour picture too: it is shown whole, and its slots, which it has none of, hidden.
  Bitmap deep;
  deep.width = 90;
  deep.height = 10;
  deep.bitsPerPixel = 24;
  deep.pixels.assign(900, 0xFF336699u);
  WriteBitmap("MALE2.BMP", deep);
  control<QRadioButton>(RadioButtonName(5))->click();
  EXPECT_EQ(ViewSize(), QSize(360, 40));
  EXPECT_EQ(window.size(), QSize(384 + 360 + 20, 397));
  EXPECT_TRUE(shape(SlotSwatchNumber(1))->isHidden());
  EXPECT_TRUE(label(6)->isHidden());
}

TEST_F(WindowFit, AStoredSizeStandsUntilTheNextFit) {
  MainWindow& form = StartWithBody(55, 144);
  form.resize(300, 200);
  EXPECT_EQ(form.size(), QSize(300, 200));
  ToggleEnlarge();
  EXPECT_EQ(form.size(), QSize(624, 644));
}

}  // namespace
}  // namespace tintara
