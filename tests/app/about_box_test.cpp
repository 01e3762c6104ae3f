#include "app/about_box.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/window_fixture.h"

namespace tintara {
namespace {

class AboutBoxTest : public WindowTest {
 protected:
  MainWindow& ShowForm() {
    MainWindow& form = StartWindow();
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    return form;
  }

  static AboutBox* Box(const MainWindow& form) { return form.findChild<AboutBox*>("Form2"); }

  // Runs `open` (which shows the box modally and returns when it is closed) and inspects the box
  // while it is open, then presses its "OK" button.
  static void InspectWhileOpen(AboutBox& box, const std::function<void()>& open,
                               const std::function<void()>& inspect) {
    bool inspected = false;
    QTimer::singleShot(0, &box, [&] {
      EXPECT_TRUE(box.isVisible());
      if (box.isVisible()) inspect();
      inspected = true;
      QTest::mouseClick(box.okButton(), Qt::LeftButton);
    });
    open();
    EXPECT_TRUE(inspected);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Rejected);
  }
};

TEST_F(AboutBoxTest, IsCreatedHiddenWithTheMainWindow) {
  MainWindow& form = ShowForm();
  AboutBox* box = Box(form);
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->isVisible());
  EXPECT_EQ(box->client()->size(), QSize(220, 223));
  EXPECT_EQ(box->minimumSize(), box->maximumSize());
  // No window manager frames it, so none can give it buttons; it draws its own caption bar.
  EXPECT_TRUE(box->windowFlags() & Qt::FramelessWindowHint);
  const QWidget* caption = box->findChild<QWidget*>("CaptionBar");
  ASSERT_NE(caption, nullptr);
  EXPECT_TRUE(caption->children().isEmpty());
  EXPECT_LT(caption->geometry().bottom(), box->client()->geometry().top());
  EXPECT_EQ(box->client()->palette().color(QPalette::Window), QColor(Qt::black));
}

TEST_F(AboutBoxTest, ControlsSitAtTheirPlacesWithTheirLooks) {
  const AboutBox& box = *Box(StartWindow());
  struct Expected {
    QLabel* label;
    QRect place;
    QColor colour;
    int pixelSize;
    bool bold;
  };
  const QColor silver(0xC0, 0xC0, 0xC0);
  const std::vector<Expected> texts = {
      {box.nameText(), {30, 87, 153, 32}, Qt::red, 24, true},
      {box.findChild<QLabel*>("StaticText2"), {22, 116, 169, 18}, silver, 11, true},
      {box.findChild<QLabel*>("StaticText3"), {60, 129, 93, 18}, silver, 11, false},
      {box.findChild<QLabel*>("StaticText5"), {8, 145, 206, 18}, silver, 11, false},
      {box.versionLine(), {62, 163, 90, 19}, Qt::yellow, 12, false},
  };
  for (const Expected& text : texts) {
    SCOPED_TRACE(text.label->objectName().toStdString());
    EXPECT_EQ(text.label->geometry(), text.place);
    EXPECT_EQ(text.label->palette().color(QPalette::WindowText), text.colour);
    EXPECT_EQ(text.label->font().pixelSize(), text.pixelSize);
    EXPECT_EQ(text.label->font().bold(), text.bold);
    EXPECT_FALSE(text.label->text().isEmpty());
  }
  // The name and the credit lines fit their boxes; the version line sizes itself.
  for (const QLabel* label :
       {box.nameText(), box.findChild<QLabel*>("StaticText2"),
        box.findChild<QLabel*>("StaticText3"), box.findChild<QLabel*>("StaticText5")}) {
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
        << label->objectName().toStdString();
  }
  EXPECT_EQ(box.nameText()->text(), "Tintara");
  EXPECT_TRUE(box.nameText()->font().italic());
  EXPECT_EQ(box.versionLine()->text(), "Version 0.00.00");
  EXPECT_EQ(box.emblem()->geometry(), QRect(75, 10, 62, 78));
  EXPECT_EQ(box.emblem()->pixmap().size(), QSize(62, 78));
  EXPECT_EQ(box.okButton()->geometry(), QRect(80, 186, 53, 21));
  EXPECT_EQ(box.okButton()->text(), "OK");
}

TEST_F(AboutBoxTest, OnlyTheButtonTakesTheFocusAndTheTabOrderIsKept) {
  const AboutBox& box = *Box(StartWindow());
  QStringList order;
  for (QWidget* widget = box.nextInFocusChain(); widget != &box;
       widget = widget->nextInFocusChain()) {
    order << widget->objectName();
    EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus, widget == box.okButton())
        << widget->objectName().toStdString();
  }
  for (const char* frame : {"Image1", "client", "CaptionBar"}) order.removeAll(frame);
  EXPECT_EQ(order, (QStringList{"StaticText1", "Button1", "StaticText2", "StaticText3",
                                "StaticText4", "StaticText5"}));
}

TEST_F(AboutBoxTest, OpensModallyCentredOverTheMainWindowWithTheVersionLineCentred) {
  MainWindow& form = ShowForm();
  AboutBox& box = *Box(form);
  InspectWhileOpen(
      box, [&] { action("About1")->trigger(); },
      [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &box);
        EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box.pos(), QPoint(193 + (485 - box.width()) / 2, 115 + (397 - box.height()) / 2));
        EXPECT_EQ(box.windowTitle(), " About...");
        const QLabel& version = *box.versionLine();
        EXPECT_EQ(version.text(), "Version 2.01.02");
        EXPECT_EQ(version.size(), version.sizeHint());
        EXPECT_EQ(version.y(), 163);
        const int rightMargin = box.client()->width() - version.x() - version.width();
        EXPECT_TRUE(rightMargin == version.x() || rightMargin == version.x() + 1)
            << version.x() << " " << version.width();
      });
}

TEST_F(AboutBoxTest, EveryShowCentresAfreshOverTheMovedMainWindow) {
  MainWindow& form = ShowForm();
  AboutBox& box = *Box(form);
  InspectWhileOpen(
      box, [&] { action("About1")->trigger(); }, [] {});
  box.versionLine()->setText("changed");
  box.versionLine()->adjustSize();
  box.setWindowTitle("changed");

  // Both differences odd.
  const QSize formSize = box.size() + QSize(81, 29);
  form.move(-50, 40);
  form.resize(formSize);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.pos() == QPoint(-50, 40); }));
  ASSERT_EQ(form.size(), formSize);
  InspectWhileOpen(
      box, [&] { action("About1")->trigger(); },
      [&] {
        EXPECT_EQ(box.pos(), QPoint(-50 + 40, 40 + 14));
        EXPECT_EQ(box.windowTitle(), " About...");
        EXPECT_EQ(box.versionLine()->text(), "Version 2.01.02");
        EXPECT_EQ(box.versionLine()->y(), 163);
      });
}

TEST_F(AboutBoxTest, AMainWindowNarrowerThanTheBoxHalvesTowardZero) {
  MainWindow& form = ShowForm();
  AboutBox& box = *Box(form);
  const QSize formSize = box.size() - QSize(21, 23);
  form.move(100, 100);
  form.resize(formSize);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.size() == formSize; }));
  InspectWhileOpen(
      box, [&] { action("About1")->trigger(); },
      [&] {
        // -21 / 2 and -23 / 2 are -10 and -11, not -11 and -12.
        EXPECT_EQ(box.pos(), QPoint(90, 89));
      });
}

}  // namespace
}  // namespace tintara
