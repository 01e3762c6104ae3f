#include "cli/animation_painting.h"

#include <algorithm>
#include <filesystem>

#include "cli/codes_file.h"
#include "cli/line_messages.h"
#include "cli/output_names.h"
#include "cli/request_painting.h"
#include "formats/export_files.h"
#include "formats/gif_animation.h"
#include "paint/painting.h"
#include "platform/bmp_reader.h"
#include "platform/filled_text.h"
#include "platform/folders.h"
#include "platform/path_names.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

struct Input {
  std::string path;
  Expected<Document> loaded;
};

std::uint64_t FramePixelsOf(const Document& document, int scale) {
  const Bitmap& work = *document.model.work;
  return GifAnimation::FramePixels(work.width, work.height, scale, false);
}

std::size_t MostFramesOf(const Document& document, int scale) {
  const Bitmap& work = *document.model.work;
  return GifAnimation::MostFrames(work.width, work.height, scale, false);
}

// The code strings of the request, or nothing for rolls of random codes, read up to `most`; true
// in `more` when there were more. Nothing read and false: the codes file could not be opened.
bool ReadCodeStrings(const PaintRequest& request, std::size_t most, std::vector<CodeString>& read,
                     bool& more, std::ostream& errors) {
  if (request.codes) {
    read.push_back({*request.codes, {}, 1, "", {}});
    return true;
  }
  if (!request.codesFile) return true;
  std::optional<Expected<CodesFile>> opened;
  CodesFile* file = request.standardInput.get();
  if (file == nullptr) {
    opened.emplace(CodesFile::Open(*request.codesFile));
    if (!*opened) {
      errors << UnreadableCodesFile(*request.codesFile, opened->problem());
      return false;
    }
    file = &**opened;
  }
  while (std::optional<CodeString> codes = file->Next()) {
    if (read.size() == most) {
      more = true;
      break;
    }
    read.push_back(std::move(*codes));
  }
  return true;
}

// The input's animation, its frames painted in turn; or nothing, its problems told.
std::optional<std::vector<std::uint8_t>> Animate(const PaintRequest& request, const Input& input,
                                                 const std::string& path,
                                                 const std::vector<CodeString>& codeStrings,
                                                 LineMessages& lineMessages, std::ostream& errors,
                                                 bool& allWritten) {
  const Document& loaded = *input.loaded;
  const Bitmap& work = *loaded.model.work;
  GifAnimation animation(work.width, work.height, request.scale, request.delay, false);
  const std::uint32_t frames =
      request.codes || request.codesFile ? std::uint32_t(codeStrings.size()) : request.count;
  std::uint32_t added = 0;
  for (std::uint32_t frame = 0; frame < frames; ++frame) {
    Document painted = loaded;
    if (!request.codes && !request.codesFile) {
      painted = RolledAsAsked(request, loaded, frame);
    } else {
      const CodeString& codes = codeStrings[frame];
      Expected<Document> applied = codes.problem ? Expected<Document>(Problem{*codes.problem})
                                                 : PaintedWithCodes(loaded, codes.text);
      if (!applied) {
        lineMessages.Tell(
            MessageAboutLine(ShownText(input.path) + ": ", codes, applied.problem().message),
            errors);
        allWritten = false;
        continue;
      }
      painted = std::move(*applied);
    }
    if (std::optional<Problem> problem = ShadeAsAsked(request, painted)) {
      errors << "tintara: " << ShownText(input.path) << ": " << problem->message << '\n';
      allWritten = false;
      return std::nullopt;
    }
    const DisplayTable table = SimulatedTable(request.vision, *PaintedTable(painted));
    if (!animation.Add(work, table, "")) break;
    ++added;
  }
  if (added == 0) {
    errors << "tintara: " << ShownText(input.path) << ": " << Tr("no code string could be used")
           << '\n';
    allWritten = false;
    return std::nullopt;
  }
  std::optional<std::vector<std::uint8_t>> gif = animation.Finish();
  if (!gif) {
    errors << "tintara: " << CannotEncode(path).message << '\n';
    allWritten = false;
  }
  return gif;
}

}  // namespace

bool PaintAnimations(const PaintRequest& request, std::ostream& output, std::ostream& errors) {
  bool allWritten = true;
  std::vector<Input> inputs;
  // The code strings are read as far as the smallest input's frames fit, and one more.
  std::size_t room = 0;
  for (const std::string& path : request.inputs) {
    inputs.push_back({path, LoadToPaint(path)});
    if (inputs.back().loaded) {
      room = std::max(room, MostFramesOf(*inputs.back().loaded, request.scale));
    }
  }
  std::vector<CodeString> codeStrings;
  bool more = false;
  if (!ReadCodeStrings(request, room, codeStrings, more, errors)) return false;
  const std::size_t frames =
      request.codes || request.codesFile ? codeStrings.size() + (more ? 1 : 0) : request.count;
  LineMessages lineMessages;
  for (const Input& input : inputs) {
    if (!input.loaded) {
      errors << "tintara: " << input.loaded.problem().message << '\n';
      allWritten = false;
      continue;
    }
    const std::string path =
        OutputPath(request.pattern, StemOf(input.path), 1, LabelOf(std::nullopt, 1));
    if (frames > MostFramesOf(*input.loaded, request.scale)) {
      const std::uint64_t framePixels = FramePixelsOf(*input.loaded, request.scale);
      errors << "tintara: "
             << Filled(Tr("Cannot write %s: the first %s frames would hold %s pixels, and an "
                          "animation can hold at most %s; give fewer code strings or a smaller "
                          "scale"),
                       {ShownText(path), std::to_string(frames),
                        std::to_string(framePixels * frames), std::to_string(kMaxBmpPixels)})
             << '\n';
      allWritten = false;
      continue;
    }
    std::optional<std::vector<std::uint8_t>> gif =
        Animate(request, input, path, codeStrings, lineMessages, errors, allWritten);
    if (!gif) continue;
    std::optional<Problem> problem =
        MakeFolderToWriteInto(std::filesystem::path(path).parent_path().string());
    if (!problem) problem = WriteExportFile(path, *gif);
    if (problem) {
      errors << "tintara: " << problem->message << '\n';
      allWritten = false;
      continue;
    }
    if (request.verbose) output << WroteMessage(path, gif->size());
  }
  lineMessages.TellRest(errors);
  return allWritten;
}

}  // namespace tintara
