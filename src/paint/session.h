#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "paint/canvas.h"
#include "paint/colour_vision.h"
#include "paint/command_runner.h"
#include "paint/commands.h"
#include "paint/edits_in_place.h"
#include "paint/harmony.h"
#include "paint/painting.h"
#include "paint/random_codes.h"
#include "platform/problem.h"

namespace tintara {

struct GalleryEntry;

// Where the keyboard focus goes after an action.
enum class Focus {
  Stays,     // where it was
  Enlarge,   // to the Enlarge check box, the next thing a user does after painting
  CodeEdit,  // to the edit box, where typing goes on
};

// What a view shows after an action, besides the session's document and pictures.
struct Outcome {
  std::optional<Problem> problem{};     // told last, after everything else is shown
  std::optional<std::string> notice{};  // worth a word, though nothing failed
  EditsInPlace edits{};                 // the edit box's text and the group checks, to put back
  // The code string replaced what was typed, and the edit box's typing history ends there.
  bool endTyping = false;
  bool fit = false;     // the picture was loaded or has another size: fit the view to it
  bool loaded = false;  // a bitmap was loaded
  Focus focus = Focus::Stays;
};

// One user's work: the document and its undo history, the picture drawn from it, the colour-vision
// view, the random source, and what the user edits in place. Every window of the program and the
// tests act through it; each action is a method named for what the user does, and returns what
// to show. No view keeps state of its own that a rule here depends on.
//
// Who owns what: the session owns the group checks and the code string as the user edits them
// (`edits()`); the window forwards each edit as it happens and puts back what an outcome gives.
// A document keeps the checks and the code string only as undo needs them: the checks a command
// ran with and what it changed, and the code string it wrote (`Document`); a draft typed over
// them stays the user's through undo and redo.
class Session {
 public:
  // `programDirectory` ends with a separator; `designPicture` shows until a bitmap loads.
  Session(std::string programDirectory, std::uint32_t seed, Picture designPicture);

  // The start-up body loaded as the program starts, as no step; a file that cannot be read
  // leaves the design picture without a word. Fits once a picture shows.
  Outcome LoadStartUpBody();

  // What the user edits in place, forwarded as it changes.
  void EditCodeText(std::string text) { edits_.codeText = std::move(text); }
  void CheckGroup(int group, bool checked);
  void SetApplyColoursOnLoad(bool on) { applyColoursOnLoad_ = on; }
  const EditsInPlace& edits() const { return edits_; }

  // How an action reached the session, where that decides the focus after it.
  enum class Via { Button, Return };

  // "Apply Color Codes" with the edit box's text; by Return in the edit box the focus stays there.
  Outcome ApplyCodeText(Via via = Via::Button);
  // Codes chosen in the code book, applied as the edit box's would be.
  Outcome ApplyChosenCodes(std::string codes);
  Outcome ApplyCodesFromPage(std::string codes);
  Outcome RestoreLastCodes();
  // The codes an imported palette or pasted colours give the slots, as one step.
  Outcome ImportPalette(const std::string& paletteName, std::string codes);
  Outcome PasteColours(std::string codes);
  Outcome DropSwatch(int slot, std::int32_t code);
  Outcome DropSlot(int slot, int sourceSlot);
  Outcome EndSlotDrag(int sourceSlot);
  Outcome ToggleSlotLock(int slot);
  // The slot's group shaded from it, the skin group kept to the skin tones unless the random
  // settings allow any colour for skin.
  Outcome ShadeGroup(int slot);
  // A code that makes the slot readable beside another, as a suggestion offered it.
  Outcome FixSlot(int slot, std::int32_t code);
  Outcome ApplyNextSkinPreset();
  // "Gee!" with the settings chosen last, its seed kept for "Roll Again". A checked group that
  // has nothing to draw keeps its codes, and the notice says why.
  Outcome RollRandomCodes();
  // The roll made again from the seed, with these settings, as "Gee!" makes it.
  Outcome RollAgain(std::uint32_t seed, const RandomCodeSettings& settings);
  Outcome Reload();
  Outcome SelectBody(int body);
  Outcome PickBitmap(commands::PickedBitmap which, std::string file, std::string caption);
  Outcome LoadOtherBitmap(std::string path);
  Outcome ChooseGalleryPicture(const GalleryEntry& entry, std::string codes);
  Outcome ConvertToMarkerSet2();
  Outcome Undo();
  Outcome Redo();

  // The settings "Random Codes..." chose for "Gee!", and the generator's state before the last
  // roll.
  void SetRandomSettings(const RandomCodeSettings& settings) { randomSettings_ = settings; }
  // "Draw Gee! from This Palette": "Gee!" draws among the palette's nearest codes until cleared,
  // for this run only.
  void DrawGeeFrom(DrawingCodes codes) { randomSettings_.drawFrom = std::move(codes); }
  void ClearGeeDrawing() { randomSettings_.drawFrom.reset(); }
  const RandomCodeSettings& randomSettings() const { return randomSettings_; }
  std::uint32_t lastSeed() const { return lastSeed_; }

  // Every view shows the document as this viewer sees it; files keep the true colours.
  void SetVision(Vision vision);
  Vision vision() const { return canvas_.vision(); }

  const Document& document() const { return runner_.document(); }
  const std::string* undoName() const { return runner_.undoName(); }
  const std::string* redoName() const { return runner_.redoName(); }
  // The picture in its true colours, and as the viewer sees it.
  const Picture& picture() const { return canvas_.picture(); }
  std::shared_ptr<const Picture> shownPicture() const { return canvas_.shownPicture(); }
  std::shared_ptr<const Picture> PictureMarkingSlot(int slot) {
    return canvas_.MarkingSlot(document(), slot);
  }
  // The document painted with other codes, and its picture as the viewer sees it, drawn apart
  // from the document's: playing the code book's entries shows them without a step.
  Expected<Document> PaintedWith(std::string codes) const {
    return PaintedWithCodes(document(), std::move(codes));
  }
  std::shared_ptr<const Picture> PreviewPicture(const Document& painted);

 private:
  // When an action that did not fail moves the focus to Enlarge.
  enum class EnlargeFocus { Never, Always, WhenApplied, AfterLoad };

  commands::LoadInputs loadInputs() const;
  Outcome Run(const Command& command, EnlargeFocus enlarge);
  // "Gee!" with these settings from the generator as it stands.
  Outcome Roll(const RandomCodeSettings& settings, EnlargeFocus enlarge);
  Outcome Take(const Step* step, bool undone);
  // The edits and the fit after the picture showed at `width` x `height` before.
  Outcome Shown(int width, int height, bool endTyping);

  std::string directory_;
  CommandRunner runner_;
  Canvas canvas_;
  Canvas preview_{Picture{}};
  RandomGenerator random_;
  RandomCodeSettings randomSettings_{};
  std::uint32_t lastSeed_;
  EditsInPlace edits_;
  bool applyColoursOnLoad_ = true;
};

}  // namespace tintara
