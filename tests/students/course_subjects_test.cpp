// Course subjects: the order rule, the one update statement for one class or
// every class, and the window's title line.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/core/app_state.h"
#include "app/students/course_subjects_service.h"
#include "app/students/course_subjects_window.h"
#include "app/ui/scripted_prompt.h"
#include "tests/support/qt_test_app.h"
#include "tests/support/test_database.h"
#include "tests/support/widget_helpers.h"

namespace sa::students {
namespace {

void screenshot(QWidget& w, const char* name) { test::saveScreenshot(w, QString::fromUtf8(name)); }

QStringList boxes(std::initializer_list<const char*> filled) {
  QStringList out;
  for (const char* s : filled) out << QString::fromUtf8(s);
  while (out.size() < 20) out << QString();
  return out;
}

struct OrderCase {
  QStringList boxes;
  SubjectOrder expected;
};

TEST(SubjectOrderRule, Cases) {
  QStringList lastOnly = boxes({"语文"});
  lastOnly[19] = QStringLiteral("班会");
  const OrderCase cases[] = {
      {boxes({"语文", "", "数学"}), SubjectOrder::Gap},
      {boxes({"语文", "数学"}), SubjectOrder::Ok},
      {boxes({"语文"}), SubjectOrder::Ok},
      {boxes({"", "数学"}), SubjectOrder::FirstMissing},
      {boxes({" ", "数学"}), SubjectOrder::FirstMissing},
      {boxes({"语文", " ", "数学"}), SubjectOrder::Gap},
      {lastOnly, SubjectOrder::Gap},
      {boxes({"语文", "数学", "英语", "物理", "化学", "生物", "政治", "历史", "地理", "体育", "音乐", "美术",
              "信息技术", "通用技术", "心理", "书法", "综合实践", "研究性学习", "劳动", "班会"}),
       SubjectOrder::Ok},
  };
  for (const OrderCase& c : cases) EXPECT_EQ(checkSubjectOrder(c.boxes), c.expected) << c.boxes.join(',').toStdString();
}

class CourseSubjects : public test::DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    if (HasFatalFailure()) return;
    exec(QStringLiteral("insert into 班级表 (Class,ClassCategories,GradeID,ClassID,Subject1,Subject2,Subject3,Subject4) "
                        "values ('高中1年级1班','通用','1','1','语文','数学','英语','物理'),"
                        "('高中1年级2班','通用','1','2','语文','数学','英语','化学'),"
                        "('英语特长班','自设','0','0','英语','','','')"));
  }
  QString subjects(const char* cls) {
    return scalar(QStringLiteral("select concat_ws(',',Subject1,Subject2,Subject3,Subject4,Subject5,Subject20) "
                                 "from 班级表 where Class='%1'")
                      .arg(QString::fromUtf8(cls)));
  }
  ui::ScriptedPrompt prompt;
};

TEST_F(CourseSubjects, GapRefusedAndNothingSaved) {
  EXPECT_FALSE(saveSubjects(db, prompt, boxes({"语文", "", "数学"}), false, QStringLiteral("高中1年级1班")));
  EXPECT_EQ(prompt.last().text, QStringLiteral("必须按顺序填写，空的留后！"));
  EXPECT_EQ(prompt.last().icon, ui::Icon::Error);
  EXPECT_EQ(subjects("高中1年级1班"), QStringLiteral("语文,数学,英语,物理,,"));

  EXPECT_FALSE(saveSubjects(db, prompt, boxes({"", "数学"}), true, QString()));
  EXPECT_EQ(prompt.last().text, QStringLiteral("第一科必须填写！"));
  EXPECT_EQ(prompt.last().icon, ui::Icon::Error);
}

TEST_F(CourseSubjects, OneClassGetsAllTwentySlotsWithEmptiesAfter) {
  EXPECT_TRUE(saveSubjects(db, prompt, boxes({"语文", "数学"}), false, QStringLiteral("高中1年级1班")));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("高中1年级1班的课程科目数据已保存！")});
  EXPECT_EQ(subjects("高中1年级1班"), QStringLiteral("语文,数学,,,,"));
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from 班级表 where concat(Subject3,Subject4,Subject5,Subject6,"
                                  "Subject7,Subject8,Subject9,Subject10,Subject11,Subject12,Subject13,Subject14,"
                                  "Subject15,Subject16,Subject17,Subject18,Subject19,Subject20)='' "
                                  "and Class='高中1年级1班'")),
            QStringLiteral("1"));
  EXPECT_EQ(subjects("高中1年级2班"), QStringLiteral("语文,数学,英语,化学,,"));
}

TEST_F(CourseSubjects, ForAllClassesReachesCustomClassesToo) {
  QStringList list = boxes({"语文", "数学", "英语", "物理", "班会"});
  list[19] = QString();
  EXPECT_TRUE(saveSubjects(db, prompt, list, true, QStringLiteral("高中1年级1班")));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("当前的课程科目已保存到本校所有班级中！")});
  for (const char* cls : {"高中1年级1班", "高中1年级2班", "英语特长班"})
    EXPECT_EQ(subjects(cls), QStringLiteral("语文,数学,英语,物理,班会,")) << cls;
}

TEST_F(CourseSubjects, SubjectWithAQuoteIsStoredAsTyped) {
  EXPECT_TRUE(saveSubjects(db, prompt, boxes({"语文", "Children's English"}), false, QStringLiteral("英语特长班")));
  EXPECT_EQ(scalar(QStringLiteral("select Subject2 from 班级表 where Class='英语特长班'")),
            QStringLiteral("Children's English"));
}

TEST_F(CourseSubjects, FailureIsReported) {
  exec(QStringLiteral("create trigger no_update before update on 班级表 for each row "
                      "signal sqlstate '45000' set message_text='blocked'"));
  EXPECT_FALSE(saveSubjects(db, prompt, boxes({"语文"}), true, QString()));
  EXPECT_EQ(prompt.last().text, QStringLiteral("设置修改科目失败！"));
  EXPECT_EQ(prompt.last().title, QStringLiteral("错误"));
}

class CourseWindow : public CourseSubjects {
 protected:
  void SetUp() override {
    test::qtApp();
    CourseSubjects::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(state.db.open(test::serverParams(QStringLiteral("didododederaz"))));
    state.schoolName = QStringLiteral("滨江实验中学");
  }
  core::AppState state;
};

TEST_F(CourseWindow, TitleLineFollowsClassAndCheckBox) {
  CourseSubjectsWindow w(state, prompt);
  ASSERT_TRUE(w.load());
  w.show();
  auto* title = w.findChild<QLabel*>(QStringLiteral("课程标题标签"));
  auto* chooser = w.findChild<QComboBox*>(QStringLiteral("科目班级名组合框"));
  auto* all = w.findChild<QCheckBox*>(QStringLiteral("统一科目选择框"));
  ASSERT_TRUE(title && chooser && all);
  // Custom classes sort first: their numbers are 0.
  EXPECT_EQ(chooser->currentText(), QStringLiteral("英语特长班"));
  EXPECT_EQ(title->text(), QStringLiteral("设置修改英语特长班的课程科目"));
  EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("科目编辑框1"))->text(), QStringLiteral("英语"));

  chooser->setCurrentIndex(2);
  emit chooser->activated(2);
  EXPECT_EQ(title->text(), QStringLiteral("设置修改高一（2）班的课程科目"));
  EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("科目编辑框4"))->text(), QStringLiteral("化学"));

  all->setChecked(true);
  EXPECT_FALSE(chooser->isEnabled());
  EXPECT_EQ(title->text(), QStringLiteral("设置修改本校所有班级的课程科目"));
  screenshot(w, "course_subjects_all");
  all->setChecked(false);
  EXPECT_EQ(title->text(), QStringLiteral("设置修改高一（2）班的课程科目"));
  screenshot(w, "course_subjects");

  // Saving from the window writes the chosen class only.
  w.findChild<QLineEdit*>(QStringLiteral("科目编辑框4"))->setText(QStringLiteral("生物"));
  QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("保存科目按钮")), Qt::LeftButton);
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("高中1年级2班的课程科目数据已保存！")});
  EXPECT_EQ(subjects("高中1年级2班"), QStringLiteral("语文,数学,英语,生物,,"));
  EXPECT_EQ(subjects("高中1年级1班"), QStringLiteral("语文,数学,英语,物理,,"));
}

TEST_F(CourseWindow, NoClassesNoWindow) {
  exec(QStringLiteral("delete from 班级表"));
  CourseSubjectsWindow w(state, prompt);
  EXPECT_FALSE(w.load());
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("目前没有班级数据，请先进行系统设置!")});
}

}  // namespace
}  // namespace sa::students
