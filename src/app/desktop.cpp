#include "app/desktop.h"

#include "platform/clock.h"

namespace tintara {

Desktop Desktop::Real() {
  return {MessageBoxReporter(), AskTheUser, OpenWithTheDesktop, QDateTime::currentDateTime,
          TimeOfDayMillisecondsUtc()};
}

}  // namespace tintara
