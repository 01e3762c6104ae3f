// The commands that load a bitmap: Reload, the body radio buttons, the catalogue and "Load Other
// Bitmap".
#include "paint/bitmap_paths.h"
#include "paint/code_string.h"
#include "paint/commands.h"
#include "paint/painting.h"
#include "platform/translation.h"

namespace tintara {
namespace {

std::string BodyPath(const Document& document, const std::string& programDirectory, int body) {
  if (body == kHeadBody) return programDirectory + document.headFile;
  if (body == kGridBody) return GridPath(programDirectory, document.gridFile);
  return programDirectory + std::string(kBodies[static_cast<std::size_t>(body - 1)].file);
}

// The bitmap without its pixels.
Bitmap ColourTableOnly(const Bitmap& bitmap) {
  Bitmap header;
  header.width = bitmap.width;
  header.height = bitmap.height;
  header.bitsPerPixel = bitmap.bitsPerPixel;
  header.colourTable = bitmap.colourTable;
  return header;
}

// Reload with the bitmap read: `codeText` is what the edit box holds then. A skin this program
// saved comes back painted with its stored codes, in the same step, whatever the option says.
CommandResult ReloadWith(Document& document, BitmapToPaint file, const std::string& codeText,
                         bool applyColoursOnLoad) {
  RememberLastCodes(document.model.lastCodes, codeText);
  // Before the load, which clears group 4 again for a picture without slot 16.
  document.groups.fill(true);
  LoadBitmap(document, std::move(file.bitmap));
  document.codeText = kDefaultCodeString;
  CommandResult result{.loaded = true, .wroteCodeText = true};
  std::optional<std::string> codes = std::move(file.storedCodes);
  if (!codes && applyColoursOnLoad && !document.model.lastCodes.empty()) {
    codes = document.model.lastCodes;
  }
  if (codes) {
    AppliedCodeText applied = ApplyCodeText(document, std::move(*codes));
    result.keepsChanges = applied.problem.has_value();
    result.problem = std::move(applied.problem);
    result.codesApplied = applied.applied;
  }
  return result;
}

CommandResult Pick(Document& document, commands::PickedBitmap which, std::string file,
                   std::string caption, const commands::LoadInputs& inputs) {
  const bool head = which == commands::PickedBitmap::Head;
  Expected<BitmapToPaint> bitmap = ReadBitmapToPaint(
      head ? inputs.programDirectory + file : GridPath(inputs.programDirectory, file));
  // The caption, the file and the selection stay as they were.
  if (!bitmap) return {.problem = std::move(bitmap).problem()};
  (head ? document.headFile : document.gridFile) = std::move(file);
  const int body = head ? kHeadBody : kGridBody;
  document.bodyCaptions[static_cast<std::size_t>(body - 1)] = std::move(caption);
  if (document.body == body) {
    return ReloadWith(document, std::move(*bitmap), inputs.codeText, inputs.applyColoursOnLoad);
  }
  // Selecting the button reloads, and the entry then reloads once more.
  document.body = body;
  std::optional<std::string> storedCodes = bitmap->storedCodes;
  const Bitmap header = ColourTableOnly(bitmap->bitmap);
  CommandResult first =
      ReloadWith(document, std::move(*bitmap), inputs.codeText, inputs.applyColoursOnLoad);
  if (first.problem) return first;
  // A load reads no pixel: the second takes the bitmap's colour table alone, and the pixels the
  // first loaded go back in place, so that the bitmap is never copied.
  std::shared_ptr<const Bitmap> loaded = document.model.work;
  const std::string codeText = document.codeText;
  CommandResult second =
      ReloadWith(document, {header, std::move(storedCodes)}, codeText, inputs.applyColoursOnLoad);
  document.model.work = std::move(loaded);
  return second;
}

}  // namespace

void LoadStartUpBody(Document& document, const std::string& programDirectory) {
  Expected<BitmapToPaint> file =
      ReadBitmapToPaint(BodyPath(document, programDirectory, document.body));
  if (file) LoadBitmap(document, std::move(file->bitmap));
}

namespace commands {

Command Reload(LoadInputs inputs) {
  return {Tr("Reload"), [inputs](Document& document) {
            Expected<BitmapToPaint> bitmap =
                ReadBitmapToPaint(BodyPath(document, inputs.programDirectory, document.body));
            if (!bitmap) return CommandResult{.problem = std::move(bitmap).problem()};
            return ReloadWith(document, std::move(*bitmap), inputs.codeText,
                              inputs.applyColoursOnLoad);
          }};
}

Command SelectBody(const Document& current, int body, LoadInputs inputs) {
  return {BodyCaption(current, body), [body, inputs](Document& document) {
            if (body == document.body) return CommandResult{};
            Expected<BitmapToPaint> bitmap =
                ReadBitmapToPaint(BodyPath(document, inputs.programDirectory, body));
            // The selection stays where it was.
            if (!bitmap) return CommandResult{.problem = std::move(bitmap).problem()};
            document.body = body;
            return ReloadWith(document, std::move(*bitmap), inputs.codeText,
                              inputs.applyColoursOnLoad);
          }};
}

Command PickBitmap(PickedBitmap which, std::string file, std::string caption, LoadInputs inputs) {
  std::string name = caption;
  return {std::move(name),
          [=](Document& document) { return Pick(document, which, file, caption, inputs); }};
}

Command LoadOtherBitmap(std::string path, LoadInputs inputs) {
  return {Tr("Load Other Bitmap"), [=](Document& document) {
            return Pick(document, PickedBitmap::Grid, path, OtherBitmapCaption(path), inputs);
          }};
}

}  // namespace commands
}  // namespace tintara
