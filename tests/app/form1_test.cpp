#include "app/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include "app/window_fixture.h"
#include "board/picture_view.h"
#include "board/shape_control.h"
#include "paint/slot_tables.h"
#include "platform/ini_file.h"

namespace tintara {
namespace {

using StartUp = WindowTest;

TEST_F(StartUp, CaptionIsTheDesignCaptionAndTheVersionNumber) {
  EXPECT_EQ(StartWindow().windowTitle().toStdString(), " Tintara  v.2.01.02");
}

TEST_F(StartUp, EveryControlExistsUnderItsName) {
  MainWindow& form = StartWindow();
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
  EXPECT_EQ(shape(100)->geometry(), QRect(8 + 15 * 3, 8 + 15 * 6, 16, 16));
  EXPECT_EQ(shape(272)->geometry(), QRect(304, 152, 16, 16));
  EXPECT_EQ(label(10)->geometry(), QRect(349, 40, 24, 13));
  EXPECT_TRUE(control<QRadioButton>("RadioButton2")->isChecked());
}

TEST_F(StartUp, MenusCarryTheirCaptionsAndStates) {
  MainWindow& form = StartWindow();
  const std::vector<std::pair<const char*, const char*>> captions = {
      {"File1", "&File"},
      {"Save1", "&Save as JPG"},
      {"SelectNewHead", "Select &Female head..."},
      {"SelectMalehead1", "Select &Male head..."},
      {"SelectAnimehead1", "Select A&nime head"},
      {"Selectnewanimalhead1", "Select &Animal head..."},
      {"Selectnew1", "Select &Other head..."},
      {"SelectNewAccessory", "Select accessory..."},
      {"LoadOtherBitmap1", "Load Other Bitmap"},
      {"Options1", "&Options"},
      {"StartBrowser", "Start &Browser on JPG save"},
      {"HideHints", "&Hide Hints"},
      {"ColorsOnLoad", "&Apply colors on load"},
      {"ConvertandSave1", "Convert and Save"},
      {"Help1", "&Help"},
      {"Topics1", "&Topics"},
      {"About1", "&About"}};
  for (const auto& [name, caption] : captions) {
    QAction* item = action(name);
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->text().toStdString(), caption);
  }
  for (const char* separator : {"N1", "N2", "N5"}) EXPECT_TRUE(action(separator)->isSeparator());
  EXPECT_TRUE(action("StartBrowser")->isChecked());
  EXPECT_TRUE(action("ColorsOnLoad")->isChecked());
  EXPECT_FALSE(action("ConvertandSave1")->isEnabled());
  const QList<QAction*> file = control<QMenu>("File1")->actions();
  ASSERT_EQ(file.size(), 10);
  EXPECT_EQ(file.first()->objectName(), "Save1");
  EXPECT_EQ(file.last()->objectName(), "LoadOtherBitmap1");
}

TEST_F(StartUp, LoadsFemale1AndShowsItsSlotsWithTheSet1Codes) {
  CopyArtwork({"FEMALE1.BMP"});
  MainWindow& form = StartWindow();
  const PaintModel& model = session().model();
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
  EXPECT_EQ(session().headFile(), "PELLHEAD.BMP");
  EXPECT_EQ(session().gridFile(), "DESIGNGRID.BMP");
}

TEST_F(StartUp, WithoutTheBodyFileTheDesignPictureAndSlotsStay) {
  MainWindow& form = StartWindow();
  EXPECT_EQ(control<PictureView>("Image1")->picture().size(), QSize(55, 144));
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
    IniFile(files().iniPath.toStdString()).WriteString("Setup", "HideHints", c.stored);
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
  MainWindow& form = StartWindow();
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
  MainWindow& form = StartWindow();
  ASSERT_TRUE(QDir(path("")).mkpath("tintara.INI/blocked"));  // a folder where the file should be
  action("HideHints")->trigger();
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_EQ(errors_.first(), "Unable to write to " + unwritable.iniPath);
  EXPECT_TRUE(action("HideHints")->isChecked());
}

TEST_F(HideHintsOption, OtherOptionsToggleOnlyTheirCheck) {
  MainWindow& form = StartWindow();
  for (const char* name : {"StartBrowser", "ColorsOnLoad"}) {
    action(name)->trigger();
    EXPECT_FALSE(action(name)->isChecked()) << name;
    action(name)->trigger();
    EXPECT_TRUE(action(name)->isChecked()) << name;
  }
  EXPECT_FALSE(QFile::exists(files().iniPath));
}

}  // namespace
}  // namespace tintara
