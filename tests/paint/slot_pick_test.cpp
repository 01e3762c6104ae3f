#include "paint/slot_pick.h"

#include <gtest/gtest.h>

#include "paint/session_fixture.h"

namespace tintara {
namespace {

using SlotPickTest = CommandsTest;

// Slot 1 dropped on with slot 2's unpainted colour: slot 1's entry (position 17) takes slot 2's
// loaded colour, which slot 2's replacement (position 18) then takes. The pixel shows slot 2's
// colour, and picking it gives slot 2, the slot a drop would have to change.
TEST_F(SlotPickTest, AnEntryResolvesToTheSlotItsChainOfReplacementsEndsWith) {
  session().DropSlot(1, 2);
  session().DropSwatch(2, 40);
  const std::optional<PickedPixel> picked = PickSlot(document(), 1, 1);
  ASSERT_TRUE(picked.has_value());
  EXPECT_EQ(picked->entry, 17);
  EXPECT_EQ(picked->slot, 2);
  EXPECT_EQ(Shown(17), document().model.slots[1].colour);
  EXPECT_EQ(PickSlot(document(), 0, 0)->slot, 0);  // an entry no slot paints
}

}  // namespace
}  // namespace tintara
