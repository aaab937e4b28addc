// Deleting pupils through the main window: from the table of the pupils
// shown, with the question of the page, the level rules and the pop-up
// command of the graduates-and-leavers list.
#include <QLabel>
#include <QListWidget>
#include <QTableView>

#include "app/students/personal_code_window.h"
#include "app/students/roster_leavers_page.h"
#include "app/students/roster_page.h"
#include "app/students/student_detail_page.h"
#include "tests/students/student_records_fixture.h"

namespace sa::students {
namespace {

using test::PupilRow;
using ui::Icon;

const QString kLongQuestion =
    QStringLiteral("  删除资料后其学号也将会作废且不能再次利用！建议如非必要请使用修改资料方法。\r\n\r\n  现在您还确认要删除当前学生%1的资料吗？  ");

class Deleting : public test::RecordsWindowTest {
 protected:
  void SetUp() override {
    RecordsWindowTest::SetUp();
    if (HasFatalFailure()) return;
    school->addClass(QStringLiteral("初中1年级1班"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("刘老师"));
    school->addClass(QStringLiteral("初中2年级1班"), QStringLiteral("2"), QStringLiteral("1"));
    ids[QStringLiteral("甲")] = add(QStringLiteral("学籍表"), QStringLiteral("初中1年级1班"), QStringLiteral("甲"), QStringLiteral("1"));
    ids[QStringLiteral("乙")] = add(QStringLiteral("学籍表"), QStringLiteral("初中1年级1班"), QStringLiteral("乙"), QStringLiteral("2"));
    // The first pupil of grade 2 got the code 1 too.
    ids[QStringLiteral("丙")] = add(QStringLiteral("学籍表"), QStringLiteral("初中2年级1班"), QStringLiteral("丙"), QStringLiteral("1"));
    school->run(QStringLiteral("insert into 毕业时间表 values ('2012年7月1日')"));
    ids[QStringLiteral("毕甲")] = add(QStringLiteral("毕业表"), QStringLiteral("初中3年级1班"), QStringLiteral("毕甲"), QStringLiteral("1"),
                                     QStringLiteral("2012年7月1日"));
    ids[QStringLiteral("毕乙")] = add(QStringLiteral("毕业表"), QStringLiteral("初中3年级1班"), QStringLiteral("毕乙"), QStringLiteral("7"),
                                     QStringLiteral("2012年7月1日"));
    ids[QStringLiteral("退甲")] = add(QStringLiteral("转退表"), QStringLiteral("初中1年级1班"), QStringLiteral("退甲"), QStringLiteral("1"),
                                     QStringLiteral("2024年10月8日"));
    ids[QStringLiteral("退乙")] = add(QStringLiteral("转退表"), QStringLiteral("初中1年级1班"), QStringLiteral("退乙"), QStringLiteral("5"),
                                     QStringLiteral("2024年11月8日"));
  }
  QString add(const QString& table, const QString& cls, const QString& name, const QString& code,
              const QString& leaving = QStringLiteral("-")) {
    return school->addPupil(table, PupilRow(cls, name, QStringLiteral("男"), code, {{QStringLiteral("LeavingDate"), leaving}}));
  }
  bool present(const QString& table, const QString& name) {
    return school->count(QStringLiteral("select count(*) from %1 where name='%2'").arg(table, name)) == 1;
  }
  void selectOnRoster(QTableView* table, RosterModel* model, const QString& name) {
    table->selectRow(model->rowOfId(ids.value(name)));
  }

  QHash<QString, QString> ids;
};

TEST_F(Deleting, TheMainCommandDeletesFromTheTableShownWithItsPagesQuestion) {
  struct Case {
    const char* what;
    std::function<void()> show;
    QString name, table, question, next;  // `next`: the pupil selected afterwards
  };
  const Case cases[] = {
      {"detail page, in school",
       [&] { pages->showDetail(PupilView::InSchool, QStringLiteral("初中1年级1班"), ids.value(QStringLiteral("甲"))); },
       QStringLiteral("甲"), QStringLiteral("学籍表"), kLongQuestion.arg(QStringLiteral("甲")), QStringLiteral("乙")},
      {"in-school roster",
       [&] {
         pages->showClassRoster(QStringLiteral("初中1年级1班"));
         selectOnRoster(pages->rosterPage()->table(), pages->rosterPage()->model(), QStringLiteral("乙"));
       },
       QStringLiteral("乙"), QStringLiteral("学籍表"), QStringLiteral("  您确认要删除当前学生乙的资料吗？  "), QString()},
      {"graduates roster",
       [&] {
         pages->showGraduatesRoster();
         selectOnRoster(pages->leaversPage()->table(), pages->leaversPage()->model(), QStringLiteral("毕甲"));
       },
       QStringLiteral("毕甲"), QStringLiteral("毕业表"), kLongQuestion.arg(QStringLiteral("毕甲")), QStringLiteral("毕乙")},
      {"detail page, leavers",
       [&] { pages->showDetail(PupilView::Leavers, {}, ids.value(QStringLiteral("退甲"))); },
       QStringLiteral("退甲"), QStringLiteral("转退表"), kLongQuestion.arg(QStringLiteral("退甲")), QStringLiteral("退乙")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.show();
    ASSERT_TRUE(pages->selectedPupil());
    ASSERT_EQ(pages->selectedPupil()->name, c.name);
    prompt.clear();
    prompt.answer(true);
    EXPECT_TRUE(window->runOperation(QStringLiteral("删除学生资料")));
    ASSERT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(prompt.last().kind, ui::ScriptedPrompt::Kind::OkCancel);
    EXPECT_EQ(prompt.last().text, c.question);
    EXPECT_EQ(prompt.last().title, QStringLiteral("询问"));
    EXPECT_EQ(prompt.last().icon, Icon::Exclamation);
    EXPECT_FALSE(present(c.table, c.name));
    if (!c.next.isEmpty()) {
      ASSERT_TRUE(pages->selectedPupil());
      EXPECT_EQ(pages->selectedPupil()->name, c.next);
    }
  }
  // The pupil of grade 2 who shares the code 1 is untouched, and so is the
  // roster's count.
  EXPECT_TRUE(present(QStringLiteral("学籍表"), QStringLiteral("丙")));
  EXPECT_EQ(school->count(QStringLiteral("select count(*) from 学籍表")), 1);
}

TEST_F(Deleting, CancelKeepsThePupilAndNoSelectionIsTold) {
  pages->showDetail(PupilView::InSchool, QStringLiteral("初中1年级1班"));
  prompt.answer(false);
  window->runOperation(QStringLiteral("删除学生资料"));
  EXPECT_TRUE(present(QStringLiteral("学籍表"), QStringLiteral("甲")));
  EXPECT_EQ(pages->detailPage()->findChild<QListWidget*>(QStringLiteral("学生资料姓名列表框"))->count(), 2);

  window->returnToMainScreen();
  prompt.clear();
  window->runOperation(QStringLiteral("删除学生资料"));
  EXPECT_EQ(prompt.last().text, QStringLiteral("  请选择要删除资料的学生姓名！  "));
  EXPECT_EQ(prompt.last().title, QStringLiteral("提示"));
}

TEST_F(Deleting, LevelsAndClassTutors) {
  struct Case {
    const char* level;
    const char* tutor;
    const char* operation;
    const char* refusal;  // "" when the question is asked
  };
  const Case cases[] = {
      {"1100", "初中1年级1班", "删除学生资料", "  您不能删除操作，但可以作退学或调班处理！"},
      {"1100", "", "删除学生资料", "  抱歉！您没有当前的操作权限！  "},
      {"1000", "", "删除学生资料", "  抱歉！您没有当前的操作权限！  "},
      {"1110", "初中1年级1班", "删除学生资料", ""},
      {"1100", "初中1年级1班", "删除学生", ""},
      {"1000", "", "删除学生", "  抱歉！您没有当前的操作权限！  "},
  };
  pages->showLeaversRoster();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.level) + " " + c.operation);
    login(QString::fromUtf8(c.level), {}, QString::fromUtf8(c.tutor));
    selectOnRoster(pages->leaversPage()->table(), pages->leaversPage()->model(), QStringLiteral("退乙"));
    prompt.clear();
    prompt.answer(false);
    window->runOperation(QString::fromUtf8(c.operation));
    ASSERT_EQ(prompt.shown().size(), 1u);
    if (*c.refusal) {
      EXPECT_EQ(prompt.last().text, QString::fromUtf8(c.refusal));
    } else {
      EXPECT_EQ(prompt.last().kind, ui::ScriptedPrompt::Kind::OkCancel);
    }
    EXPECT_TRUE(present(QStringLiteral("转退表"), QStringLiteral("退乙")));
  }
}

TEST_F(Deleting, ThePopUpCommandOfTheLeaversListAsksWithoutANameAndNeedsNoCodes) {
  // A pupil in school without a code stops the main command only.
  add(QStringLiteral("学籍表"), QStringLiteral("初中1年级1班"), QStringLiteral("无码"), QStringLiteral("0"));
  PersonalCodeWindow* opened = nullptr;
  QObject::connect(pages, &StudentPages::codeWindowOpened, [&](PersonalCodeWindow* w) { opened = w; });

  ASSERT_TRUE(pages->showLeaversRoster());
  selectOnRoster(pages->leaversPage()->table(), pages->leaversPage()->model(), QStringLiteral("退乙"));
  window->runOperation(QStringLiteral("删除学生资料"));
  EXPECT_EQ(prompt.last().text, QStringLiteral("有部分学生没有设置个人识别码！"));
  ASSERT_NE(opened, nullptr);
  opened->close();

  prompt.clear();
  prompt.answer(true);
  window->runOperation(QStringLiteral("删除学生"));
  EXPECT_EQ(prompt.last().text,
            QStringLiteral("  删除资料后其学号也将会作废且不能再次利用！建议如非必要请使用修改资料方法。\r\n\r\n  现在您还确认要删除当前学生的资料吗？  "));
  EXPECT_FALSE(present(QStringLiteral("转退表"), QStringLiteral("退乙")));
  EXPECT_EQ(pages->leaversPage()->model()->rowCount(), 1);
  EXPECT_EQ(pages->leaversPage()->findChild<QLabel*>(QStringLiteral("离校生统计标签"))->text(),
            QStringLiteral("本校因转学、退学等原因离校的共有1人 其中男生1人 女生0人"));
  // The command belongs to the leavers' list: on the in-school roster it finds no pupil of its own.
  pages->showClassRoster(QStringLiteral("初中1年级1班"));
  selectOnRoster(pages->rosterPage()->table(), pages->rosterPage()->model(), QStringLiteral("甲"));
  prompt.clear();
  window->runOperation(QStringLiteral("删除学生"));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("  请选择要删除资料的学生姓名！  ")});
  EXPECT_TRUE(present(QStringLiteral("学籍表"), QStringLiteral("甲")));
}

}  // namespace
}  // namespace sa::students
