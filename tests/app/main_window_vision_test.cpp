// The colour-vision views change how the window draws colours, never the document or its files;
// the simulation itself is the paint layer's tests.
#include <QDialog>
#include <QPushButton>
#include <QRegularExpression>

#include "app/shown_window_fixture.h"
#include "board/qcolor_conversion.h"
#include "board/shape_control.h"
#include "paint/colour_vision.h"
#include "paint/readability.h"
#include "paint/reference_palette.h"

namespace tintara {
namespace {

using ColourVision = ShownWindowTest;

TEST_F(ColourVision, AViewDrawsThePictureAndSwatchesAsSeenAndSavesTrueColours) {
  Drag(shape(BoardSwatchNumber(17)), shape(SlotSwatchNumber(1)));
  const Document painted = document();
  action("Protanopia1")->trigger();
  EXPECT_EQ(Shown(17), Simulated(Vision::Protanopia, SlotFill(painted, 1)));
  EXPECT_EQ(FromQColor(shape(BoardSwatchNumber(17))->fill()),
            Simulated(Vision::Protanopia, ReferenceColour(17)));
  EXPECT_EQ(FromQColor(shape(SlotSwatchNumber(1))->fill()),
            Simulated(Vision::Protanopia, SlotFill(painted, 1)));
  EXPECT_EQ(control<QLabel>("PictureBadge")->text(), "Protanopia");
  EXPECT_TRUE(document() == painted);
  dialogs_.chosen = path("skin.gpl");
  action("ExportPalette1")->trigger();
  QFile palette(path("skin.gpl"));
  ASSERT_TRUE(palette.open(QIODevice::ReadOnly));
  const Colour truth = SlotFill(painted, 1);
  EXPECT_TRUE(palette.readAll().contains(QStringLiteral("%1 %2 %3")
                                             .arg(RedOf(truth), 3)
                                             .arg(GreenOf(truth), 3)
                                             .arg(BlueOf(truth), 3)
                                             .toUtf8()));
  action("NormalVision1")->trigger();
  EXPECT_EQ(Shown(17), SlotFill(painted, 1));
  EXPECT_FALSE(control<QLabel>("PictureBadge")->isVisible());
}

TEST_F(ColourVision, AJpegSavedUnderAViewIsTheOneSavedUnderNormalVision) {
  Drag(shape(BoardSwatchNumber(17)), shape(SlotSwatchNumber(1)));
  action("Deuteranopia1")->trigger();
  dialogs_.chosen = path("seen.jpg");
  action("Save1")->trigger();
  action("NormalVision1")->trigger();
  dialogs_.chosen = path("true.jpg");
  action("Save1")->trigger();
  ASSERT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
  QFile seen(path("seen.jpg"));
  QFile truth(path("true.jpg"));
  ASSERT_TRUE(seen.open(QIODevice::ReadOnly) && truth.open(QIODevice::ReadOnly));
  EXPECT_TRUE(seen.readAll() == truth.readAll());
}

// Words over the window leave every pixel of the picture and every control in sight.
TEST_F(ColourVision, TheBadgeAndANoticeCoverNeitherThePictureNorAControl) {
  action("Deuteranopia1")->trigger();
  action("CheckReadability1")->trigger();
  const QWidget* badge = control<QWidget>("PictureBadge");
  ASSERT_TRUE(badge->isVisible() && notice()->isVisible());
  const auto inWindow = [&](const QWidget* widget, QRect rect) {
    return QRect(widget->mapTo(window_.get(), rect.topLeft()), rect.size());
  };
  for (const QWidget* overlay : {badge, static_cast<const QWidget*>(notice())}) {
    const QRect over = inWindow(overlay, overlay->rect());
    for (const QWidget* widget : window_->findChildren<QWidget*>()) {
      const bool control =
          widget->focusPolicy() != Qt::NoFocus || qobject_cast<const QLabel*>(widget);
      if (!control || widget == overlay || !widget->isVisible() || !widget->isEnabled()) continue;
      const QRect seen = inWindow(widget, widget->visibleRegion().boundingRect());
      EXPECT_FALSE(over.intersects(seen)) << overlay->objectName().toStdString() << " covers "
                                          << widget->objectName().toStdString();
    }
  }
}

TEST_F(ColourVision, TwoSlotsOfAGroupThatLookAlikeToSomeViewersAreMarked) {
  // The first pair of codes for slots 1 and 2 that some deficiency confuses.
  int first = 0;
  int second = 0;
  for (int a = 1; a < 239 && first == 0; ++a) {
    for (int b = a + 1; b < 239 && first == 0; ++b) {
      SlotColours colours{};
      ShownSlots shown{};
      colours[0] = ReferenceColour(a);
      colours[1] = ReferenceColour(b);
      shown[0] = shown[1] = true;
      if (!UnreadablePairs(colours, shown).empty()) std::tie(first, second) = std::tie(a, b);
    }
  }
  ASSERT_NE(first, 0);
  auto* mark = control<QLabel>("ReadabilityMark1");
  edit()->setText(QStringLiteral("%1 %2 ").arg(first).arg(second));
  control<QPushButton>("BOldColors")->click();  // "Apply Color Codes"
  ASSERT_TRUE(mark->isVisible());
  EXPECT_TRUE(mark->toolTip().contains("slots 1 and 2")) << mark->toolTip().toStdString();
  action("CheckReadability1")->trigger();
  EXPECT_TRUE(notice()->text().contains("slots 1 and 2"));
  // The mark is a button: Enter asks for fixes, and the first one taken clears the mark.
  mark->setFocus();
  QTest::keyClick(mark, Qt::Key_Return);
  auto* fixes = control<QDialog>("SuggestFixes");
  ASSERT_NE(fixes, nullptr);
  ASSERT_TRUE(fixes->isVisible());
  const QList<QPushButton*> offered = fixes->findChildren<QPushButton*>(
      QRegularExpression("^Fix2Code"), Qt::FindChildrenRecursively);
  ASSERT_FALSE(offered.isEmpty());
  offered.front()->click();
  EXPECT_FALSE(mark->isVisible());
  action("Undo1")->trigger();  // one step
  EXPECT_TRUE(mark->isVisible());
}

}  // namespace
}  // namespace tintara
