#include "formats/code_book_store.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <utility>

#include "formats/code_book_file.h"
#include "platform/file_lock.h"
#include "platform/filled_text.h"
#include "platform/folders.h"
#include "platform/path_names.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

// Another window holds the lock only while it writes the book; one that holds it longer is stuck.
constexpr std::chrono::seconds kLockPatience(2);

}  // namespace

CodeBookStore::CodeBookStore(std::string path) : path_(std::move(path)) {
  // A book not made yet has no identity, and is the empty book the store starts with.
  ReadAgain();
}

bool CodeBookStore::ReadAgain() {
  std::optional<FileIdentity> identity = IdentityOf(path_);
  if (identity == identity_) return false;
  // Taken before the read, so that a file replaced while it is read is read again next time.
  identity_ = identity;
  ReadBook read = ReadCodeBook(path_);
  problems_ = std::move(read.problems);
  if (read.book == book_) return false;
  book_ = std::move(read.book);
  history_.clear();
  undone_.clear();
  return true;
}

Problem CodeBookStore::Gone(const EntryKey& key) const {
  return {Filled(Tr("The entry \"%s\" was changed or removed by another window; the book is left "
                    "as it is."),
                 {ShownText(EntryLabel(key.entry))}),
          path_};
}

CodeBookStore::Step CodeBookStore::StepBetween(CodeBook& before, const CodeBook& after,
                                               std::size_t undoneAt, std::size_t doneAt) {
  std::vector<CodeBookLine>& was = before.lines;
  const std::vector<CodeBookLine>& is = after.lines;
  const std::size_t shorter = std::min(was.size(), is.size());
  std::size_t same = 0;  // lines at the start that the change left
  while (same < shorter && was[same] == is[same]) ++same;
  std::size_t sameAtEnd = 0;
  while (same + sameAtEnd < shorter &&
         was[was.size() - 1 - sameAtEnd] == is[is.size() - 1 - sameAtEnd]) {
    ++sameAtEnd;
  }
  return {same, is.size() - same - sameAtEnd,
          std::vector<CodeBookLine>(
              std::make_move_iterator(was.begin() + static_cast<std::ptrdiff_t>(same)),
              std::make_move_iterator(was.end() - static_cast<std::ptrdiff_t>(sameAtEnd))),
          undoneAt, doneAt};
}

CodeBookStore::Outcome CodeBookStore::Change(const Edit& edit, Taking taking) {
  // The data folder of a new account is made with its first entry.
  if (std::optional<Problem> problem =
          MakeFolderToWriteInto(std::filesystem::path(path_).parent_path().string())) {
    return {.problem = std::move(problem)};
  }
  const Expected<FileLock> lock = FileLock::Take(path_ + ".lock", kLockPatience);
  if (!lock) {
    return {.problem = Problem{Filled(Tr("Cannot lock the code book %s: %s"),
                                      {ShownText(FileNameOf(path_)), lock.problem().message}),
                               path_}};
  }
  Outcome outcome;
  outcome.changedOutside = ReadAgain();
  if (taking != Taking::New && outcome.changedOutside) return outcome;
  if (book_.unreadable) {
    outcome.problem = WriteCodeBook(path_, book_);  // which refuses, saying why
    return outcome;
  }
  CodeBook changed = book_;
  Expected<Edited> edited = edit(changed);
  if (!edited) {
    outcome.problem = std::move(edited).problem();
    return outcome;
  }
  outcome.line = edited->after;
  if (changed == book_) return outcome;
  if (std::optional<Problem> problem = WriteCodeBook(path_, changed)) {
    outcome.problem = std::move(problem);
    return outcome;
  }
  identity_ = IdentityOf(path_);
  if (taking == Taking::New) {
    history_.push_back(StepBetween(book_, changed, edited->before, edited->after));
    undone_.clear();
  } else {
    std::vector<Step>& from = taking == Taking::Back ? history_ : undone_;
    std::vector<Step>& to = taking == Taking::Back ? undone_ : history_;
    const Step taken = std::move(from.back());
    from.pop_back();
    to.push_back(StepBetween(book_, changed, taken.doneAt, taken.undoneAt));
  }
  book_ = std::move(changed);
  outcome.done = true;
  return outcome;
}

CodeBookStore::Outcome CodeBookStore::Refresh() {
  Outcome outcome;
  outcome.changedOutside = ReadAgain();
  return outcome;
}

std::optional<Problem> CodeBookStore::TooLong(const CodeBookEntry& entry) const {
  const std::optional<std::string> why = TooLongForALine(entry);
  if (!why) return std::nullopt;
  return Problem{
      Filled(Tr("The entry \"%s\" is too long: %s."), {ShownToken(EntryLabel(entry)), *why}),
      path_};
}

CodeBookStore::Outcome CodeBookStore::Add(std::string codes, std::string_view name) {
  return Change([&](CodeBook& book) -> Expected<Edited> {
    AddEntry(book, std::move(codes), name);
    if (auto problem = TooLong(std::get<CodeBookEntry>(book.lines.back()))) return *problem;
    return Edited{book.lines.size() - 1, book.lines.size() - 1};
  });
}

CodeBookStore::Outcome CodeBookStore::Import(std::span<const CodeBookEntry> entries) {
  return Change([&](CodeBook& book) -> Expected<Edited> {
    const std::size_t first = book.lines.size();
    book.lines.insert(book.lines.end(), entries.begin(), entries.end());
    return Edited{first, first};
  });
}

CodeBookStore::Outcome CodeBookStore::Rename(const EntryKey& key, std::string_view name) {
  return Change([&](CodeBook& book) -> Expected<Edited> {
    const std::optional<std::size_t> line = FindEntry(book, key);
    if (!line) return Gone(key);
    RenameEntry(book, *line, name);
    if (auto problem = TooLong(std::get<CodeBookEntry>(book.lines[*line]))) return *problem;
    return Edited{*line, *line};
  });
}

CodeBookStore::Outcome CodeBookStore::Remove(std::span<const EntryKey> keys) {
  return Change([&](CodeBook& book) -> Expected<Edited> {
    std::vector<std::size_t> lines;
    const std::vector<std::optional<std::size_t>> found = FindEntries(book, keys);
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (!found[i]) return Gone(keys[i]);
      lines.push_back(*found[i]);
    }
    if (lines.empty()) return Edited{};
    RemoveLines(book, lines);
    const std::size_t first = *std::min_element(lines.begin(), lines.end());
    return Edited{first, first};
  });
}

CodeBookStore::Outcome CodeBookStore::Move(const EntryKey& key, int direction) {
  return Change([&](CodeBook& book) -> Expected<Edited> {
    const std::optional<std::size_t> line = FindEntry(book, key);
    if (!line) return Gone(key);
    return Edited{*line, MoveEntry(book, *line, direction)};
  });
}

CodeBookStore::Outcome CodeBookStore::Undo() { return TakeStep(Taking::Back); }

CodeBookStore::Outcome CodeBookStore::Redo() { return TakeStep(Taking::Again); }

CodeBookStore::Outcome CodeBookStore::TakeStep(Taking taking) {
  const std::vector<Step>& steps = taking == Taking::Back ? history_ : undone_;
  if (steps.empty()) return {};
  return Change(
      [&steps](CodeBook& book) -> Expected<Edited> {
        const Step& step = steps.back();
        const auto first = book.lines.begin() + static_cast<std::ptrdiff_t>(step.first);
        book.lines.insert(book.lines.erase(first, first + static_cast<std::ptrdiff_t>(step.count)),
                          step.lines.begin(), step.lines.end());
        return Edited{0, step.undoneAt};
      },
      taking);
}

}  // namespace tintara
