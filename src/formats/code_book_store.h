#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/code_book.h"
#include "platform/file_identity.h"
#include "platform/problem.h"

namespace tintara {

// The code book file as several windows, in one program or several, change it at once: each window
// has a store of its own, and every change is made to the book as it is on disk at that moment.
// Under the lock file beside the book ("codebook.txt.lock"), the store reads the book again when
// its file is no longer the one it last read or wrote, applies the change, writes the book and
// lets go. A change finds its entries by codes and name (EntryKey), never by position; when
// another window changed or removed one meanwhile, nothing changes and the problem says so. A
// change the file cannot take is not made either, nor a name too long for its line to be read
// back: the store always holds what the file holds.
//
// Undo takes back this store's own changes, one at a time, and Redo makes again what Undo took
// back until the next change. A change from outside ends that history: the book it would put back
// is no longer the one this store wrote, and putting it back would lose what the other window did.
class CodeBookStore {
 public:
  // What a change or a look at the file came to.
  struct Outcome {
    // The book on disk differed from the one this store held: it was read again, and the undo
    // history ended.
    bool changedOutside = false;
    // The change was made and written; else the book is as the file holds it.
    bool done = false;
    // Why the change was not made.
    std::optional<Problem> problem;
    // Where in book().lines the change is to be seen: the entry changed, added, moved or put back,
    // or the line after those removed.
    std::size_t line = 0;
  };

  // Reads the book at path; problems() tells what that read found.
  explicit CodeBookStore(std::string path);

  const CodeBook& book() const { return book_; }
  // Each line the last read kept but could not read as an entry, or why the file cannot be read.
  const std::vector<Problem>& problems() const { return problems_; }
  bool canUndo() const { return !history_.empty(); }
  bool canRedo() const { return !undone_.empty(); }

  // Reads the book again when its file changed since this store read or wrote it.
  Outcome Refresh();

  Outcome Add(std::string codes, std::string_view name);
  Outcome Import(std::span<const CodeBookEntry> entries);
  Outcome Rename(const EntryKey& key, std::string_view name);
  Outcome Remove(std::span<const EntryKey> keys);
  // Swaps the entry with the nearest entry above (-1) or below (+1) it.
  Outcome Move(const EntryKey& key, int direction);
  // Takes back this store's last change, unless the book changed from outside since.
  Outcome Undo();
  // Makes again the change Undo took back last, unless the book changed from outside since.
  Outcome Redo();

 private:
  // Where an edit's change is to be seen, before and after it.
  struct Edited {
    std::size_t before = 0;
    std::size_t after = 0;
  };
  using Edit = std::function<Expected<Edited>(CodeBook&)>;
  // A change as undo takes it back: the lines it replaced, not the whole book before it, so that
  // many changes to a large book cost what they changed.
  struct Step {
    std::size_t first = 0;            // where the change begins in the book after it
    std::size_t count = 0;            // the lines it put there
    std::vector<CodeBookLine> lines;  // the lines they replaced
    std::size_t undoneAt = 0;         // where the change taken back is to be seen
    std::size_t doneAt = 0;           // where the change is to be seen
  };
  // The step from before, whose changed lines it takes, to after.
  static Step StepBetween(CodeBook& before, const CodeBook& after, std::size_t undoneAt,
                          std::size_t doneAt);
  // A new change, or a step of one history taken back and put on the other.
  enum class Taking { New, Back, Again };

  Outcome Change(const Edit& edit, Taking taking = Taking::New);
  // Takes the last step of the history back, and keeps the step that makes it again in the other.
  Outcome TakeStep(Taking taking);
  // Reads the book again when its file is not the one last read or written; true when what it
  // holds changed.
  bool ReadAgain();
  Problem Gone(const EntryKey& key) const;
  // Why the entry would not read back from its line, when it would not.
  std::optional<Problem> TooLong(const CodeBookEntry& entry) const;

  std::string path_;
  CodeBook book_;
  std::vector<Problem> problems_;
  std::optional<FileIdentity> identity_;  // of the file book_ was read from or written to
  std::vector<Step> history_;             // what Undo takes back, the last change last
  std::vector<Step> undone_;              // what Redo makes again, the last undone last
};

}  // namespace tintara
