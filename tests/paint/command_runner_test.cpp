#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <vector>

#include "paint/command_runner.h"
#include "paint/commands.h"
#include "paint/painting.h"
#include "paint/reference_palette.h"
#include "paint/session_fixture.h"
#include "paint/undo_history.h"

namespace tintara {
namespace {

using CommandRunnerTest = CommandsTest;

struct Operation {
  const char* step;  // the name undo and redo give it
  std::function<Outcome(Session&)> run;
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
      {"Apply Color Codes", [](Session& s) { return s.ApplyCodeText(); }, "1 2 3 "},
      {"Drop on Slot 4", [](Session& s) { return s.DropSwatch(4, 17); }},
      {"Drop on Slot 5", [](Session& s) { return s.DropSlot(5, 1); }},
      {"Gee!", [](Session& s) { return s.RollRandomCodes(); }},
      {"Lock Slot 3", [](Session& s) { return s.ToggleSlotLock(3); }},
      {"Skin Colors", [](Session& s) { return s.ApplyNextSkinPreset(); }},
      {"Male - Athletic", [](Session& s) { return s.SelectBody(1); }},
      {"Harrow Head",
       [](Session& s) {
         return s.PickBitmap(commands::PickedBitmap::Head, "HARROW.BMP", "Harrow Head");
       }},
      {"Load Other Bitmap", [hat](Session& s) { return s.LoadOtherBitmap(hat); }},
      {"Reload",
       [](Session& s) {
         s.SetApplyColoursOnLoad(false);  // left unpainted, for the drag's recolouring
         return s.Reload();
       }},
      {"Unlock Slot 3", [](Session& s) { return s.ToggleSlotLock(3); }},
      {"Drag from Slot 2", [](Session& s) { return s.EndSlotDrag(2); }, "typed"},
      {"Load Codes from Page", [](Session& s) { return s.ApplyCodesFromPage("7 8 9 "); }},
      {"Drop on Slot 1", [](Session& s) { return s.DropSwatch(1, 30); }},
      {"Restore Last Codes", [](Session& s) { return s.RestoreLastCodes(); }},
      {"Convert and Save", [](Session& s) { return s.ConvertToMarkerSet2(); }},
  };
  std::vector<Snapshot> before;
  std::vector<Snapshot> after;
  std::vector<Document> documents{document()};
  for (const Operation& operation : operations) {
    SCOPED_TRACE(operation.step);
    before.push_back(Take(session()));
    if (operation.typed != nullptr) session().EditCodeText(operation.typed);
    ASSERT_FALSE(operation.run(session()).problem);
    ASSERT_NE(session().undoName(), nullptr);
    EXPECT_EQ(*session().undoName(), operation.step);
    after.push_back(Take(session()));
    documents.push_back(document());
  }
  for (std::size_t i = operations.size(); i-- > 0;) {
    SCOPED_TRACE(operations[i].step);
    session().Undo();
    EXPECT_TRUE(document() == documents[i]);
    EXPECT_TRUE(Take(session()) == before[i]);
    ASSERT_NE(session().redoName(), nullptr);
    EXPECT_EQ(*session().redoName(), operations[i].step);
  }
  EXPECT_EQ(session().undoName(), nullptr);
  for (std::size_t i = 0; i < operations.size(); ++i) {
    SCOPED_TRACE(operations[i].step);
    session().Redo();
    EXPECT_TRUE(document() == documents[i + 1]);
    EXPECT_TRUE(Take(session()) == after[i]);
  }
  EXPECT_EQ(session().redoName(), nullptr);
}

TEST_F(CommandRunnerTest, AnUndoThatChangesThePictureSizeAsksForAFit) {
  Write("MALE1.BMP", IndexedBitmap(12, 7, TableWithSet1Markers({1})));
  session().SelectBody(1);
  EXPECT_TRUE(session().Undo().fit);
  EXPECT_EQ(Size(), (std::array<int, 2>{16, 16}));
  EXPECT_TRUE(session().Redo().fit);
  EXPECT_EQ(Size(), (std::array<int, 2>{12, 7}));
  EXPECT_FALSE(session().Redo().fit);  // nothing left to redo
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
  EXPECT_EQ(SlotLabel(document(), 2), "223");
  EXPECT_EQ(SlotLabel(document(), 1), "17");
}

// A command that stops at a bad token keeps what it did before the token, and that is its step.
TEST_F(CommandRunnerTest, ACommandStoppedAtABadTokenIsOneStepOfItsOwn) {
  session().DropSwatch(3, 17);
  const Snapshot dropped = Take(session());
  session().EditCodeText("5 x 7");
  ASSERT_TRUE(session().ApplyCodeText().problem);
  EXPECT_EQ(SlotLabel(document(), 1), "5");
  EXPECT_EQ(*session().undoName(), "Apply Color Codes");
  session().Undo();
  EXPECT_TRUE(Take(session()) == dropped);
  EXPECT_EQ(*session().undoName(), "Drop on Slot 3");
  session().Redo();
  EXPECT_EQ(SlotLabel(document(), 1), "5");
  EXPECT_EQ(codeText(), "5 x 7");
}

// Failing any other way, or changing nothing, takes no step and keeps the redo steps.
TEST_F(CommandRunnerTest, ACommandThatFailsOrChangesNothingTakesNoStep) {
  session().DropSwatch(1, 17);
  session().DropSwatch(2, 18);
  session().Undo();
  const std::string* before = session().undoName();
  const Snapshot shown = Take(session());
  session().SelectBody(kStartUpBody);  // already selected
  EXPECT_TRUE(session().ApplyCodesFromPage("1 x").problem);
  EXPECT_TRUE(session().SelectBody(1).problem);  // no such file
  EXPECT_EQ(session().undoName(), before);
  EXPECT_EQ(*session().redoName(), "Drop on Slot 2");
  EXPECT_TRUE(Take(session()) == shown);
  session().EditCodeText("x 5");
  EXPECT_TRUE(session().ApplyCodeText().problem);  // stopped before any slot changed
  EXPECT_EQ(session().undoName(), before);
  EXPECT_EQ(*session().redoName(), "Drop on Slot 2");
}

// A fault half-way, out of memory or a bug, leaves the document as it was.
TEST(CommandRunner, ACommandThatThrowsChangesNothingAndSaysWhy) {
  CommandRunner runner(StartingDocument());
  const GroupChecks checks = runner.document().groups;
  runner.Run(commands::DropSwatch(1, 17, ""), checks);
  runner.Undo();
  const Document shown = runner.document();
  const CommandResult result = runner.Run({"Break",
                                           [](Document& document) -> CommandResult {
                                             ApplyCodes(document);
                                             throw std::bad_alloc();
                                           }},
                                          checks);
  ASSERT_TRUE(result.problem);
  EXPECT_EQ(result.problem->message, "Break was not done: there is not enough memory.");
  EXPECT_TRUE(runner.document() == shown);
  EXPECT_EQ(runner.undoName(), nullptr);
  EXPECT_EQ(*runner.redoName(), "Drop on Slot 1");
}

// What the user edits in place after a step is the user's: undo and redo keep it, unless the
// step itself changed it.
TEST_F(CommandRunnerTest, EditsInPlaceSurviveUndoAndRedo) {
  session().DropSwatch(1, 17);
  session().EditCodeText("typed");
  session().Undo();
  session().Redo();
  EXPECT_EQ(codeText(), "typed");

  session().EditCodeText("1 2 3 ");
  session().ApplyCodeText();
  session().Undo();  // the applied codes were the step's input, not a draft
  EXPECT_EQ(codeText(), document().codeText);
  EXPECT_NE(codeText(), "1 2 3 ");

  session().CheckGroup(2, false);
  session().Reload();  // ticks every group again
  EXPECT_TRUE(GroupChecked(2));
  session().Undo();
  EXPECT_FALSE(GroupChecked(2));
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
