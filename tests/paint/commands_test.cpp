#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "paint/painted_skin.h"
#include "paint/painting.h"
#include "paint/reference_palette.h"
#include "paint/session_fixture.h"
#include "paint/skin_note.h"
#include "paint/slot_tables.h"
#include "paint/test_pictures.h"
#include "platform/png_writer.h"

namespace tintara {
namespace {

constexpr char kBadTokenMessage[] = "'x' is not a valid integer value";
constexpr char kConversionCodes[] =
    "239 240 241 242 243 244 245 246 247 248 249 250 251 252 253 254 ";

std::string DefaultCodesAsWritten() { return std::string(kDefaultCodeString) + " "; }

std::vector<std::int32_t> Codes(const PaintModel& model) {
  std::vector<std::int32_t> codes;
  for (const SlotRecord& slot : model.slots) codes.push_back(slot.code);
  return codes;
}

// --- Applying code text -------------------------------------------------------------------------

TEST_F(CommandsTest, DefaultCodesReplaceTheMarkersByTheirReferenceColours) {
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
  const Outcome outcome = Apply(std::string(kDefaultCodeString));
  EXPECT_FALSE(outcome.problem);
  EXPECT_EQ(Shown(17), 0x0F0F0Fu);
  EXPECT_EQ(Shown(32), ReferenceColour(39));
  EXPECT_EQ(codeText(), DefaultCodesAsWritten());
  EXPECT_EQ(document().model.lastCodes, kDefaultCodeString);
}

TEST_F(CommandsTest, TokensGoToTheirSlotsAndLabelsShowThemAsTyped) {
  EXPECT_FALSE(Apply("007 $10  300 5").problem);
  EXPECT_EQ(SlotLabel(document(), 1), "007");
  EXPECT_EQ(SlotLabel(document(), 2), "$10");
  EXPECT_EQ(SlotLabel(document(), 3), "224");  // 300 leaves slot 3 alone
  EXPECT_EQ(SlotLabel(document(), 16), "5");   // a final token without a blank: slot 16
  EXPECT_EQ(Shown(17), ReferenceColour(7));
  EXPECT_EQ(Shown(18), ReferenceColour(16));
  EXPECT_EQ(SlotFill(document(), 16), ReferenceColour(5));
  EXPECT_TRUE(codeText().starts_with("7 16 224 127 ")) << codeText();
  EXPECT_EQ(document().model.lastCodes, codeText());
}

TEST_F(CommandsTest, ABadTokenStopsWithTheSlotsBeforeItChangedAndNothingRecoloured) {
  EXPECT_EQ(Message(Apply("5 x 7")), kBadTokenMessage);
  EXPECT_EQ(SlotLabel(document(), 1), "5");
  EXPECT_EQ(document().model.slots[0].code, 5);
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
  EXPECT_EQ(codeText(), "5 x 7");
  EXPECT_EQ(document().model.lastCodes, kDefaultCodeString);
}

TEST_F(CommandsTest, NegativeCodesLeaveTheirSlotUnchanged) {
  EXPECT_FALSE(Apply("-5 6 ").problem);
  EXPECT_EQ(document().model.slots[0].code, 9);
  EXPECT_EQ(document().model.slots[1].code, 6);
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
}

TEST_F(CommandsTest, EmptyCodeTextForgetsTheLastCodesAndRestoreThenDoesNothing) {
  Apply("");
  EXPECT_EQ(document().model.lastCodes, "");
  session().RestoreLastCodes();
  EXPECT_EQ(codeText(), "");
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
}

TEST_F(CommandsTest, RestoreReappliesTheLastCodes) {
  Apply("1 2 3 ");
  session().EditCodeText("typed but not applied");
  EXPECT_FALSE(session().RestoreLastCodes().problem);
  EXPECT_TRUE(codeText().starts_with("1 2 3 127 ")) << codeText();
  EXPECT_EQ(Shown(19), ReferenceColour(3));
}

TEST_F(CommandsTest, RestoreRightAfterStartUpAppliesTheDefaultCodes) {
  session().RestoreLastCodes();
  EXPECT_EQ(codeText(), DefaultCodesAsWritten());
  EXPECT_EQ(Shown(17), 0x0F0F0Fu);
}

TEST_F(CommandsTest, EveryEditStartsAgainFromTheWorkBitmap) {
  const Bitmap before = *document().model.work;
  for (int code = 1; code <= 20; ++code) Apply(std::to_string(code) + " ");
  EXPECT_EQ(document().model.work->indices, before.indices);
  EXPECT_EQ(document().model.work->colourTable, before.colourTable);
  EXPECT_EQ(Shown(17), ReferenceColour(20));
}

// --- Loading a picture --------------------------------------------------------------------------

// Only the pixels of the slot's own colour-table entry change, to a colour unlike theirs.
TEST_F(CommandsTest, MarkingASlotChangesOnlyThePixelsOfItsEntry) {
  const Picture shown = session().picture();
  const std::shared_ptr<const Picture> marked = session().PictureMarkingSlot(3);
  ASSERT_TRUE(marked);
  for (std::size_t i = 0; i < shown.pixels.size(); ++i) {
    if (i == 16 + 3) {
      EXPECT_NE(marked->pixels[i], shown.pixels[i]);
    } else {
      ASSERT_EQ(marked->pixels[i], shown.pixels[i]) << i;
    }
  }
  Write("MALE1.BMP", IndexedBitmap(16, 16, TableWithSet1Markers(SlotRange(1, 15))));
  session().SelectBody(1);
  EXPECT_FALSE(session().PictureMarkingSlot(16));  // not in this picture
}

// Every way a bitmap comes in after start-up: a file that cannot be read changes nothing, not
// even a radio caption or the head file, and the outcome names the file and the reason.
TEST_F(CommandsTest, AnUnreadableBitmapChangesNothingAndSaysWhy) {
  std::ofstream(path("TEXT.BMP")) << "not a picture\n";
  const struct {
    const char* name;
    std::function<Outcome(Session&)> load;
    const char* message;
  } cases[] = {
      {"load another", [this](Session& s) { return s.LoadOtherBitmap(path("NOSUCH.BMP")); },
       "Cannot open NOSUCH.BMP: the file does not exist"},
      {"select a body", [](Session& s) { return s.SelectBody(1); },
       "Cannot open MALE1.BMP: the file does not exist"},
      {"pick a head",
       [](Session& s) {
         return s.PickBitmap(commands::PickedBitmap::Head, "TEXT.BMP", "Text Head");
       },
       "Cannot open TEXT.BMP: not a BMP file"},
      {"pick another bitmap",
       [this](Session& s) {
         return s.PickBitmap(commands::PickedBitmap::Grid, path("nowhere/GHOST.bmp"), "Ghost");
       },
       "Cannot open GHOST.bmp: the file does not exist"},
      {"reload a file that went",
       [this](Session& s) {
         std::filesystem::remove(path("FEMALE1.BMP"));
         return s.Reload();
       },
       "Cannot open FEMALE1.BMP: the file does not exist"},
  };
  Apply("1 2 3 ");
  session().EditCodeText("typed");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Snapshot before = Take(session());
    const Outcome outcome = c.load(session());
    EXPECT_EQ(Message(outcome), c.message);
    EXPECT_FALSE(outcome.fit);
    EXPECT_TRUE(Take(session()) == before);
  }
}

TEST_F(CommandsTest, AStartUpWithoutItsBodySaysNothingAndKeepsTheDesignPicture) {
  ASSERT_TRUE(std::filesystem::remove(path("FEMALE1.BMP")));
  Start();
  EXPECT_FALSE(session().LoadStartUpBody().problem);
  EXPECT_EQ(Size(), (std::array<int, 2>{7, 5}));
  EXPECT_EQ(SizeText(document()), "");
  EXPECT_EQ(SlotLabel(document(), 1), "000");
  Apply("1 2 3 ");  // nothing loaded to recolour
  EXPECT_EQ(Size(), (std::array<int, 2>{7, 5}));
  EXPECT_EQ(SizeText(document()), "");
  EXPECT_FALSE(HasSkin(document()));
}

// Such a picture has no colour table, so nothing in it can be painted.
TEST_F(CommandsTest, ATrueColourPictureIsShownWholeAndHidesEverySlot) {
  Bitmap deep;
  deep.width = 300;
  deep.height = 20;
  deep.bitsPerPixel = 24;
  deep.pixels.assign(300 * 20, 0xFF336699u);
  Write("DEEP.BMP", deep);
  const SlotRecords slots = document().model.slots;
  const Outcome outcome = session().LoadOtherBitmap(path("DEEP.BMP"));
  EXPECT_TRUE(outcome.fit);
  EXPECT_EQ(SizeText(document()), "Bitmap is 300W x 20H");
  ASSERT_EQ(Size(), (std::array<int, 2>{300, 20}));
  EXPECT_EQ(session().picture().pixels[5 * 300 + 5], 0xFF336699u);
  for (int s = 1; s <= kSlotCount; ++s) EXPECT_FALSE(SlotShown(document(), s)) << s;
  for (int g = 1; g <= kGroupCount; ++g) EXPECT_FALSE(GroupCaptionShown(document(), g)) << g;
  EXPECT_EQ(ShownMarkerSet(document()), 0);
  for (int s = 0; s < kSlotCount; ++s) EXPECT_EQ(document().model.slots[s].code, slots[s].code);
}

// A PNG skin saved painted opens as the bitmap it was painted from, painted again with its codes
// in the load's one step, whatever the last codes are; its codes become the last codes.
TEST_F(CommandsTest, APngSkinOpensPaintedWithItsCodesInOneStep) {
  Apply("17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 ");
  const Document painted = document();
  const Picture shown = session().picture();
  // Saved as "Save Skin As" saves it.
  const Bitmap& work = *painted.model.work;
  const Bitmap skin = PaintedSkin(work, shown, *PaintedTable(document()), 1);
  const std::string note = SkinNoteText(
      {work.colourTable, PaintedCodeString(painted), PaletteChecksum(skin.colourTable)});
  const std::vector<std::uint8_t> png =
      *EncodePng(skin, PngText{std::string(kSkinNoteKeyword), note});
  std::ofstream(path("skin.png"), std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  Apply("1 2 3 ");
  const Snapshot before = Take(session());

  EXPECT_EQ(Message(session().LoadOtherBitmap(path("skin.png"))), std::nullopt);
  EXPECT_EQ(session().picture(), shown);
  EXPECT_EQ(document().model.slots, painted.model.slots);
  EXPECT_EQ(codeText(), painted.codeText);
  EXPECT_EQ(document().model.lastCodes, PaintedCodeString(painted));
  ASSERT_NE(session().undoName(), nullptr);
  EXPECT_EQ(*session().undoName(), "Load Other Bitmap");
  session().Undo();
  EXPECT_EQ(Take(session()), before);
}

TEST_F(CommandsTest, MissingGroupsHideTheirCaptionsAndAMissingSlot16DisablesGroup4) {
  Write("FEMALE1.BMP", IndexedBitmap(8, 8, TableWithSet1Markers({1, 2, 11})));
  Start();
  EXPECT_TRUE(GroupCaptionShown(document(), 1));
  EXPECT_FALSE(GroupCaptionShown(document(), 2));
  EXPECT_TRUE(GroupCaptionShown(document(), 3));
  EXPECT_FALSE(GroupCaptionShown(document(), 4));
  EXPECT_FALSE(GroupChecked(4));
  EXPECT_TRUE(SlotShown(document(), 1));
  EXPECT_FALSE(SlotShown(document(), 3));
  EXPECT_EQ(SlotLabel(document(), 3), "224");
}

TEST_F(CommandsTest, TheMarkerSetShowsEvenWithoutAnySlot) {
  Write("FEMALE1.BMP", IndexedBitmap(8, 8, TableWithSet1Markers({})));
  Session fresh(directory(), kSessionSeed, DesignPicture());
  ASSERT_EQ(ShownMarkerSet(fresh.document()), 0);
  fresh.LoadStartUpBody();
  EXPECT_EQ(ShownMarkerSet(fresh.document()), 1);
  for (int s = 1; s <= kSlotCount; ++s) {
    EXPECT_FALSE(SlotShown(fresh.document(), s)) << "slot " << s;
  }
}

TEST_F(CommandsTest, TheReferencePaletteAsColourTableLoadsAsMarkerSet2) {
  std::vector<ColourTableEntry> table;
  for (int c = 0; c < 256; ++c) table.push_back(TableEntry(ReferenceColour(c)));
  Write("FEMALE1.BMP", IndexedBitmap(16, 16, table));
  Start();
  EXPECT_TRUE(document().model.markerSet2);
  EXPECT_EQ(ShownMarkerSet(document()), 2);
  for (int s = 1; s <= kSlotCount; ++s) {
    SCOPED_TRACE(s);
    EXPECT_EQ(document().model.slots[s - 1].code, 238 + s);
    EXPECT_EQ(SlotLabel(document(), s), std::to_string(238 + s));
  }
}

// --- Random codes and skin presets --------------------------------------------------------------

TEST_F(CommandsTest, RandomCodesWithNoGroupEnabledChangeNoCodeButStillRecolour) {
  // A code string that stops at a bad token sets slot 1 without recolouring the picture.
  ASSERT_TRUE(Apply("5 x").problem);
  ASSERT_EQ(Shown(17), kSlots[0].set1Marker);
  OnlyGroups({});
  const std::vector<std::int32_t> before = Codes(document().model);
  session().RollRandomCodes();
  EXPECT_EQ(Codes(document().model), before);
  EXPECT_EQ(Shown(17), ReferenceColour(5));
  EXPECT_TRUE(codeText().starts_with("5 223 224 127 ")) << codeText();
}

TEST_F(CommandsTest, EachEnabledSlotTakesTheNextRandomDrawInSlotOrder) {
  const struct {
    const char* name;
    std::initializer_list<int> groups;
  } cases[] = {
      {"group 4 only", {4}},
      {"groups 1 and 3", {1, 3}},
      {"all groups", {1, 2, 3, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Start(kSessionSeed);
    OnlyGroups(c.groups);
    std::vector<std::int32_t> expected = Codes(document().model);
    std::vector<Colour> colours;
    RandomGenerator twin(kSessionSeed);
    for (int s = 1; s <= kSlotCount; ++s) {
      const bool enabled = GroupChecked(kSlots[s - 1].group);
      if (enabled) expected[s - 1] = DrawCode(twin);
      colours.push_back(enabled ? ReferenceColour(expected[s - 1])
                                : document().model.slots[s - 1].colour);
    }
    session().RollRandomCodes();
    EXPECT_EQ(Codes(document().model), expected);
    for (int s = 1; s <= kSlotCount; ++s) {
      EXPECT_EQ(SlotLabel(document(), s), std::to_string(expected[s - 1])) << "slot " << s;
      EXPECT_EQ(Shown(16 + s), colours[s - 1]) << "slot " << s;
    }
  }
}

TEST_F(CommandsTest, ASlotThePictureLacksStillDrawsItsRandomCode) {
  Write("MALE1.BMP", IndexedBitmap(16, 16, TableWithSet1Markers(SlotRange(1, 15))));
  session().SelectBody(1);
  ASSERT_FALSE(GroupChecked(4));
  OnlyGroups({4});
  RandomGenerator twin(kSessionSeed);
  const std::int32_t drawn = DrawCode(twin);
  session().RollRandomCodes();
  EXPECT_EQ(document().model.slots[15].code, drawn);
  EXPECT_TRUE(codeText().ends_with(" " + std::to_string(drawn) + " ")) << codeText();
}

TEST_F(CommandsTest, LockedSlotsKeepTheirCodesAndTheOthersTakeTheDrawsTheyWouldUnlocked) {
  session().ToggleSlotLock(3);
  session().ToggleSlotLock(16);
  std::vector<std::int32_t> expected = Codes(document().model);
  RandomGenerator twin(kSessionSeed);
  for (int s = 1; s <= kSlotCount; ++s) {
    const std::int32_t drawn = DrawCode(twin);
    if (s != 3 && s != 16) expected[s - 1] = drawn;
  }
  session().RollRandomCodes();
  EXPECT_EQ(Codes(document().model), expected);
}

TEST_F(CommandsTest, LocksStayAcrossLoadsUntilUnlocked) {
  Write("MALE1.BMP", IndexedBitmap(12, 7, TableWithSet1Markers(SlotRange(1, 16))));
  session().ToggleSlotLock(7);
  session().SelectBody(1);
  session().Reload();
  ASSERT_TRUE(SlotLocked(document(), 7));
  const std::int32_t loaded = document().model.slots[6].code;
  session().RollRandomCodes();
  EXPECT_EQ(document().model.slots[6].code, loaded);
  session().ToggleSlotLock(7);
  EXPECT_FALSE(SlotLocked(document(), 7));
}

TEST_F(CommandsTest, RandomCodesMoveTheFocusToEnlargeAndKeepTheLastCodes) {
  Apply("1 2 3 ");
  const std::string last = document().model.lastCodes;
  EXPECT_EQ(session().RollRandomCodes().focus, Focus::Enlarge);
  EXPECT_EQ(document().model.lastCodes, last);
}

TEST_F(CommandsTest, ManyRandomDrawsGiveEveryCodeFrom1To239AndNoOther) {
  Start(20240307);
  std::set<std::int32_t> seen;
  for (int roll = 0; roll < 400; ++roll) {
    session().RollRandomCodes();
    for (std::int32_t code : Codes(document().model)) seen.insert(code);
  }
  ASSERT_EQ(seen.size(), 239u);
  EXPECT_EQ(*seen.begin(), 1);
  EXPECT_EQ(*seen.rbegin(), 239);
}

TEST_F(CommandsTest, SkinPresetsAlternateAcrossReloadsAndLeaveTheFocus) {
  const std::array<int, 5> presetA = {78, 76, 74, 72, 70};
  const std::array<int, 5> presetB = {51, 53, 55, 57, 59};
  const auto expectSkin = [this](const std::array<int, 5>& codes) {
    for (int k = 0; k < 5; ++k) {
      const int s = 6 + k;
      SCOPED_TRACE(s);
      EXPECT_EQ(document().model.slots[s - 1].code, codes[k]);
      EXPECT_EQ(SlotLabel(document(), s), std::to_string(codes[k]));
      EXPECT_EQ(SlotFill(document(), s), ReferenceColour(codes[k]));
      EXPECT_EQ(Shown(16 + s), ReferenceColour(codes[k]));
    }
  };
  const std::vector<std::int32_t> before = Codes(document().model);
  session().CheckGroup(2, false);  // plays no part in the presets
  {
    SCOPED_TRACE("first preset");
    const Outcome outcome = session().ApplyNextSkinPreset();
    EXPECT_EQ(outcome.focus, Focus::Stays);
    EXPECT_FALSE(outcome.problem);
    expectSkin(presetA);
    for (int s : {1, 5, 11, 16}) EXPECT_EQ(document().model.slots[s - 1].code, before[s - 1]);
  }
  {
    SCOPED_TRACE("after a reload");
    session().Reload();
    session().ApplyNextSkinPreset();
    expectSkin(presetB);
  }
  {
    SCOPED_TRACE("third preset");
    session().ApplyNextSkinPreset();
    expectSkin(presetA);
  }
}

TEST_F(CommandsTest, RestoreAfterASkinPresetBringsBackTheCodesShownBefore) {
  Apply("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16");
  const std::string shown = codeText();
  session().ApplyNextSkinPreset();
  ASSERT_EQ(document().model.slots[5].code, 78);
  session().RestoreLastCodes();
  EXPECT_EQ(codeText(), shown);
  EXPECT_EQ(document().model.slots[5].code, 6);
  EXPECT_EQ(Shown(22), ReferenceColour(6));

  // Random codes are not remembered, the preset is: restoring brings back the drawn ones.
  session().RollRandomCodes();
  const std::string drawn = codeText();
  session().ApplyNextSkinPreset();
  session().RestoreLastCodes();
  EXPECT_EQ(codeText(), drawn);

  // Text holding the default code string is not remembered: the older codes come back.
  session().EditCodeText(std::string(kDefaultCodeString));
  session().ApplyNextSkinPreset();
  EXPECT_FALSE(session().RestoreLastCodes().problem);
  EXPECT_EQ(codeText(), drawn);
}

// --- Drops on the slots -------------------------------------------------------------------------

TEST_F(CommandsTest, ABoardSwatchDroppedOnASlotGivesItItsCodeAndColour) {
  session().DropSwatch(1, 17);
  const SlotRecord& slot = document().model.slots[0];
  EXPECT_EQ(slot.code, 17);
  EXPECT_EQ(slot.colour, ReferenceColour(17));
  EXPECT_EQ(SlotLabel(document(), 1), "17");
  EXPECT_EQ(SlotFill(document(), 1), ReferenceColour(17));
  EXPECT_TRUE(codeText().starts_with("17 ")) << codeText();
  EXPECT_EQ(Shown(17), ReferenceColour(17));
}

TEST_F(CommandsTest, ASlotDroppedOnAnotherCopiesItsCodeAndShownColour) {
  session().DropSlot(1, 6);
  EXPECT_EQ(document().model.slots[0].code, 129);
  EXPECT_EQ(document().model.slots[0].colour, kSlots[5].set1Marker);
  EXPECT_EQ(SlotLabel(document(), 1), "129");
  EXPECT_TRUE(codeText().starts_with("129 223 ")) << codeText();
}

TEST_F(CommandsTest, ASlotDroppedOnItselfChangesNothingButRecolours) {
  const SlotRecords before = document().model.slots;
  session().EditCodeText("typed");
  session().DropSlot(2, 2);
  EXPECT_EQ(document().model.slots, before);
  EXPECT_EQ(SlotLabel(document(), 2), "223");
  EXPECT_TRUE(codeText().starts_with("9 223 224 ")) << codeText();
}

TEST_F(CommandsTest, ASlotDragReleasedAnywhereRecoloursAndRewritesTheCodeText) {
  // A code string that stops at a bad token sets slot 1 without recolouring the picture.
  ASSERT_TRUE(Apply("5 x").problem);
  ASSERT_EQ(Shown(17), kSlots[0].set1Marker);
  session().EditCodeText("typed but not applied");
  session().EndSlotDrag(2);
  EXPECT_TRUE(codeText().starts_with("5 223 224 ")) << codeText();
  EXPECT_EQ(Shown(17), ReferenceColour(5));
  EXPECT_EQ(Shown(18), kSlots[1].set1Marker);  // slot 2 still has its marker colour
}

TEST_F(CommandsTest, DropsRememberTheCodesThatWereShownBeforeThem) {
  session().DropSwatch(1, 17);  // the default string: not remembered
  EXPECT_EQ(document().model.lastCodes, kDefaultCodeString);
  const std::string painted = codeText();
  session().DropSwatch(2, 18);  // now the changed string is remembered
  EXPECT_EQ(document().model.lastCodes, painted);
  session().EditCodeText("");
  session().DropSwatch(3, 19);
  EXPECT_EQ(document().model.lastCodes, "");
}

// --- Reload and body selection ------------------------------------------------------------------

TEST_F(CommandsTest, ReloadWithTheOptionOffLeavesThePictureUnpaintedUnderTheDefaultString) {
  session().SetApplyColoursOnLoad(false);
  Apply("1 2 3 ");
  session().EditCodeText("4 5 6 ");
  EXPECT_FALSE(session().Reload().problem);
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
  EXPECT_EQ(document().model.slots[0].code, 9);
  EXPECT_EQ(SlotLabel(document(), 1), "9");
  EXPECT_EQ(codeText(), kDefaultCodeString);
  EXPECT_EQ(document().model.lastCodes, "4 5 6 ");
}

TEST_F(CommandsTest, ReloadWithTheOptionOnReappliesTheRememberedTextToTheFreshFile) {
  session().EditCodeText("4 5 6 ");
  Write("FEMALE1.BMP", IndexedBitmap(16, 7, TableWithSet1Markers(SlotRange(1, 16))));
  EXPECT_FALSE(session().Reload().problem);
  EXPECT_EQ(Size(), (std::array<int, 2>{16, 7}));
  EXPECT_EQ(SizeText(document()), "Bitmap is 16W x 7H");
  EXPECT_EQ(Shown(17), ReferenceColour(4));
  EXPECT_EQ(Shown(19), ReferenceColour(6));
  EXPECT_EQ(Shown(20), kSlots[3].set1Marker);  // a slot the text does not name stays unpainted
  EXPECT_TRUE(codeText().starts_with("4 5 6 127 128 ")) << codeText();
}

TEST_F(CommandsTest, ReloadWithAnEmptyCodeTextForgetsTheLastCodesAndReappliesNothing) {
  Apply("1 2 3 ");
  session().EditCodeText("");
  session().Reload();
  EXPECT_EQ(document().model.lastCodes, "");
  EXPECT_EQ(codeText(), kDefaultCodeString);
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
}

TEST_F(CommandsTest, ReloadDoesNotRememberTextHoldingTheDefaultString) {
  Apply("1 2 3 ");
  const std::string last = document().model.lastCodes;
  session().EditCodeText("x " + std::string(kDefaultCodeString) + " y");
  session().Reload();
  EXPECT_EQ(document().model.lastCodes, last);
  EXPECT_EQ(Shown(17), ReferenceColour(1));
}

TEST_F(CommandsTest, ReloadStopsAtABadTokenInTheLastCodesWithThePictureUnpainted) {
  session().EditCodeText("5 x 7");
  EXPECT_EQ(Message(session().Reload()), kBadTokenMessage);
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
  EXPECT_EQ(codeText(), "5 x 7");
  EXPECT_EQ(document().model.lastCodes, "5 x 7");
}

TEST_F(CommandsTest, ReloadEnablesAllFourGroupsExceptGroup4WithoutSlot16) {
  OnlyGroups({});
  session().Reload();
  for (int g = 1; g <= kGroupCount; ++g) EXPECT_TRUE(GroupChecked(g)) << g;

  Write("MALE1.BMP", IndexedBitmap(16, 5, TableWithSet1Markers(SlotRange(1, 15))));
  OnlyGroups({});
  session().SelectBody(1);
  for (int g = 1; g <= 3; ++g) EXPECT_TRUE(GroupChecked(g)) << g;
  EXPECT_FALSE(GroupChecked(4));
}

TEST_F(CommandsTest, ReloadTwiceEndsLikeOnce) {
  for (bool option : {true, false}) {
    SCOPED_TRACE(option ? "option on" : "option off");
    session().SetApplyColoursOnLoad(option);
    // All 16 codes: a shorter text would leave slots unpainted in the first run only, as the
    // second run re-applies the full code string the first one wrote.
    session().EditCodeText("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16");
    session().Reload();
    const auto once = session().picture().pixels;
    const SlotRecords slots = document().model.slots;
    const std::string text = codeText();
    session().Reload();
    EXPECT_EQ(session().picture().pixels, once);
    EXPECT_EQ(document().model.slots, slots);
    EXPECT_EQ(codeText(), text);
  }
}

TEST_F(CommandsTest, SelectingTheSelectedBodyDoesNothingAndAnotherOneReloads) {
  Write("MALE1.BMP", IndexedBitmap(16, 5, TableWithSet1Markers(SlotRange(1, 15))));
  Write("MALE2.BMP", IndexedBitmap(16, 6, TableWithSet1Markers(SlotRange(1, 15))));
  session().SelectBody(1);
  ASSERT_EQ(Size(), (std::array<int, 2>{16, 5}));
  session().CheckGroup(1, false);
  session().EditCodeText("typed");
  const Outcome same = session().SelectBody(1);
  EXPECT_FALSE(same.fit);
  EXPECT_FALSE(GroupChecked(1));
  EXPECT_EQ(codeText(), "typed");

  session().SelectBody(5);
  EXPECT_EQ(document().body, 5);
  EXPECT_EQ(Size(), (std::array<int, 2>{16, 6}));
  EXPECT_TRUE(GroupChecked(1));
  session().SelectBody(1);
  EXPECT_EQ(Size(), (std::array<int, 2>{16, 5}));
}

TEST_F(CommandsTest, EveryBodyLoadsItsOwnFile) {
  const struct {
    int body;
    const char* file;
  } cases[] = {{1, "MALE1.BMP"}, {2, "FEMALE1.BMP"}, {3, "PELLHEAD.BMP"}, {4, "DESIGNGRID.BMP"},
               {5, "MALE2.BMP"}, {6, "FEMALE2.BMP"}, {7, "MALE3.BMP"},    {8, "FEMALE3.BMP"}};
  for (const auto& c : cases) {
    Write(c.file, IndexedBitmap(10 + c.body, 2, TableWithSet1Markers({1})));
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    session().SelectBody(c.body);
    EXPECT_EQ(document().body, c.body);
    EXPECT_EQ(session().picture().width, 10 + c.body);
  }
}

// --- Picked bitmaps (catalogue entries and "Load Other Bitmap") ---------------------------------

TEST_F(CommandsTest, APickedFullPathLoadsAndReloadFindsItThereAgain) {
  // A file of the same name in the program directory must not be the one loaded.
  Write("HAT.bmp", IndexedBitmap(8, 8, TableWithSet1Markers({1})));
  Write("Art/HAT.bmp", IndexedBitmap(30, 7, TableWithSet1Markers({1, 2})));
  EXPECT_FALSE(
      session().PickBitmap(commands::PickedBitmap::Grid, path("Art/HAT.bmp"), "Hat").problem);
  EXPECT_EQ(BodyCaption(document(), 4), "Hat");
  EXPECT_EQ(document().body, 4);
  EXPECT_EQ(document().gridFile, path("Art/HAT.bmp"));
  EXPECT_EQ(Size(), (std::array<int, 2>{30, 7}));
  EXPECT_EQ(SizeText(document()), "Bitmap is 30W x 7H");

  session().SelectBody(2);
  ASSERT_EQ(Size(), (std::array<int, 2>{16, 16}));
  session().SelectBody(4);
  EXPECT_EQ(Size(), (std::array<int, 2>{30, 7}));
  Write("Art/HAT.bmp", IndexedBitmap(31, 7, TableWithSet1Markers({1, 2})));
  EXPECT_FALSE(session().Reload().problem);
  EXPECT_EQ(Size(), (std::array<int, 2>{31, 7}));
}

TEST_F(CommandsTest, APickReloadsTwiceWhenItSelectsItsBodyAndOnceOtherwise) {
  // "5 6 7" paints slots 1, 2 and 16 only; a second Reload re-applies the full code string the
  // first one wrote, which also paints slot 3 with the reference colour of its code 224.
  Write("HARROW.BMP", IndexedBitmap(9, 9, TableWithSet1Markers(SlotRange(1, 16))));
  session().SetApplyColoursOnLoad(true);
  {
    SCOPED_TRACE("selecting the head body");
    session().EditCodeText("5 6 7");
    EXPECT_FALSE(
        session().PickBitmap(commands::PickedBitmap::Head, "HARROW.BMP", "Harrow Head").problem);
    EXPECT_EQ(Size(), (std::array<int, 2>{9, 9}));
    EXPECT_EQ(Shown(17), ReferenceColour(5));
    EXPECT_EQ(Shown(19), ReferenceColour(224));
  }
  {
    SCOPED_TRACE("head body already selected");
    session().EditCodeText("5 6 7");
    EXPECT_FALSE(
        session().PickBitmap(commands::PickedBitmap::Head, "HARROW.BMP", "Harrow Head").problem);
    EXPECT_EQ(Shown(17), ReferenceColour(5));
    EXPECT_EQ(Shown(19), kSlots[2].set1Marker);
  }
}

TEST_F(CommandsTest, AnErrorInTheFirstReloadOfAPickEndsIt) {
  Write("HARROW.BMP", IndexedBitmap(9, 9, TableWithSet1Markers(SlotRange(1, 16))));
  session().EditCodeText("5 x 7");
  EXPECT_EQ(
      Message(session().PickBitmap(commands::PickedBitmap::Head, "HARROW.BMP", "Harrow Head")),
      kBadTokenMessage);
  EXPECT_EQ(codeText(), "5 x 7");
  EXPECT_EQ(document().body, 3);
  EXPECT_EQ(Size(), (std::array<int, 2>{9, 9}));
  EXPECT_EQ(document().model.slots[0].code, 5);
  EXPECT_EQ(Shown(17), kSlots[0].set1Marker);
}

// --- Conversion to marker set 2 -----------------------------------------------------------------

TEST_F(CommandsTest, ConversionPaintsTheSet2MarkersKeepsTheCodeTextAndRemembersItsCodes) {
  session().EditCodeText("typed, not applied");
  EXPECT_FALSE(session().ConvertToMarkerSet2().problem);
  EXPECT_EQ(codeText(), "typed, not applied");
  for (int s = 1; s <= kSlotCount; ++s) {
    SCOPED_TRACE(s);
    EXPECT_EQ(document().model.slots[s - 1].code, 238 + s);
    EXPECT_EQ(SlotLabel(document(), s), std::to_string(238 + s));
    EXPECT_EQ(Shown(16 + s), kSlots[s - 1].set2Marker);
  }

  // The conversion codes became the last codes: restoring applies them.
  Apply("1 2 3 ");
  ASSERT_EQ(Shown(17), ReferenceColour(1));
  session().ConvertToMarkerSet2();
  session().RestoreLastCodes();
  EXPECT_EQ(codeText(), kConversionCodes);
}

}  // namespace
}  // namespace tintara
