#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "app/window_fixture.h"
#include "board/picture_view.h"
#include "paint/reference_palette.h"
#include "paint/slot_tables.h"
#include "sources/file_dialog.h"

namespace tintara {
namespace {

constexpr int kBodyWidth = 40;  // wide enough that pixel x of row 0 shows colour-table position x

// The start-up body has every slot; each picture has a size of its own, so that the size tells
// which file is shown.
class Reload : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteBitmap("FEMALE1.BMP",
                IndexedBitmap(kBodyWidth, 3, TableWithSet1Markers(SlotRange(1, 16))));
    WriteBitmap("MALE1.BMP", IndexedBitmap(kBodyWidth, 5, TableWithSet1Markers(SlotRange(1, 15))));
    StartWindow();
  }

  QLineEdit* edit() const { return control<QLineEdit>("Edit1"); }
  QRadioButton* radio(int n) const {
    return control<QRadioButton>(QStringLiteral("RadioButton%1").arg(n));
  }
  QCheckBox* group(int g) const { return control<QCheckBox>(QStringLiteral("DBGroup%1").arg(g)); }
  void ClickReload() const { control<QPushButton>("BRevert")->click(); }
  void Apply(const QString& text) const {
    edit()->setText(text);
    control<QPushButton>("BOldColors")->click();
  }
  void SetColorsOnLoad(bool on) const {
    if (action("ColorsOnLoad")->isChecked() != on) action("ColorsOnLoad")->trigger();
  }
  const QImage& picture() const { return control<PictureView>("Image1")->picture(); }
  Colour Shown(int index) const { return FromDisplayPixel(picture().pixel(index, 0)); }
  QString Default() const { return QString::fromLatin1(kDefaultCodeString); }
};

// "Load Other Bitmap", answered by `dialogs_.chosen` (a cancel when empty).
class LoadOther : public Reload {
 protected:
  void Choose(std::optional<QString> chosen) {
    dialogs_.chosen = std::move(chosen);
    action("LoadOtherBitmap1")->trigger();
  }
};

TEST_F(LoadOther, CaptionIsTheNameBeforeTheFirstDot) {
  Choose(path("my.skin.BMP"));
  EXPECT_EQ(radio(4)->text(), "My");
  Choose(path(".bmp"));
  EXPECT_EQ(radio(4)->text(), "");
}

TEST_F(LoadOther, DialogAsksForBitmapsAndRemembersTheLastChoice) {
  Choose(path("one.bmp"));
  Choose(std::nullopt);
  Choose(path("two.bmp"));
  ASSERT_EQ(dialogs_.asked.size(), 3u);
  for (const Asked& asked : dialogs_.asked) {
    EXPECT_EQ(asked.purpose, FileDialog::Purpose::Open);
    EXPECT_EQ(asked.defaultExt, "bmp");
    EXPECT_EQ(asked.filters, QStringList{"Bitmaps (*.bmp)"});
  }
  EXPECT_EQ(dialogs_.asked[0].fileName, "");
  EXPECT_EQ(dialogs_.asked[1].fileName, path("one.bmp"));
  EXPECT_EQ(dialogs_.asked[2].fileName, path("one.bmp"));
}

TEST_F(LoadOther, CancelChangesNothing) {
  edit()->setText("typed");
  const QImage before = picture().copy();
  Choose(std::nullopt);
  EXPECT_EQ(radio(4)->text(), "Design Grid");
  EXPECT_EQ(session().gridFile(), "DESIGNGRID.BMP");
  EXPECT_TRUE(radio(2)->isChecked());
  EXPECT_EQ(picture(), before);
  EXPECT_EQ(edit()->text(), "typed");
}

}  // namespace
}  // namespace tintara
