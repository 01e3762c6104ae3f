#include "cli/line_messages.h"

#include <algorithm>
#include <vector>

namespace tintara {
namespace {

// "… and 3 more lines like this", after the kind it counts.
std::string More(std::size_t lines, std::string_view like) {
  return "… and " + std::to_string(lines) + " more line" + (lines == 1 ? "" : "s") + " " +
         std::string(like);
}

}  // namespace

LineMessage MessageAboutLine(std::string_view about, const CodeString& codes,
                             std::string_view problem) {
  const std::string before(about);
  const std::string why(problem);
  if (codes.file.empty()) return {before + why, before + why};  // the code string given
  return {before + codes.file + ":" + std::to_string(codes.line) + ": " + why,
          before + codes.file + ": " + why};
}

void LineMessages::Tell(const LineMessage& message, std::ostream& errors) {
  std::size_t told = 0;
  if (const auto found = kinds_.find(message.kind); found != kinds_.end()) {
    told = found->second.messages++;
  } else if (kinds_.size() < kMostKinds) {
    kinds_.emplace(message.kind, Count{kinds_.size(), 1});
  } else {
    told = others_++;
  }
  if (told < kShownOfAKind) errors << "tintara: " << message.text << '\n';
}

void LineMessages::TellRest(std::ostream& errors) const {
  std::vector<const std::pair<const std::string, Count>*> untold;
  for (const auto& kind : kinds_) {
    if (kind.second.messages > kShownOfAKind) untold.push_back(&kind);
  }
  std::ranges::sort(untold, {}, [](const auto* kind) { return kind->second.order; });
  for (const auto* kind : untold) {
    errors << "tintara: " << kind->first << ' '
           << More(kind->second.messages - kShownOfAKind, "like this") << '\n';
  }
  if (others_ > kShownOfAKind) {
    errors << "tintara: " << More(others_ - kShownOfAKind, "with other problems") << '\n';
  }
}

}  // namespace tintara
