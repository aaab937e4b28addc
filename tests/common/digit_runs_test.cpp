#include <gtest/gtest.h>

#include "common/digit_runs.h"

namespace sa {
namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

TEST(CommonDigitRuns, RunsInOrder) {
  struct Case {
    const char* text;
    QStringList keep;  // every run
    QStringList drop;  // only runs closed by a following non-digit
  };
  const Case cases[] = {
      {"高中2年级12班", {"2", "12"}, {"2", "12"}},
      {"初中2年级", {"2"}, {"2"}},
      {"3班", {"3"}, {"3"}},
      {"12", {"12"}, {}},
      {"初中2年级3", {"2", "3"}, {"2"}},
      {"1年级10班", {"1", "10"}, {"1", "10"}},
      {"007班", {"007"}, {"007"}},
      {"幼儿园大班", {}, {}},
      {"", {}, {}},
      {"２年级３班", {}, {}},  // full-width digits are not numbers here
      {"a1b2c3", {"1", "2", "3"}, {"1", "2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(digitRuns(u8(c.text)), c.keep);
    EXPECT_EQ(digitRuns(u8(c.text), TrailingRun::Drop), c.drop);
    EXPECT_EQ(joinedDigitRuns(u8(c.text), TrailingRun::Drop), c.drop.join(QString()));
  }
}

TEST(CommonDigitRuns, GradeAndClassNumbersInOneCall) {
  EXPECT_EQ(joinedDigitRuns(u8("初中2年级"), TrailingRun::Drop), u8("2"));
  EXPECT_EQ(joinedDigitRuns(u8("12班"), TrailingRun::Drop), u8("12"));
  EXPECT_EQ(joinedDigitRuns(u8("2年级1组3"), TrailingRun::Keep), u8("213"));
  EXPECT_EQ(joinedDigitRuns(u8("特长班"), TrailingRun::Drop), QString());
}

TEST(CommonDigitRuns, FirstDigit) {
  EXPECT_EQ(firstDigit(u8("高中2年级12班")), QChar(u'2'));
  EXPECT_EQ(firstDigit(u8("初中12班")), QChar(u'1'));
  EXPECT_TRUE(firstDigit(u8("幼儿园大班")).isNull());
  EXPECT_TRUE(firstDigit(u8("３班")).isNull());
}

}  // namespace
}  // namespace sa
