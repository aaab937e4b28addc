// The rosters: one class, the whole school, the graduates of a date and the
// early leavers, with their orders, titles and footers, and the table model
// that shows them.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "app/students/roster_leavers_page.h"
#include "app/students/roster_model.h"
#include "app/students/roster_page.h"
#include "app/students/roster_service.h"
#include "tests/students/student_records_fixture.h"

namespace sa::students {
namespace {

using test::PupilRow;
using ui::ScriptedPrompt;

class Rosters : public test::DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    if (HasFatalFailure()) return;
    // Added in neither name nor number order.
    school.addClass(QStringLiteral("高中2年级10班"), QStringLiteral("2"), QStringLiteral("10"), QStringLiteral("刘老师"));
    school.addClass(QStringLiteral("高中2年级2班"), QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("陈老师"));
    school.addClass(QStringLiteral("高中1年级1班"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("王老师"));
    pupil(QStringLiteral("高中2年级2班"), QStringLiteral("赵一"), QStringLiteral("男"));
    pupil(QStringLiteral("高中2年级2班"), QStringLiteral("安二"), QStringLiteral("女"));
    pupil(QStringLiteral("高中2年级2班"), QStringLiteral("孙三"), QStringLiteral("男"));
    pupil(QStringLiteral("高中2年级10班"), QStringLiteral("白四"), QStringLiteral("女"));
    pupil(QStringLiteral("高中1年级1班"), QStringLiteral("周五"), QStringLiteral("未填"));
  }
  QString pupil(const QString& cls, const QString& name, const QString& sex, const QString& table = QStringLiteral("学籍表"),
                const QString& leaving = QStringLiteral("-")) {
    return school.addPupil(table, PupilRow(cls, name, sex, QString::number(++code),
                                           {{QStringLiteral("StudentNumber"), QStringLiteral("S%1").arg(code)},
                                            {QStringLiteral("LeavingDate"), leaving},
                                            {QStringLiteral("HomeAddress"), name + QStringLiteral("家")}}));
  }
  static QStringList column(const RosterData& d, const char* heading, const QVector<RosterColumn>& columns) {
    int at = -1;
    for (int i = 0; i < columns.size(); ++i)
      if (columns[i].heading == QString::fromUtf8(heading)) at = i;
    QStringList out;
    for (const RosterRow& r : d.rows) out << r.cells.value(at);
    return out;
  }

  test::SchoolFixture school{db};
  int code = 0;
};

TEST_F(Rosters, AClassInNameOrderWithItsTutorAndCounts) {
  const RosterData d = loadRoster(db, classRosterSql(db, QStringLiteral("高中2年级2班")), inSchoolRosterColumns());
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(column(d, "姓名", inSchoolRosterColumns()),
            (QStringList{QStringLiteral("安二"), QStringLiteral("孙三"), QStringLiteral("赵一")}));
  // 序号 shows the personal code; every row carries code and ID.
  EXPECT_EQ(column(d, "序号", inSchoolRosterColumns()), (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("1")}));
  EXPECT_EQ(column(d, "家庭住址", inSchoolRosterColumns()).first(), QStringLiteral("安二家"));
  EXPECT_EQ(d.rows.front().code, QStringLiteral("2"));
  EXPECT_FALSE(d.rows.front().id.isEmpty());
  const ClassList classes = readClasses(db);
  EXPECT_EQ(classRosterTitle(QStringLiteral("实验中学"), QStringLiteral("高中2年级2班")), QStringLiteral("实验中学高二（2）班学生花名册"));
  EXPECT_EQ(classRosterFooter(classes.tutorOf(QStringLiteral("高中2年级2班")), d), QStringLiteral("班主任：陈老师 共3人(男2人,女1人)"));
}

TEST_F(Rosters, TheWholeSchoolFollowsTheTextOrderOfGradeAndClass) {
  const RosterData d = loadRoster(db, wholeSchoolRosterSql(), inSchoolRosterColumns());
  ASSERT_TRUE(d.ok);
  QStringList classes;
  for (const RosterRow& r : d.rows) classes << r.className;
  // Class 10 before class 2 here, unlike the class chooser.
  EXPECT_EQ(classes, (QStringList{QStringLiteral("高中1年级1班"), QStringLiteral("高中2年级10班"), QStringLiteral("高中2年级2班"),
                                  QStringLiteral("高中2年级2班"), QStringLiteral("高中2年级2班")}));
  EXPECT_EQ(column(d, "姓名", inSchoolRosterColumns()).mid(2),
            (QStringList{QStringLiteral("安二"), QStringLiteral("孙三"), QStringLiteral("赵一")}));
  EXPECT_EQ(readClasses(db).names(),
            (QStringList{QStringLiteral("高中1年级1班"), QStringLiteral("高中2年级2班"), QStringLiteral("高中2年级10班")}));
  // Anything but 男 counts as a girl.
  EXPECT_EQ(wholeSchoolRosterFooter(d), QStringLiteral("本校共有5人 其中男生2人 女生3人"));
  EXPECT_EQ(wholeSchoolRosterTitle(QStringLiteral("实验中学")), QStringLiteral("实验中学全部学生学生花名册"));
}

TEST_F(Rosters, GraduatesByDateNewestFirstAndLeavers) {
  for (const char* date : {"2011年7月1日", "2012年7月1日", "2012年7月1日"})
    school.run(QStringLiteral("insert into 毕业时间表 values ('%1')").arg(QString::fromUtf8(date)));
  const DateList dates = readGraduationDates(db);
  ASSERT_TRUE(dates.ok);
  EXPECT_EQ(dates.dates, (QStringList{QStringLiteral("2012年7月1日"), QStringLiteral("2012年7月1日"), QStringLiteral("2011年7月1日")}));

  pupil(QStringLiteral("初中3年级1班"), QStringLiteral("毕二"), QStringLiteral("女"), QStringLiteral("毕业表"), QStringLiteral("2012年7月1日"));
  pupil(QStringLiteral("初中3年级1班"), QStringLiteral("毕一"), QStringLiteral("男"), QStringLiteral("毕业表"), QStringLiteral("2012年7月1日"));
  pupil(QStringLiteral("初中3年级2班"), QStringLiteral("早届"), QStringLiteral("男"), QStringLiteral("毕业表"), QStringLiteral("2011年7月1日"));
  const RosterData g = loadRoster(db, graduatesRosterSql(db, QStringLiteral("2012年7月1日")), leaverRosterColumns());
  ASSERT_TRUE(g.ok);
  EXPECT_EQ(column(g, "姓名", leaverRosterColumns()), (QStringList{QStringLiteral("毕二"), QStringLiteral("毕一")}));
  EXPECT_EQ(column(g, "离校时间", leaverRosterColumns()), QStringList(2, QStringLiteral("2012年7月1日")));
  EXPECT_EQ(column(g, "所在班级", leaverRosterColumns()), QStringList(2, QStringLiteral("初中3年级1班")));
  EXPECT_EQ(graduatesRosterTitle(QStringLiteral("实验中学"), QStringLiteral("2012年7月1日")), QStringLiteral("实验中学2012年毕业学生花名册"));
  EXPECT_EQ(graduatesRosterFooter(g), QStringLiteral("本年度毕业生2人 其中男生1人 女生1人"));

  pupil(QStringLiteral("高中1年级1班"), QStringLiteral("转走"), QStringLiteral("女"), QStringLiteral("转退表"), QStringLiteral("2024年10月8日"));
  const RosterData l = loadRoster(db, leaversRosterSql(), leaverRosterColumns());
  ASSERT_EQ(l.count(), 1);
  EXPECT_EQ(leaversRosterTitle(QStringLiteral("实验中学")), QStringLiteral("实验中学因转学、退学等原因离校的学生花名册"));
  EXPECT_EQ(leaversRosterFooter(l), QStringLiteral("本校因转学、退学等原因离校的共有1人 其中男生0人 女生1人"));

  EXPECT_EQ(graduationYear(QStringLiteral("2011年7月1日")), QStringLiteral("2011年"));
  EXPECT_EQ(graduationYear(QStringLiteral("1999年12月31日")), QStringLiteral("1999年"));
}

TEST_F(Rosters, TheModelShowsRowsAndTakesOneOut) {
  test::qtApp();  // the boy and girl pictures
  RosterModel model(leaverRosterColumns());
  RosterData d = loadRoster(db, classRosterSql(db, QStringLiteral("高中2年级2班")), leaverRosterColumns());
  model.setRoster(d);
  ASSERT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QString());
  EXPECT_EQ(model.headerData(8, Qt::Horizontal).toString(), QStringLiteral("离校时间"));
  EXPECT_EQ(model.data(model.index(2, 0)).toInt(), 3);  // the unnamed column numbers the rows
  EXPECT_EQ(model.data(model.index(0, 2)).toString(), QStringLiteral("安二"));
  EXPECT_FALSE(model.data(model.index(0, 2), Qt::DecorationRole).isNull());
  EXPECT_EQ(model.data(model.index(0, 2), RosterModel::kCodeRole).toString(), QStringLiteral("2"));
  EXPECT_TRUE(model.removeId(d.rows[1].id));
  EXPECT_FALSE(model.removeId(QStringLiteral("999999")));
  EXPECT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.boys(), 1);
  EXPECT_EQ(model.girls(), 1);
  EXPECT_EQ(model.data(model.index(1, 2)).toString(), QStringLiteral("赵一"));
}

class RosterPages : public Rosters {
 protected:
  void SetUp() override {
    test::qtApp();
    Rosters::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(state.db.open(test::serverParams(QStringLiteral("didododederaz"))));
    state.schoolName = QStringLiteral("实验中学");
  }
  core::AppState state;
  ScriptedPrompt prompt;
};

TEST_F(RosterPages, TheInSchoolPageShowsAClassOrTheWholeSchool) {
  InSchoolRosterPage page(state, prompt);
  QString heading;
  QStringList status(4);
  QObject::connect(&page, &InSchoolRosterPage::headingChanged, [&](const QString& t) { heading = t; });
  QObject::connect(&page, &InSchoolRosterPage::statusChanged, [&](int part, const QString& t) { status[part] = t; });
  ASSERT_TRUE(page.open());
  EXPECT_EQ(page.chosenClass(), QStringLiteral("高中1年级1班"));
  EXPECT_EQ(heading, QStringLiteral("实验中学高一（1）班学生花名册"));
  EXPECT_EQ(status[2], QStringLiteral("    当前状态：在校学生列表"));
  EXPECT_EQ(status[3], QStringLiteral("  提示： 双击选择项可查看详细资料，右击选择项可弹出操作菜单,选中[登分表]打印班用登分表。"));
  auto* footer = page.findChild<QLabel*>(QStringLiteral("在校生统计标签"));
  EXPECT_EQ(footer->text(), QStringLiteral("班主任：王老师 共1人(男0人,女1人)"));

  page.findChild<QComboBox*>(QStringLiteral("在校生列表班级组合框"))->setCurrentText(QStringLiteral("高中2年级2班"));
  EXPECT_EQ(page.model()->rowCount(), 3);
  EXPECT_EQ(footer->text(), QStringLiteral("班主任：陈老师 共3人(男2人,女1人)"));

  QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("全部按钮")), Qt::LeftButton);
  EXPECT_EQ(page.showing(), InSchoolRosterPage::Showing::WholeSchool);
  EXPECT_EQ(page.model()->rowCount(), 5);
  EXPECT_EQ(heading, QStringLiteral("实验中学全部学生学生花名册"));
  EXPECT_EQ(footer->text(), QStringLiteral("本校共有5人 其中男生2人 女生3人"));
  EXPECT_TRUE(page.findChild<QPushButton*>(QStringLiteral("全校搜索按钮"))->isEnabled());
  EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(RosterPages, NothingToShowIsTold) {
  LeaversRosterPage leavers(state, prompt);
  EXPECT_FALSE(leavers.openGraduates());
  EXPECT_EQ(prompt.last().text, QStringLiteral("目前没有毕业生数据！"));
  EXPECT_FALSE(leavers.openLeavers());
  EXPECT_EQ(prompt.last().text, QStringLiteral("目前本校没有因转学、退学等原因离校的学生数据！"));
  school.run(QStringLiteral("insert into 毕业时间表 values ('2011年7月1日')"));
  EXPECT_TRUE(leavers.openGraduates());
  EXPECT_EQ(prompt.last().text, QStringLiteral("2011年没有毕业生数据！"));
  EXPECT_EQ(leavers.findChild<QPushButton*>(QStringLiteral("离校生搜索按钮"))->text(), QStringLiteral("本届搜索"));

  school.run(QStringLiteral("delete from 班级表"));
  InSchoolRosterPage page(state, prompt);
  EXPECT_FALSE(page.open());
  EXPECT_EQ(prompt.last().text, QStringLiteral("目前没有班级数据，请先进行校务设置！"));
}

}  // namespace
}  // namespace sa::students
