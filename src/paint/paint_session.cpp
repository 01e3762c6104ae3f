#include "paint/paint_session.h"

#include <algorithm>

#include "paint/bitmap_paths.h"
#include "paint/code_string.h"
#include "paint/image_loading.h"
#include "paint/recolour.h"
#include "paint/reference_palette.h"
#include "platform/bmp_reader.h"

namespace tintara {
namespace {

constexpr std::string_view kConversionCodes =
    "239 240 241 242 243 244 245 246 247 248 249 250 251 252 253 254";

std::string SizeText(const Picture& picture) {
  return "Bitmap is " + std::to_string(picture.width) + "W x " + std::to_string(picture.height) +
         "H";
}

Outcome Stop(std::string message) { return {.message = std::move(message)}; }

std::string FileName(std::string_view path) {
  return std::string(path.substr(path.find_last_of('/') + 1));
}

Outcome FitView() {
  Outcome outcome;
  outcome.fitView = true;
  return outcome;
}

Outcome FocusEnlarge() {
  Outcome outcome;
  outcome.focusEnlarge = true;
  return outcome;
}

}  // namespace

Outcome& Outcome::operator+=(const Outcome& later) {
  if (later.message) message = later.message;
  fitView = fitView || later.fitView;
  focusEnlarge = focusEnlarge || later.focusEnlarge;
  return *this;
}

PaintSession::PaintSession(std::string programDirectory, std::uint32_t randomSeed,
                           Picture designPicture)
    : programDirectory_(std::move(programDirectory)),
      design_(std::make_shared<const Picture>(std::move(designPicture))),
      picture_(std::make_shared<Picture>(*design_)),
      random_(randomSeed) {
  state_.codeText = kDefaultCodeString;
  state_.model.lastCodes = state_.codeText;
  state_.slotFills = kSlotDesignColours;
  state_.headFile = kBodies[Index(kHeadBody)].file;
  state_.gridFile = kBodies[Index(kGridBody)].file;
  state_.slotLabels.fill("000");
  state_.groupCaptionsShown.fill(true);
  state_.groupsEnabled.fill(true);
  for (int body = 1; body <= kBodyCount; ++body) {
    state_.bodyCaptions[Index(body)] = kBodies[Index(body)].caption;
  }
}

std::string PaintSession::BodyPath(int body) const {
  if (body == kHeadBody) return programDirectory_ + state_.headFile;
  if (body == kGridBody) return GridPath(programDirectory_, state_.gridFile);
  return programDirectory_ + std::string(kBodies[Index(body)].file);
}

Outcome PaintSession::LoadStartUpBody() {
  Expected<Bitmap> reading = ReadBmpFile(BodyPath(state_.body));
  if (!reading) return {};  // the window opens with the design picture
  return ShowBitmap(std::move(*reading));
}

Outcome PaintSession::LoadPaintImage(const std::string& path) {
  return Step("Load " + FileName(path), [this, &path] {
    Outcome failure;
    std::optional<Bitmap> bitmap = ReadBitmap(path, failure);
    if (!bitmap) return failure;
    return ShowBitmap(std::move(*bitmap));
  });
}

std::optional<Bitmap> PaintSession::ReadBitmap(const std::string& path, Outcome& failure) const {
  Expected<Bitmap> reading = ReadBmpFile(path);
  if (!reading) {
    failure = Stop("Cannot open " + FileName(path) + ": " + reading.problem().message);
    return std::nullopt;
  }
  return std::move(*reading);
}

Outcome PaintSession::ShowBitmap(Bitmap bitmap) {
  const LoadOutcome loaded = AdoptLoadedBitmap(state_.model, std::move(bitmap));
  DrawPicture(MapColourTable(*state_.model.work, state_.model.loaded, state_.model.loaded));
  state_.sizeText = SizeText(*picture_);
  // A picture without a colour table has no slots: nothing in it can be painted.
  state_.shownMarkerSet = loaded == LoadOutcome::NoColourTable ? 0
                          : state_.model.markerSet2            ? 2
                                                               : 1;
  if (loaded == LoadOutcome::SlotsLocated) {
    for (int s = 1; s <= kSlotCount; ++s) {
      const SlotRecord& record = state_.model.slots[Index(s)];
      state_.slotLabels[Index(s)] = std::to_string(record.code);
      state_.slotFills[Index(s)] = record.colour;
    }
  }
  for (int group = 1; group <= kGroupCount; ++group) {
    bool anyShown = false;
    for (int s = FirstSlotOfGroup(group); s <= LastSlotOfGroup(group); ++s) {
      anyShown = anyShown || slotShown(s);
    }
    state_.groupCaptionsShown[Index(group)] = anyShown;
  }
  // Random codes skip a slot the picture lacks.
  if (!slotShown(kSlotCount)) state_.groupsEnabled[Index(4)] = false;
  return FitView();
}

Outcome PaintSession::Step(std::string name, const std::function<Outcome()>& operation) {
  SessionState before = state_;
  Outcome outcome = operation();
  if (state_ == before) return outcome;
  if (outcome.message) {
    history_.ForgetRedo();  // it changed what it did before it stopped, but is no step to undo
  } else {
    history_.Record(std::move(name), std::move(before), state_);
  }
  return outcome;
}

Outcome PaintSession::Undo() {
  std::optional<SessionState> earlier = history_.Undo(state_);
  return earlier ? Show(std::move(*earlier)) : Outcome{};
}

Outcome PaintSession::Redo() {
  std::optional<SessionState> later = history_.Redo(state_);
  return later ? Show(std::move(*later)) : Outcome{};
}

// The picture is drawn again as it was: from the work bitmap through its painted table, or the
// design picture. A picture of another size needs the view fitted to it.
Outcome PaintSession::Show(SessionState state) {
  const int width = picture_->width;
  const int height = picture_->height;
  state_ = std::move(state);
  if (state_.painted) {
    DrawPicture(*state_.painted);
  } else {
    picture_ = std::make_shared<Picture>(*design_);
  }
  Outcome outcome;
  outcome.fitView = picture_->width != width || picture_->height != height;
  return outcome;
}

Outcome PaintSession::ApplyCodeText() {
  return Step("Apply Color Codes", [this] { return DoApplyCodeText(); });
}

Outcome PaintSession::ApplyCodesFromPage(std::string codes) {
  // Unlike typed codes, codes from a page are applied whole or not at all.
  if (const auto badToken = ReadCodeString(codes).badToken) {
    return Stop("The page's code string holds '" + *badToken + "', which is not a code");
  }
  return Step("Load Codes from Page", [this, &codes] {
    state_.codeText = std::move(codes);
    return DoApplyCodeText();
  });
}

Outcome PaintSession::DoApplyCodeText() {
  Outcome outcome;
  if (!state_.codeText.empty()) {
    outcome = ParseCodeString(state_.codeText);
    if (outcome.message) return outcome;
  }
  RememberLastCodes();
  return outcome;
}

Outcome PaintSession::RestoreLastCodes() {
  return Step("Restore Last Codes", [this] { return DoRestoreLastCodes(); });
}

Outcome PaintSession::DoRestoreLastCodes() {
  Outcome outcome = FocusEnlarge();
  if (state_.model.lastCodes.empty()) return outcome;
  state_.codeText = state_.model.lastCodes;
  outcome += DoApplyCodeText();
  return outcome;
}

Outcome PaintSession::DropSwatch(int slot, std::int32_t code, Colour colour) {
  return Step("Drop on Slot " + std::to_string(slot), [&] {
    Drop(slot, code, colour);
    return Outcome{};
  });
}

Outcome PaintSession::DropSlot(int slot, int sourceSlot) {
  return Step("Drop on Slot " + std::to_string(slot), [&] {
    Drop(slot, state_.model.slots[Index(sourceSlot)].code, state_.slotFills[Index(sourceSlot)]);
    ApplyCodes();
    return Outcome{};
  });
}

void PaintSession::Drop(int slot, std::int32_t code, Colour colour) {
  RememberLastCodes();
  SlotRecord& record = state_.model.slots[Index(slot)];
  record.code = code;
  record.colour = colour;
  state_.slotLabels[Index(slot)] = std::to_string(code);
  state_.slotFills[Index(slot)] = colour;
  ApplyCodes();
}

Outcome PaintSession::EndSlotDrag(int sourceSlot) {
  return Step("Drag from Slot " + std::to_string(sourceSlot), [this] {
    ApplyCodes();
    return Outcome{};
  });
}

Outcome PaintSession::RollRandomCodes() {
  return Step("Gee!", [this] {
    for (int s = 1; s <= kSlotCount; ++s) {
      if (!groupEnabled(kSlots[Index(s)].group)) continue;
      const std::int32_t code = DrawCode(random_);
      AssignCode(s, code, std::to_string(code));
    }
    ApplyCodes();
    return FocusEnlarge();
  });
}

Outcome PaintSession::ApplyNextSkinPreset() {
  return Step("Skin Colors", [this] {
    RememberLastCodes();
    const SkinPreset& preset = SkinPresetFor(state_.model.skinToggle);
    for (int k = 0; k < kSkinPresetLength; ++k) {
      const std::int32_t code = preset[static_cast<std::size_t>(k)];
      AssignCode(kSkinPresetFirstSlot + k, code, std::to_string(code));
    }
    state_.model.skinToggle = !state_.model.skinToggle;
    ApplyCodes();
    return Outcome{};
  });
}

Outcome PaintSession::Reload() {
  return Step("Reload", [this] {
    Outcome failure;
    std::optional<Bitmap> bitmap = ReadBitmap(BodyPath(state_.body), failure);
    if (!bitmap) return failure;
    return ReloadWith(std::move(*bitmap));
  });
}

Outcome PaintSession::ReloadWith(Bitmap bitmap) {
  RememberLastCodes();
  // Before the load, which clears group 4 again for a picture without slot 16.
  state_.groupsEnabled.fill(true);
  Outcome outcome = ShowBitmap(std::move(bitmap));
  state_.codeText = kDefaultCodeString;
  if (applyColoursOnLoad_) outcome += DoRestoreLastCodes();
  return outcome;
}

Outcome PaintSession::SelectBody(int body) {
  return Step(bodyCaption(body), [this, body] { return DoSelectBody(body); });
}

Outcome PaintSession::DoSelectBody(int body) {
  if (body == state_.body) return {};
  Outcome failure;
  std::optional<Bitmap> bitmap = ReadBitmap(BodyPath(body), failure);
  if (!bitmap) return failure;  // the selection stays where it was
  state_.body = body;
  return ReloadWith(std::move(*bitmap));
}

Outcome PaintSession::PickBitmap(PickedBitmap which, std::string file, std::string caption) {
  std::string name = caption;
  return Step(std::move(name),
              [&] { return DoPickBitmap(which, std::move(file), std::move(caption)); });
}

Outcome PaintSession::LoadOtherBitmap(std::string path) {
  return Step("Load Other Bitmap", [&] {
    std::string caption = OtherBitmapCaption(path);
    return DoPickBitmap(PickedBitmap::Grid, std::move(path), std::move(caption));
  });
}

Outcome PaintSession::DoPickBitmap(PickedBitmap which, std::string file, std::string caption) {
  const bool head = which == PickedBitmap::Head;
  Outcome failure;
  std::optional<Bitmap> bitmap =
      ReadBitmap(head ? programDirectory_ + file : GridPath(programDirectory_, file), failure);
  if (!bitmap) return failure;  // the caption, the file and the selection stay as they were
  (head ? state_.headFile : state_.gridFile) = std::move(file);
  const int body = head ? kHeadBody : kGridBody;
  state_.bodyCaptions[Index(body)] = std::move(caption);
  Outcome outcome;
  if (state_.body != body) {
    // Selecting the button reloads, and the entry then reloads once more.
    state_.body = body;
    outcome = ReloadWith(*bitmap);
    if (outcome.message) return outcome;
  }
  outcome += ReloadWith(std::move(*bitmap));
  return outcome;
}

Outcome PaintSession::ConvertToMarkerSet2() {
  return Step("Convert and Save", [this] {
    std::string kept = std::move(state_.codeText);
    state_.codeText = kConversionCodes;
    Outcome outcome = DoApplyCodeText();
    state_.codeText = std::move(kept);
    return outcome;
  });
}

std::optional<Picture> PaintSession::PictureMarkingSlot(int slot) const {
  const Bitmap& work = *state_.model.work;
  const std::int32_t index = state_.model.slots[Index(slot)].index;
  if (!slotShown(slot) || !work.hasColourTable() || !state_.painted) return std::nullopt;
  Picture marked = *picture_;
  const std::size_t count = std::min(marked.pixels.size(), work.indices.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (work.indices[i] != index) continue;
    const std::uint32_t pixel = marked.pixels[i];
    const int luma = (299 * int((pixel >> 16) & 0xFF) + 587 * int((pixel >> 8) & 0xFF) +
                      114 * int(pixel & 0xFF)) /
                     1000;
    marked.pixels[i] = luma >= 128 ? 0xFF000000u : 0xFFFFFFFFu;
  }
  return marked;
}

void PaintSession::RememberLastCodes() {
  tintara::RememberLastCodes(state_.model.lastCodes, state_.codeText);
}

void PaintSession::AssignCode(int slot, std::int32_t code, std::string label) {
  SlotRecord& record = state_.model.slots[Index(slot)];
  record.code = code;
  record.colour = ReferenceColour(code);
  state_.slotLabels[Index(slot)] = std::move(label);
  state_.slotFills[Index(slot)] = record.colour;
}

Outcome PaintSession::ParseCodeString(std::string text) {
  CodeStringReading reading = ReadCodeString(text);
  for (SlotAssignment& assignment : reading.assignments) {
    AssignCode(assignment.slot, assignment.code, std::move(assignment.token));
  }
  if (reading.badToken) return Stop("'" + *reading.badToken + "' is not a valid integer value");
  ApplyCodes();
  return FocusEnlarge();
}

void PaintSession::ApplyCodes() {
  WriteSlotColours(state_.model);
  DrawPicture(MapColourTable(*state_.model.work, state_.model.loaded, state_.model.mapped));
  state_.codeText = WriteCodeString(state_.model.slots);
}

void PaintSession::DrawPicture(const DisplayTable& table) {
  state_.painted = table;
  const Bitmap& work = *state_.model.work;
  if (picture_->width != work.width || picture_->height != work.height) {
    picture_ = std::make_shared<Picture>();
    if (!picture_->Resize(work.width, work.height)) return;
  }
  DrawThroughTable(work, table, picture_->pixels.data());
}

}  // namespace tintara
