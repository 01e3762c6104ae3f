#include "cli/batch_painting.h"

#include <algorithm>
#include <atomic>
#include <deque>
#include <exception>
#include <filesystem>
#include <future>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "cli/codes_file.h"
#include "cli/line_messages.h"
#include "cli/local_time_stamp.h"
#include "cli/output_names.h"
#include "cli/request_painting.h"
#include "formats/export_files.h"
#include "formats/picture_files.h"
#include "formats/skin_file.h"
#include "paint/canvas.h"
#include "paint/colour_vision.h"
#include "paint/painting.h"
#include "paint/recolour.h"
#include "platform/file_batch.h"
#include "platform/folders.h"
#include "platform/jpeg_writer.h"
#include "platform/path_names.h"
#include "platform/shown_text.h"

namespace tintara {
namespace {

// Paintings made and written together: a few syncs for all their files, and no more of them in
// memory than this.
constexpr std::size_t kPaintingsPerBatch = 64;

// An input, loaded once by whichever painting needs it first, and the labels its outputs took.
struct Input {
  std::string path;
  std::once_flag once;
  std::optional<Expected<Document>> loaded;
  std::set<std::string> labels;
};

// One output to make: an input painted with one code string, or with random codes.
struct Painting {
  Input* input;
  const CodeString* codes;
  bool firstOfInput;
  std::uint32_t roll = 0;  // which roll of random codes, without codes
};

// A file as the user named it, and its size.
struct FileMade {
  std::string path;
  std::uintmax_t bytes = 0;
};

// What making a painting left: its files staged in the order they are to be written, and why the
// rest was not made; once they are committed, the files that are in their places.
struct Made {
  std::vector<StagedFile> files;
  std::vector<FileMade> outputs;  // as the user named them, in the order of files
  std::optional<std::string> problem;
  std::optional<LineMessage> lineProblem;  // a code string's, of which there may be many
  std::optional<Problem> folderProblem;    // told once for all the outputs of the folder
  bool failed = false;
  std::vector<FileMade> written;
};

// The folders the outputs go into, each made and checked once, on whichever thread needs it first,
// so that a folder that cannot be made or written into stops its outputs without trying each.
class OutputFolders {
 public:
  const std::optional<Problem>& Prepare(const std::string& folder) {
    const std::lock_guard lock(mutex_);
    const auto [found, added] = prepared_.try_emplace(folder);
    if (added) found->second = MakeFolderToWriteInto(folder);
    return found->second;
  }

 private:
  std::mutex mutex_;
  std::map<std::string, std::optional<Problem>> prepared_;  // nodes stay where they are
};

// Puts a file whose content is whole into a temporary file of its own.
bool StageWhole(const FileContent& file, Made& made) {
  Expected<StagedFile> staged = StageFile(file.path, file.bytes);
  if (!staged) {
    made.problem = CannotCreate(file.path, staged.problem().message).message;
    return false;
  }
  made.files.push_back(std::move(*staged));
  made.outputs.push_back({file.path, file.bytes.size()});
  return true;
}

// A skin is its indices and painted table, in the view asked: only a skin without a colour table
// is drawn whole.
bool StageSkin(const PaintRequest& request, const Document& painted, Canvas& canvas,
               const std::string& path, Made& made) {
  const Bitmap& work = *painted.model.work;
  if (!work.hasColourTable()) canvas.Show(painted);
  Expected<FileContent> skin =
      SkinFile(path, work, canvas.picture(), SimulatedTable(request.vision, *PaintedTable(painted)),
               request.scale, PaintedCodeString(painted));
  if (!skin) {
    made.problem = skin.problem().message;
    return false;
  }
  return StageWhole(*skin, made);
}

// A JPEG is encoded a row of indices at a time through the table, in the view asked, and goes into
// its temporary file, and on its way to the disk, as it is made.
bool StageJpeg(const PaintRequest& request, const Document& painted, const std::string& path,
               Made& made) {
  const Bitmap& work = *painted.model.work;
  if (std::optional<Problem> refusal = JpegRefusal(path, work.width, work.height, request.page)) {
    made.problem = refusal->message;
    return false;
  }
  const DisplayTable table = SimulatedTable(request.vision, *PaintedTable(painted));
  const auto row = [&](int y, std::uint32_t* buffer) {
    DrawRowThroughTable(work, table, y, buffer);
    return static_cast<const std::uint32_t*>(buffer);
  };
  Expected<StagedFile> staged = StartStagedFile(path);
  if (!staged) {
    made.problem = CannotCreate(path, staged.problem().message).message;
    return false;
  }
  Written appended;
  std::uintmax_t bytes = 0;
  const auto append = [&](std::span<const std::uint8_t> piece) {
    appended = AppendToStagedFile(*staged, piece);
    bytes += piece.size();
    return static_cast<bool>(appended);
  };
  bool encoded = false;
  try {
    encoded = EncodeJpegRowsTo(work.width, work.height, row, append);
  } catch (...) {  // out of memory: the temporary file goes too
    Discard(*staged);
    throw;
  }
  if (!encoded) {
    Discard(*staged);
    made.problem = (appended ? CannotEncode(path) : CannotCreate(path, appended.reason)).message;
    return false;
  }
  made.files.push_back(std::move(*staged));
  made.outputs.push_back({path, bytes});
  if (!request.page ||
      StageWhole(PageFile(path, work.width, work.height, {painted.codeText, LocalTimeStamp()}),
                 made)) {
    return true;
  }
  // The picture and its page change together or not at all.
  Discard(made.files.back());
  made.files.pop_back();
  made.outputs.pop_back();
  return false;
}

// Paints and encodes, and writes each file into a temporary file of its own; every code string
// starts from the picture as loaded.
void Make(const PaintRequest& request, const Painting& painting, Canvas& canvas,
          OutputFolders& folders, Made& made) {
  Input& input = *painting.input;
  std::call_once(input.once, [&] { input.loaded.emplace(LoadToPaint(input.path)); });
  const Expected<Document>& loaded = *input.loaded;
  made.failed = true;
  if (!loaded) {
    // The input is told once, at its first painting.
    if (painting.firstOfInput) made.problem = loaded.problem().message;
    return;
  }
  Document painted = *loaded;
  if (painting.codes == nullptr) {
    painted = RolledAsAsked(request, *loaded, painting.roll);
  } else if (painting.codes->problem) {
    made.lineProblem =
        MessageAboutLine(ShownText(input.path) + ": ", *painting.codes, *painting.codes->problem);
    return;
  } else {
    Expected<Document> applied = PaintedWithCodes(*loaded, painting.codes->text);
    if (!applied) {
      made.lineProblem = MessageAboutLine(ShownText(input.path) + ": ", *painting.codes,
                                          applied.problem().message);
      return;
    }
    painted = std::move(*applied);
  }
  if (std::optional<Problem> problem = ShadeAsAsked(request, painted)) {
    made.problem = ShownText(input.path) + ": " + problem->message;
    return;
  }
  const int line =
      painting.codes == nullptr ? static_cast<int>(painting.roll) + 1 : painting.codes->line;
  const std::string path =
      OutputPath(request.pattern, StemOf(input.path), line,
                 LabelOf(painting.codes == nullptr ? std::nullopt : painting.codes->label, line));
  // The folders the pattern names are made as needed.
  made.folderProblem = folders.Prepare(std::filesystem::path(path).parent_path().string());
  if (made.folderProblem) return;
  made.failed = request.kind == PictureKind::Jpeg
                    ? !StageJpeg(request, painted, path, made)
                    : !StageSkin(request, painted, canvas, path, made);
}

// Makes the paintings, `jobs` at a time, each worker with a picture of its own.
std::vector<Made> MakeAll(const PaintRequest& request, const std::vector<Painting>& paintings,
                          OutputFolders& folders) {
  std::vector<Made> made(paintings.size());
  std::atomic<std::size_t> next = 0;
  const auto work = [&] {
    Canvas canvas{Picture{}};
    for (std::size_t i = next++; i < paintings.size(); i = next++) {
      try {
        Make(request, paintings[i], canvas, folders, made[i]);
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
    for (std::size_t f = 0; f < made[i].files.size(); ++f) owners.emplace_back(i, f);
    batch.Add(std::move(made[i].files));
  }
  const std::vector<Written> placed = batch.Commit();
  for (std::size_t k = 0; k < placed.size(); ++k) {
    Made& painting = made[owners[k].first];
    const FileMade& file = painting.outputs[owners[k].second];
    if (placed[k]) {
      painting.written.push_back(file);
      continue;
    }
    painting.failed = true;
    if (!painting.problem) painting.problem = CannotCreate(file.path, placed[k].reason).message;
  }
}

}  // namespace

bool PaintAll(const PaintRequest& request, std::ostream& output, std::ostream& errors) {
  bool allWritten = true;
  OutputFolders folders;
  std::set<std::string> foldersTold;
  LineMessages lineMessages;
  const auto report = [&](const std::vector<Made>& made) {
    for (const Made& painting : made) {
      if (painting.problem) errors << "tintara: " << *painting.problem << '\n';
      if (painting.lineProblem) lineMessages.Tell(*painting.lineProblem, errors);
      if (painting.folderProblem && foldersTold.insert(painting.folderProblem->file).second) {
        errors << "tintara: " << painting.folderProblem->message << '\n';
      }
      if (request.verbose) {
        for (const FileMade& file : painting.written) {
          output << WroteMessage(file.path, file.bytes);
        }
      }
      allWritten = allWritten && !painting.failed;
    }
  };
  // A batch is put in place while the next is made: syncing and renaming mostly wait for the
  // disk. Batches are put in place one after another, in order. The code strings of a codes file
  // are read a batch at a time, and those of standard input as they come.
  std::deque<Input> inputs;
  std::vector<Painting> group;
  std::deque<CodeString> groupCodes;
  std::vector<Made> placing;
  std::future<void> placed;
  const auto makeGroup = [&] {
    if (group.empty()) return;
    std::vector<Made> made = MakeAll(request, group, folders);
    group.clear();
    groupCodes.clear();
    if (placed.valid()) {
      placed.get();
      report(placing);
    }
    placing = std::move(made);
    placed = std::async(std::launch::async, [&placing] { Commit(placing); });
  };
  // Everything made so far, written and told.
  const auto finish = [&] {
    makeGroup();
    if (!placed.valid()) return;
    placed.get();
    report(placing);
    placing.clear();
  };
  // Each input's code strings must not give two outputs one label.
  const bool labelled = request.pattern.find("{label}") != std::string::npos;
  const auto add = [&](Input& input, std::optional<CodeString> codes, bool first,
                       std::uint32_t roll = 0) {
    if (codes && labelled && !codes->problem) {
      codes->problem = LabelProblem(LabelOf(codes->label, codes->line), input.labels);
    }
    const CodeString* stored = nullptr;
    if (codes) stored = &groupCodes.emplace_back(std::move(*codes));
    group.push_back({&input, stored, first, roll});
    if (group.size() == kPaintingsPerBatch) makeGroup();
  };
  // While the writer of a pipe pauses, what it has given is painted, written and told.
  const auto beforeWaiting = [&] {
    if (!group.empty() || placed.valid()) finish();
  };
  const auto addLines = [&](CodesFile& file, std::span<Input* const> on) {
    bool first = true;
    while (std::optional<CodeString> codes = file.Next(beforeWaiting)) {
      for (Input* input : on) add(*input, *codes, first);
      first = false;
    }
  };
  std::vector<Input*> all;
  for (const std::string& path : request.inputs) {
    all.push_back(&inputs.emplace_back());
    all.back()->path = path;
  }
  if (request.standardInput) {
    addLines(*request.standardInput, all);
  } else {
    for (Input* input : all) {
      if (request.codes) {
        add(*input, CodeString{*request.codes, {}, 1, "", {}}, true);
      } else if (!request.codesFile) {
        for (std::uint32_t roll = 0; roll < request.count; ++roll) {
          add(*input, std::nullopt, roll == 0, roll);
        }
      } else if (Expected<CodesFile> file = CodesFile::Open(*request.codesFile); !file) {
        finish();  // what comes before is told first
        errors << UnreadableCodesFile(*request.codesFile, file.problem());
        allWritten = false;
      } else {
        addLines(*file, {&input, 1});
      }
    }
  }
  finish();
  lineMessages.TellRest(errors);
  return allWritten;
}

}  // namespace tintara
