#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/paint_request.h"
#include "platform/problem.h"

namespace tintara {

// The codes file that stands for standard input.
inline constexpr char kStandardInput[] = "-";

// A codes file as messages name it: "standard input" for kStandardInput.
std::string ShownCodesFileName(const std::string& path);

// A codes file that cannot be read, as the command line tells it: "tintara: NAME: why\n".
std::string UnreadableCodesFile(const std::string& path, const Problem& problem);

// Where the bytes of a codes file come from, a piece at a time.
struct CodesSource {
  // Reads what comes next into the piece: how many bytes, 0 only at the end, or the problem.
  std::function<Expected<std::size_t>(std::span<std::uint8_t> piece)> read;
  // Whether `read` would give bytes, or the end, without waiting for the writer of a pipe.
  std::function<bool()> ready = [] { return true; };
};

// The code strings of a codes file, read a line at a time as they come, so that a file of any
// number of lines costs the memory of one: one code string for every line that is not empty or a
// comment, numbered by its line, LF or CR LF ended, read as a code book line (code_book_line.h)
// with its name as its label. A line longer than kLongestCodeLine comes with its problem instead.
class CodesFile {
 public:
  // The file must be a regular file (a FIFO would wait for a writer), or kStandardInput, which
  // is read as it comes, once.
  static Expected<CodesFile> Open(const std::string& path);

  // The lines the source gives, named `shownPath` in messages.
  CodesFile(CodesSource source, std::string shownPath)
      : source_(std::move(source)), shownPath_(std::move(shownPath)) {}

  // The next code string; nothing at the end of the file or when it cannot be read further.
  // `beforeWaiting`, when given, is called before Next waits for the writer of a pipe.
  std::optional<CodeString> Next(const std::function<void()>& beforeWaiting = {});

  // Reads the next code strings ahead, up to `most`, for Next to give them still: how many there
  // are, fewer only where the file ends.
  std::size_t ReadAhead(std::size_t most);

 private:
  std::optional<CodeString> Read(const std::function<void()>& beforeWaiting);
  bool Fill(const std::function<void()>& beforeWaiting);

  CodesSource source_;
  std::string shownPath_;  // as messages name the file
  std::string pending_;    // read; split into lines up to taken_
  std::size_t taken_ = 0;
  std::vector<std::uint8_t> piece_;  // what the source gives next
  std::deque<CodeString> ahead_;     // read ahead and not yet given
  int line_ = 0;
  bool ended_ = false;
};

}  // namespace tintara
