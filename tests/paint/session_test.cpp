#include "paint/session.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "paint/session_fixture.h"
#include "paint/skin_tones.h"
#include "paint/test_pictures.h"

namespace tintara {
namespace {

using SessionTest = CommandsTest;

// A command that stopped with a problem leaves the focus where the user had it.
TEST_F(SessionTest, AFailedCommandMovesNoFocus) {
  session().EditCodeText("5 x 7");
  EXPECT_EQ(session().ApplyCodeText(Session::Via::Button).focus, Focus::Stays);
  session().EditCodeText("5 x 7");
  EXPECT_EQ(session().ApplyCodeText(Session::Via::Return).focus, Focus::Stays);
  EXPECT_EQ(session().SelectBody(1).focus, Focus::Stays);  // no such file
  session().EditCodeText("1 2 3 ");
  EXPECT_EQ(session().ApplyCodeText(Session::Via::Button).focus, Focus::Enlarge);
  EXPECT_EQ(session().RestoreLastCodes().focus, Focus::Enlarge);
}

// Typing goes on where it was: codes applied by Return leave the focus in the edit box.
TEST_F(SessionTest, ReturnKeepsTheFocusInTheEditBox) {
  session().EditCodeText("1 2 3 ");
  const Outcome outcome = session().ApplyCodeText(Session::Via::Return);
  EXPECT_EQ(outcome.focus, Focus::CodeEdit);
  EXPECT_EQ(SlotLabel(document(), 1), "1");
}

// A check the user changed after a step is the user's: taking the step back and again keeps it.
TEST_F(SessionTest, UndoKeepsAGroupCheckChangedAfterTheStep) {
  session().DropSwatch(1, 17);
  session().CheckGroup(2, false);
  EXPECT_FALSE(session().Undo().edits.groups[1]);
  EXPECT_FALSE(session().Redo().edits.groups[1]);
  EXPECT_FALSE(GroupChecked(2));
}

// A loaded picture is fitted even at the size it had; a step that keeps the picture is not.
TEST_F(SessionTest, ALoadFits) {
  EXPECT_TRUE(session().Reload().fit);
  EXPECT_FALSE(session().DropSwatch(1, 17).fit);
}

// An imported palette gives locked slots their codes too, as typed codes do, as one step named
// after it that undo takes back whole.
TEST_F(SessionTest, AnImportedPaletteIsOneStepThatChangesLockedSlots) {
  session().ToggleSlotLock(2);
  const Snapshot before = Take(session());
  session().ImportPalette("Sunset", "31 32 33");
  EXPECT_EQ(SlotLabel(document(), 2), "32");
  ASSERT_NE(session().undoName(), nullptr);
  EXPECT_EQ(*session().undoName(), "Import Palette Sunset");
  session().Undo();
  EXPECT_EQ(Take(session()), before);
}

// Shading from a green key keeps the skin to the skin tones unless "Random Codes..." allows any
// colour for skin.
TEST_F(SessionTest, ShadingFollowsTheRandomSettingsForSkin) {
  Apply("0 0 0 0 0 217 0 0 0 0 ");
  const auto skinTonesOnly = [this] {
    for (int slot = 7; slot <= 10; ++slot) {
      const std::int32_t code = Slot(document(), slot).code;
      if (std::find(kSkinTones.begin(), kSkinTones.end(), code) == kSkinTones.end()) return false;
    }
    return true;
  };
  ASSERT_FALSE(session().ShadeGroup(6).problem);
  EXPECT_TRUE(skinTonesOnly());
  session().Undo();
  session().SetRandomSettings({.anyColourForSkin = true});
  ASSERT_FALSE(session().ShadeGroup(6).problem);
  EXPECT_FALSE(skinTonesOnly());
}

// A palette with no skin tone leaves the skin group nothing to draw in a harmony mode: it keeps
// its codes, the other groups roll, and the outcome says which group and why.
TEST_F(SessionTest, ASkinWithNoSkinToneInThePaletteKeepsItsCodesAndIsTold) {
  const std::vector<std::int32_t> palette = {5, 200, 217};
  session().SetRandomSettings({.harmony = Harmony::Tones});
  session().DrawGeeFrom(DrawingCodesNamed("Sea", palette));
  const Snapshot before = Take(session());
  const Outcome outcome = session().RollRandomCodes();
  EXPECT_EQ(*session().undoName(), "Gee! (from Sea)");
  for (int s = FirstSlotOfGroup(kSkinGroup); s <= LastSlotOfGroup(kSkinGroup); ++s) {
    EXPECT_EQ(Slot(document(), s).code, before.slots[static_cast<std::size_t>(s - 1)].code) << s;
  }
  EXPECT_NE(std::find(palette.begin(), palette.end(), Slot(document(), 1).code), palette.end());
  ASSERT_TRUE(outcome.notice);
  EXPECT_NE(outcome.notice->find("Skin"), std::string::npos);
  EXPECT_NE(outcome.notice->find("Sea"), std::string::npos);
  EXPECT_EQ(outcome.notice->find("Bottom"), std::string::npos);
}

// A variant shown while playing is drawn apart: the document, its history and its picture stay.
TEST_F(SessionTest, APreviewLeavesTheDocumentAndItsPicture) {
  session().DropSwatch(1, 17);
  const Snapshot before = Take(session());
  const std::string undo = *session().undoName();
  const Expected<Document> painted = session().PaintedWith("200 201 202 ");
  ASSERT_TRUE(painted);
  const std::shared_ptr<const Picture> preview = session().PreviewPicture(*painted);
  EXPECT_NE(preview->pixels, session().picture().pixels);
  EXPECT_TRUE(Take(session()) == before);
  EXPECT_EQ(*session().undoName(), undo);
}

}  // namespace
}  // namespace tintara
