#include "board/slot_panel.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
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

TEST_F(SlotPanelInput, TheSkinCaptionReportsOneClickForAClickAndForADoubleClick) {
  const QPoint caption = CentreInWindow(window_.findChild<QLabel*>("Label4"));
  QSignalSpy clicked(panel_, &SlotPanel::skinCaptionClicked);
  QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {}, caption);
  EXPECT_EQ(clicked.count(), 1);
  QTest::mouseDClick(window_.windowHandle(), Qt::LeftButton, {}, caption);
  EXPECT_EQ(clicked.count(), 2);
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

}  // namespace
}  // namespace tintara
