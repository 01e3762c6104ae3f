#include "paint/paint_session.h"

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
      picture_(std::make_shared<Picture>(std::move(designPicture))),
      random_(randomSeed),
      codeText_(kDefaultCodeString),
      slotFills_(kSlotDesignColours),
      headFile_(kBodies[Index(kHeadBody)].file),
      gridFile_(kBodies[Index(kGridBody)].file) {
  model_.lastCodes = codeText_;
  slotLabels_.fill("000");
  groupCaptionsShown_.fill(true);
  groupsEnabled_.fill(true);
  for (int body = 1; body <= kBodyCount; ++body) {
    bodyCaptions_[Index(body)] = kBodies[Index(body)].caption;
  }
}

std::string PaintSession::BodyPath(int body) const {
  if (body == kHeadBody) return programDirectory_ + headFile_;
  if (body == kGridBody) return GridPath(programDirectory_, gridFile_);
  return programDirectory_ + std::string(kBodies[Index(body)].file);
}

Outcome PaintSession::LoadStartUpBody() {
  BmpReading reading = ReadBmpFile(BodyPath(body_));
  if (!reading.bitmap) return {};  // the window opens with the design picture
  return ShowBitmap(std::move(*reading.bitmap));
}

Outcome PaintSession::LoadPaintImage(const std::string& path) {
  Outcome failure;
  std::optional<Bitmap> bitmap = ReadBitmap(path, failure);
  if (!bitmap) return failure;
  return ShowBitmap(std::move(*bitmap));
}

std::optional<Bitmap> PaintSession::ReadBitmap(const std::string& path, Outcome& failure) const {
  BmpReading reading = ReadBmpFile(path);
  if (!reading.bitmap) failure = Stop("Cannot open " + FileName(path) + ": " + reading.problem);
  return std::move(reading.bitmap);
}

Outcome PaintSession::ShowBitmap(Bitmap bitmap) {
  const LoadOutcome loaded = AdoptLoadedBitmap(model_, std::move(bitmap));
  DrawPicture(MapColourTable(*model_.work, model_.loaded, model_.loaded));
  sizeText_ = SizeText(*picture_);
  // A picture without a colour table has no slots: nothing in it can be painted.
  shownMarkerSet_ = loaded == LoadOutcome::NoColourTable ? 0 : model_.markerSet2 ? 2 : 1;
  if (loaded == LoadOutcome::SlotsLocated) {
    for (int s = 1; s <= kSlotCount; ++s) {
      const SlotRecord& record = model_.slots[Index(s)];
      slotLabels_[Index(s)] = std::to_string(record.code);
      slotFills_[Index(s)] = record.colour;
    }
  }
  for (int group = 1; group <= kGroupCount; ++group) {
    bool anyShown = false;
    for (int s = FirstSlotOfGroup(group); s <= LastSlotOfGroup(group); ++s) {
      anyShown = anyShown || slotShown(s);
    }
    groupCaptionsShown_[Index(group)] = anyShown;
  }
  // Random codes skip a slot the picture lacks.
  if (!slotShown(kSlotCount)) groupsEnabled_[Index(4)] = false;
  return FitView();
}

Outcome PaintSession::ApplyCodeText() {
  Outcome outcome;
  if (!codeText_.empty()) {
    outcome = ParseCodeString(codeText_);
    if (outcome.message) return outcome;
  }
  RememberLastCodes();
  return outcome;
}

Outcome PaintSession::RestoreLastCodes() {
  Outcome outcome = FocusEnlarge();
  if (model_.lastCodes.empty()) return outcome;
  codeText_ = model_.lastCodes;
  outcome += ApplyCodeText();
  return outcome;
}

Outcome PaintSession::DropSwatch(int slot, std::int32_t code, Colour colour) {
  RememberLastCodes();
  SlotRecord& record = model_.slots[Index(slot)];
  record.code = code;
  record.colour = colour;
  slotLabels_[Index(slot)] = std::to_string(code);
  slotFills_[Index(slot)] = colour;
  ApplyCodes();
  return {};
}

Outcome PaintSession::DropSlot(int slot, int sourceSlot) {
  return DropSwatch(slot, model_.slots[Index(sourceSlot)].code, slotFills_[Index(sourceSlot)]);
}

Outcome PaintSession::EndSlotDrag() {
  ApplyCodes();
  return {};
}

Outcome PaintSession::RollRandomCodes() {
  for (int s = 1; s <= kSlotCount; ++s) {
    if (!groupEnabled(kSlots[Index(s)].group)) continue;
    const std::int32_t code = DrawCode(random_);
    AssignCode(s, code, std::to_string(code));
  }
  ApplyCodes();
  return FocusEnlarge();
}

Outcome PaintSession::ApplyNextSkinPreset() {
  RememberLastCodes();
  const SkinPreset& preset = SkinPresetFor(model_.skinToggle);
  for (int k = 0; k < kSkinPresetLength; ++k) {
    const std::int32_t code = preset[static_cast<std::size_t>(k)];
    AssignCode(kSkinPresetFirstSlot + k, code, std::to_string(code));
  }
  model_.skinToggle = !model_.skinToggle;
  ApplyCodes();
  return {};
}

Outcome PaintSession::Reload() {
  Outcome failure;
  std::optional<Bitmap> bitmap = ReadBitmap(BodyPath(body_), failure);
  if (!bitmap) return failure;
  return ReloadWith(std::move(*bitmap));
}

Outcome PaintSession::ReloadWith(Bitmap bitmap) {
  RememberLastCodes();
  // Before the load, which clears group 4 again for a picture without slot 16.
  groupsEnabled_.fill(true);
  Outcome outcome = ShowBitmap(std::move(bitmap));
  codeText_ = kDefaultCodeString;
  if (applyColoursOnLoad_) outcome += RestoreLastCodes();
  return outcome;
}

Outcome PaintSession::SelectBody(int body) {
  if (body == body_) return {};
  Outcome failure;
  std::optional<Bitmap> bitmap = ReadBitmap(BodyPath(body), failure);
  if (!bitmap) return failure;  // the selection stays where it was
  body_ = body;
  return ReloadWith(std::move(*bitmap));
}

Outcome PaintSession::PickBitmap(PickedBitmap which, std::string file, std::string caption) {
  const bool head = which == PickedBitmap::Head;
  Outcome failure;
  std::optional<Bitmap> bitmap =
      ReadBitmap(head ? programDirectory_ + file : GridPath(programDirectory_, file), failure);
  if (!bitmap) return failure;  // the caption, the file and the selection stay as they were
  (head ? headFile_ : gridFile_) = std::move(file);
  const int body = head ? kHeadBody : kGridBody;
  bodyCaptions_[Index(body)] = std::move(caption);
  Outcome outcome;
  if (body_ != body) {
    // Selecting the button reloads, and the entry then reloads once more.
    body_ = body;
    outcome = ReloadWith(*bitmap);
    if (outcome.message) return outcome;
  }
  outcome += ReloadWith(std::move(*bitmap));
  return outcome;
}

Outcome PaintSession::ConvertToMarkerSet2() {
  std::string kept = std::move(codeText_);
  codeText_ = kConversionCodes;
  Outcome outcome = ApplyCodeText();
  codeText_ = std::move(kept);
  return outcome;
}

void PaintSession::RememberLastCodes() { tintara::RememberLastCodes(model_.lastCodes, codeText_); }

void PaintSession::AssignCode(int slot, std::int32_t code, std::string label) {
  SlotRecord& record = model_.slots[Index(slot)];
  record.code = code;
  record.colour = ReferenceColour(code);
  slotLabels_[Index(slot)] = std::move(label);
  slotFills_[Index(slot)] = record.colour;
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
  WriteSlotColours(model_);
  DrawPicture(MapColourTable(*model_.work, model_.loaded, model_.mapped));
  codeText_ = WriteCodeString(model_.slots);
}

void PaintSession::DrawPicture(const DisplayTable& table) {
  const Bitmap& work = *model_.work;
  if (picture_->width != work.width || picture_->height != work.height) {
    picture_ = std::make_shared<Picture>();
    if (!picture_->Resize(work.width, work.height)) return;
  }
  DrawThroughTable(work, table, picture_->pixels.data());
}

}  // namespace tintara
