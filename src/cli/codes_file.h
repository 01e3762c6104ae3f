#pragma once

#include <optional>
#include <string>

#include "cli/paint_request.h"
#include "formats/code_book_line.h"
#include "platform/file_io.h"
#include "platform/problem.h"

namespace tintara {

// The codes file that stands for standard input.
inline constexpr char kStandardInput[] = "-";

// A codes file as messages name it: "standard input" for kStandardInput.
std::string ShownCodesFileName(const std::string& path);

// A codes file that cannot be read, as the command line tells it: "tintara: NAME: why\n".
std::string UnreadableCodesFile(const std::string& path, const Problem& problem);

// The code strings of a codes file, read a line at a time, so that a file of any number of lines
// costs the memory of one: one code string for every line that is not empty or a comment, numbered
// by its line, LF or CR LF ended, read as a code book line (code_book_line.h) with its name as its
// label. A line longer than kLongestCodeLine comes with its problem instead.
class CodesFile {
 public:
  // The file must be a regular file (a FIFO would wait for a writer), or kStandardInput, which
  // is read as it comes, once.
  static Expected<CodesFile> Open(const std::string& path);

  // The next code string; nothing at the end of the file or when it cannot be read further.
  std::optional<CodeString> Next();

 private:
  CodesFile(std::optional<ReadOnlyFile> file, std::string shownPath)
      : file_(std::move(file)), shownPath_(std::move(shownPath)) {}
  bool Fill();

  std::optional<ReadOnlyFile> file_;  // none for standard input
  std::string shownPath_;             // as messages name the file
  std::string pending_;               // read and not yet split into lines
  std::size_t offset_ = 0;            // where the file goes on
  int line_ = 0;
  bool ended_ = false;
};

}  // namespace tintara
