#include "app/page_time_stamp.h"

namespace tintara {

std::string PageTimeStamp(const QDateTime& now, const QLocale& locale) {
  const QString date = locale.toString(now.date(), QLocale::ShortFormat);
  if (now.time() == QTime(0, 0)) return date.toStdString();
  // Formatting the date and time together lets a zone in the format name the right zone.
  return (date + u' ' + locale.toString(now, locale.timeFormat(QLocale::LongFormat))).toStdString();
}

}  // namespace tintara
