#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "paint/reference_palette.h"
#include "paint/session_fixture.h"
#include "paint/undo_history.h"

namespace tintara {
namespace {

using PaintSessionUndo = PaintSessionTest;

struct Operation {
  const char* step;  // the name undo and redo give it
  std::function<Outcome(PaintSession&)> run;
  const char* typed = nullptr;  // typed into the edit box first, as a user may
};

// Undo brings back the state from just before each step, typed text included; redo the state
// that the undo left, which is the one the next step started from.
TEST_F(PaintSessionUndo, MixedOperationsUndoToTheStartAndRedoToTheEndThroughTheSameStates) {
  Write("MALE1.BMP", IndexedBitmap(12, 7, TableWithSet1Markers(SlotRange(1, 15))));
  Write("HARROW.BMP", IndexedBitmap(9, 9, TableWithSet1Markers(SlotRange(1, 16))));
  Write("Art/HAT.bmp", IndexedBitmap(5, 3, TableWithSet1Markers({1, 2})));
  const std::string hat = path("Art/HAT.bmp");
  const std::vector<Operation> operations = {
      {"Apply Color Codes", [](PaintSession& s) { return s.ApplyCodeText(); }, "1 2 3 "},
      {"Drop on Slot 4", [](PaintSession& s) { return s.DropSwatch(4, 17, ReferenceColour(17)); }},
      {"Drop on Slot 5", [](PaintSession& s) { return s.DropSlot(5, 1); }},
      {"Gee!", [](PaintSession& s) { return s.RollRandomCodes(); }},
      {"Skin Colors", [](PaintSession& s) { return s.ApplyNextSkinPreset(); }},
      {"Male - Athletic", [](PaintSession& s) { return s.SelectBody(1); }},
      {"Harrow Head",
       [](PaintSession& s) {
         return s.PickBitmap(PickedBitmap::Head, "HARROW.BMP", "Harrow Head");
       }},
      {"Load Other Bitmap", [hat](PaintSession& s) { return s.LoadOtherBitmap(hat); }},
      {"Reload", [](PaintSession& s) { return s.Reload(); }},
      {"Drag from Slot 2", [](PaintSession& s) { return s.EndSlotDrag(2); }, "typed"},
      {"Load Codes from Page", [](PaintSession& s) { return s.ApplyCodesFromPage("7 8 9 "); }},
      {"Drop on Slot 1", [](PaintSession& s) { return s.DropSwatch(1, 30, ReferenceColour(30)); }},
      {"Restore Last Codes", [](PaintSession& s) { return s.RestoreLastCodes(); }},
      {"Convert and Save", [](PaintSession& s) { return s.ConvertToMarkerSet2(); }},
  };
  std::vector<Snapshot> before;
  std::vector<Snapshot> after;
  for (const Operation& operation : operations) {
    SCOPED_TRACE(operation.step);
    if (operation.typed != nullptr) session().SetCodeText(operation.typed);
    before.push_back(Take(session()));
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
    EXPECT_TRUE(Take(session()) == (i + 1 < operations.size() ? before[i + 1] : after[i]));
  }
  EXPECT_EQ(session().redoName(), nullptr);
}

TEST_F(PaintSessionUndo, AnUndoThatChangesThePictureSizeAsksForAFit) {
  Write("MALE1.BMP", IndexedBitmap(12, 7, TableWithSet1Markers({1})));
  session().SelectBody(1);
  EXPECT_TRUE(session().Undo().fitView);
  EXPECT_EQ(Size(), (std::array<int, 2>{16, 16}));
  EXPECT_TRUE(session().Redo().fitView);
  EXPECT_EQ(Size(), (std::array<int, 2>{12, 7}));
  EXPECT_FALSE(session().Redo().fitView);  // nothing left to redo
}

TEST_F(PaintSessionUndo, ANewOperationAfterAnUndoDropsTheRedoSteps) {
  session().DropSwatch(1, 17, ReferenceColour(17));
  session().DropSwatch(2, 18, ReferenceColour(18));
  session().Undo();
  ASSERT_NE(session().redoName(), nullptr);
  session().DropSwatch(3, 19, ReferenceColour(19));
  EXPECT_EQ(session().redoName(), nullptr);
  EXPECT_EQ(*session().undoName(), "Drop on Slot 3");
  session().Undo();
  EXPECT_EQ(session().slotLabel(2), "223");
  EXPECT_EQ(session().slotLabel(1), "17");
}

// A stopped operation keeps what it did before the bad token, but is no step: undo goes back
// past it, and what was undone before it can no longer be redone.
TEST_F(PaintSessionUndo, AnOperationThatStopsOrChangesNothingMakesNoStep) {
  session().DropSwatch(1, 17, ReferenceColour(17));
  session().DropSwatch(2, 18, ReferenceColour(18));
  session().Undo();
  session().SetCodeText("5 x 7");
  ASSERT_TRUE(session().ApplyCodeText().message);
  EXPECT_EQ(*session().undoName(), "Drop on Slot 1");
  EXPECT_EQ(session().redoName(), nullptr);

  const std::string* before = session().undoName();
  session().SelectBody(kStartUpBody);  // already selected
  EXPECT_EQ(session().undoName(), before);
  EXPECT_TRUE(session().ApplyCodesFromPage("1 x").message);
  EXPECT_EQ(session().undoName(), before);
}

TEST_F(PaintSessionUndo, TenThousandStepsKeepAtMostTheLastFiveHundred) {
  for (int i = 0; i < 10000; ++i)
    session().DropSwatch(1 + i % 16, 1 + i % 200, 0x010101u * (i % 7));
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
    SessionState state;
    state.model.work = std::move(work);
    return state;
  };
  const auto bitmap = [] {
    Bitmap b;
    b.indices.assign(1000, 0);
    return std::make_shared<const Bitmap>(std::move(b));
  };
  UndoHistory history(2500);
  const auto shared = bitmap();
  for (int i = 0; i < 5; ++i) history.Record("same", stateWith(shared), stateWith(bitmap()));
  EXPECT_EQ(history.undoCount(), 5u);  // one bitmap between them
  for (int i = 0; i < 5; ++i) history.Record("new", stateWith(bitmap()), stateWith(bitmap()));
  EXPECT_EQ(history.undoCount(), 2u);  // two bitmaps fit in 2500 bytes
}

}  // namespace
}  // namespace tintara
