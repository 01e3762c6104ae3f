#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <vector>

#include "paint/desk_fixture.h"
#include "paint/reference_palette.h"
#include "paint/undo_history.h"

namespace tintara {
namespace {

using CommandRunnerTest = CommandsTest;

struct Operation {
  const char* step;  // the name undo and redo give it
  std::function<Outcome(Desk&)> run;
  const char* typed = nullptr;  // typed into the edit box first, as a user may
};

// Undo brings back the document from just before each step, and redo the one after it; text
// typed for a step is its input, not a draft to keep.
TEST_F(CommandRunnerTest, MixedOperationsUndoToTheStartAndRedoToTheEndThroughTheSameStates) {
  Write("MALE1.BMP", IndexedBitmap(12, 7, TableWithSet1Markers(SlotRange(1, 15))));
  Write("HARROW.BMP", IndexedBitmap(9, 9, TableWithSet1Markers(SlotRange(1, 16))));
  Write("Art/HAT.bmp", IndexedBitmap(5, 3, TableWithSet1Markers({1, 2})));
  const std::string hat = path("Art/HAT.bmp");
  const std::vector<Operation> operations = {
      {"Apply Color Codes", [](Desk& s) { return s.ApplyCodeText(); }, "1 2 3 "},
      {"Drop on Slot 4", [](Desk& s) { return s.DropSwatch(4, 17); }},
      {"Drop on Slot 5", [](Desk& s) { return s.DropSlot(5, 1); }},
      {"Gee!", [](Desk& s) { return s.RollRandomCodes(); }},
      {"Lock Slot 3", [](Desk& s) { return s.ToggleSlotLock(3); }},
      {"Skin Colors", [](Desk& s) { return s.ApplyNextSkinPreset(); }},
      {"Male - Athletic", [](Desk& s) { return s.SelectBody(1); }},
      {"Harrow Head",
       [](Desk& s) {
         return s.PickBitmap(commands::PickedBitmap::Head, "HARROW.BMP", "Harrow Head");
       }},
      {"Load Other Bitmap", [hat](Desk& s) { return s.LoadOtherBitmap(hat); }},
      {"Reload",
       [](Desk& s) {
         s.SetApplyColoursOnLoad(false);  // left unpainted, for the drag's recolouring
         return s.Reload();
       }},
      {"Unlock Slot 3", [](Desk& s) { return s.ToggleSlotLock(3); }},
      {"Drag from Slot 2", [](Desk& s) { return s.EndSlotDrag(2); }, "typed"},
      {"Load Codes from Page", [](Desk& s) { return s.ApplyCodesFromPage("7 8 9 "); }},
      {"Drop on Slot 1", [](Desk& s) { return s.DropSwatch(1, 30); }},
      {"Restore Last Codes", [](Desk& s) { return s.RestoreLastCodes(); }},
      {"Convert and Save", [](Desk& s) { return s.ConvertToMarkerSet2(); }},
  };
  std::vector<Snapshot> before;
  std::vector<Snapshot> after;
  std::vector<Document> documents{desk().document()};
  for (const Operation& operation : operations) {
    SCOPED_TRACE(operation.step);
    before.push_back(Take(desk()));
    if (operation.typed != nullptr) desk().SetCodeText(operation.typed);
    ASSERT_FALSE(operation.run(desk()).message);
    ASSERT_NE(desk().undoName(), nullptr);
    EXPECT_EQ(*desk().undoName(), operation.step);
    after.push_back(Take(desk()));
    documents.push_back(desk().document());
  }
  for (std::size_t i = operations.size(); i-- > 0;) {
    SCOPED_TRACE(operations[i].step);
    desk().Undo();
    EXPECT_TRUE(desk().document() == documents[i]);
    EXPECT_TRUE(Take(desk()) == before[i]);
    ASSERT_NE(desk().redoName(), nullptr);
    EXPECT_EQ(*desk().redoName(), operations[i].step);
  }
  EXPECT_EQ(desk().undoName(), nullptr);
  for (std::size_t i = 0; i < operations.size(); ++i) {
    SCOPED_TRACE(operations[i].step);
    desk().Redo();
    EXPECT_TRUE(desk().document() == documents[i + 1]);
    EXPECT_TRUE(Take(desk()) == after[i]);
  }
  EXPECT_EQ(desk().redoName(), nullptr);
}

TEST_F(CommandRunnerTest, AnUndoThatChangesThePictureSizeAsksForAFit) {
  Write("MALE1.BMP", IndexedBitmap(12, 7, TableWithSet1Markers({1})));
  desk().SelectBody(1);
  EXPECT_TRUE(desk().Undo().fitView);
  EXPECT_EQ(Size(), (std::array<int, 2>{16, 16}));
  EXPECT_TRUE(desk().Redo().fitView);
  EXPECT_EQ(Size(), (std::array<int, 2>{12, 7}));
  EXPECT_FALSE(desk().Redo().fitView);  // nothing left to redo
}

TEST_F(CommandRunnerTest, ANewOperationAfterAnUndoDropsTheRedoSteps) {
  desk().DropSwatch(1, 17);
  desk().DropSwatch(2, 18);
  desk().Undo();
  ASSERT_NE(desk().redoName(), nullptr);
  desk().DropSwatch(3, 19);
  EXPECT_EQ(desk().redoName(), nullptr);
  EXPECT_EQ(*desk().undoName(), "Drop on Slot 3");
  desk().Undo();
  EXPECT_EQ(desk().slotLabel(2), "223");
  EXPECT_EQ(desk().slotLabel(1), "17");
}

// A command that stops at a bad token keeps what it did before the token, and that is its step.
TEST_F(CommandRunnerTest, ACommandStoppedAtABadTokenIsOneStepOfItsOwn) {
  desk().DropSwatch(3, 17);
  const Snapshot dropped = Take(desk());
  desk().SetCodeText("5 x 7");
  ASSERT_TRUE(desk().ApplyCodeText().message);
  EXPECT_EQ(desk().slotLabel(1), "5");
  EXPECT_EQ(*desk().undoName(), "Apply Color Codes");
  desk().Undo();
  EXPECT_TRUE(Take(desk()) == dropped);
  EXPECT_EQ(*desk().undoName(), "Drop on Slot 3");
  desk().Redo();
  EXPECT_EQ(desk().slotLabel(1), "5");
  EXPECT_EQ(desk().codeText(), "5 x 7");
}

// Failing any other way, or changing nothing, takes no step and keeps the redo steps.
TEST_F(CommandRunnerTest, ACommandThatFailsOrChangesNothingTakesNoStep) {
  desk().DropSwatch(1, 17);
  desk().DropSwatch(2, 18);
  desk().Undo();
  const std::string* before = desk().undoName();
  const Snapshot shown = Take(desk());
  desk().SelectBody(kStartUpBody);  // already selected
  EXPECT_TRUE(desk().ApplyCodesFromPage("1 x").message);
  EXPECT_TRUE(desk().SelectBody(1).message);  // no such file
  EXPECT_EQ(desk().undoName(), before);
  EXPECT_EQ(*desk().redoName(), "Drop on Slot 2");
  EXPECT_TRUE(Take(desk()) == shown);
  desk().SetCodeText("x 5");
  EXPECT_TRUE(desk().ApplyCodeText().message);  // stopped before any slot changed
  EXPECT_EQ(desk().undoName(), before);
  EXPECT_EQ(*desk().redoName(), "Drop on Slot 2");
}

// A fault half-way, out of memory or a bug, leaves the document as it was.
TEST_F(CommandRunnerTest, ACommandThatThrowsChangesNothingAndSaysWhy) {
  desk().DropSwatch(1, 17);
  desk().Undo();
  const Snapshot shown = Take(desk());
  const Outcome outcome = desk().Run({"Break", [](Document& document) -> CommandResult {
                                        ApplyCodes(document);
                                        throw std::bad_alloc();
                                      }});
  EXPECT_EQ(outcome.message, "Break was not done: there is not enough memory.");
  EXPECT_TRUE(Take(desk()) == shown);
  EXPECT_EQ(desk().undoName(), nullptr);
  EXPECT_EQ(*desk().redoName(), "Drop on Slot 1");
}

// What the user edits in place after a step is the user's: undo and redo keep it, unless the
// step itself changed it.
TEST_F(CommandRunnerTest, EditsInPlaceSurviveUndoAndRedo) {
  desk().DropSwatch(1, 17);
  desk().SetGroupEnabled(2, false);
  desk().SetCodeText("typed");
  desk().Undo();
  desk().Redo();
  EXPECT_FALSE(desk().groupEnabled(2));
  EXPECT_EQ(desk().codeText(), "typed");

  desk().SetCodeText("1 2 3 ");
  desk().ApplyCodeText();
  desk().Undo();  // the applied codes were the step's input, not a draft
  EXPECT_EQ(desk().codeText(), desk().document().codeText);
  EXPECT_NE(desk().codeText(), "1 2 3 ");

  desk().Reload();  // ticks every group again
  EXPECT_TRUE(desk().groupEnabled(2));
  desk().Undo();
  EXPECT_FALSE(desk().groupEnabled(2));
}

TEST_F(CommandRunnerTest, TenThousandStepsKeepAtMostTheLastFiveHundred) {
  for (int i = 0; i < 10000; ++i) desk().DropSwatch(1 + i % 16, 1 + i % 200);
  std::size_t undone = 0;
  while (desk().undoName() != nullptr) {
    desk().Undo();
    ++undone;
  }
  EXPECT_EQ(undone, UndoHistory::kMaxSteps);
}

// A document holding only this bitmap, and a new bitmap of 1000 bytes.
Document stateWith(std::shared_ptr<const Bitmap> work) {
  Document document;
  document.model.work = std::move(work);
  return document;
}

std::shared_ptr<const Bitmap> bitmap() {
  Bitmap b;
  b.indices.assign(1000, 0);
  return std::make_shared<const Bitmap>(std::move(b));
}

// Steps share the bitmaps they have in common; those of many loads count against a limit.
TEST(UndoHistory, BitmapsBeyondTheLimitTakeTheOldestStepsWithThem) {
  UndoHistory history(3500);
  const auto shared = bitmap();
  for (int i = 0; i < 5; ++i) history.Record({"same", stateWith(shared), stateWith(shared)});
  EXPECT_EQ(history.undoCount(), 5u);  // the one bitmap between them is the one shown
  for (int i = 0; i < 5; ++i) history.Record({"new", stateWith(bitmap()), stateWith(bitmap())});
  // Two steps hold three bitmaps besides the one shown, and three fit in 3500 bytes.
  EXPECT_EQ(history.undoCount(), 2u);
}

// Undoing and redoing a step takes its bitmaps out of the count and back, once.
TEST(UndoHistory, UndoAndRedoKeepTheBitmapsCountedOnce) {
  UndoHistory history(2500);
  const auto a = bitmap(), b = bitmap(), c = bitmap();
  history.Record({"load b", stateWith(a), stateWith(b)});
  for (int i = 0; i < 3; ++i) {
    history.Undo();
    history.Redo();
  }
  history.Record({"load c", stateWith(b), stateWith(c)});
  EXPECT_EQ(history.undoCount(), 2u);  // a and b besides c: 2000 bytes
}

}  // namespace
}  // namespace tintara
