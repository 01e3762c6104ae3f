// Playing the code book's entries on the picture and the gallery, and saving them as an
// animation, as the window reaches them.
#include <QFile>
#include <QImageReader>
#include <QPushButton>
#include <QSpinBox>

#include "app/gallery_window.h"
#include "app/shown_window_fixture.h"
#include "paint/reference_palette.h"

namespace tintara {
namespace {

class CodeBookPlaying : public ShownWindowTest {
 protected:
  void SetUp() override {
    ShownWindowTest::SetUp();
    QFile book(path("codebook.txt"));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    // As the book writes them: every code followed by a blank.
    book.write("17 18 19 # one\n200 201 202 # two\n5 6 7 # three\n");
    book.close();
    action("Gallery1")->trigger();
    action("CodeBook1")->trigger();
  }
  QPushButton* button(const char* name) const { return control<QPushButton>(name); }
};

// Each entry shows in turn on the picture and the gallery; a key stops it, and the document, its
// picture and its history are as they were.
TEST_F(CodeBookPlaying, PlaysTheEntriesWithoutAStepUntilAKey) {
  control<QSpinBox>("PlayRate")->setValue(10);
  const Document before = document();
  const std::string galleryCodes = control<GalleryWindow>("GalleryWindow")->codes();
  ASSERT_TRUE(button("PlayEntries")->isEnabled());
  button("PlayEntries")->click();
  ASSERT_TRUE(button("PlayEntries")->isChecked());
  for (const int code : {17, 200, 5, 17}) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return Shown(17) == ReferenceColour(code); })) << code;
  }
  EXPECT_NE(control<GalleryWindow>("GalleryWindow")->codes(), galleryCodes);
  QTest::keyClick(control<QWidget>("CodeBookWindow"), Qt::Key_A);
  EXPECT_EQ(Shown(17), SlotFill(document(), 1));
  EXPECT_EQ(control<GalleryWindow>("GalleryWindow")->codes(), galleryCodes);
  EXPECT_FALSE(button("PlayEntries")->isChecked());
  EXPECT_TRUE(document() == before);
  EXPECT_FALSE(action("Undo1")->isEnabled());
}

TEST_F(CodeBookPlaying, SavesAFrameAnEntry) {
  dialogs_.chosen = path("anim.gif");
  button("SaveAnimation")->click();
  ASSERT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
  QImageReader reader(path("anim.gif"));
  EXPECT_EQ(reader.imageCount(), 3);
}

}  // namespace
}  // namespace tintara
