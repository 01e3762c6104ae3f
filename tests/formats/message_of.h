#pragma once

#include <QString>
#include <optional>

#include "platform/problem.h"

namespace tintara {

// The message of the problem a call gave back, as the user reads it; empty when it gave none.
inline QString MessageOf(const std::optional<Problem>& problem) {
  return problem ? QString::fromStdString(problem->message) : QString();
}

// The same for a call that tells what it did when it succeeds.
inline QString MessageOf(const Expected<QString>& outcome) {
  return outcome ? QString() : QString::fromStdString(outcome.problem().message);
}

}  // namespace tintara
