#include <gtest/gtest.h>

#include "common/teaching_list.h"

namespace sa::teaching {
namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

// The database layer doubles quotes and backslashes; this stands in for it.
QString escapeLikeTheServer(const QString& v) {
  QString out = v;
  out.replace(u'\\', QStringLiteral("\\\\"));
  out.replace(u'\'', QStringLiteral("\\'"));
  return out;
}

TEST(CommonTeachingList, StoredFormAndItems) {
  struct Case {
    QStringList items;
    const char* stored;
    QStringList readBack;
  };
  const Case cases[] = {
      {{"3", "4"}, "<3<,<4<", {"3", "4"}},
      {{"3"}, "<3<", {"3"}},
      {{}, "", {}},
      {{"3", "4", "3"}, "<3<,<4<", {"3", "4"}},  // each item once, first-seen order
      {{u8("初中2年级3班"), u8("高中1年级12班")}, "<初中2年级3班<,<高中1年级12班<",
       {u8("初中2年级3班"), u8("高中1年级12班")}},
      {{u8("文,理班"), u8("特长班")}, "<文,理班<,<特长班<", {u8("文,理班"), u8("特长班")}},
      {{""}, "<<", {""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    EXPECT_EQ(storedFromItems(c.items), u8(c.stored));
    EXPECT_EQ(itemsFromStored(u8(c.stored)), c.readBack);
  }
}

TEST(CommonTeachingList, SqlInList) {
  struct Case {
    const char* stored;
    const char* sql;
  };
  const Case cases[] = {
      {"<3<,<4<", "'3','4'"},
      {"<3<", "'3'"},
      {"", ""},
      {"<初中2年级3班<,<5年级1班<", "'初中2年级3班','5年级1班'"},
      {"<1<,<12<,<3<", "'1','12','3'"},
      // A typed class name with a quote stays one value inside the list.
      {"<x') or 1=1 -- <,<2<", "'x\\') or 1=1 -- ','2'"},
      {"<a\\<", "'a\\\\'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    EXPECT_EQ(sqlInList(u8(c.stored), escapeLikeTheServer), u8(c.sql));
  }
}

TEST(CommonTeachingList, GradeListFallsBackToTheClassTutorsGrade) {
  struct Case {
    const char* grades;
    const char* tutorClass;
    const char* sql;
  };
  const Case cases[] = {
      {"<3<,<4<", "高中2年级1班", "'3','4'"},
      {"", "高中2年级12班", "'2'"},
      {"", "12年级1班", "'1'"},  // the first digit, not the first run
      {"", "幼儿园大班", "''"},
      {"", "", "''"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.grades) + " / " + c.tutorClass);
    EXPECT_EQ(gradeSqlInList(u8(c.grades), u8(c.tutorClass), escapeLikeTheServer), u8(c.sql));
  }
}

}  // namespace
}  // namespace sa::teaching
