#include "cli/codes_file.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>

#include "formats/code_book_line.h"
#include "platform/shown_text.h"

namespace tintara {
namespace {

constexpr std::size_t kPiece = std::size_t{64} << 10;

}  // namespace

std::string ShownCodesFileName(const std::string& path) {
  return path == kStandardInput ? "standard input" : ShownText(path);
}

std::string UnreadableCodesFile(const std::string& path, const Problem& problem) {
  return "tintara: " + ShownCodesFileName(path) + ": " + problem.message + "\n";
}

Expected<CodesFile> CodesFile::Open(const std::string& path) {
  if (path == kStandardInput) return CodesFile(std::nullopt, ShownCodesFileName(path));
  // Files under /proc tell a size of 0 and hold more: the file is read to its end, whatever size
  // it tells.
  Expected<ReadOnlyFile> file = ReadOnlyFile::Open(path, std::numeric_limits<std::size_t>::max());
  if (!file) return std::move(file).problem();
  return CodesFile(std::move(*file), ShownCodesFileName(path));
}

// Reads the next piece onto what is pending; false at the end of the file.
bool CodesFile::Fill() {
  if (ended_) return false;
  const std::size_t had = pending_.size();
  pending_.resize(had + kPiece);
  const std::span<std::uint8_t> piece(reinterpret_cast<std::uint8_t*>(pending_.data() + had),
                                      kPiece);
  const Expected<std::size_t> read =
      file_ ? file_->ReadAt(offset_, {&piece, 1}) : ReadStandardInput(piece);
  const std::size_t got = read ? *read : 0;
  pending_.resize(had + got);
  offset_ += got;
  ended_ = got == 0;
  return !ended_;
}

std::optional<CodeString> CodesFile::Next() {
  while (true) {
    bool tooLong = false;
    bool longComment = false;
    std::size_t newline = pending_.find('\n');
    while (newline == std::string::npos) {
      // A line longer than the bound is skipped to its end without being kept; a comment is
      // skipped whatever its length.
      if (pending_.size() > kLongestCodeLine) {
        if (!tooLong) longComment = pending_.front() == '#';
        tooLong = true;
        pending_.clear();
      }
      if (!Fill()) break;
      newline = pending_.find('\n');
    }
    if (newline == std::string::npos && pending_.empty() && !tooLong) return std::nullopt;
    const std::size_t length = std::min(newline, pending_.size());
    std::string text = pending_.substr(0, length);
    pending_.erase(0, newline == std::string::npos ? pending_.size() : newline + 1);
    ++line_;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    const CodeBookLineParts parts = SplitCodeBookLine(text);
    if (tooLong ? longComment : parts.comment) continue;
    CodeString codes{{}, {}, line_, shownPath_ + ":" + std::to_string(line_) + ": ", {}};
    if (tooLong || text.size() > kLongestCodeLine) {
      codes.problem = LongLineReason();
      return codes;
    }
    codes.text = parts.codes;
    if (parts.name) codes.label.emplace(*parts.name);
    return codes;
  }
}

}  // namespace tintara
