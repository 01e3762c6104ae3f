#include "paint/session.h"

namespace tintara {

Session::Session(std::string programDirectory, std::uint32_t seed, Picture designPicture)
    : directory_(std::move(programDirectory)),
      runner_(StartingDocument()),
      canvas_(std::move(designPicture)),
      random_(seed),
      lastSeed_(random_.State()),
      edits_{document().codeText, document().groups} {
  canvas_.Show(document());
}

Outcome Session::LoadStartUpBody() {
  Document started = StartingDocument();
  tintara::LoadStartUpBody(started, directory_);
  runner_ = CommandRunner(std::move(started));
  edits_ = {document().codeText, document().groups};
  canvas_.Show(document());
  return {.edits = edits_, .endTyping = true, .fit = HasSkin(document())};
}

void Session::CheckGroup(int group, bool checked) {
  edits_.groups[static_cast<std::size_t>(group - 1)] = checked;
}

Outcome Session::ApplyCodeText(Via via) {
  Outcome outcome = Run(commands::ApplyCodeText(edits_.codeText),
                        via == Via::Return ? EnlargeFocus::Never : EnlargeFocus::WhenApplied);
  // Typing goes on where it was.
  if (via == Via::Return && outcome.focus == Focus::Stays && !outcome.problem) {
    outcome.focus = Focus::CodeEdit;
  }
  return outcome;
}

Outcome Session::ApplyChosenCodes(std::string codes) {
  return Run(commands::ApplyCodeText(std::move(codes)), EnlargeFocus::Never);
}

Outcome Session::ApplyCodesFromPage(std::string codes) {
  return Run(commands::ApplyCodesFromPage(std::move(codes)), EnlargeFocus::WhenApplied);
}

Outcome Session::ImportPalette(const std::string& paletteName, std::string codes) {
  return Run(commands::ImportPalette(paletteName, std::move(codes)), EnlargeFocus::Never);
}

Outcome Session::PasteColours(std::string codes) {
  return Run(commands::PasteColours(std::move(codes)), EnlargeFocus::Never);
}

Outcome Session::RestoreLastCodes() {
  return Run(commands::RestoreLastCodes(), EnlargeFocus::Always);
}

Outcome Session::DropSwatch(int slot, std::int32_t code) {
  return Run(commands::DropSwatch(slot, code, edits_.codeText), EnlargeFocus::Never);
}

Outcome Session::DropSlot(int slot, int sourceSlot) {
  return Run(commands::DropSlot(slot, sourceSlot, edits_.codeText), EnlargeFocus::Never);
}

Outcome Session::EndSlotDrag(int sourceSlot) {
  return Run(commands::EndSlotDrag(sourceSlot), EnlargeFocus::Never);
}

Outcome Session::ToggleSlotLock(int slot) {
  return Run(commands::ToggleSlotLock(document(), slot), EnlargeFocus::Never);
}

Outcome Session::ShadeGroup(int slot) {
  return Run(commands::ShadeGroupFromSlot(slot, randomSettings_), EnlargeFocus::Never);
}

Outcome Session::FixSlot(int slot, std::int32_t code) {
  return Run(commands::FixSlot(slot, code), EnlargeFocus::Never);
}

Outcome Session::ApplyNextSkinPreset() {
  return Run(commands::ApplyNextSkinPreset(edits_.codeText), EnlargeFocus::Never);
}

Outcome Session::RollRandomCodes() {
  lastSeed_ = random_.State();
  return Roll(randomSettings_, EnlargeFocus::Always);
}

// The generator starts again from the seed, so the roll is the one made from it before.
Outcome Session::RollAgain(std::uint32_t seed, const RandomCodeSettings& settings) {
  random_ = RandomGenerator(seed);
  lastSeed_ = seed;
  return Roll(settings, EnlargeFocus::Never);
}

Outcome Session::Reload() { return Run(commands::Reload(loadInputs()), EnlargeFocus::AfterLoad); }

Outcome Session::SelectBody(int body) {
  return Run(commands::SelectBody(document(), body, loadInputs()), EnlargeFocus::AfterLoad);
}

Outcome Session::PickBitmap(commands::PickedBitmap which, std::string file, std::string caption) {
  return Run(commands::PickBitmap(which, std::move(file), std::move(caption), loadInputs()),
             EnlargeFocus::AfterLoad);
}

Outcome Session::LoadOtherBitmap(std::string path) {
  return Run(commands::LoadOtherBitmap(std::move(path), loadInputs()), EnlargeFocus::AfterLoad);
}

Outcome Session::ChooseGalleryPicture(const GalleryEntry& entry, std::string codes) {
  return Run(commands::ChooseGalleryPicture(document(), entry, std::move(codes), loadInputs()),
             EnlargeFocus::Never);
}

Outcome Session::ConvertToMarkerSet2() {
  return Run(commands::ConvertToMarkerSet2(edits_.codeText), EnlargeFocus::WhenApplied);
}

Outcome Session::Undo() { return Take(runner_.Undo(), true); }

Outcome Session::Redo() { return Take(runner_.Redo(), false); }

void Session::SetVision(Vision vision) {
  canvas_.setVision(vision);
  canvas_.Show(document());
}

std::shared_ptr<const Picture> Session::PreviewPicture(const Document& painted) {
  preview_.setVision(vision());
  preview_.Show(painted);
  return preview_.shownPicture();
}

commands::LoadInputs Session::loadInputs() const {
  return {directory_, edits_.codeText, applyColoursOnLoad_};
}

Outcome Session::Run(const Command& command, EnlargeFocus enlarge) {
  const int width = picture().width;
  const int height = picture().height;
  const CommandResult result = runner_.Run(command, edits_.groups);
  FollowCommand(edits_, result, result.stepTaken ? runner_.newestStep() : nullptr, document());
  canvas_.Show(document());
  Outcome outcome = Shown(width, height, result.wroteCodeText);
  outcome.problem = result.problem;
  outcome.loaded = result.loaded;
  outcome.fit = outcome.fit || result.loaded;
  // A command that failed, or did not get as far, leaves the focus where it was.
  const bool failed = result.problem && !result.keepsChanges;
  const bool toEnlarge =
      enlarge == EnlargeFocus::Always ||
      (enlarge == EnlargeFocus::WhenApplied && result.codesApplied) ||
      (enlarge == EnlargeFocus::AfterLoad && result.loaded && applyColoursOnLoad_);
  if (toEnlarge && !failed) outcome.focus = Focus::Enlarge;
  return outcome;
}

Outcome Session::Roll(const RandomCodeSettings& settings, EnlargeFocus enlarge) {
  Outcome outcome = Run(commands::RollRandomCodes(random_, settings), enlarge);
  outcome.notice = KeptGroupsNotice(edits_.groups, settings);
  return outcome;
}

Outcome Session::Take(const Step* step, bool undone) {
  const int width = picture().width;
  const int height = picture().height;
  if (step != nullptr) {
    FollowStep(edits_, *step, undone);
    canvas_.Show(document());
  }
  return Shown(width, height, false);
}

Outcome Session::Shown(int width, int height, bool endTyping) {
  return {.edits = edits_,
          .endTyping = endTyping,
          .fit = picture().width != width || picture().height != height};
}

}  // namespace tintara
