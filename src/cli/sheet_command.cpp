#include "cli/sheet_command.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <optional>
#include <span>
#include <sstream>
#include <variant>

#include "cli/codes_file.h"
#include "cli/line_messages.h"
#include "cli/option_parser.h"
#include "cli/paint_command.h"
#include "cli/palette_command.h"
#include "cli/usage_text.h"
#include "formats/contact_sheet.h"
#include "formats/export_files.h"
#include "formats/picture_kind.h"
#include "paint/catalogue_pictures.h"
#include "paint/code_string.h"
#include "paint/painting.h"
#include "platform/bmp_reader.h"
#include "platform/filled_text.h"
#include "platform/folders.h"
#include "platform/png_writer.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

constexpr std::uint32_t kMostRandomRows = 1000;
constexpr std::uint32_t kMostColumns = 100000;

constexpr KnownOption kOptions[] = {
    {"codes", 0, true}, {"codes-file", 0, true}, {"random"},           {"seed", 0, true},
    {"count", 0, true}, {"output", 0, true},     {"columns", 0, true}, {"scale", 0, true},
    {"labels"},         {"help", 'h'},           {"palette", 0, true},
};

struct SheetRequest {
  std::vector<std::string> inputs;
  std::optional<std::string> codes;
  std::optional<std::string> codesFile;
  std::uint32_t seed = 0;
  std::uint32_t count = 1;  // rows of random codes
  std::string output;
  int columns = 0;  // 0: a column an input
  int scale = 1;
  bool labels = false;
};

// A row of the sheet: the code string its cells are painted with, and their label.
struct Row {
  std::string codes;
  std::string label;
};

// An input loaded once for all its cells.
struct Input {
  Document loaded;
  int width = 0;
  int height = 0;
};

std::variant<SheetRequest, Failure> ReadRequest(const std::vector<std::string>& arguments) {
  const auto usage = [](const std::string& problem) { return UsageFailure("sheet", problem); };
  std::variant<GivenOptions, Failure> read =
      ReadCommandOptions("sheet", arguments, kOptions, kSheetUsage);
  if (auto* failure = std::get_if<Failure>(&read)) return std::move(*failure);
  const GivenOptions& given = std::get<GivenOptions>(read);

  SheetRequest request;
  request.inputs = given.arguments;
  if (std::optional<std::string> problem = CodeSourceProblem(given)) return usage(*problem);
  if (given.has("codes")) request.codes = given.value("codes");
  if (given.has("palette")) {
    const Expected<std::string> codes = PaletteFileCodes(given.value("palette"));
    if (!codes) return Failure{kSomethingBad, "tintara: " + codes.problem().message + "\n"};
    request.codes = *codes;
  }
  if (given.has("codes-file")) request.codesFile = given.value("codes-file");
  if ((given.has("seed") || given.has("count")) && !given.has("random")) {
    return usage(Tr("--seed and --count go with --random."));
  }
  const Expected<std::uint32_t> seed = SeedOption(given);
  if (!seed) return usage(seed.problem().message);
  request.seed = *seed;
  if (given.has("count")) {
    const std::optional<std::uint32_t> count = WholeNumber(given.value("count"), kMostRandomRows);
    if (!count || *count < 1) return usage(Tr("The count must be from 1 to 1000."));
    request.count = *count;
  }
  if (!given.has("output")) return usage(Tr("No output given: --output SHEET.png."));
  request.output = given.value("output");
  if (PictureKindOf(request.output) != PictureKind::Png) {
    return usage(Tr("The sheet is written as .png."));
  }
  if (given.has("columns")) {
    const std::optional<std::uint32_t> columns = WholeNumber(given.value("columns"), kMostColumns);
    if (!columns || *columns < 1) return usage(Tr("The columns must be from 1 to 100000."));
    request.columns = int(*columns);
  }
  const Expected<int> scale = ScaleOption(given);
  if (!scale) return usage(scale.problem().message);
  request.scale = *scale;
  request.labels = given.has("labels");
  return request;
}

// The rows the request asks for; a code string that cannot be used is told and left out. A codes
// file is read no further than one row more than `room`, the most the sheet can hold.
std::variant<std::vector<Row>, Failure> ReadRows(const SheetRequest& request, std::size_t room,
                                                 std::ostream& errors, bool& leftOut) {
  std::vector<Row> rows;
  if (request.codes) {
    if (std::optional<std::string> bad = ReadCodeString(*request.codes).badToken) {
      return Failure{kSomethingBad, "tintara: " + BadTokenMessage(*bad) + "\n"};
    }
    rows.push_back({*request.codes, *request.codes});
    return rows;
  }
  if (!request.codesFile) {
    // Each row's codes are those `tintara paint --random --seed` rolls with its seed.
    for (std::uint32_t r = 0; r < request.count; ++r) {
      Document rolled = StartingDocument();
      RandomGenerator random(request.seed + r);
      RollRandomCodes(rolled, GroupChecks{true, true, true, true}, random);
      rows.push_back({rolled.codeText, rolled.codeText});
    }
    return rows;
  }
  const std::string shownName = ShownCodesFileName(*request.codesFile);
  Expected<CodesFile> file = CodesFile::Open(*request.codesFile);
  if (!file) return Failure{kSomethingBad, UnreadableCodesFile(*request.codesFile, file.problem())};
  bool any = false;
  LineMessages lineMessages;
  while (rows.size() <= room) {
    std::optional<CodeString> codes = file->Next();
    if (!codes) break;
    any = true;
    std::optional<std::string> problem = codes->problem;
    if (!problem) {
      if (std::optional<std::string> bad = ReadCodeString(codes->text).badToken) {
        problem = BadTokenMessage(*bad);
      }
    }
    if (problem) {
      lineMessages.Tell(MessageAboutLine("", *codes, *problem), errors);
      leftOut = true;
      continue;
    }
    const std::string label = codes->label ? *codes->label : codes->text;
    rows.push_back({std::move(codes->text), label});
  }
  lineMessages.TellRest(errors);
  if (!any) {
    return UsageFailure("sheet", Filled(Tr("%s holds no code string."), {shownName}));
  }
  return rows;
}

// The inputs loaded; one that cannot be painted is told and left out.
std::vector<Input> LoadInputs(const std::vector<std::string>& paths, std::ostream& errors,
                              bool& leftOut) {
  std::vector<Input> inputs;
  for (const std::string& path : paths) {
    Expected<BitmapToPaint> file =
        ReadBitmapToPaint(path, {.shownPath = path, .limits = kColourTableOnly});
    if (!file) {
      errors << "tintara: " << file.problem().message << '\n';
      leftOut = true;
      continue;
    }
    if (!file->bitmap.hasColourTable()) {
      errors << "tintara: "
             << Filled(Tr("%s has no colour table: it is left out of the sheet"), {ShownText(path)})
             << '\n';
      leftOut = true;
      continue;
    }
    const int width = file->bitmap.width;
    const int height = file->bitmap.height;
    inputs.push_back({LoadedDocument(std::move(file->bitmap), file->storedCodes), width, height});
  }
  return inputs;
}

// The refusal of a codes file with more code strings than the sheet can hold, told once the first
// `read` of them are more.
Failure MoreThanFit(const std::string& codesFile, std::size_t read, SheetSize size) {
  return {
      kSomethingBad,
      "tintara: " +
          Filled(Tr("Cannot draw the sheet: the first %s code strings of %s would make it "
                    "%s x %s pixels, and a picture can have at most %s pixels; give fewer "
                    "code strings or a smaller scale"),
                 {std::to_string(read), ShownCodesFileName(codesFile), std::to_string(size.width),
                  std::to_string(size.height), std::to_string(kMaxBmpPixels)}) +
          '\n'};
}

// The input painted with the row's codes, drawn as `tintara paint` and the window draw it: a
// pixel whose index lies past the colour table shows black.
Bitmap PaintedCell(const Input& input, const Row& row) {
  Expected<Document> painted = PaintedWithCodes(input.loaded, row.codes);
  if (!painted) return {};  // not met: the rows' code strings were read before
  Picture picture;
  if (!DrawPaintedPicture(*painted, picture)) throw std::bad_alloc();
  return TrueColourBitmap(picture);
}

}  // namespace

int RunSheetCommand(const std::vector<std::string>& arguments, const std::string& artworkFolder,
                    std::ostream& output, std::ostream& errors) {
  std::variant<SheetRequest, Failure> read = ReadRequest(arguments);
  const auto fail = [&](const Failure& failure) {
    (failure.status == kAllWritten ? output : errors) << failure.message;
    return failure.status;
  };
  if (const auto* failure = std::get_if<Failure>(&read)) return fail(*failure);
  SheetRequest& request = std::get<SheetRequest>(read);
  if (request.inputs.empty()) {
    for (const std::string_view file : CataloguePictures()) {
      request.inputs.push_back(artworkFolder + std::string(file));
    }
  }
  bool leftOut = false;
  // The inputs tell how many rows the sheet has room for, before the codes file is read; their
  // problems are told after those of the code strings, in the order the command line gives them.
  std::ostringstream inputProblems;
  const std::vector<Input> inputs = LoadInputs(request.inputs, inputProblems, leftOut);
  const int columns = request.columns > 0 ? request.columns : int(inputs.size());
  std::vector<SheetCell> rowCells;
  for (const Input& input : inputs) rowCells.push_back({input.width, input.height, ""});
  const std::size_t room = inputs.empty() ? 0 : MostSheetRepeats(rowCells, columns, request.scale);
  std::variant<std::vector<Row>, Failure> readRows = ReadRows(request, room, errors, leftOut);
  if (const auto* failure = std::get_if<Failure>(&readRows)) return fail(*failure);
  errors << inputProblems.str();
  const std::vector<Row>& rows = std::get<std::vector<Row>>(readRows);
  if (rows.empty() || inputs.empty()) {
    errors << "tintara: "
           << (rows.empty() ? Tr("nothing to draw: no code string could be used")
                            : Tr("nothing to draw: no input could be used"))
           << '\n';
    return kSomethingBad;
  }

  std::vector<SheetCell> cells;
  for (const Row& row : rows) {
    for (const Input& input : inputs) {
      cells.push_back({input.width, input.height, request.labels ? row.label : std::string()});
    }
  }
  if (request.codesFile && rows.size() > room) {
    return fail(
        MoreThanFit(*request.codesFile, rows.size(), SheetSizeOf(cells, columns, request.scale)));
  }
  Expected<Bitmap> sheet = DrawContactSheet(cells, columns, request.scale, [&](std::size_t cell) {
    return PaintedCell(inputs[cell % inputs.size()], rows[cell / inputs.size()]);
  });
  if (!sheet) return fail({kSomethingBad, "tintara: " + sheet.problem().message + "\n"});
  const std::optional<std::vector<std::uint8_t>> png = EncodePng(*sheet);
  // The folders the output names are made as `paint` makes them.
  std::optional<Problem> problem =
      MakeFolderToWriteInto(std::filesystem::path(request.output).parent_path().string());
  if (!problem) {
    problem = png ? WriteExportFile(request.output, *png) : CannotEncode(request.output);
  }
  if (problem) return fail({kSomethingBad, "tintara: " + problem->message + "\n"});
  return leftOut ? kSomethingBad : kAllWritten;
}

}  // namespace tintara
