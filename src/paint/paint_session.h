#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "paint/bodies.h"
#include "paint/paint_model.h"
#include "paint/picture.h"
#include "paint/random_codes.h"
#include "paint/session_state.h"
#include "paint/undo_history.h"

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
  // Every operation below that changes what the window shows is one step of the undo history,
  // named for the menu; one that stops with a message makes none.

  // "Apply Color Codes": gives the slots the code text's tokens, recolours, and remembers it.
  Outcome ApplyCodeText();
  // "Load Codes from Page": the codes applied as "Apply Color Codes" applies them; a code string
  // with a token that is not a number changes nothing.
  Outcome ApplyCodesFromPage(std::string codes);
  // "Restore last color codes": applies the last codes again.
  Outcome RestoreLastCodes();
  // A swatch of the board with this code and colour dropped on a slot (1..16).
  Outcome DropSwatch(int slot, std::int32_t code, Colour colour);
  // A slot swatch dropped on another (or the same) slot: its code and shown colour are copied,
  // and the drag ends with a recolouring.
  Outcome DropSlot(int slot, int sourceSlot);
  // A drag from a slot swatch released anywhere else also ends with a recolouring.
  Outcome EndSlotDrag(int sourceSlot);
  // "Gee!": a random code for every slot of every enabled group.
  Outcome RollRandomCodes();
  // The skin caption: slots 6..10 take the next of the two skin presets.
  Outcome ApplyNextSkinPreset();
  // "Reload": the selected body's bitmap unpainted, then the last codes again when the option
  // says so.
  Outcome Reload();
  // A body radio button (1..8) selected by the user: reloads when the selection changes.
  Outcome SelectBody(int body);
  // A catalogue entry: the head or grid button takes the file and the caption, is selected
  // (which reloads when it was not), and reloads.
  Outcome PickBitmap(PickedBitmap which, std::string file, std::string caption);
  // "Load Other Bitmap": the grid button takes the path and a caption from its name.
  Outcome LoadOtherBitmap(std::string path);
  // The first half of "Convert and Save": the picture painted with the marker colours of set 2,
  // the code text kept as it was.
  Outcome ConvertToMarkerSet2();

  // The picture with the pixels of the slot's colour-table entry in a colour that stands out
  // against theirs, to show what the slot paints; nothing when the slot has no entry.
  std::optional<Picture> PictureMarkingSlot(int slot) const;

  // Undo brings back everything a step changed, the picture and the loaded bitmap included;
  // redo takes the step again. Names of the steps to undo and redo; nothing when there is none.
  Outcome Undo();
  Outcome Redo();
  const std::string* undoName() const { return history_.undoName(); }
  std::size_t undoCount() const { return history_.undoCount(); }
  const std::string* redoName() const { return history_.redoName(); }

  // What the user edits in place.
  void SetCodeText(std::string text) { state_.codeText = std::move(text); }
  void SetGroupEnabled(int group, bool enabled) { state_.groupsEnabled[Index(group)] = enabled; }
  void SetApplyColoursOnLoad(bool on) { applyColoursOnLoad_ = on; }

  // What the window shows. Slots and groups count from 1.
  const Picture& picture() const { return *picture_; }
  // The table the picture was last drawn through from the work bitmap: display pixels for the
  // bitmap's colour-table entries as painted. Nothing while the design picture shows.
  const std::optional<std::array<std::uint32_t, 256>>& paintedTable() const {
    return state_.painted;
  }
  // The picture for a view to keep showing: the session draws into it in place while its size
  // stays, and starts a new one when the size changes.
  std::shared_ptr<const Picture> sharedPicture() const { return picture_; }
  const std::string& codeText() const { return state_.codeText; }
  const std::string& sizeText() const { return state_.sizeText; }
  const std::string& slotLabel(int slot) const { return state_.slotLabels[Index(slot)]; }
  Colour slotFill(int slot) const { return state_.slotFills[Index(slot)]; }
  bool slotShown(int slot) const { return state_.model.slots[Index(slot)].located(); }
  // Group 4's caption is the pair "Buckle" and "or Eyes".
  bool groupCaptionShown(int group) const { return state_.groupCaptionsShown[Index(group)]; }
  bool groupEnabled(int group) const { return state_.groupsEnabled[Index(group)]; }
  // The marker set of the last paintable bitmap loaded: 1 or 2, or 0 before the first.
  int shownMarkerSet() const { return state_.shownMarkerSet; }
  int selectedBody() const { return state_.body; }
  const std::string& bodyCaption(int body) const { return state_.bodyCaptions[Index(body)]; }
  const std::string& headFile() const { return state_.headFile; }
  const std::string& gridFile() const { return state_.gridFile; }
  const PaintModel& model() const { return state_.model; }

 private:
  static std::size_t Index(int numberFrom1) { return static_cast<std::size_t>(numberFrom1 - 1); }

  // Runs an operation as one step of the undo history.
  Outcome Step(std::string name, const std::function<Outcome()>& operation);
  Outcome Show(SessionState state);

  std::string BodyPath(int body) const;
  std::optional<Bitmap> ReadBitmap(const std::string& path, Outcome& failure) const;
  Outcome ShowBitmap(Bitmap bitmap);
  Outcome ReloadWith(Bitmap bitmap);
  Outcome DoApplyCodeText();
  Outcome DoRestoreLastCodes();
  void Drop(int slot, std::int32_t code, Colour colour);
  Outcome DoSelectBody(int body);
  Outcome DoPickBitmap(PickedBitmap which, std::string file, std::string caption);
  void RememberLastCodes();
  void AssignCode(int slot, std::int32_t code, std::string label);
  Outcome ParseCodeString(std::string text);
  void ApplyCodes();
  void DrawPicture(const std::array<std::uint32_t, 256>& table);

  std::string programDirectory_;
  std::shared_ptr<const Picture> design_;
  std::shared_ptr<Picture> picture_;
  RandomGenerator random_;
  SessionState state_;
  UndoHistory history_;
  bool applyColoursOnLoad_ = true;
};

}  // namespace tintara
