#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "paint/bodies.h"
#include "paint/paint_model.h"
#include "paint/picture.h"
#include "paint/random_codes.h"

namespace tintara {

// What the window does after an operation, besides showing the session again. These are effects
// of the operation, not state: showing them on every change would undo a resize or move the focus.
struct Outcome {
  // Why the operation stopped where it did (UTF-8); the window shows it in a message box.
  std::optional<std::string> message;
  bool fitView = false;       // a paintable bitmap was loaded: size the view and fit the window
  bool focusEnlarge = false;  // the keyboard focus goes to the Enlarge check box

  Outcome& operator+=(const Outcome& later);
};

// Which radio button a picked bitmap stands behind.
enum class PickedBitmap { Head, Grid };

// Everything the user paints with, and every operation of the program on it. The window copies
// what the user edits in place (the code text, the group checks, the option) into the session
// before each operation, runs it, and shows the session again; the session shows nothing itself.
//
// Operations do their steps in the order the user sees them take effect. One that stops at a
// code string token that is not a number keeps what it did before that token.
class PaintSession {
 public:
  // Before the first load the session shows the design picture, the design slot colours and
  // "000" labels. Bitmaps are read from programDirectory, which ends with a separator.
  PaintSession(std::string programDirectory, std::uint32_t randomSeed, Picture designPicture);

  // The bitmap of the selected body, at start-up: no Reload, no codes applied. A file that cannot
  // be read leaves the design picture, and says nothing.
  Outcome LoadStartUpBody();
  // Reads a BMP file, shows it unpainted and locates its slots. A picture without a colour table
  // is shown with no slot.
  //
  // Every operation that loads a bitmap first reads it: a file that cannot be read changes
  // nothing, and the outcome says which file and why ("Cannot open x.bmp: not a BMP file").
  Outcome LoadPaintImage(const std::string& path);
  // "Apply Color Codes": gives the slots the code text's tokens, recolours, and remembers it.
  Outcome ApplyCodeText();
  // "Restore last color codes": applies the last codes again.
  Outcome RestoreLastCodes();
  // A swatch of the board with this code and colour dropped on a slot (1..16).
  Outcome DropSwatch(int slot, std::int32_t code, Colour colour);
  // A slot swatch dropped on another (or the same) slot: its code and shown colour are copied.
  Outcome DropSlot(int slot, int sourceSlot);
  // Every drag from a slot swatch ends with a recolouring, wherever it was released.
  Outcome EndSlotDrag();
  // "Gee!": a random code for every slot of every enabled group.
  Outcome RollRandomCodes();
  // The skin caption: slots 6..10 take the next of the two skin presets.
  Outcome ApplyNextSkinPreset();
  // "Reload": the selected body's bitmap unpainted, then the last codes again when the option
  // says so.
  Outcome Reload();
  // A body radio button (1..8) selected by the user: reloads when the selection changes.
  Outcome SelectBody(int body);
  // A catalogue entry or "Load Other Bitmap": the head or grid button takes the file and the
  // caption, is selected (which reloads when it was not), and reloads.
  Outcome PickBitmap(PickedBitmap which, std::string file, std::string caption);
  // The first half of "Convert and Save": the picture painted with the marker colours of set 2,
  // the code text kept as it was.
  Outcome ConvertToMarkerSet2();

  // What the user edits in place.
  void SetCodeText(std::string text) { codeText_ = std::move(text); }
  void SetGroupEnabled(int group, bool enabled) { groupsEnabled_[Index(group)] = enabled; }
  void SetApplyColoursOnLoad(bool on) { applyColoursOnLoad_ = on; }

  // What the window shows. Slots and groups count from 1.
  const Picture& picture() const { return *picture_; }
  // The picture for a view to keep showing: the session draws into it in place while its size
  // stays, and starts a new one when the size changes.
  std::shared_ptr<const Picture> sharedPicture() const { return picture_; }
  const std::string& codeText() const { return codeText_; }
  const std::string& sizeText() const { return sizeText_; }
  const std::string& slotLabel(int slot) const { return slotLabels_[Index(slot)]; }
  Colour slotFill(int slot) const { return slotFills_[Index(slot)]; }
  bool slotShown(int slot) const { return model_.slots[Index(slot)].located(); }
  // Group 4's caption is the pair "Buckle" and "or Eyes".
  bool groupCaptionShown(int group) const { return groupCaptionsShown_[Index(group)]; }
  bool groupEnabled(int group) const { return groupsEnabled_[Index(group)]; }
  // The marker set of the last paintable bitmap loaded: 1 or 2, or 0 before the first.
  int shownMarkerSet() const { return shownMarkerSet_; }
  int selectedBody() const { return body_; }
  const std::string& bodyCaption(int body) const { return bodyCaptions_[Index(body)]; }
  const std::string& headFile() const { return headFile_; }
  const std::string& gridFile() const { return gridFile_; }
  const PaintModel& model() const { return model_; }

 private:
  static std::size_t Index(int numberFrom1) { return static_cast<std::size_t>(numberFrom1 - 1); }

  std::string BodyPath(int body) const;
  std::optional<Bitmap> ReadBitmap(const std::string& path, Outcome& failure) const;
  Outcome ShowBitmap(Bitmap bitmap);
  Outcome ReloadWith(Bitmap bitmap);
  void RememberLastCodes();
  void AssignCode(int slot, std::int32_t code, std::string label);
  Outcome ParseCodeString(std::string text);
  void ApplyCodes();
  void DrawPicture(const std::array<std::uint32_t, 256>& table);

  std::string programDirectory_;
  PaintModel model_;
  std::shared_ptr<Picture> picture_;
  RandomGenerator random_;
  std::string codeText_;
  std::string sizeText_;
  std::array<std::string, kSlotCount> slotLabels_;
  std::array<Colour, kSlotCount> slotFills_;
  std::array<bool, kGroupCount> groupCaptionsShown_;
  std::array<bool, kGroupCount> groupsEnabled_;
  int shownMarkerSet_ = 0;
  int body_ = kStartUpBody;
  std::array<std::string, kBodyCount> bodyCaptions_;
  std::string headFile_;
  std::string gridFile_;
  bool applyColoursOnLoad_ = true;
};

}  // namespace tintara
