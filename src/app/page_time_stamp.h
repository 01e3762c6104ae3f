#pragma once

#include <QDateTime>
#include <QLocale>
#include <string>

namespace tintara {

// The time of saving as the foot of a page words it: `now` in the locale's short date and long
// time formats; the time is left out at exactly midnight.
std::string PageTimeStamp(const QDateTime& now, const QLocale& locale = QLocale::system());

}  // namespace tintara
