#include "cli/batch_painting.h"

#include <algorithm>
#include <atomic>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#include "cli/local_time_stamp.h"
#include "formats/export_files.h"
#include "formats/picture_files.h"
#include "formats/skin_file.h"
#include "paint/canvas.h"
#include "paint/painting.h"
#include "paint/recolour.h"
#include "platform/file_batch.h"
#include "platform/path_names.h"

namespace tintara {
namespace {

// Paintings made and written together: a few syncs for all their files, and no more of them in
// memory than this.
constexpr std::size_t kPaintingsPerBatch = 64;

// An input, loaded once by whichever painting needs it first.
struct Input {
  std::string path;
  std::once_flag once;
  std::optional<Expected<Document>> loaded;
};

// One output to make: an input painted with one code string, or with random codes.
struct Painting {
  Input* input;
  const CodeString* codes;
  bool firstOfInput;
};

// What making a painting left: its files staged in the order they are to be written, with the
// names the user gave them, and why the rest was not made.
struct Made {
  std::vector<StagedFile> files;
  std::vector<std::string> paths;
  std::optional<std::string> problem;
  bool failed = false;
};

Expected<Document> Load(const std::string& path) {
  Expected<Bitmap> bitmap = ReadBitmapToPaint(path);
  if (!bitmap) return std::move(bitmap).problem();
  return LoadedDocument(std::move(*bitmap));
}

// The outputs of a painting. No whole picture is drawn for them but the pixels of a skin without
// a colour table: a skin is its indices and painted table, and a JPEG is encoded a row at a time.
Expected<std::vector<FileContent>> Files(const PaintRequest& request, const Document& painted,
                                         Canvas& canvas, const std::string& path) {
  const Bitmap& work = *painted.model.work;
  const DisplayTable table = *PaintedTable(painted);
  if (request.type != "jpg") {
    if (!work.hasColourTable()) canvas.Show(painted);
    Expected<FileContent> skin = SkinFile(path, work, canvas.picture(), table, request.scale);
    if (!skin) return std::move(skin).problem();
    return std::vector<FileContent>{std::move(*skin)};
  }
  const PictureRows rows{work.width, work.height, [&](int y, std::uint32_t* buffer) {
                           DrawRowThroughTable(work, table, y, buffer);
                           return static_cast<const std::uint32_t*>(buffer);
                         }};
  const JpegPage page{painted.codeText, LocalTimeStamp()};
  return JpegFiles(path, rows, request.page ? &page : nullptr);
}

// The pattern with every `field` in it replaced by the value.
std::string Filled(std::string pattern, std::string_view field, std::string_view value) {
  for (std::size_t at = pattern.find(field); at != std::string::npos;
       at = pattern.find(field, at + value.size())) {
    pattern.replace(at, field.size(), value);
  }
  return pattern;
}

// Paints and encodes, and writes each file into a temporary file of its own; every code string
// starts from the picture as loaded.
void Make(const PaintRequest& request, const Painting& painting, Canvas& canvas, Made& made) {
  Input& input = *painting.input;
  std::call_once(input.once, [&] { input.loaded.emplace(Load(input.path)); });
  const Expected<Document>& loaded = *input.loaded;
  made.failed = true;
  if (!loaded) {
    // The input is told once, at its first painting.
    if (painting.firstOfInput) made.problem = loaded.problem().message;
    return;
  }
  Document painted = *loaded;
  if (painting.codes == nullptr) {
    RandomGenerator random(request.seed);
    RollRandomCodes(painted, GroupChecks{true, true, true, true}, random);
  } else {
    Expected<Document> applied = PaintedWithCodes(*loaded, painting.codes->text);
    if (!applied) {
      made.problem = std::string(FileNameOf(input.path)) + ": " + painting.codes->origin +
                     applied.problem().message;
      return;
    }
    painted = std::move(*applied);
  }
  const std::string path =
      Filled(Filled(request.pattern, "{name}", StemOf(input.path)), "{n}",
             std::to_string(painting.codes == nullptr ? 1 : painting.codes->line));
  Expected<std::vector<FileContent>> files = Files(request, painted, canvas, path);
  if (!files) {
    made.problem = files.problem().message;
    return;
  }
  for (FileContent& file : *files) {
    std::optional<StagedFile> staged = StageFile(file.path, file.bytes);
    if (!staged) {
      made.problem = CannotCreate(file.path).message;
      return;
    }
    made.files.push_back(std::move(*staged));
    made.paths.push_back(file.path);
  }
  made.failed = false;
}

// Makes the paintings, `jobs` at a time, each worker with a picture of its own.
std::vector<Made> MakeAll(const PaintRequest& request, const std::vector<Painting>& paintings) {
  std::vector<Made> made(paintings.size());
  std::atomic<std::size_t> next = 0;
  const auto work = [&] {
    Canvas canvas{Picture{}};
    for (std::size_t i = next++; i < paintings.size(); i = next++) {
      try {
        Make(request, paintings[i], canvas, made[i]);
      } catch (const std::exception& error) {
        made[i].problem = error.what();
        made[i].failed = true;
      }
    }
  };
  const std::size_t workers =
      std::min<std::size_t>(static_cast<std::size_t>(std::max(request.jobs, 1)), paintings.size());
  std::vector<std::thread> threads;
  for (std::size_t w = 1; w < workers; ++w) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
  return made;
}

// Puts the files of the paintings in their places as one batch; a file that does not get there
// fails its painting.
void Commit(std::vector<Made>& made) {
  FileBatch batch;
  std::vector<std::pair<std::size_t, std::size_t>> owners;  // painting, file
  for (std::size_t i = 0; i < made.size(); ++i) {
    for (std::size_t f = 0; f < made[i].files.size(); ++f) {
      batch.Add(std::move(made[i].files[f]));
      owners.emplace_back(i, f);
    }
  }
  const std::vector<bool> placed = batch.Commit();
  for (std::size_t k = 0; k < placed.size(); ++k) {
    if (placed[k]) continue;
    Made& painting = made[owners[k].first];
    painting.failed = true;
    if (!painting.problem)
      painting.problem = CannotCreate(painting.paths[owners[k].second]).message;
  }
}

}  // namespace

bool PaintAll(const PaintRequest& request, std::ostream& errors) {
  std::deque<Input> inputs;
  std::vector<Painting> paintings;
  for (const std::string& path : request.inputs) {
    Input& input = inputs.emplace_back();
    input.path = path;
    if (request.codeStrings.empty()) {
      paintings.push_back({&input, nullptr, true});
    }
    for (const CodeString& codes : request.codeStrings) {
      paintings.push_back({&input, &codes, &codes == &request.codeStrings.front()});
    }
  }
  bool allWritten = true;
  for (std::size_t first = 0; first < paintings.size(); first += kPaintingsPerBatch) {
    const std::size_t last = std::min(paintings.size(), first + kPaintingsPerBatch);
    const std::vector<Painting> group(paintings.begin() + std::ptrdiff_t(first),
                                      paintings.begin() + std::ptrdiff_t(last));
    std::vector<Made> made = MakeAll(request, group);
    Commit(made);
    for (const Made& painting : made) {
      if (painting.problem) errors << "tintara: " << *painting.problem << '\n';
      allWritten = allWritten && !painting.failed;
    }
  }
  return allWritten;
}

}  // namespace tintara
