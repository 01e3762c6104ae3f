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
      {"Drag from Slot 2", [](Desk& s) { return s.EndSlotDrag(2); }, "typed"},
      {"Load Codes from Page", [](Desk& s) { return s.ApplyCodesFromPage("7 8 9 "); }},
      {"Drop on Slot 1", [](Desk& s) { return s.DropSwatch(1, 30); }},
      {"Restore Last Codes", [](Desk& s) { return s.RestoreLastCodes(); }},
      {"Convert and Save", [](Desk& s) { return s.ConvertToMarkerSet2(); }},
  };
  std::vector<Snapshot> before;
  std::vector<Snapshot> after;
  for (const Operation& operation : operations) {
    SCOPED_TRACE(operation.step);
    before.push_back(Take(session()));
    if (operation.typed != nullptr) session().SetCodeText(operation.typed);
    ASSERT_FALSE(operation.run(session()).message);
    ASSERT_NE(session().undoName(), nullptr);
    EXPECT_EQ(*session().undoName(), operation.step);
    after.push_back(Take(session()));
  }
  for (std::size_t i = operations.size(); i-- > 0;) {
    SCOPED_TRACE(operations[i].step);
    session().Undo();
    EXPECT_TRUE(Take(session()) == before[i]);
    ASSERT_NE(session().redoName(), nullptr);
    EXPECT_EQ(*session().redoName(), operations[i].step);
  }
  EXPECT_EQ(session().undoName(), nullptr);
  for (std::size_t i = 0; i < operations.size(); ++i) {
    SCOPED_TRACE(operations[i].step);
    session().Redo();
    EXPECT_TRUE(Take(session()) == after[i]);
  }
  EXPECT_EQ(session().redoName(), nullptr);
}

TEST_F(CommandRunnerTest, AnUndoThatChangesThePictureSizeAsksForAFit) {
  Write("MALE1.BMP", IndexedBitmap(12, 7, TableWithSet1Markers({1})));
  session().SelectBody(1);
  EXPECT_TRUE(session().Undo().fitView);
  EXPECT_EQ(Size(), (std::array<int, 2>{16, 16}));
  EXPECT_TRUE(session().Redo().fitView);
  EXPECT_EQ(Size(), (std::array<int, 2>{12, 7}));
  EXPECT_FALSE(session().Redo().fitView);  // nothing left to redo
}

TEST_F(CommandRunnerTest, ANewOperationAfterAnUndoDropsTheRedoSteps) {
  session().DropSwatch(1, 17);
  session().DropSwatch(2, 18);
  session().Undo();
  ASSERT_NE(session().redoName(), nullptr);
  session().DropSwatch(3, 19);
  EXPECT_EQ(session().redoName(), nullptr);
  EXPECT_EQ(*session().undoName(), "Drop on Slot 3");
  session().Undo();
  EXPECT_EQ(session().slotLabel(2), "223");
  EXPECT_EQ(session().slotLabel(1), "17");
}

// A command that stops at a bad token keeps what it did before the token, and that is its step.
TEST_F(CommandRunnerTest, ACommandStoppedAtABadTokenIsOneStepOfItsOwn) {
  session().DropSwatch(3, 17);
  const Snapshot dropped = Take(session());
  session().SetCodeText("5 x 7");
  ASSERT_TRUE(session().ApplyCodeText().message);
  EXPECT_EQ(session().slotLabel(1), "5");
  EXPECT_EQ(*session().undoName(), "Apply Color Codes");
  session().Undo();
  EXPECT_TRUE(Take(session()) == dropped);
  EXPECT_EQ(*session().undoName(), "Drop on Slot 3");
  session().Redo();
  EXPECT_EQ(session().slotLabel(1), "5");
  EXPECT_EQ(session().codeText(), "5 x 7");
}

// Failing any other way, or changing nothing, takes no step and keeps the redo steps.
TEST_F(CommandRunnerTest, ACommandThatFailsOrChangesNothingTakesNoStep) {
  session().DropSwatch(1, 17);
  session().DropSwatch(2, 18);
  session().Undo();
  const std::string* before = session().undoName();
  const Snapshot shown = Take(session());
  session().SelectBody(kStartUpBody);  // already selected
  EXPECT_TRUE(session().ApplyCodesFromPage("1 x").message);
  EXPECT_TRUE(session().SelectBody(1).message);  // no such file
  EXPECT_EQ(session().undoName(), before);
  EXPECT_EQ(*session().redoName(), "Drop on Slot 2");
  EXPECT_TRUE(Take(session()) == shown);
}

// A fault half-way, out of memory or a bug, leaves the document as it was.
TEST_F(CommandRunnerTest, ACommandThatThrowsChangesNothingAndSaysWhy) {
  session().DropSwatch(1, 17);
  session().Undo();
  const Snapshot shown = Take(session());
  const Outcome outcome = session().Run({"Break", [](Document& document) -> CommandResult {
                                           ApplyCodes(document);
                                           throw std::bad_alloc();
                                         }});
  EXPECT_EQ(outcome.message, "Break was not done: there is not enough memory.");
  EXPECT_TRUE(Take(session()) == shown);
  EXPECT_EQ(session().undoName(), nullptr);
  EXPECT_EQ(*session().redoName(), "Drop on Slot 1");
}

// What the user edits in place after a step is the user's: undo and redo keep it, unless the
// step itself changed it.
TEST_F(CommandRunnerTest, EditsInPlaceSurviveUndoAndRedo) {
  session().DropSwatch(1, 17);
  session().SetGroupEnabled(2, false);
  session().SetCodeText("typed");
  session().Undo();
  session().Redo();
  EXPECT_FALSE(session().groupEnabled(2));
  EXPECT_EQ(session().codeText(), "typed");

  session().SetCodeText("1 2 3 ");
  session().ApplyCodeText();
  session().Undo();  // the applied codes were the step's input, not a draft
  EXPECT_EQ(session().codeText(), session().document().codeText);
  EXPECT_NE(session().codeText(), "1 2 3 ");

  session().Reload();  // ticks every group again
  EXPECT_TRUE(session().groupEnabled(2));
  session().Undo();
  EXPECT_FALSE(session().groupEnabled(2));
}

TEST_F(CommandRunnerTest, TenThousandStepsKeepAtMostTheLastFiveHundred) {
  for (int i = 0; i < 10000; ++i) session().DropSwatch(1 + i % 16, 1 + i % 200);
  std::size_t undone = 0;
  while (session().undoName() != nullptr) {
    session().Undo();
    ++undone;
  }
  EXPECT_EQ(undone, UndoHistory::kMaxSteps);
}

// Steps share the bitmaps they have in common; those of many loads count against a limit.
TEST(UndoHistory, BitmapsBeyondTheLimitTakeTheOldestStepsWithThem) {
  const auto stateWith = [](std::shared_ptr<const Bitmap> work) {
    Document document;
    document.model.work = std::move(work);
    return document;
  };
  const auto bitmap = [] {
    Bitmap b;
    b.indices.assign(1000, 0);
    return std::make_shared<const Bitmap>(std::move(b));
  };
  UndoHistory history(3500);
  const auto shared = bitmap();
  for (int i = 0; i < 5; ++i) history.Record({"same", stateWith(shared), stateWith(shared)});
  EXPECT_EQ(history.undoCount(), 5u);  // the one bitmap between them is the one shown
  for (int i = 0; i < 5; ++i) history.Record({"new", stateWith(bitmap()), stateWith(bitmap())});
  // Two steps hold three bitmaps besides the one shown, and three fit in 3500 bytes.
  EXPECT_EQ(history.undoCount(), 2u);
}

}  // namespace
}  // namespace tintara
