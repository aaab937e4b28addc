// Class names: the numbers taken from them, the short labels, promotion and
// graduation, and the listing order they give in the database.
#include <gtest/gtest.h>

#include <ostream>

#include "app/students/class_naming.h"
#include "app/students/school_setup_service.h"
#include "tests/support/test_database.h"

namespace sa::students {
namespace {

struct LabelCase {
  const char* name;
  const char* label;
};

// Readable test names in ctest and in failure output.
void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }

class ShortLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(ShortLabel, FromFullName) {
  EXPECT_EQ(shortClassLabel(QString::fromUtf8(GetParam().name)), QString::fromUtf8(GetParam().label));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ShortLabel,
    ::testing::Values(LabelCase{"高中1年级5班", "高一（5）班"}, LabelCase{"高中2年级12班", "高二（12）班"},
                      LabelCase{"高中3年级1班", "高三（1）班"}, LabelCase{"初中1年级3班", "七（3）班"},
                      LabelCase{"初中2年级3班", "八（3）班"}, LabelCase{"初中3年级10班", "九（10）班"},
                      // Junior middle grades beyond 3 are not a school year this suite knows.
                      LabelCase{"初中4年级1班", "初中4年级1班"}, LabelCase{"3年级2班", "三（2）班"},
                      LabelCase{"6年级15班", "六（15）班"},
                      // No digits, or only one closed run: nothing to abbreviate.
                      LabelCase{"英语特长班", "英语特长班"}, LabelCase{"高中实验班", "高中实验班"},
                      LabelCase{"高中1年级实验班", "高中1年级实验班"}, LabelCase{"3年级实验班", "3年级实验班"},
                      // A run that ends the name is not closed and does not count.
                      LabelCase{"3年级2", "3年级2"},
                      // A leading 0 is not a grade.
                      LabelCase{"0年级1班", "0年级1班"},
                      LabelCase{"幼儿园小班", "幼儿园小班"}, LabelCase{"幼儿园大2班", "幼儿园大2班"}, LabelCase{"", ""}));

struct NumberCase {
  const char* text;
  const char* digits;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.text; }

class NumbersOfNames : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumbersOfNames, GradeAndClassIds) {
  const QString text = QString::fromUtf8(GetParam().text);
  EXPECT_EQ(gradeIdOf(text), QString::fromUtf8(GetParam().digits));
  EXPECT_EQ(classIdOf(text), QString::fromUtf8(GetParam().digits));
}

INSTANTIATE_TEST_SUITE_P(Names, NumbersOfNames,
                         ::testing::Values(NumberCase{"初中2年级", "2"}, NumberCase{"高中3年级", "3"},
                                           NumberCase{"12班", "12"}, NumberCase{"1年级", "1"},
                                           NumberCase{"一年级", ""}, NumberCase{"实验班", ""},
                                           NumberCase{"12", ""}, NumberCase{"2届3班", "23"}));

struct PromotionCase {
  const char* name;
  const char* promoted;  // "" when there is none
};

void PrintTo(const PromotionCase& c, std::ostream* os) { *os << c.name; }

class Promotion : public ::testing::TestWithParam<PromotionCase> {};

TEST_P(Promotion, NextGradeName) {
  EXPECT_EQ(promotionName(QString::fromUtf8(GetParam().name)), QString::fromUtf8(GetParam().promoted));
}

INSTANTIATE_TEST_SUITE_P(
    Names, Promotion,
    ::testing::Values(PromotionCase{"1年级1班", "2年级1班"}, PromotionCase{"5年级12班", "6年级12班"},
                      PromotionCase{"初中1年级4班", "初中2年级4班"}, PromotionCase{"初中2年级1班", "初中3年级1班"},
                      PromotionCase{"高中1年级2班", "高中2年级2班"}, PromotionCase{"高中2年级10班", "高中3年级10班"},
                      PromotionCase{"幼儿园小班", "幼儿园中班"}, PromotionCase{"幼儿园小2班", "幼儿园中2班"},
                      PromotionCase{"幼儿园中班", "幼儿园大班"},
                      // Graduating grades and custom names have none.
                      PromotionCase{"6年级1班", ""}, PromotionCase{"初中3年级2班", ""}, PromotionCase{"高中3年级5班", ""},
                      PromotionCase{"幼儿园大班", ""}, PromotionCase{"英语特长班", ""}, PromotionCase{"10年级1班", ""},
                      PromotionCase{"初中12年级1班", ""}, PromotionCase{"", ""}));

TEST(GraduatingPrefixes, LastGradeOfEachLevel) {
  for (const char* name : {"6年级3班", "初中3年级1班", "高中3年级12班", "幼儿园大班", "幼儿园大班2"})
    EXPECT_TRUE(isGraduatingClass(QString::fromUtf8(name))) << name;
  for (const char* name : {"5年级3班", "16年级1班", "初中2年级1班", "高中1年级3班", "幼儿园中班", "幼儿园大2班", "三年级"})
    EXPECT_FALSE(isGraduatingClass(QString::fromUtf8(name))) << name;
}

TEST(Kindergarten, KnownByItsPrefix) {
  EXPECT_TRUE(isKindergartenClass(QStringLiteral("幼儿园小1班")));
  EXPECT_TRUE(isKindergartenClass(QStringLiteral("幼儿园大班")));
  EXPECT_FALSE(isKindergartenClass(QStringLiteral("幼儿园特色班")));
}

TEST(GradeWords, ChineseNumeral) {
  EXPECT_EQ(gradeWords(QStringLiteral("3")), QStringLiteral("三年级"));
  EXPECT_EQ(gradeWords(QStringLiteral("12")), QStringLiteral("十二年级"));
}

TEST(Columns, Names) {
  EXPECT_EQ(subjectColumn(20), QStringLiteral("Subject20"));
  EXPECT_EQ(subjectTeacherColumn(3), QStringLiteral("Subject3T"));
  EXPECT_EQ(timetableColumn(6, 8), QStringLiteral("Week68"));
}

class ListingOrder : public test::DatabaseTest {};

// 1年级10班 sorts after 1年级9班 only with the numeric order.
TEST_F(ListingOrder, NumericOrderPutsClassTenAfterNine) {
  for (const char* row : {"('1年级10班','1','10')", "('2年级1班','2','1')", "('1年级9班','1','9')",
                          "('10年级1班','10','1')"})
    exec(QStringLiteral("insert into 班级表 (Class,GradeID,ClassID) values ") + QString::fromUtf8(row));
  EXPECT_EQ(readClassNames(db, classOrderNumeric()).value(),
            (QStringList{"1年级9班", "1年级10班", "2年级1班", "10年级1班"}));
  EXPECT_EQ(readClassNames(db, classOrderText()).value(),
            (QStringList{"1年级10班", "1年级9班", "10年级1班", "2年级1班"}));
}

TEST_F(ListingOrder, PupilsInPinyinOrder) {
  for (const char* name : {"张三", "李四", "王五", "艾青"})
    exec(QStringLiteral("insert into 学籍表 (name,class) values ('%1','1年级1班')").arg(QString::fromUtf8(name)));
  db::Result r = db.query(QStringLiteral("select name from 学籍表 ") + pupilNameOrder());
  QStringList names;
  while (r.next()) names << r.value(0);
  EXPECT_EQ(names, (QStringList{"艾青", "李四", "王五", "张三"}));
  EXPECT_TRUE(db.query(wholeSchoolListing()).ok()) << db.lastError().toStdString();
}

}  // namespace
}  // namespace sa::students
