// Subject teachers: the class-and-teaching page and the teacher edit window.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/core/app_state.h"
#include "app/core/levels.h"
#include "app/core/main_window.h"
#include "app/students/class_teacher_edit_window.h"
#include "app/students/class_teacher_page.h"
#include "app/students/class_teacher_service.h"
#include "app/students/setup_operations.h"
#include "app/ui/scripted_prompt.h"
#include "tests/support/qt_test_app.h"
#include "tests/support/test_database.h"
#include "tests/support/widget_helpers.h"

namespace sa::students {
namespace {

using test::doubleClick;

void screenshot(QWidget& w, const char* name) { test::saveScreenshot(w, QString::fromUtf8(name)); }

class ClassTeachers : public test::DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    if (HasFatalFailure()) return;
    // 初中 classes teach 物理 in slot 4; the senior class has 化学 there and
    // 物理 in slot 5.
    exec(QStringLiteral(
        "insert into 班级表 (Class,ClassTutor,GradeID,ClassID,Subject1,Subject2,Subject3,Subject4,Subject5,"
        "Subject1T,Subject2T,Subject3T,Subject4T,Subject5T) values "
        "('初中2年级1班','王芳','2','1','语文','数学','英语','物理','','王芳','李强','陈静','汪海军',''),"
        "('初中2年级2班','李强','2','2','语文','数学','英语','物理','','周敏','李强','陈静','汪海军',''),"
        "('高中1年级1班','赵磊','1','1','语文','数学','英语','化学','物理','赵磊','孙伟','吴霞','邹红','金鹏')"));
    for (const char* pupil : {"('张三','男','初中2年级1班')", "('李四','女','初中2年级1班')", "('王五','男','初中2年级1班')",
                              "('赵六','女','高中1年级1班')"})
      exec(QStringLiteral("insert into 学籍表 (name,sex,class) values ") + QString::fromUtf8(pupil));
  }
  ui::ScriptedPrompt prompt;
};

TEST_F(ClassTeachers, OneClassWithCountsAndItsSubjectColumns) {
  const auto t = readTeacherTable(db, prompt, QStringLiteral("初中2年级1班"), false);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->headings(), (QStringList{"班级名称", "班主任", "总人数", "男生", "女生", "语文教师", "数学教师",
                                        "英语教师", "物理教师"}));
  ASSERT_EQ(t->rows.size(), 1u);
  const TeacherTableRow& r = t->rows[0];
  EXPECT_EQ(r.tutor, QStringLiteral("王芳"));
  EXPECT_EQ(r.boys, 2);
  EXPECT_EQ(r.girls, 1);
  EXPECT_EQ(r.total(), 3);
  EXPECT_EQ(r.teachers, (QStringList{"王芳", "李强", "陈静", "汪海军"}));
  EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(ClassTeachers, AllClassesShowEachTeacherUnderTheRightSubject) {
  const auto t = readTeacherTable(db, prompt, QStringLiteral("初中2年级1班"), true);
  ASSERT_TRUE(t);
  ASSERT_EQ(t->rows.size(), 3u);
  // Text order of GradeID, then ClassID: the senior grade 1 comes first.
  EXPECT_EQ(t->rows[0].className, QStringLiteral("高中1年级1班"));
  EXPECT_EQ(t->rows[0].teachers, (QStringList{"赵磊", "孙伟", "吴霞", "金鹏"}));  // 物理 is its slot 5
  EXPECT_EQ(t->rows[2].teachers, (QStringList{"周敏", "李强", "陈静", "汪海军"}));
  EXPECT_EQ(t->rows[0].girls, 1);
}

TEST_F(ClassTeachers, MissingClassAndTexts) {
  EXPECT_FALSE(readTeacherTable(db, prompt, QStringLiteral("9年级9班"), false));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("没有发现你找的班级数据！")});

  EXPECT_EQ(teacherTableTitle(QStringLiteral("高中1年级1班"), false, false), QStringLiteral("高一（1）班班级任课表"));
  EXPECT_EQ(teacherTableTitle(QString(), false, true), QStringLiteral("目前本校没有这个数据"));
  EXPECT_EQ(teacherTableHint(QStringLiteral("初中2年级1班"), false),
            QStringLiteral("    提示：查看八（1）班任课表！左键单击查看班级学生表，双击修改任课表，单击表头查看教师资料"));
  EXPECT_EQ(teacherTableHint(QString(), true),
            QStringLiteral("    提示：查看全校班级任课表！左键单击查看班级学生表，双击修改任课表，单击表头查看教师资料"));
  EXPECT_EQ(subjectOfHeading(QStringLiteral("信息技术教师")), QStringLiteral("信息技术"));
  EXPECT_EQ(subjectOfHeading(QStringLiteral("男生")), QString());
}

TEST_F(ClassTeachers, SavingAskWhetherToGoOn) {
  EXPECT_EQ(saveSubjectTeacher(db, prompt, QStringLiteral("初中2年级1班"), 0, QStringLiteral("某某")),
            TeacherSave::Failed);
  EXPECT_EQ(prompt.last().text, QStringLiteral(" 没有科目！"));
  EXPECT_EQ(prompt.last().icon, ui::Icon::Error);
  EXPECT_EQ(prompt.last().title, QStringLiteral("提示"));

  prompt.answer(true).answer(false);
  EXPECT_EQ(saveSubjectTeacher(db, prompt, QStringLiteral("初中2年级1班"), 2, QStringLiteral("孙伟")),
            TeacherSave::Continue);
  EXPECT_EQ(prompt.last().kind, ui::ScriptedPrompt::Kind::YesNo);
  EXPECT_EQ(prompt.last().text, QStringLiteral("修改成功,继续修改初中2年级1班课任老师吗？"));
  EXPECT_EQ(saveSubjectTeacher(db, prompt, QStringLiteral("初中2年级1班"), 3, QStringLiteral("O'Neil")),
            TeacherSave::Done);
  EXPECT_EQ(scalar(QStringLiteral("select concat_ws(',',Subject2T,Subject3T) from 班级表 where Class='初中2年级1班'")),
            QStringLiteral("孙伟,O'Neil"));
}

class TeacherWindows : public ClassTeachers {
 protected:
  void SetUp() override {
    test::qtApp();
    ClassTeachers::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(state.db.open(test::serverParams(QStringLiteral("didododederaz"))));
    ASSERT_TRUE(dir.isValid());
    state.appDir = dir.path();
    state.schoolName = QStringLiteral("滨江实验中学");
    state.user.loggedIn = true;
    state.user.name = QStringLiteral("教务员");
    state.user.levelText = QStringLiteral("1110");
    state.user.level = 1110;
  }
  QTemporaryDir dir;
  core::AppState state;
};

TEST_F(TeacherWindows, EditWindowWritesTheSlotOfTheChosenSubject) {
  // An older list with a gap: 物理 sits in slot 5 while slot 4 is empty.
  exec(QStringLiteral("update 班级表 set Subject4='',Subject4T='' where Class='高中1年级1班'"));
  int saved = 0;
  ClassTeacherEditWindow w(state, prompt, QStringLiteral("高中1年级1班"), QStringLiteral("物理"), [&] { ++saved; });
  w.show();
  auto* subject = w.findChild<QComboBox*>(QStringLiteral("任课学科组合框"));
  auto* name = w.findChild<QLineEdit*>(QStringLiteral("任课教师编辑框"));
  ASSERT_TRUE(subject && name);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("修改高中1年级1班任课教师"));
  EXPECT_EQ(subject->currentText(), QStringLiteral("物理"));
  EXPECT_EQ(name->text(), QStringLiteral("金鹏"));
  screenshot(w, "class_teacher_edit");

  name->setText(QStringLiteral("石建华"));
  prompt.answer(true);  // go on with the same class
  QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("任课确定按钮")), Qt::LeftButton);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(scalar(QStringLiteral("select concat_ws(',',Subject4T,Subject5T) from 班级表 where Class='高中1年级1班'")),
            QStringLiteral(",石建华"));

  subject->setCurrentIndex(0);
  name->setText(QStringLiteral("何平"));
  prompt.answer(false);
  QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("任课确定按钮")), Qt::LeftButton);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(saved, 2);
  EXPECT_EQ(scalar(QStringLiteral("select Subject1T from 班级表 where Class='高中1年级1班'")), QStringLiteral("何平"));

  // Another class reloads the subjects and the title.
  ClassTeacherEditWindow other(state, prompt, QStringLiteral("高中1年级1班"), QString(), {});
  auto* cls = other.findChild<QComboBox*>(QStringLiteral("任课班级组合框"));
  cls->setCurrentIndex(cls->findText(QStringLiteral("初中2年级2班")));
  EXPECT_EQ(other.windowTitle(), QStringLiteral("修改初中2年级2班任课教师"));
  EXPECT_EQ(other.findChild<QComboBox*>(QStringLiteral("任课学科组合框"))->itemText(3), QStringLiteral("物理"));
}

class TeacherPage : public TeacherWindows {
 protected:
  void SetUp() override {
    TeacherWindows::SetUp();
    if (HasFatalFailure()) return;
    window = std::make_unique<core::MainWindow>(state, prompt);
    window->setSchoolName(state.schoolName);
    registerSetupOperations(*window, state, prompt);
    page = classTeacherPage(*window);
    ASSERT_TRUE(page);
    grid = page->findChild<QTableWidget*>(QStringLiteral("班级任课表"));
    ASSERT_TRUE(grid);
  }
  std::unique_ptr<core::MainWindow> window;
  ClassTeacherPage* page = nullptr;
  QTableWidget* grid = nullptr;
};

TEST_F(TeacherPage, MenuItemShowsTheFirstClass) {
  window->show();
  ASSERT_TRUE(window->runOperation(QStringLiteral("班级情况表")));
  EXPECT_EQ(window->currentPage(), kClassTeacherPage);
  EXPECT_EQ(window->heading(), QStringLiteral("高一（1）班班级任课表"));
  EXPECT_EQ(window->statusText(2), QStringLiteral("    当前状态：班级任课表"));
  EXPECT_TRUE(window->statusText(3).startsWith(QStringLiteral("    提示：查看高一（1）班任课表！")));
  ASSERT_EQ(grid->rowCount(), 1);
  EXPECT_EQ(grid->horizontalHeaderItem(9)->text(), QStringLiteral("物理教师"));
  EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("1"));

  page->findChild<QCheckBox*>(QStringLiteral("显示所有班级任课老师选择框"))->setChecked(true);
  EXPECT_EQ(grid->rowCount(), 3);
  EXPECT_EQ(window->heading(), QStringLiteral("全校班级任课表"));
  EXPECT_TRUE(window->statusText(3).startsWith(QStringLiteral("    提示：查看全校班级任课表！")));
  window->resize(1100, 600);
  screenshot(*window, "class_teacher_page");
}

TEST_F(TeacherPage, ClickOpensRosterDoubleClickAsksToEdit) {
  QStringList rosters;
  QStringList edits;
  page->setRosterOpener([&](const QString& cls) { rosters << cls; });
  page->setEditOpener([&](const QString& cls, const QString& subject) { edits << cls + QLatin1Char('/') + subject; });
  window->show();
  ASSERT_TRUE(window->runOperation(QStringLiteral("班级情况表")));
  page->findChild<QCheckBox*>(QStringLiteral("显示所有班级任课老师选择框"))->setChecked(true);

  const QPoint cell = grid->visualItemRect(grid->item(1, 0)).center();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
  QTest::qWait(QApplication::doubleClickInterval() + 100);
  EXPECT_EQ(rosters, QStringList{QStringLiteral("初中2年级1班")});

  prompt.answer(true);
  const QPoint subjectCell = grid->visualItemRect(grid->item(2, 7)).center();
  doubleClick(grid->viewport(), Qt::LeftButton, {}, subjectCell);
  QTest::qWait(QApplication::doubleClickInterval() + 100);
  EXPECT_EQ(prompt.last().text, QStringLiteral("你要修改八（2）班的任课老师吗？"));
  EXPECT_EQ(edits, QStringList{QStringLiteral("初中2年级2班/英语")});
  // The double-click did not also open the roster.
  EXPECT_EQ(rosters.size(), 1);

  prompt.answer(false);
  doubleClick(grid->viewport(), Qt::LeftButton, {}, subjectCell);
  EXPECT_EQ(edits.size(), 1);
}

TEST_F(TeacherPage, NoClassAtAll) {
  exec(QStringLiteral("delete from 班级表"));
  ASSERT_TRUE(window->runOperation(QStringLiteral("班级情况表")));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("  找不到任何班级数据。")});
  EXPECT_EQ(window->heading(), QStringLiteral("目前本校没有这个数据"));
  EXPECT_EQ(grid->rowCount(), 0);
}

}  // namespace
}  // namespace sa::students
