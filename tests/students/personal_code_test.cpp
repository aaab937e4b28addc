// Personal codes: the batch numbering of a grade, its prefix checks and its
// report of failed rows, the batch window, and the precondition that every
// pupil has a code.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/students/personal_code_service.h"
#include "app/students/personal_code_window.h"
#include "tests/students/student_records_fixture.h"

namespace sa::students {
namespace {

using test::PupilRow;
using ui::Icon;
using ui::ScriptedPrompt;

class PersonalCodes : public test::DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    if (HasFatalFailure()) return;
    school.addClass(QStringLiteral("3年级1班"), QStringLiteral("3"), QStringLiteral("1"));
    school.addClass(QStringLiteral("3年级2班"), QStringLiteral("3"), QStringLiteral("2"));
    school.addClass(QStringLiteral("2年级1班"), QStringLiteral("2"), QStringLiteral("1"));
  }
  // Pupils of grade 3 without a code; their IDs in insertion order.
  QStringList addUncoded(int n, int first = 1) {
    QStringList ids;
    for (int i = first; i < first + n; ++i)
      ids << school.addPupil(QStringLiteral("学籍表"), {i % 2 ? QStringLiteral("3年级1班") : QStringLiteral("3年级2班"),
                                                       QStringLiteral("学生%1").arg(i)});
    return ids;
  }
  QStringList codesOf(const QStringList& ids) {
    QStringList out;
    for (const QString& id : ids) out << school.value(QStringLiteral("select PersonalCode from 学籍表 where ID=") + id);
    return out;
  }
  static QStringList expectedCodes(long long from, int n) {
    QStringList out;
    for (int i = 0; i < n; ++i) out << QString::number(from + i);
    return out;
  }

  test::SchoolFixture school{db};
  ScriptedPrompt prompt;
};

TEST_F(PersonalCodes, TwelvePupilsGetThePrefixAndASerialAndASecondBatchContinues) {
  // The grade already has codes of another prefix; they must not count.
  school.addPupil(QStringLiteral("学籍表"), {QStringLiteral("3年级1班"), QStringLiteral("老生"), QStringLiteral("男"),
                                             QStringLiteral("20100007")});
  const QStringList first = addUncoded(12);
  const UncodedPupils uncoded = readUncodedPupils(db, QStringLiteral("3"));
  ASSERT_TRUE(uncoded.ok);
  ASSERT_EQ(uncoded.ids, first);

  const BatchResult r = assignBatchCodes(db, prompt, QStringLiteral("2011"), QStringLiteral("3"), uncoded.ids);
  EXPECT_TRUE(r.ran);
  EXPECT_TRUE(r.failedIds.isEmpty());
  EXPECT_EQ(codesOf(first), expectedCodes(20110001, 12));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("批量编号全部成功！")});

  const QStringList second = addUncoded(3, 13);
  assignBatchCodes(db, prompt, QStringLiteral("2011"), QStringLiteral("3"), readUncodedPupils(db, QStringLiteral("3")).ids);
  EXPECT_EQ(codesOf(second), expectedCodes(20110013, 3));
  EXPECT_EQ(school.value(QStringLiteral("select PersonalCode from 学籍表 where name='老生'")), QStringLiteral("20100007"));
}

TEST_F(PersonalCodes, TheHighestCodeOfThePrefixIsReadAsANumber) {
  // Compared as text, "59" stands above "510": the batch would hand out 60 and
  // 61, which do not even start with the prefix.
  for (const char* code : {"59", "510"})
    school.addPupil(QStringLiteral("学籍表"),
                    {QStringLiteral("3年级1班"), QString::fromUtf8(code), QStringLiteral("男"), QString::fromUtf8(code)});
  const QStringList ids = addUncoded(2);
  assignBatchCodes(db, prompt, QStringLiteral("5"), QStringLiteral("3"), ids);
  EXPECT_EQ(codesOf(ids), (QStringList{QStringLiteral("511"), QStringLiteral("512")}));
}

TEST_F(PersonalCodes, PrefixesAreCheckedInOrderAndARefusedPrefixChangesNothing) {
  struct Case {
    const char* prefix;
    bool gradeChosen;
    const char* message;
  };
  const Case cases[] = {
      {"", true, "请输入个人识别码开头数字。"},
      {"", false, "请输入个人识别码开头数字。"},
      {"0000", true, "个人识别码开头数字不能都是0。"},
      {"0000", false, "个人识别码开头数字不能都是0。"},
      {"20a1", true, "个人识别码开头数字不能都是0。"},
      {"2011", false, "请选择年级。"},
      {" 2011", true, "个人识别码开头数字不能留空。"},
      {"2011 ", true, "个人识别码开头数字不能留空。"},
      {"-12", true, "个人识别码开头数字不能是负数。"},
      {"1234567", true, "个人识别码开头字符不能大于6个数字。"},
  };
  const QStringList ids = addUncoded(2);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("prefix '") + c.prefix + "'");
    prompt.clear();
    const BatchResult r = assignBatchCodes(db, prompt, QString::fromUtf8(c.prefix),
                                           c.gradeChosen ? QStringLiteral("3") : QString(), ids);
    EXPECT_FALSE(r.ran);
    ASSERT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(prompt.last().text, QString::fromUtf8(c.message));
    EXPECT_EQ(prompt.last().title, QStringLiteral("提示"));
    EXPECT_EQ(prompt.last().icon, Icon::Information);
    EXPECT_EQ(codesOf(ids), (QStringList{QStringLiteral("0"), QStringLiteral("0")}));
  }
  EXPECT_EQ(prefixRefusal(QStringLiteral("123456"), true), QString());
}

TEST_F(PersonalCodes, RowsThatFailAreReportedByTheirIds) {
  const QStringList ids = addUncoded(4);
  // The server refuses the update of two rows.
  school.run(QStringLiteral("create trigger refuse_some before update on 学籍表 for each row "
                            "if NEW.ID in (%1,%2) then signal sqlstate '45000' set message_text='refused'; end if")
                 .arg(ids[1], ids[3]));
  const BatchResult r = assignBatchCodes(db, prompt, QStringLiteral("7"), QStringLiteral("3"), ids);
  EXPECT_EQ(r.failedIds, (QStringList{ids[1], ids[3]}));
  EXPECT_EQ(prompt.messages(), QStringList{ids[1] + QLatin1Char(' ') + ids[3] + QStringLiteral(" 等编号的学生执行失败")});
  EXPECT_EQ(codesOf(ids), (QStringList{QStringLiteral("70001"), QStringLiteral("0"), QStringLiteral("70003"),
                                       QStringLiteral("0")}));
}

TEST_F(PersonalCodes, TheCheckThatEveryPupilHasACode) {
  school.addPupil(QStringLiteral("学籍表"), {QStringLiteral("3年级1班"), QStringLiteral("甲"), QStringLiteral("男"),
                                             QStringLiteral("5")});
  EXPECT_EQ(checkAllPupilsHaveCodes(db, prompt), CodeCheck::AllSet);
  EXPECT_TRUE(prompt.shown().empty());

  addUncoded(1);
  EXPECT_EQ(checkAllPupilsHaveCodes(db, prompt), CodeCheck::Missing);
  EXPECT_EQ(prompt.last().text, QStringLiteral("有部分学生没有设置个人识别码！"));
  EXPECT_EQ(prompt.last().title, QStringLiteral("提示"));

  school.run(QStringLiteral("drop table 学籍表"));
  EXPECT_EQ(checkAllPupilsHaveCodes(db, prompt), CodeCheck::ReadFailed);
  EXPECT_EQ(prompt.last().text, QStringLiteral("读取学籍表失败！"));
}

class PersonalCodeWindowTest : public PersonalCodes {
 protected:
  void SetUp() override {
    test::qtApp();
    PersonalCodes::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(state.db.open(test::serverParams(QStringLiteral("didododederaz"))));
  }
  template <typename T>
  T* find(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  core::AppState state;
};

TEST_F(PersonalCodeWindowTest, ChoosingAGradeTellsWhatIsLeftAndNumbersItOnStart) {
  addUncoded(3);
  school.addPupil(QStringLiteral("学籍表"), {QStringLiteral("3年级1班"), QStringLiteral("老生"), QStringLiteral("男"),
                                             QStringLiteral("20100007")});
  PersonalCodeWindow window(state, prompt);
  auto* grades = find<QComboBox>(window, "设置识别码年级组合框");
  auto* prefix = find<QLineEdit>(window, "识别码开头编辑框");
  auto* start = find<QPushButton>(window, "开始设置按钮");
  auto* group = find<QGroupBox>(window, "识别码分组框");
  auto* references = find<QComboBox>(window, "参考字符组合框");
  ASSERT_EQ(grades->count(), 2);  // the distinct grades of 班级表

  window.chooseGrade(QStringLiteral("2"));
  EXPECT_EQ(group->title(), QStringLiteral("批量设置个人识别码--二年级不需设置"));
  EXPECT_FALSE(prefix->isEnabled());
  EXPECT_FALSE(start->isEnabled());

  window.chooseGrade(QStringLiteral("3"));
  EXPECT_EQ(group->title(), QStringLiteral("批量设置三年级无识别码(3人)"));
  EXPECT_TRUE(start->isEnabled());
  ASSERT_EQ(references->count(), 1);
  EXPECT_EQ(references->itemText(0), QStringLiteral("2010"));

  QTest::keyClicks(prefix, QStringLiteral("2024"));
  QTest::mouseClick(start, Qt::LeftButton);
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("批量编号全部成功！")});
  EXPECT_EQ(school.count(QStringLiteral("select count(*) from 学籍表 where PersonalCode like '2024000_'")), 3);
  EXPECT_EQ(group->title(), QStringLiteral("批量设置个人识别码--三年级不需设置"));
  EXPECT_TRUE(window.anythingAssigned());
}

}  // namespace
}  // namespace sa::students
