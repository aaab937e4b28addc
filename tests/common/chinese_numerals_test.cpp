#include <gtest/gtest.h>

#include "common/chinese_numerals.h"

namespace sa {
namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

TEST(CommonChineseNumerals, Numbers) {
  struct Case {
    long long n;
    const char* text;
  };
  const Case cases[] = {
      {0, "零"},          {1, "一"},           {3, "三"},           {9, "九"},
      {10, "十"},         {11, "十一"},        {19, "十九"},        {20, "二十"},
      {21, "二十一"},     {40, "四十"},        {99, "九十九"},      {100, "一百"},
      {101, "一百零一"},  {110, "一百一十"},   {115, "一百一十五"}, {1000, "一千"},
      {1001, "一千零一"}, {1010, "一千零一十"}, {2500, "二千五百"},  {10000, "一万"},
      {10010, "一万零一十"}, {100000, "十万"}, {110001, "十一万零一"}, {99999999, "九千九百九十九万九千九百九十九"},
      {-1, "-1"},         {100000000, "100000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(chineseNumeral(c.n), u8(c.text));
  }
}

TEST(CommonChineseNumerals, DigitRunsFromNames) {
  struct Case {
    const char* digits;
    const char* text;
  };
  const Case cases[] = {
      {"3", "三"}, {"12", "十二"}, {"02", "二"}, {"0", "零"},
      {"", ""},    {"3a", "3a"},   {"-3", "-3"}, {"３", "３"},
      {"100000000", "100000000"}, {"99999999999999999999999", "99999999999999999999999"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.digits);
    EXPECT_EQ(chineseNumeral(u8(c.digits)), u8(c.text));
  }
}

TEST(CommonChineseNumerals, WeekdaysForTheWelcomeLine) {
  // 2010-09-06 was a Monday.
  const char* expected[] = {"一", "二", "三", "四", "五", "六", "日"};
  for (int i = 0; i < 7; ++i) {
    const QDate day = QDate(2010, 9, 6).addDays(i);
    SCOPED_TRACE(day.toString(Qt::ISODate).toStdString());
    EXPECT_EQ(chineseWeekday(day), u8(expected[i]));
    EXPECT_EQ(chineseWeekday(day.dayOfWeek()), u8(expected[i]));
  }
  EXPECT_EQ(chineseWeekday(0), QString());
  EXPECT_EQ(chineseWeekday(8), QString());
  EXPECT_EQ(chineseWeekday(QDate()), QString());
}

}  // namespace
}  // namespace sa
