#include "board/slot_panel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "board/control_names.h"
#include "board/shape_control.h"
#include "board/slot_documents.h"
#include "board/user_input.h"
#include "paint/painting.h"
#include "paint/slot_tables.h"
#include "paint/test_pictures.h"

namespace tintara {
namespace {

// A shown window holding only the slot panel and the panel for its marker set labels.
class SlotPanelInput : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.resize(400, 340);
    auto* markerSetPanel = new QWidget(&window_);
    markerSetPanel->setGeometry(0, 320, 130, 15);
    panel_ = new SlotPanel(&window_, markerSetPanel);
    ASSERT_TRUE(ShowForInput(window_));
  }

  ShapeControl* slotSwatch(int slot) const {
    return window_.findChild<ShapeControl*>(SlotSwatchName(slot));
  }

  QWidget window_;
  SlotPanel* panel_ = nullptr;
};

// A mouse user sees which slot the keys and the Edit menu act on, and where a drag would drop.
TEST_F(SlotPanelInput, APressSelectsItsSlotAndADragOutlinesTheSlotThatWouldTakeIt) {
  panel_->clearFocus();
  Press(slotSwatch(6));
  ASSERT_FALSE(panel_->hasFocus());
  EXPECT_EQ(panel_->selectedSlot(), 6);
  EXPECT_TRUE(window_.findChild<QLabel*>(SlotLabelName(6))->autoFillBackground());
  EXPECT_FALSE(window_.findChild<QLabel*>(SlotLabelName(1))->autoFillBackground());
  MoveOver(slotSwatch(12));
  EXPECT_TRUE(slotSwatch(12)->isDropOutlined());
  MoveOver(window_.findChild<QLabel*>("Label3"));
  EXPECT_FALSE(slotSwatch(12)->isDropOutlined());
  MoveOver(slotSwatch(12));
  Release(slotSwatch(12));
  EXPECT_FALSE(slotSwatch(12)->isDropOutlined());
}

TEST_F(SlotPanelInput, ASlotDragReportsEitherItsDropOrItsEnd) {
  std::vector<std::string> reports;
  QObject::connect(panel_, &SlotPanel::slotDropped, &window_, [&reports](int slot, int sourceSlot) {
    reports.push_back("dropped on " + std::to_string(slot) + " from " + std::to_string(sourceSlot));
  });
  QObject::connect(panel_, &SlotPanel::slotDragEnded, &window_, [&reports](int sourceSlot) {
    reports.push_back("ended " + std::to_string(sourceSlot));
  });
  const struct {
    const char* over;
    const QWidget* place;
    std::vector<std::string> reports;
  } cases[] = {
      {"another slot swatch", slotSwatch(12), {"dropped on 12 from 3"}},
      {"a group caption", window_.findChild<QLabel*>("Label3"), {"ended 3"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.over);
    reports.clear();
    Drag(slotSwatch(3), c.place);
    EXPECT_EQ(reports, c.reports);
  }
}

TEST_F(SlotPanelInput, TheSkinCaptionReportsOneClickForAClickADoubleClickEnterOrSpace) {
  auto* label = window_.findChild<QLabel*>("Label4");
  const QPoint caption = CentreInWindow(label);
  QSignalSpy clicked(panel_, &SlotPanel::skinCaptionClicked);
  QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {}, caption);
  EXPECT_EQ(clicked.count(), 1);
  QTest::mouseDClick(window_.windowHandle(), Qt::LeftButton, {}, caption);
  EXPECT_EQ(clicked.count(), 2);
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_A}) QTest::keyClick(label, key);
  EXPECT_EQ(clicked.count(), 4);
}

// A colour table that matches no marker, with the given colours at the given positions.
std::vector<ColourTableEntry> TableWith(const std::vector<std::pair<int, Colour>>& placed) {
  std::vector<ColourTableEntry> table = TableWithSet1Markers({});
  for (const auto& [position, colour] : placed) {
    table[static_cast<std::size_t>(position)] = TableEntry(colour);
  }
  return table;
}

// What the panel shows of one session.
struct Look {
  // Each slot's label text and fill, or nothing when the slot is hidden.
  std::array<std::optional<std::pair<QString, Colour>>, kSlotCount> slots;
  std::array<bool, 5> captions;  // Label3, Label4, Label5, then group 4's Label22 and Label23
  int markerSet;                 // 0: no marker set label
};

// The panel in a window with the lowered panel for the marker set labels, and documents of
// pictures.
class SlotPanelShowsDocument : public ::testing::Test {
 protected:
  void SetUp() override {
    markerSetPanel_ = new QWidget(&window_);
    panel_ = new SlotPanel(&window_, markerSetPanel_);
  }

  // A document that has loaded a 16 x 16 picture with this colour table.
  static Document Loaded(std::vector<ColourTableEntry> table) {
    return LoadedDocument(IndexedBitmap(16, 16, std::move(table)));
  }

  void ExpectLook(const Look& look) const {
    for (int s = 1; s <= kSlotCount; ++s) {
      SCOPED_TRACE(s);
      const auto* swatch = window_.findChild<ShapeControl*>(SlotSwatchName(s));
      const auto* label = window_.findChild<QLabel*>(SlotLabelName(s));
      const auto& slot = look.slots[static_cast<std::size_t>(s - 1)];
      EXPECT_EQ(swatch->isHidden(), !slot.has_value());
      EXPECT_EQ(label->isHidden(), !slot.has_value());
      if (!slot) continue;
      EXPECT_EQ(label->text(), slot->first);
      EXPECT_EQ(swatch->fill(), QColor::fromRgb(ToDisplayPixel(slot->second)));
    }
    const char* captions[] = {"Label3", "Label4", "Label5", "Label22", "Label23"};
    for (std::size_t i = 0; i < look.captions.size(); ++i) {
      EXPECT_EQ(window_.findChild<QLabel*>(captions[i])->isHidden(), !look.captions[i])
          << captions[i];
    }
    for (int set : {1, 2}) {
      const auto* label = markerSetPanel_->findChild<QLabel*>(QStringLiteral("LSet%1").arg(set));
      ASSERT_NE(label, nullptr) << set;
      EXPECT_EQ(label->isHidden(), set != look.markerSet) << set;
    }
  }

  QWidget window_;
  QWidget* markerSetPanel_ = nullptr;
  SlotPanel* panel_ = nullptr;
};

TEST_F(SlotPanelShowsDocument, SlotsCaptionsAndMarkerSet) {
  {
    SCOPED_TRACE("set 1 picture without group 2 and slot 16");
    std::vector<std::pair<int, Colour>> markers;
    Look look{{}, {true, false, true, false, false}, 1};
    for (int s : {1, 2, 3, 4, 5, 11, 12, 13, 14, 15}) {
      const SlotDefinition& slot = kSlots[static_cast<std::size_t>(s - 1)];
      markers.emplace_back(16 + s, slot.set1Marker);
      look.slots[static_cast<std::size_t>(s - 1)] = {QString::number(slot.set1Code),
                                                     slot.set1Marker};
    }
    panel_->showDocument(Loaded(TableWith(markers)));
    ExpectLook(look);
  }
  {
    SCOPED_TRACE("set 2 picture with every slot");
    std::vector<std::pair<int, Colour>> markers;
    Look look{{}, {true, true, true, true, true}, 2};
    for (int s = 1; s <= kSlotCount; ++s) {
      const SlotDefinition& slot = kSlots[static_cast<std::size_t>(s - 1)];
      markers.emplace_back(238 + s, slot.set2Marker);
      look.slots[static_cast<std::size_t>(s - 1)] = {QString::number(slot.set2Code),
                                                     slot.set2Marker};
    }
    panel_->showDocument(Loaded(TableWith(markers)));
    ExpectLook(look);
  }
  {
    SCOPED_TRACE("before any load");
    Look look{{}, {true, true, true, true, true}, 0};
    for (int s = 1; s <= kSlotCount; ++s) {
      look.slots[static_cast<std::size_t>(s - 1)] = {"000", kSlotDesignColours[s - 1]};
    }
    panel_->showDocument(StartingDocument());
    ExpectLook(look);
  }
}

// The panel the keyboard gives codes through.
class SlotPanelKeys : public ::testing::Test {
 protected:
  void SetUp() override { panel_ = new SlotPanel(&window_, new QWidget(&window_)); }

  void Key(Qt::Key key) { QTest::keyClick(panel_, key); }

  QWidget window_;
  SlotPanel* panel_ = nullptr;
};

TEST_F(SlotPanelKeys, KeysSelectOnlyShownSlotsAndAHiddenSelectionMovesToTheNearest) {
  panel_->showDocument(SlotDocument({1, 6, 7, 8, 9, 10, 16}));
  EXPECT_EQ(panel_->selectedSlot(), 2);
  const struct {
    Qt::Key key;
    int selected;
  } steps[] = {{Qt::Key_Down, 3}, {Qt::Key_Right, 4}, {Qt::Key_Right, 5},  {Qt::Key_Right, 11},
               {Qt::Key_Up, 5},   {Qt::Key_End, 15},  {Qt::Key_Right, 15}, {Qt::Key_Left, 14},
               {Qt::Key_Home, 2}, {Qt::Key_Left, 2}};
  for (const auto& step : steps) {
    Key(step.key);
    EXPECT_EQ(panel_->selectedSlot(), step.selected) << "key " << int(step.key);
  }
  Key(Qt::Key_End);
  panel_->showDocument(SlotDocument({12, 13, 14, 15, 16}));
  EXPECT_EQ(panel_->selectedSlot(), 11);
  panel_->showDocument(SlotDocument({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
  EXPECT_EQ(panel_->selectedSlot(), 0);
}

TEST_F(SlotPanelKeys, DigitsShowInTheLabelAndEnterGivesTheirCodeToTheSelectedSlot) {
  panel_->showDocument(SlotDocument({}));
  Key(Qt::Key_Right);
  QSignalSpy typed(panel_, &SlotPanel::codeTyped);
  const struct {
    const char* digits;
    std::vector<Qt::Key> keys;  // pressed after the digits, before Enter
    int code;                   // -1: none given
  } cases[] = {{"201", {}, 201},
               {"007", {}, 7},
               {"256", {}, -1},
               {"", {}, -1},
               {"12", {Qt::Key_Backspace}, 1},
               {"2", {Qt::Key_Escape}, -1},
               {"20", {Qt::Key_Right, Qt::Key_Left}, -1}};
  const QLabel* label = window_.findChild<QLabel*>(SlotLabelName(2));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.digits);
    typed.clear();
    QTest::keyClicks(panel_, c.digits);
    EXPECT_EQ(label->text(), *c.digits != 0 ? c.digits : "000");
    for (Qt::Key key : c.keys) Key(key);
    Key(Qt::Key_Return);
    EXPECT_EQ(label->text(), "000");
    EXPECT_EQ(typed.count(), c.code < 0 ? 0 : 1);
    if (typed.count() == 1) {
      EXPECT_EQ(typed.at(0), (QVariantList{2, c.code}));
    }
  }
}

// The menu offers what the document's lock calls for; the swatch and its name show the lock.
TEST_F(SlotPanelInput, ARightClickOffersTheLockAsTheDocumentHasItAndALockedSlotIsMarked) {
  QSignalSpy toggled(panel_, &SlotPanel::lockToggled);
  Document document = SlotDocument({});
  for (const bool locked : {false, true}) {
    SCOPED_TRACE(locked);
    document.locks[4] = locked;
    panel_->showDocument(document);
    ShapeControl* swatch = slotSwatch(5);
    EXPECT_EQ(swatch->hasLockMark(), locked);
    EXPECT_EQ(swatch->accessibleName().endsWith(", locked"), locked);
    // The padlock's body is black over the white swatch.
    EXPECT_EQ(swatch->grab().toImage().pixelColor(10, 8) == Qt::black, locked);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(4, 4),
                                 swatch->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(swatch, &rightClick);
    auto* menu = panel_->findChild<QMenu*>("SlotMenu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().first()->text(), locked ? "&Unlock Slot" : "&Lock Slot");
    toggled.clear();
    menu->actions().first()->trigger();
    menu->close();
    delete menu;
    ASSERT_EQ(toggled.size(), 1);
    EXPECT_EQ(toggled[0][0].toInt(), 5);
  }
}

}  // namespace
}  // namespace tintara
