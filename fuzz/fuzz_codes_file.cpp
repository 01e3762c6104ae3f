// Reads the input as a codes file, a line at a time as it comes in short pieces the way a pipe
// gives it, as an output pattern with an input's name, a line and a label, and as a list of slots
// to lock: every code string is a line of the file within the bound, numbered in order, code
// strings read ahead are still read after, an output for a name or label the command line accepts
// never leaves the pattern's folders, and a slot list reads exactly when each of its items is a
// slot or a rising range of slots, marking those. A violated invariant aborts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/codes_file.h"
#include "cli/output_names.h"
#include "cli/slot_list.h"
#include "formats/code_book_line.h"
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
  // Each piece is 1 to 16 bytes long, as its first byte says, so that lines and their CR LF ends
  // fall across pieces.
  std::string_view rest = text;
  const auto read = [&rest](std::span<std::uint8_t> piece) -> tintara::Expected<std::size_t> {
    if (rest.empty()) return std::size_t{0};
    const std::size_t size = std::min(
        {piece.size(), rest.size(), std::size_t{1} + static_cast<unsigned char>(rest[0]) % 16});
    std::copy_n(rest.data(), size, piece.data());
    rest.remove_prefix(size);
    return size;
  };
  tintara::CodesFile file({read}, "fuzz");
  const std::size_t askedAhead = text.size() % 3;
  const std::size_t ahead = file.ReadAhead(askedAhead);
  int lastLine = 0;
  std::size_t told = 0;
  while (auto codes = file.Next()) {
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
  Check(ahead == std::min(askedAhead, told),
        "reading ahead counts the code strings up to those asked");
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

// The slot a list item names, read on its own: decimal digits of a value from 1 to 16.
int ItemSlot(std::string_view digits) {
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return 0;
  digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.size() > 2) return 0;
  int value = 0;
  for (const char digit : digits) value = value * 10 + (digit - '0');
  return value <= tintara::kSlotCount ? value : 0;
}

void CheckSlotList(std::string_view text) {
  tintara::SlotLocks expected{};
  bool readable = true;
  for (std::size_t start = 0; readable;) {
    const std::size_t comma = text.find(',', start);
    const std::string_view item = text.substr(start, comma - start);
    const std::size_t dash = item.find('-');
    const int first = ItemSlot(item.substr(0, dash));
    const int last = dash == std::string_view::npos ? first : ItemSlot(item.substr(dash + 1));
    readable = first > 0 && last >= first;
    for (int s = first; readable && s <= last; ++s)
      expected[static_cast<std::size_t>(s - 1)] = true;
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  const tintara::Expected<tintara::SlotLocks> read = tintara::ReadSlotList(text);
  Check(read.has_value() == readable, "a list reads exactly when every item is a rising range");
  if (read) {
    Check(*read == expected, "a list marks the slots of its items and no other");
  } else {
    const std::string& message = read.problem().message;
    Check(!message.empty() && message.find('\n') == std::string::npos && message.ends_with('.'),
          "a list that does not read is told in one sentence");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckCodesFile(text);
  CheckSlotList(text);
  // The first two NUL bytes split the input into pattern, name and line.
  const std::size_t a = text.find('\0');
  const std::size_t b = a == std::string_view::npos ? a : text.find('\0', a + 1);
  if (b == std::string_view::npos) return 0;
  CheckOutput(text.substr(0, a), text.substr(a + 1, b - a - 1), static_cast<int>(text.size() - b));
  return 0;
}
