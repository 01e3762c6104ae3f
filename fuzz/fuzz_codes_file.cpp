// Reads the input as a codes file, a line at a time, and as an output pattern with an input's
// name, a line and a label: every code string is a line of the file within the bound, numbered in
// order, and an output for a name or label the command line accepts never leaves the pattern's
// folders. A violated
// invariant aborts.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/codes_file.h"
#include "cli/output_names.h"
#include "invariant.h"

namespace {

std::vector<std::string_view> Components(std::string_view path) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t slash = path.find('/', start);
    parts.push_back(path.substr(start, slash - start));
    if (slash == std::string_view::npos) return parts;
    start = slash + 1;
  }
}

void CheckCodesFile(std::string_view text) {
  char path[] = "/tmp/fuzz_codes_file.XXXXXX";
  const int fd = ::mkstemp(path);
  Check(fd >= 0, "a temporary file can be made");
  Check(::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()), "written");
  ::close(fd);
  auto file = tintara::CodesFile::Open(path);
  Check(file.has_value(), "a regular file opens");
  int lastLine = 0;
  std::size_t told = 0;
  while (auto codes = file->Next()) {
    Check(codes->line > lastLine, "lines come in order");
    lastLine = codes->line;
    Check(codes->text.find('\n') == std::string::npos, "a code string is one line");
    Check(codes->text.size() <= tintara::kLongestCodeLine, "a code string is within the bound");
    Check(!codes->problem || codes->text.empty(), "a line with a problem brings no code string");
    ++told;
  }
  std::size_t lines = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty() && line.front() != '#') ++lines;
    start = end + 1;
  }
  Check(told == lines, "every line that is not empty or a comment is told once");
  ::unlink(path);
}

void CheckOutput(std::string_view pattern, std::string_view name, int line) {
  if (!tintara::IsUsableName(name)) return;
  const std::string output = tintara::OutputPath(pattern, name, line, name);
  const std::vector<std::string_view> from = Components(pattern);
  const std::vector<std::string_view> to = Components(output);
  Check(from.size() == to.size(), "a name brings in no folder");
  for (std::size_t i = 0; i < from.size(); ++i) {
    if (from[i] == to[i]) continue;
    Check(to[i] != "." && to[i] != ".." && !to[i].empty(),
          "a filled-in component never leads out of the pattern's folder");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckCodesFile(text);
  // The first two NUL bytes split the input into pattern, name and line.
  const std::size_t a = text.find('\0');
  const std::size_t b = a == std::string_view::npos ? a : text.find('\0', a + 1);
  if (b == std::string_view::npos) return 0;
  CheckOutput(text.substr(0, a), text.substr(a + 1, b - a - 1), static_cast<int>(text.size() - b));
  return 0;
}
