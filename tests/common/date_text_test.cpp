#include <gtest/gtest.h>

#include "common/date_text.h"

namespace sa {
namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

TEST(CommonDateText, WritesWithoutLeadingZerosAndReadsBack) {
  struct Case {
    QDate date;
    const char* text;
    const char* folder;
  };
  const Case cases[] = {
      {QDate(2010, 9, 1), "2010年9月1日", "2010_9"},
      {QDate(1968, 3, 5), "1968年3月5日", "1968_3"},
      {QDate(2011, 12, 31), "2011年12月31日", "2011_12"},
      {QDate(2012, 2, 29), "2012年2月29日", "2012_2"},
      {QDate(1, 1, 1), "1年1月1日", "1_1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(dateText(c.date), u8(c.text));
    EXPECT_EQ(parseDateText(u8(c.text)), c.date);
    EXPECT_EQ(monthFolderText(c.date), u8(c.folder));
    EXPECT_EQ(monthFolderText(c.date.year(), c.date.month()), u8(c.folder));
  }
}

TEST(CommonDateText, OnlyTheExactFormIsADate) {
  const char* texts[] = {
      "",           "-",             "2010年09月01日", "02010年9月1日", "2010年9月1",   " 2010年9月1日",
      "2010年9月1日 ", "2010-9-1",     "2010年13月1日",  "2010年0月1日",  "2011年2月29日", "2010年9月31日",
      "2010年9月1日日", "２０１０年9月1日", "0年1月1日",     "10000年1月1日",
  };
  for (const char* t : texts) {
    SCOPED_TRACE(t);
    EXPECT_FALSE(parseDateText(u8(t)).isValid());
  }
}

TEST(CommonDateText, DatesThatCannotBeStoredGiveEmptyText) {
  EXPECT_EQ(dateText(QDate()), QString());
  EXPECT_EQ(dateText(QDate(10000, 1, 1)), QString());
  EXPECT_EQ(dateText(QDate(-1, 1, 1)), QString());
  EXPECT_EQ(monthFolderText(QDate()), QString());
}

}  // namespace
}  // namespace sa
