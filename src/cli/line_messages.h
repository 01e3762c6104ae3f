#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>

#include "cli/paint_request.h"

namespace tintara {

// A problem with a code string as the command line tells it, "BODY.BMP: codes.txt:3: why", and
// its kind: the same without the line ("BODY.BMP: codes.txt: why"), by which repeats are counted.
struct LineMessage {
  std::string text;
  std::string kind;
};

// The message of `problem` with the code string, after `about` (the input's name and ": ", or
// nothing).
LineMessage MessageAboutLine(std::string_view about, const CodeString& codes,
                             std::string_view problem);

// Messages about the lines of a codes file, which may have any number of lines: the first
// kShownOfAKind of each kind are told as they come, and the rest are counted and told at the end,
// one line a kind. Only kMostKinds kinds are told apart, since the outside text a message quotes
// can make every one of them differ; the messages past those count together as other problems.
class LineMessages {
 public:
  static constexpr std::size_t kShownOfAKind = 20;
  static constexpr std::size_t kMostKinds = 100;

  void Tell(const LineMessage& message, std::ostream& errors);

  // "tintara: KIND … and N more lines like this" for every kind that had more messages than were
  // told, in the order of their first, then "tintara: … and N more lines with other problems".
  void TellRest(std::ostream& errors) const;

 private:
  struct Count {
    std::size_t order = 0;  // of the kind's first message
    std::size_t messages = 0;
  };
  std::unordered_map<std::string, Count> kinds_;
  std::size_t others_ = 0;
};

}  // namespace tintara
