#include "cli/paint_command.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <exception>
#include <iostream>
#include <optional>
#include <variant>
#include <vector>

#include "cli/usage_text.h"
#include "formats/picture_files.h"
#include "formats/skin_file.h"
#include "paint/canvas.h"
#include "paint/painted_skin.h"
#include "paint/painting.h"
#include "platform/bmp_reader.h"
#include "platform/clock.h"
#include "platform/file_io.h"

namespace tintara {
namespace {

// A codes file is text; one larger than this holds no code strings worth reading.
constexpr std::size_t kMaxCodesFileBytes = std::size_t{64} << 20;

// One code string to paint with, and where it came from for messages ("codes.txt:3: ").
struct CodeString {
  std::string text;
  int line = 1;
  std::string origin;
};

struct Request {
  QStringList inputs;
  std::vector<CodeString> codeStrings;  // none: random codes
  std::uint32_t seed = 0;
  QString pattern;
  QString type;  // "png", "bmp" or "jpg"
  int scale = 1;
  bool page = false;
};

struct Failure {
  int status;
  std::string message;
};

QString OutputType(const QString& pattern) {
  const QString suffix = QFileInfo(pattern).suffix().toLower();
  return suffix == "jpeg" ? "jpg" : suffix;
}

std::optional<Failure> ReadCodesFile(const QString& path, Request& request) {
  const std::string native = QFile::encodeName(path).toStdString();
  const auto file = ReadWholeFile(native, kMaxCodesFileBytes);
  if (!file) return Failure{kSomethingBad, "tintara: " + native + ": " + file.problem().message};
  const std::string text(file->begin(), file->end());
  int line = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string codes = text.substr(start, end - start);
    if (!codes.empty() && codes.back() == '\r') codes.pop_back();
    ++line;
    if (!codes.empty())
      request.codeStrings.push_back({codes, line, native + ":" + std::to_string(line) + ": "});
    start = end + 1;
  }
  return std::nullopt;
}

// The request the command line makes, or why it makes none.
std::variant<Request, Failure> ReadRequest(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription("Paints skin bitmaps with code strings and writes the result.");
  parser.addPositionalArgument("paint", "Paint bitmaps.", "paint");
  parser.addPositionalArgument("inputs", "The BMP files to paint.", "INPUT.bmp...");
  const QCommandLineOption codes("codes", "Paint with this code string.", "CODES");
  const QCommandLineOption codesFile(
      "codes-file", "Paint with each line's code string, writing one output a line.", "FILE");
  const QCommandLineOption random("random", "Paint with random codes for all four groups.");
  const QCommandLineOption seed("seed", "Seed the random codes, for repeatable results.", "N");
  const QCommandLineOption output(
      "output", "Where to write: .png, .bmp or .jpg; {name} is the input's name, {n} the line.",
      "PATTERN");
  const QCommandLineOption scale("scale", "Scale a .png or .bmp output by 1, 2, 3, 4 or 8.", "N");
  const QCommandLineOption page("page", "Write the HTML page beside a .jpg output.");
  parser.addOptions({codes, codesFile, random, seed, output, scale, page});
  parser.addHelpOption();
  const auto usage = [&parser](const QString& problem) {
    return Failure{kUsageError,
                   ("tintara paint: " + problem + "\n\n" + UsageText(parser)).toStdString()};
  };
  if (!parser.parse(arguments)) return usage(parser.errorText());
  if (parser.isSet("help")) return Failure{kAllWritten, UsageText(parser).toStdString()};

  Request request;
  request.inputs = parser.positionalArguments().mid(1);
  if (request.inputs.isEmpty()) return usage("No input bitmap given.");
  const int sources =
      int(parser.isSet(codes)) + int(parser.isSet(codesFile)) + int(parser.isSet(random));
  if (sources != 1) return usage("Give exactly one of --codes, --codes-file and --random.");
  if (parser.isSet(codes))
    request.codeStrings.push_back({parser.value(codes).toStdString(), 1, ""});
  if (parser.isSet(codesFile)) {
    if (auto failure = ReadCodesFile(parser.value(codesFile), request)) return *failure;
  }
  bool ok = true;
  request.seed = parser.isSet(seed) ? parser.value(seed).toUInt(&ok) : TimeOfDayMillisecondsUtc();
  if (!ok) return usage("The seed must be a whole number from 0 to 4294967295.");
  request.pattern = parser.isSet(output)
                        ? parser.value(output)
                        : (parser.isSet(codesFile) ? "{name}-{n}.png" : "{name}-painted.png");
  request.type = OutputType(request.pattern);
  if (request.type != "png" && request.type != "bmp" && request.type != "jpg") {
    return usage("The output must end in .png, .bmp or .jpg.");
  }
  request.scale = parser.isSet(scale) ? parser.value(scale).toInt(&ok) : 1;
  const bool knownScale =
      std::find(kSkinScales.begin(), kSkinScales.end(), request.scale) != kSkinScales.end();
  if (!ok || !knownScale) return usage("The scale must be 1, 2, 3, 4 or 8.");
  if (request.scale != 1 && request.type == "jpg") return usage("A .jpg output is not scaled.");
  request.page = parser.isSet(page);
  if (request.page && request.type != "jpg") return usage("Only a .jpg output has a page.");
  if (request.inputs.size() > 1 && !request.pattern.contains("{name}")) {
    return usage("With several inputs the output must hold {name}.");
  }
  if (request.codeStrings.size() > 1 && !request.pattern.contains("{n}")) {
    return usage("With several code strings the output must hold {n}.");
  }
  return request;
}

std::optional<Problem> Write(const Request& request, const Document& painted,
                             const Picture& picture, const QString& path) {
  if (request.type != "jpg") {
    return WriteSkin(path, *painted.model.work, picture, *PaintedTable(painted), request.scale);
  }
  if (!request.page) return WriteJpeg(path, picture);
  return WriteJpegWithPage(path, picture, QString::fromStdString(painted.codeText),
                           QDateTime::currentDateTime());
}

bool Tell(std::ostream& errors, const std::string& message) {
  errors << "tintara: " << message << '\n';
  return false;
}

// The input as loaded; nothing, with the problem told, when it cannot be read.
std::optional<Document> LoadedInput(const QString& input, std::ostream& errors) {
  Expected<Bitmap> bitmap = ReadBmpFile(QFile::encodeName(input).toStdString());
  if (!bitmap) {
    Tell(errors, "Cannot open " + QFileInfo(input).fileName().toStdString() + ": " +
                     bitmap.problem().message);
    return std::nullopt;
  }
  return LoadedDocument(std::move(*bitmap));
}

// Paints the loaded input with one code string, or with random codes when there is none, and
// writes it; false, with the problem told, when nothing was written. Every code string starts
// from the picture as loaded.
bool PaintOne(const Request& request, const Document& loaded, const QString& input,
              const CodeString* codes, RandomGenerator& random, Canvas& canvas,
              std::ostream& errors) {
  Document painted = loaded;
  if (codes == nullptr) {
    RollRandomCodes(painted, GroupChecks{true, true, true, true}, random);
  } else {
    Expected<Document> applied = PaintedWithCodes(loaded, codes->text);
    if (!applied) {
      return Tell(errors, QFileInfo(input).fileName().toStdString() + ": " + codes->origin +
                              applied.problem().message);
    }
    painted = std::move(*applied);
  }
  canvas.Show(painted);
  QString path = request.pattern;
  path.replace("{name}", QFileInfo(input).completeBaseName());
  path.replace("{n}", QString::number(codes == nullptr ? 1 : codes->line));
  try {
    if (const std::optional<Problem> problem = Write(request, painted, canvas.picture(), path)) {
      return Tell(errors, problem->message);
    }
  } catch (const std::exception& error) {
    return Tell(errors, error.what());
  }
  return true;
}

}  // namespace

int RunPaintCommand(const QStringList& arguments, std::ostream& errors) {
  std::variant<Request, Failure> read = ReadRequest(arguments);
  if (const auto* failure = std::get_if<Failure>(&read)) {
    (failure->status == kAllWritten ? std::cout : errors) << failure->message << '\n';
    return failure->status;
  }
  const Request& request = std::get<Request>(read);
  bool allWritten = true;
  Canvas canvas{Picture{}};
  for (const QString& input : request.inputs) {
    const std::optional<Document> loaded = LoadedInput(input, errors);
    if (!loaded) {
      allWritten = false;
      continue;
    }
    RandomGenerator random(request.seed);
    if (request.codeStrings.empty()) {
      allWritten = PaintOne(request, *loaded, input, nullptr, random, canvas, errors) && allWritten;
    }
    for (const CodeString& codes : request.codeStrings) {
      allWritten = PaintOne(request, *loaded, input, &codes, random, canvas, errors) && allWritten;
    }
  }
  return allWritten ? kAllWritten : kSomethingBad;
}

}  // namespace tintara
