#include "cli/line_messages.h"

#include <algorithm>
#include <vector>

#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

// "… and 3 more lines like this", after the kind it counts.
std::string MoreLikeThis(std::size_t lines) {
  return Filled(TrN("… and %s more line like this", "… and %s more lines like this", lines),
                {std::to_string(lines)});
}

// "… and 3 more lines with other problems".
std::string MoreWithOtherProblems(std::size_t lines) {
  return Filled(TrN("… and %s more line with other problems",
                    "… and %s more lines with other problems", lines),
                {std::to_string(lines)});
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
           << MoreLikeThis(kind->second.messages - kShownOfAKind) << '\n';
  }
  if (others_ > kShownOfAKind) {
    errors << "tintara: " << MoreWithOtherProblems(others_ - kShownOfAKind) << '\n';
  }
}

}  // namespace tintara
