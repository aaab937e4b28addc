// The contains-searches over pupils in school, graduates and leavers: what
// they match, how they quote the text, their order and their reports.
#include "app/students/student_search.h"
#include "tests/students/student_records_fixture.h"

namespace sa::students {
namespace {

using test::PupilRow;
using ui::ScriptedPrompt;

class Search : public test::DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    if (HasFatalFailure()) return;
    school.addClass(QStringLiteral("初中1年级1班"), QStringLiteral("1"), QStringLiteral("1"));
    school.addClass(QStringLiteral("初中1年级2班"), QStringLiteral("1"), QStringLiteral("2"));
    school.addClass(QStringLiteral("初中1年级10班"), QStringLiteral("1"), QStringLiteral("10"));
    const QString c1 = QStringLiteral("初中1年级1班"), c2 = QStringLiteral("初中1年级2班"), c10 = QStringLiteral("初中1年级10班");
    add(QStringLiteral("学籍表"), c1, QStringLiteral("张三"), QStringLiteral("男"), QStringLiteral("2024112"), QStringLiteral("汉族"));
    add(QStringLiteral("学籍表"), c1, QStringLiteral("李四"), QStringLiteral("男"), QStringLiteral("2024120"), QStringLiteral("回族"));
    add(QStringLiteral("学籍表"), c1, QStringLiteral("王小红"), QStringLiteral("女"), QStringLiteral("2024301"), QStringLiteral("汉族"));
    add(QStringLiteral("学籍表"), c1, QStringLiteral("欧'布莱恩"), QStringLiteral("男"), QStringLiteral("2024401"), QStringLiteral("汉族"));
    add(QStringLiteral("学籍表"), c1, QStringLiteral("反\\斜"), QStringLiteral("女"), QStringLiteral("2024501"), QStringLiteral("汉族"));
    add(QStringLiteral("学籍表"), c1, QStringLiteral("反斜"), QStringLiteral("女"), QStringLiteral("2024502"), QStringLiteral("汉族"));
    add(QStringLiteral("学籍表"), c2, QStringLiteral("赵丽"), QStringLiteral("女"), QStringLiteral("2025121"), QStringLiteral("汉族"));
    add(QStringLiteral("学籍表"), c2, QStringLiteral("钱芳"), QStringLiteral("女"), QStringLiteral("2025301"), QStringLiteral("满族"));
    add(QStringLiteral("学籍表"), c10, QStringLiteral("孙强"), QStringLiteral("男"), QStringLiteral("2024999"), QStringLiteral("汉族"));
    // Graduates of two years and pupils who left early.
    add(QStringLiteral("毕业表"), c1, QStringLiteral("周毕业"), QStringLiteral("男"), QStringLiteral("2008112"), QStringLiteral("汉族"),
        QStringLiteral("2011年7月1日"));
    add(QStringLiteral("毕业表"), c2, QStringLiteral("吴毕业"), QStringLiteral("女"), QStringLiteral("2009112"), QStringLiteral("汉族"),
        QStringLiteral("2012年7月1日"));
    add(QStringLiteral("毕业表"), c2, QStringLiteral("郑毕业"), QStringLiteral("男"), QStringLiteral("2009113"), QStringLiteral("汉族"),
        QStringLiteral("2012年7月1日"));
    add(QStringLiteral("转退表"), c1, QStringLiteral("冯转学"), QStringLiteral("女"), QStringLiteral("2024777"), QStringLiteral("汉族"),
        QStringLiteral("2024年10月8日"));
  }
  void add(const QString& table, const QString& cls, const QString& name, const QString& sex, const QString& number,
           const QString& nationality, const QString& leaving = QStringLiteral("-")) {
    school.addPupil(table, PupilRow(cls, name, sex, number.right(4),
                                    {{QStringLiteral("StudentNumber"), number},
                                     {QStringLiteral("nationality"), nationality},
                                     {QStringLiteral("LeavingDate"), leaving}}));
  }
  SearchOutcome search(SearchScope scope, const char* caption, const QString& text, const QString& cls = {},
                       const QString& date = {}) {
    SearchRequest r;
    r.scope = scope;
    r.column = searchColumnOf(QString::fromUtf8(caption));
    r.text = text;
    r.className = cls;
    r.date = date;
    return searchPupils(db, prompt, r);
  }
  static QStringList names(const SearchOutcome& o) {
    QStringList out;
    for (const RosterRow& r : o.found.rows) out << r.name;
    return out;
  }

  test::SchoolFixture school{db};
  ScriptedPrompt prompt;
};

TEST_F(Search, AContainsMatchOnTheChosenFieldInNameOrder) {
  struct Case {
    const char* caption;
    const char* text;
    QStringList names;  // in GBK pinyin order
  };
  const Case cases[] = {
      {"学号", "12", {QStringLiteral("李四"), QStringLiteral("张三"), QStringLiteral("赵丽")}},
      {"姓名", "小", {QStringLiteral("王小红")}},
      {"民族", "族", {QStringLiteral("反斜"), QStringLiteral("反\\斜"), QStringLiteral("李四"), QStringLiteral("欧'布莱恩"),
                      QStringLiteral("钱芳"), QStringLiteral("孙强"), QStringLiteral("王小红"), QStringLiteral("张三"),
                      QStringLiteral("赵丽")}},
      {"所在班级", "10班", {QStringLiteral("孙强")}},
      // A percent sign is the like-match's wildcard: "20%01" is 20, anything, 01.
      {"学号", "20%01", {QStringLiteral("欧'布莱恩"), QStringLiteral("反\\斜"), QStringLiteral("钱芳"), QStringLiteral("王小红")}},
      // Quotes and backslashes match themselves.
      {"姓名", "欧'布", {QStringLiteral("欧'布莱恩")}},
      {"姓名", "反\\斜", {QStringLiteral("反\\斜")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.caption) + " " + c.text);
    const SearchOutcome o = search(SearchScope::WholeSchool, c.caption, QString::fromUtf8(c.text));
    ASSERT_EQ(o.status, SearchOutcome::Status::Found) << db.lastError().toStdString();
    QStringList expected = c.names;
    QStringList got = names(o);
    if (QByteArray(c.caption) == "民族" || QByteArray(c.text) == "20%01") {
      // Ties of pinyin order aside, the same pupils.
      expected.sort();
      got.sort();
    }
    EXPECT_EQ(got, expected);
  }
  // The server's pinyin order, not the order of the rows.
  EXPECT_EQ(names(search(SearchScope::WholeSchool, "学号", QStringLiteral("12"))),
            (QStringList{QStringLiteral("李四"), QStringLiteral("张三"), QStringLiteral("赵丽")}));
}

TEST_F(Search, ReportsNameTheScopeAndTheBoysAndGirlsFound) {
  struct Case {
    SearchScope scope;
    const char* caption;
    const char* text;
    const char* cls;
    const char* date;
    const char* report;
    const char* title;
  };
  const Case cases[] = {
      {SearchScope::WholeSchool, "学号", "12", "", "",
       "搜索结果：\r\n在全校搜索到3个符合条件的学生资料 其中男生2人 女生1人  ", "实验中学部分学生花名册"},
      {SearchScope::WholeSchool, "姓名", "丽", "", "", "搜索结果：\r\n在全校搜索到1个符合条件的女生1人  ",
       "实验中学部分学生花名册"},
      {SearchScope::WholeSchool, "姓名", "强", "", "", "搜索结果：\r\n在全校搜索到1个符合条件的男生1人  ",
       "实验中学部分学生花名册"},
      {SearchScope::InClass, "学号", "2024", "初中1年级1班", "",
       "搜索结果：\r\n在七（1）班搜索到6个符合条件的学生资料 其中男生3人 女生3人  ", "实验中学七（1）班部分学生花名册"},
      {SearchScope::InClass, "学号", "2025", "初中1年级2班", "", "搜索结果：\r\n在七（2）班搜索到2个符合条件的女生2人",
       "实验中学七（2）班部分学生花名册"},
      {SearchScope::InClass, "姓名", "张", "初中1年级1班", "", "搜索结果：\r\n在七（1）班搜索到1个符合条件的男生1人",
       "实验中学七（1）班部分学生花名册"},
      {SearchScope::ThisYearGraduates, "学号", "112", "", "2012年7月1日",
       "\r\n\r\n  搜索结果：在2012年毕业生中搜索到1个符合条件的学生资料 其中男生0人 女生1人  ",
       "实验中学2012年毕业的部分学生花名册"},
      {SearchScope::AllGraduates, "学号", "112", "", "",
       "\r\n\r\n  搜索结果：在历届毕业生中搜索到2个符合条件的学生资料 其中男生1人 女生1人  ", "实验中学部分毕业生花名册"},
      {SearchScope::Leavers, "姓名", "冯", "", "",
       "\r\n\r\n  搜索结果：搜索到1个符合条件的学生资料 其中男生0人 女生1人  ", "实验中学部分转退学生花名册"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.report);
    prompt.clear();
    SearchRequest r;
    r.scope = c.scope;
    r.column = searchColumnOf(QString::fromUtf8(c.caption));
    r.text = QStringLiteral("  ") + QString::fromUtf8(c.text) + QStringLiteral(" ");  // trimmed
    r.className = QString::fromUtf8(c.cls);
    r.date = QString::fromUtf8(c.date);
    const SearchOutcome o = searchPupils(db, prompt, r);
    ASSERT_EQ(o.status, SearchOutcome::Status::Found) << db.lastError().toStdString();
    EXPECT_EQ(prompt.messages(), QStringList{QString::fromUtf8(c.report)});
    EXPECT_EQ(searchTitle(r, QStringLiteral("实验中学")), QString::fromUtf8(c.title));
  }
}

TEST_F(Search, NothingFoundAndNothingTyped) {
  EXPECT_EQ(search(SearchScope::WholeSchool, "姓名", QStringLiteral("不存在")).status, SearchOutcome::Status::NoMatch);
  EXPECT_EQ(prompt.last().text, QStringLiteral("未找到符合条件的资料！"));
  // The graduates of one year are searched within that year only.
  EXPECT_EQ(search(SearchScope::ThisYearGraduates, "姓名", QStringLiteral("周"), {}, QStringLiteral("2012年7月1日")).status,
            SearchOutcome::Status::NoMatch);
  EXPECT_EQ(search(SearchScope::InClass, "姓名", QStringLiteral("孙"), QStringLiteral("初中1年级1班")).status,
            SearchOutcome::Status::NoMatch);
  prompt.clear();
  EXPECT_EQ(search(SearchScope::WholeSchool, "姓名", QStringLiteral(" 　 ")).status, SearchOutcome::Status::EmptyText);
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("请输入搜索条件！")});
}

TEST(SearchFields, TheLeaversChooserHasNoClass) {
  QStringList inSchool, leavers;
  for (const SearchField& f : inSchoolSearchFields()) inSchool << f.caption;
  for (const SearchField& f : leaverSearchFields()) leavers << f.caption;
  EXPECT_EQ(inSchool, (QStringList{QStringLiteral("姓名"), QStringLiteral("学号"), QStringLiteral("民族"), QStringLiteral("所在班级"),
                                   QStringLiteral("班内职务"), QStringLiteral("入学日期"), QStringLiteral("出生日期")}));
  inSchool.removeAll(QStringLiteral("所在班级"));
  EXPECT_EQ(leavers, inSchool);
  EXPECT_EQ(searchColumnOf(QStringLiteral("班内职务")), QStringLiteral("Positon"));
}

}  // namespace
}  // namespace sa::students
