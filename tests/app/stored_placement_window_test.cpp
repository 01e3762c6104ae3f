#include "app/stored_placement_window.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "app/window_fixture.h"
#include "platform/ini_file.h"

namespace tintara {
namespace {

// Large enough to see the window and reach its title bar's buttons.
constexpr QSize kFindable(100, 60);

class WindowPlacement : public WindowTest {
 protected:
  void StoreInForm1Section(std::initializer_list<std::pair<const char*, std::string>> values) {
    const IniFile ini(files().iniPath.toStdString());
    for (const auto& [key, value] : values) ASSERT_FALSE(ini.WriteString("TForm1", key, value));
  }

  MainWindow& ShowForm() {
    MainWindow& form = StartWindow();
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    return form;
  }

  QString IniText() const {
    QFile file(files().iniPath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll());
  }
};

TEST_F(WindowPlacement, FirstStartOpensAtTheDesignPlaceAndStoresTheFourKeysInOrder) {
  MainWindow& form = ShowForm();
  EXPECT_EQ(form.pos(), QPoint(193, 115));
  EXPECT_EQ(form.size(), QSize(485, 397));
  window_.reset();
  EXPECT_EQ(IniText(), "[TForm1]\nLeft=193\nTop=115\nWidth=485\nHeight=397\n");
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(WindowPlacement, ComesBackWhereItWasLeft) {
  MainWindow& first = ShowForm();
  first.move(-30, 210);
  first.resize(610, 455);
  ASSERT_TRUE(QTest::qWaitFor([&] { return first.pos() == QPoint(-30, 210); }));
  window_.reset();

  MainWindow& second = ShowForm();
  EXPECT_EQ(second.pos(), QPoint(-30, 210));
  EXPECT_EQ(second.size(), QSize(610, 455));
}

// Records the bounds a window has when it is first shown.
class FirstShowBounds : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && !seen) {
      const auto* window = static_cast<QWidget*>(watched);
      seen = true;
      pos = window->pos();
      size = window->size();
    }
    return false;
  }
  bool seen = false;
  QPoint pos;
  QSize size;
};

TEST_F(WindowPlacement, TheFirstShowIsAlreadyAtTheStoredBounds) {
  StoreInForm1Section({{"Left", "40"}, {"Top", "50"}, {"Width", "520"}, {"Height", "430"}});
  MainWindow& form = StartWindow();
  FirstShowBounds first;
  form.installEventFilter(&first);
  form.show();
  ASSERT_TRUE(first.seen);
  EXPECT_EQ(first.pos, QPoint(40, 50));
  EXPECT_EQ(first.size, QSize(520, 430));
  form.removeEventFilter(&first);
}

TEST_F(WindowPlacement, ASizeBelowTheBaseSizeAndAPartlyVisiblePlaceAreUsedAsTheyAre) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  // Most of it off to the right, its title bar still to be grabbed.
  const QPoint stored(screen.right() - 150, screen.bottom() - 240);
  StoreInForm1Section({{"Left", std::to_string(stored.x())},
                       {"Top", std::to_string(stored.y())},
                       {"Width", "300"},
                       {"Height", "250"}});
  MainWindow& form = ShowForm();
  EXPECT_EQ(form.pos(), stored);
  EXPECT_EQ(form.size(), QSize(300, 250));
  EXPECT_EQ(form.baseSize(), QSize(485, 397));
}

// Stored bounds that left no window the user could see or close, or one far larger than the
// screen. Whatever the file holds, the window shows on the screen, large enough to be found and
// no larger than the screen's available area, and what is written back is what was shown.
TEST_F(WindowPlacement, BoundsThatCannotBeShownAreBoundedAndStoredSo) {
  const std::initializer_list<std::pair<const char*, std::string>> cases[] = {
      {{"Width", "0"}},
      {{"Height", "-5"}},
      {{"Width", "100000"}, {"Height", "100000"}},
      {{"Left", "-32000"}, {"Top", "-32000"}},
      {{"Left", "5000"}, {"Top", "-3000"}},
  };
  const QScreen* screen = QGuiApplication::primaryScreen();
  for (const auto& stored : cases) {
    SCOPED_TRACE(std::string(stored.begin()->first) + '=' + stored.begin()->second);
    window_.reset();
    QFile::remove(files().iniPath);
    StoreInForm1Section(stored);
    MainWindow& form = ShowForm();
    const QRect shown(form.pos(), form.size());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.frameGeometry().intersects(screen->geometry()));
    EXPECT_GE(form.width(), kFindable.width());
    EXPECT_GE(form.height(), kFindable.height());
    EXPECT_LE(form.width(), screen->availableGeometry().width());
    EXPECT_LE(form.height(), screen->availableGeometry().height());

    window_.reset();
    const IniFile ini(files().iniPath.toStdString());
    EXPECT_EQ(QRect(ini.ReadInteger("TForm1", "Left", 0), ini.ReadInteger("TForm1", "Top", 0),
                    ini.ReadInteger("TForm1", "Width", 0), ini.ReadInteger("TForm1", "Height", 0)),
              shown);
  }
}

TEST_F(WindowPlacement, ValuesAreReadAsProfileIntegers) {
  StoreInForm1Section({{"Left", "-4"}, {"Top", "0x20"}, {"Width", "wide"}, {"Height", "$1F4"}});
  MainWindow& form = ShowForm();
  EXPECT_EQ(form.pos(), QPoint(-4, 32));
  EXPECT_EQ(form.size(), QSize(485, 500));
}

TEST_F(WindowPlacement, OnlyTheStoredWidthReplacesTheStartUpBounds) {
  StoreInForm1Section({{"Width", "640"}});
  MainWindow& form = ShowForm();
  EXPECT_EQ(form.pos(), QPoint(193, 115));
  EXPECT_EQ(form.size(), QSize(640, 397));
}

TEST_F(WindowPlacement, AMaximisedWindowStoresItsNormalBoundsAndReopensNormal) {
  MainWindow& form = ShowForm();
  form.move(70, 80);
  form.resize(500, 410);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.pos() == QPoint(70, 80); }));
  form.showMaximized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.isMaximized(); }));
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.size() != QSize(500, 410); }));
  window_.reset();
  EXPECT_EQ(IniText(), "[TForm1]\nLeft=70\nTop=80\nWidth=500\nHeight=410\n");

  MainWindow& next = ShowForm();
  EXPECT_FALSE(next.isMaximized());
  EXPECT_EQ(next.geometry().size(), QSize(500, 410));
}

TEST_F(WindowPlacement, OtherSectionsOfTheFileAreKept) {
  ASSERT_FALSE(IniFile(files().iniPath.toStdString()).WriteString("Setup", "HideHints", "1"));
  ShowForm();
  window_.reset();
  EXPECT_EQ(IniText(),
            "[Setup]\nHideHints=1\n[TForm1]\nLeft=193\nTop=115\nWidth=485\nHeight=397\n");
}

// Reported at the close, while the window is whole; destroying it then writes nothing more.
TEST_F(WindowPlacement, AnUnwritableFileIsReportedOnceAtTheClose) {
  ASSERT_TRUE(QDir().mkpath(files().iniPath));
  ShowForm();
  window_->close();
  EXPECT_EQ(errors_, QStringList{"Unable to write to " + files().iniPath + ": it is a folder"});
  window_.reset();
  EXPECT_EQ(errors_.size(), 1);
}

// No message box can open from a destructor.
TEST_F(WindowPlacement, AWindowDestroyedWithoutClosingOnlyWarnsOfAFailedWrite) {
  ASSERT_TRUE(QDir().mkpath(files().iniPath));
  ShowForm();
  window_.reset();
  EXPECT_TRUE(errors_.isEmpty());
}

// Bounds given for one run on the command line (-geometry) leave the stored ones as they are.
TEST_F(WindowPlacement, BoundsGivenForOneRunAreNotStored) {
  StoreInForm1Section({{"Left", "40"}, {"Top", "50"}, {"Width", "520"}, {"Height", "430"}});
  const QString stored = IniText();
  MainWindow& form = StartWindow();
  form.leaveStoredPlacement();
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.move(300, 200);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.pos() == QPoint(300, 200); }));
  form.close();
  window_.reset();
  EXPECT_EQ(IniText(), stored);
}

TEST_F(WindowPlacement, AWindowNeverShownWritesNothing) {
  StartWindow();
  window_.reset();
  EXPECT_FALSE(QFile::exists(files().iniPath));
}

}  // namespace
}  // namespace tintara
