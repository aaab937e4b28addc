// The weekly timetable: reading the grid, who may change it, and changing a
// period in place.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/core/app_state.h"
#include "app/core/levels.h"
#include "app/students/timetable_service.h"
#include "app/students/timetable_window.h"
#include "app/ui/scripted_prompt.h"
#include "tests/support/qt_test_app.h"
#include "tests/support/test_database.h"
#include "tests/support/widget_helpers.h"

namespace sa::students {
namespace {

using test::doubleClick;

void screenshot(QWidget& w, const char* name) { test::saveScreenshot(w, QString::fromUtf8(name)); }

TEST(TimetableEditors, SeniorAdministratorsOfTheTeachingOffice) {
  struct Case {
    const char* level;
    const char* office;
    bool may;
  };
  const Case cases[] = {{"1110", "教务处", true},  {"1111", "教导处", true},  {"1100", "教务处", false},
                        {"1111", "总务处", false}, {"1110", "", false},       {"abc", "教务处", false},
                        {"100", "教导处", false}};
  for (const Case& c : cases) {
    core::LoggedInUser u;
    u.levelText = QString::fromUtf8(c.level);
    u.office = QString::fromUtf8(c.office);
    EXPECT_EQ(mayEditTimetable(u), c.may) << c.level << c.office;
  }
}

TEST(TimetableTexts, Headings) {
  EXPECT_EQ(weekdayHeading(1), QStringLiteral("星期一"));
  EXPECT_EQ(weekdayHeading(6), QStringLiteral("星期六"));
  EXPECT_EQ(periodHeading(8), QStringLiteral("第八节课"));
  EXPECT_EQ(timetableTitle(QStringLiteral("滨江实验中学"), QStringLiteral("高中2年级3班")),
            QStringLiteral("滨江实验中学高二（3）班课程表"));
}

class Timetables : public test::DatabaseTest {
 protected:
  void SetUp() override {
    test::qtApp();
    DatabaseTest::SetUp();
    if (HasFatalFailure()) return;
    exec(QStringLiteral("insert into 班级表 (Class,ClassTutor,GradeID,ClassID,Subject1,Subject2,Subject3,Subject4,"
                        "Week11,Week12,Week15,Week68) values "
                        "('高中2年级3班','王芳','2','3','语文','数学','英语','物理','语文','数学','英语','自习'),"
                        "('高中2年级4班','李强','2','4','语文','数学','','','数学','','','')"));
    ASSERT_TRUE(state.db.open(test::serverParams(QStringLiteral("didododederaz"))));
    ASSERT_TRUE(dir.isValid());
    state.appDir = dir.path();
    state.schoolName = QStringLiteral("滨江实验中学");
    login("1110", "教务处");
  }
  void login(const char* level, const char* office) {
    state.user.loggedIn = true;
    state.user.levelText = QString::fromUtf8(level);
    state.user.level = core::levelNumber(state.user.levelText);
    state.user.office = QString::fromUtf8(office);
  }
  QString cell(const char* column, const char* cls = "高中2年级3班") {
    return scalar(QStringLiteral("select %1 from 班级表 where Class='%2'")
                      .arg(QString::fromUtf8(column), QString::fromUtf8(cls)));
  }
  QTableWidget* gridOf(TimetableWindow& w) { return w.findChild<QTableWidget*>(QStringLiteral("课程表格")); }
  QComboBox* chooserOf(TimetableWindow& w) { return w.findChild<QComboBox*>(QStringLiteral("课程科目组合框")); }

  QTemporaryDir dir;
  core::AppState state;
  ui::ScriptedPrompt prompt;
};

TEST_F(Timetables, ReadsEveryCellOfTheClass) {
  const auto t = readTimetable(db, prompt, QStringLiteral("高中2年级3班"));
  ASSERT_TRUE(t);
  EXPECT_EQ(t->tutor, QStringLiteral("王芳"));
  EXPECT_EQ(t->at(1, 1), QStringLiteral("语文"));
  EXPECT_EQ(t->at(1, 5), QStringLiteral("英语"));
  EXPECT_EQ(t->at(6, 8), QStringLiteral("自习"));
  EXPECT_EQ(t->at(3, 3), QString());
  EXPECT_FALSE(readTimetable(db, prompt, QStringLiteral("没有的班")));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("载入课程表数据失败！")});
}

TEST_F(Timetables, TeachingOfficeChangesAPeriodWithTheKeyboard) {
  TimetableWindow w(state, prompt);
  ASSERT_TRUE(w.load());
  w.show();
  QTableWidget* grid = gridOf(w);
  ASSERT_TRUE(grid);
  EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("课程表标题标签"))->text(), QStringLiteral("滨江实验中学高二（3）班课程表"));
  EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("课程表班主任标签"))->text(), QStringLiteral("班主任：王芳"));
  EXPECT_EQ(grid->item(4, 2)->text(), QStringLiteral("英语"));  // Monday, period 5
  screenshot(w, "timetable");

  // From Monday period 1: right twice, down once is Wednesday period 2.
  w.selectCell(1, 1);
  QTest::keyClick(grid, Qt::Key_Right);
  QTest::keyClick(grid, Qt::Key_Right);
  QTest::keyClick(grid, Qt::Key_Down);
  QTest::keyClick(grid, Qt::Key_Return);
  ASSERT_TRUE(w.editing());
  QComboBox* chooser = chooserOf(w);
  ASSERT_TRUE(chooser);
  EXPECT_EQ(chooser->count(), 4);
  chooser->setCurrentIndex(chooser->findText(QStringLiteral("物理")));
  screenshot(w, "timetable_editing");

  // Leaving and printing are refused while the chooser is open.
  w.close();
  EXPECT_TRUE(w.isVisible());
  QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("课程表打印按钮")), Qt::LeftButton);
  EXPECT_EQ(prompt.messages(), (QStringList{"请先退出编辑状态！", "请先退出编辑状态！"}));

  QTest::keyClick(chooser, Qt::Key_Return);
  EXPECT_FALSE(w.editing());
  EXPECT_EQ(cell("Week32"), QStringLiteral("物理"));
  EXPECT_EQ(grid->item(1, 4)->text(), QStringLiteral("物理"));
  EXPECT_EQ(cell("Week32", "高中2年级4班"), QString());

  // Now the window closes.
  w.close();
  EXPECT_FALSE(w.isVisible());
}

TEST_F(Timetables, DoubleClickOpensTheChooserEscapeLeavesTheCell) {
  TimetableWindow w(state, prompt);
  ASSERT_TRUE(w.load());
  w.show();
  QTableWidget* grid = gridOf(w);
  doubleClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(7, 7)).center());
  ASSERT_TRUE(w.editing());
  QComboBox* chooser = chooserOf(w);
  chooser->setCurrentIndex(0);
  QTest::keyClick(chooser, Qt::Key_Escape);
  EXPECT_FALSE(w.editing());
  EXPECT_EQ(cell("Week68"), QStringLiteral("自习"));
  EXPECT_TRUE(w.isVisible());
}

TEST_F(Timetables, OthersOnlyLook) {
  for (auto [level, office] : {std::pair{"1100", "教务处"}, std::pair{"1111", "总务处"}}) {
    login(level, office);
    TimetableWindow w(state, prompt);
    ASSERT_TRUE(w.load());
    w.show();
    QTableWidget* grid = gridOf(w);
    w.selectCell(2, 2);
    QTest::keyClick(grid, Qt::Key_Return);
    doubleClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(1, 3)).center());
    EXPECT_FALSE(w.editing()) << level << office;
  }
}

TEST_F(Timetables, NoClassesNoWindow) {
  exec(QStringLiteral("delete from 班级表"));
  TimetableWindow w(state, prompt);
  EXPECT_FALSE(w.load());
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("目前没有班级数据，请先进行校务设置！")});
}

TEST_F(Timetables, PrintWithoutTemplate) {
  TimetableWindow w(state, prompt);
  ASSERT_TRUE(w.load());
  QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("课程表打印预览按钮")), Qt::LeftButton);
  EXPECT_EQ(prompt.last().text, QStringLiteral("  打开模板文件失败！  "));
  EXPECT_EQ(prompt.last().title, QStringLiteral("错误"));
}

}  // namespace
}  // namespace sa::students
