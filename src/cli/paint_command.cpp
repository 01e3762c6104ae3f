#include "cli/paint_command.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <iostream>
#include <optional>
#include <thread>
#include <variant>
#include <vector>

#include "cli/batch_painting.h"
#include "cli/paint_request.h"
#include "cli/usage_text.h"
#include "paint/painted_skin.h"
#include "platform/clock.h"
#include "platform/file_io.h"

namespace tintara {
namespace {

// More threads than this would only cost memory.
constexpr int kMostJobs = 256;

// A codes file is text; one larger than this holds no code strings worth reading.
constexpr std::size_t kMaxCodesFileBytes = std::size_t{64} << 20;

struct Failure {
  int status;
  std::string message;
};

QString OutputType(const QString& pattern) {
  const QString suffix = QFileInfo(pattern).suffix().toLower();
  return suffix == "jpeg" ? "jpg" : suffix;
}

std::optional<Failure> ReadCodesFile(const QString& path, PaintRequest& request) {
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
std::variant<PaintRequest, Failure> ReadRequest(const QStringList& arguments) {
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
  const QCommandLineOption jobs({"j", "jobs"}, "Paint N pictures at once (all cores by default).",
                                "N");
  parser.addOptions({codes, codesFile, random, seed, output, scale, page, jobs});
  parser.addHelpOption();
  const auto usage = [&parser](const QString& problem) {
    return Failure{kUsageError,
                   ("tintara paint: " + problem + "\n\n" + UsageText(parser)).toStdString()};
  };
  if (!parser.parse(arguments)) return usage(parser.errorText());
  if (parser.isSet("help")) return Failure{kAllWritten, UsageText(parser).toStdString()};

  PaintRequest request;
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
  request.jobs = parser.isSet(jobs) ? parser.value(jobs).toInt(&ok)
                                    : static_cast<int>(std::thread::hardware_concurrency());
  if (parser.isSet(jobs) && (!ok || request.jobs < 1 || request.jobs > kMostJobs)) {
    return usage("The number of jobs must be from 1 to 256.");
  }
  request.jobs = std::clamp(request.jobs, 1, kMostJobs);
  if (request.page && request.type != "jpg") return usage("Only a .jpg output has a page.");
  if (request.inputs.size() > 1 && !request.pattern.contains("{name}")) {
    return usage("With several inputs the output must hold {name}.");
  }
  if (request.codeStrings.size() > 1 && !request.pattern.contains("{n}")) {
    return usage("With several code strings the output must hold {n}.");
  }
  return request;
}

}  // namespace

int RunPaintCommand(const QStringList& arguments, std::ostream& errors) {
  std::variant<PaintRequest, Failure> read = ReadRequest(arguments);
  if (const auto* failure = std::get_if<Failure>(&read)) {
    (failure->status == kAllWritten ? std::cout : errors) << failure->message << '\n';
    return failure->status;
  }
  return PaintAll(std::get<PaintRequest>(read), errors) ? kAllWritten : kSomethingBad;
}

}  // namespace tintara
