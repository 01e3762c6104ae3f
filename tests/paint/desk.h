#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "paint/canvas.h"
#include "paint/command_runner.h"
#include "paint/commands.h"
#include "paint/edits_in_place.h"
#include "paint/painting.h"
#include "paint/random_codes.h"

namespace tintara {

// What a command did, as the window reads it: its message, whether the view is fitted and
// whether the focus goes to Enlarge.
struct Outcome {
  std::optional<std::string> message;
  bool fitView = false;
  bool focusEnlarge = false;
};

// The window's part around the runner, for tests without a window: the edit box, the group checks
// and the option as the user left them, commands made from them as the window makes them, the
// picture drawn, and the edits in place kept through undo and redo as the window keeps them.
class Desk {
 public:
  Desk(std::string programDirectory, std::uint32_t seed, Picture designPicture)
      : directory_(std::move(programDirectory)), random_(seed), canvas_(std::move(designPicture)) {
    Show();
  }

  Outcome LoadStartUpBody() {
    Document document = StartingDocument();
    tintara::LoadStartUpBody(document, directory_);
    runner_ = CommandRunner(std::move(document));
    edits_.codeText = runner_.document().codeText;
    edits_.groups = runner_.document().groups;
    Show();
    return {.message = std::nullopt, .fitView = HasSkin(runner_.document())};
  }

  Outcome ApplyCodeText() { return Run(commands::ApplyCodeText(edits_.codeText), Applied); }
  Outcome ApplyCodesFromPage(std::string codes) {
    return Run(commands::ApplyCodesFromPage(std::move(codes)), Applied);
  }
  Outcome RestoreLastCodes() { return Run(commands::RestoreLastCodes(), Always); }
  Outcome DropSwatch(int slot, std::int32_t code) {
    return Run(commands::DropSwatch(slot, code, edits_.codeText), Never);
  }
  Outcome DropSlot(int slot, int sourceSlot) {
    return Run(commands::DropSlot(slot, sourceSlot, edits_.codeText), Never);
  }
  Outcome EndSlotDrag(int sourceSlot) { return Run(commands::EndSlotDrag(sourceSlot), Never); }
  Outcome RollRandomCodes() {
    return Run(commands::RollRandomCodes(edits_.groups, random_), Always);
  }
  Outcome ToggleSlotLock(int slot) {
    return Run(commands::ToggleSlotLock(document(), slot), Never);
  }
  Outcome ApplyNextSkinPreset() {
    return Run(commands::ApplyNextSkinPreset(edits_.codeText), Never);
  }
  Outcome Reload() { return Run(commands::Reload(Inputs()), AfterLoad); }
  Outcome SelectBody(int body) {
    return Run(commands::SelectBody(runner_.document(), body, Inputs()), AfterLoad);
  }
  Outcome PickBitmap(commands::PickedBitmap which, std::string file, std::string caption) {
    return Run(commands::PickBitmap(which, std::move(file), std::move(caption), Inputs()),
               AfterLoad);
  }
  Outcome LoadOtherBitmap(std::string path) {
    return Run(commands::LoadOtherBitmap(std::move(path), Inputs()), AfterLoad);
  }
  Outcome ConvertToMarkerSet2() {
    return Run(commands::ConvertToMarkerSet2(edits_.codeText), Applied);
  }
  Outcome Run(const Command& command) { return Run(command, Never); }

  Outcome Undo() { return Take(runner_.Undo(), true); }
  Outcome Redo() { return Take(runner_.Redo(), false); }
  const std::string* undoName() const { return runner_.undoName(); }
  const std::string* redoName() const { return runner_.redoName(); }

  // What the user edits in place.
  void SetCodeText(std::string text) { edits_.codeText = std::move(text); }
  void SetGroupEnabled(int group, bool enabled) { edits_.groups[Index(group)] = enabled; }
  void SetApplyColoursOnLoad(bool on) { applyColoursOnLoad_ = on; }

  // What the window shows.
  const Document& document() const { return runner_.document(); }
  const Picture& picture() const { return canvas_.picture(); }
  std::optional<DisplayTable> paintedTable() const { return PaintedTable(document()); }
  std::shared_ptr<const Picture> PictureMarkingSlot(int slot) {
    return canvas_.MarkingSlot(document(), slot);
  }
  const std::string& codeText() const { return edits_.codeText; }
  std::string sizeText() const { return SizeText(document()); }
  const std::string& slotLabel(int slot) const { return SlotLabel(document(), slot); }
  Colour slotFill(int slot) const { return SlotFill(document(), slot); }
  bool slotShown(int slot) const { return SlotShown(document(), slot); }
  bool groupCaptionShown(int group) const { return GroupCaptionShown(document(), group); }
  bool groupEnabled(int group) const { return edits_.groups[Index(group)]; }
  int shownMarkerSet() const { return ShownMarkerSet(document()); }
  int selectedBody() const { return document().body; }
  const std::string& bodyCaption(int body) const { return BodyCaption(document(), body); }
  const std::string& headFile() const { return document().headFile; }
  const std::string& gridFile() const { return document().gridFile; }
  const PaintModel& model() const { return document().model; }

 private:
  enum Focus { Never, Always, Applied, AfterLoad };

  static std::size_t Index(int numberFrom1) { return static_cast<std::size_t>(numberFrom1 - 1); }

  commands::LoadInputs Inputs() const {
    return {directory_, edits_.codeText, edits_.groups, applyColoursOnLoad_};
  }

  Outcome Run(const Command& command, Focus focus) {
    const int width = canvas_.picture().width;
    const int height = canvas_.picture().height;
    const CommandResult result = runner_.Run(command);
    FollowCommand(edits_, result, result.stepTaken ? runner_.newestStep() : nullptr, document());
    Show();
    Outcome outcome;
    if (result.problem) outcome.message = result.problem->message;
    outcome.fitView = result.loaded || Resized(width, height);
    outcome.focusEnlarge = focus == Always || (focus == Applied && result.codesApplied) ||
                           (focus == AfterLoad && result.loaded && applyColoursOnLoad_);
    return outcome;
  }

  Outcome Take(const Step* step, bool undone) {
    if (step == nullptr) return {};
    const int width = canvas_.picture().width;
    const int height = canvas_.picture().height;
    FollowStep(edits_, *step, undone);
    Show();
    return {.message = std::nullopt, .fitView = Resized(width, height)};
  }

  bool Resized(int width, int height) const {
    return canvas_.picture().width != width || canvas_.picture().height != height;
  }

  void Show() { canvas_.Show(runner_.document()); }

  std::string directory_;
  RandomGenerator random_;
  Canvas canvas_;
  CommandRunner runner_{StartingDocument()};
  EditsInPlace edits_{std::string(kDefaultCodeString), {true, true, true, true}};
  bool applyColoursOnLoad_ = true;
};

}  // namespace tintara
