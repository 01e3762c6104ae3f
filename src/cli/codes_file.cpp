#include "cli/codes_file.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <limits>
#include <memory>

#include "formats/code_book_line.h"
#include "platform/file_io.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

constexpr std::size_t kPiece = std::size_t{64} << 10;

// Whether standard input has bytes, or its end, to give at once.
bool StandardInputReady() {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  return ::poll(&input, 1, 0) > 0;
}

}  // namespace

std::string ShownCodesFileName(const std::string& path) {
  return path == kStandardInput ? Tr("standard input") : ShownText(path);
}

std::string UnreadableCodesFile(const std::string& path, const Problem& problem) {
  return "tintara: " + ShownCodesFileName(path) + ": " + problem.message + "\n";
}

Expected<CodesFile> CodesFile::Open(const std::string& path) {
  if (path == kStandardInput) {
    return CodesFile({ReadStandardInput, StandardInputReady}, ShownCodesFileName(path));
  }
  // Files under /proc tell a size of 0 and hold more: the file is read to its end, whatever size
  // it tells.
  Expected<ReadOnlyFile> opened = ReadOnlyFile::Open(path, std::numeric_limits<std::size_t>::max());
  if (!opened) return std::move(opened).problem();
  auto file = std::make_shared<ReadOnlyFile>(std::move(*opened));
  const auto read = [file, offset = std::size_t{0}](
                        std::span<std::uint8_t> piece) mutable -> Expected<std::size_t> {
    Expected<std::size_t> got = file->ReadAt(offset, {&piece, 1});
    if (got) offset += *got;
    return got;
  };
  return CodesFile({read}, ShownCodesFileName(path));
}

// Reads the next piece onto what is pending, the lines taken before it dropped; false at the end
// of the file.
bool CodesFile::Fill(const std::function<void()>& beforeWaiting) {
  if (ended_) return false;
  if (beforeWaiting && !source_.ready()) beforeWaiting();
  pending_.erase(0, taken_);
  taken_ = 0;
  piece_.resize(kPiece);
  const Expected<std::size_t> read = source_.read(piece_);
  const std::size_t got = read ? std::min(*read, kPiece) : 0;
  pending_.append(reinterpret_cast<const char*>(piece_.data()), got);
  ended_ = got == 0;
  return !ended_;
}

std::optional<CodeString> CodesFile::Next(const std::function<void()>& beforeWaiting) {
  if (ahead_.empty()) return Read(beforeWaiting);
  std::optional<CodeString> next = std::move(ahead_.front());
  ahead_.pop_front();
  return next;
}

std::size_t CodesFile::ReadAhead(std::size_t most) {
  while (ahead_.size() < most) {
    std::optional<CodeString> codes = Read({});
    if (!codes) break;
    ahead_.push_back(std::move(*codes));
  }
  return ahead_.size();
}

std::optional<CodeString> CodesFile::Read(const std::function<void()>& beforeWaiting) {
  while (true) {
    bool tooLong = false;
    bool longComment = false;
    std::size_t newline = pending_.find('\n', taken_);
    while (newline == std::string::npos) {
      // A line longer than the bound is skipped to its end without being kept; a comment is
      // skipped whatever its length.
      if (pending_.size() - taken_ > kLongestCodeLine) {
        if (!tooLong) longComment = pending_[taken_] == '#';
        tooLong = true;
        pending_.clear();
        taken_ = 0;
      }
      if (!Fill(beforeWaiting)) break;
      newline = pending_.find('\n', taken_);
    }
    if (newline == std::string::npos && pending_.size() == taken_ && !tooLong) {
      return std::nullopt;
    }
    const std::size_t end = std::min(newline, pending_.size());
    std::string text = pending_.substr(taken_, end - taken_);
    taken_ = newline == std::string::npos ? pending_.size() : newline + 1;
    ++line_;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    const CodeBookLineParts parts = SplitCodeBookLine(text);
    if (tooLong ? longComment : parts.comment) continue;
    CodeString codes{{}, {}, line_, shownPath_, {}};
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
