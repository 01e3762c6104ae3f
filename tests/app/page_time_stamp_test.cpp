#include "app/page_time_stamp.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

TEST(PageTimeStamp, IsTheShortDateAndLongTimeButAtMidnight) {
  const QLocale locale(QLocale::German, QLocale::Germany);
  const QDate day(2024, 3, 7);
  const std::string date = locale.toString(day, QLocale::ShortFormat).toStdString();
  EXPECT_EQ(PageTimeStamp(QDateTime(day, QTime(0, 0)), locale), date);
  const QDateTime justAfter(day, QTime(0, 0, 1));
  EXPECT_EQ(PageTimeStamp(justAfter, locale),
            date + " " +
                locale.toString(justAfter, locale.timeFormat(QLocale::LongFormat)).toStdString());
}

}  // namespace
}  // namespace tintara
