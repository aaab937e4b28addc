// The pupil pages of the main window driven as an office worker drives them:
// adding a pupil and finding him on the roster, the detail page with its
// views, the menu commands' preconditions, and the graduates-and-leavers page.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

#include "app/students/class_teacher_page.h"
#include "app/students/personal_code_window.h"
#include "app/students/roster_leavers_page.h"
#include "app/students/roster_page.h"
#include "app/students/student_detail_page.h"
#include "app/students/student_entry_window.h"
#include "tests/students/student_records_fixture.h"

namespace sa::students {
namespace {

using test::PupilRow;
using ui::Icon;

class Pages : public test::RecordsWindowTest {
 protected:
  void SetUp() override {
    RecordsWindowTest::SetUp();
    if (HasFatalFailure()) return;
    window->resize(1100, 760);
    window->show();
    school->addClass(QStringLiteral("初中1年级1班"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("刘老师"));
    school->addClass(QStringLiteral("初中1年级2班"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("陈老师"));
    ids[QStringLiteral("甲")] = school->addPupil(
        QStringLiteral("学籍表"),
        PupilRow(QStringLiteral("初中1年级1班"), QStringLiteral("甲"), QStringLiteral("男"), QStringLiteral("1"),
                 {{QStringLiteral("StudentNumber"), QStringLiteral("2024101")},
                  {QStringLiteral("SN"), QStringLiteral("G330702201109011234")},
                  {QStringLiteral("HomeAddress"), QStringLiteral("金华市人民路1号")},
                  {QStringLiteral("CommentOfThisTerm"), QStringLiteral("勤奋好学")},
                  {QStringLiteral("GeneralComment"), QStringLiteral("优秀")},
                  {QStringLiteral("MidTerm1"), QStringLiteral("95")},
                  {QStringLiteral("Morality"), QStringLiteral("1")}}));
    ids[QStringLiteral("乙")] = school->addPupil(
        QStringLiteral("学籍表"), PupilRow(QStringLiteral("初中1年级1班"), QStringLiteral("乙"), QStringLiteral("女"), QStringLiteral("2")));
    photo = test::writePicture(dir.path(), QStringLiteral("photo.jpg"), Qt::darkCyan);
    QFile f(photo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    ASSERT_TRUE(db.executeWithBlob(QStringLiteral("update 学籍表 set Photo=? where name='甲'"), f.readAll()));
    school->run(QStringLiteral("insert into 毕业时间表 values ('2011年7月1日'),('2012年7月1日')"));
    school->addPupil(QStringLiteral("毕业表"), PupilRow(QStringLiteral("初中3年级1班"), QStringLiteral("毕甲"), QStringLiteral("男"),
                                                        QStringLiteral("7"), {{QStringLiteral("LeavingDate"), QStringLiteral("2012年7月1日")},
                                                                              {QStringLiteral("LeavingCause"), QStringLiteral("毕业")}}));
    school->addPupil(QStringLiteral("转退表"), PupilRow(QStringLiteral("初中1年级1班"), QStringLiteral("退甲"), QStringLiteral("女"),
                                                        QStringLiteral("8"), {{QStringLiteral("LeavingDate"), QStringLiteral("2024年10月8日")},
                                                                              {QStringLiteral("LeavingCause"), QStringLiteral("转学")}}));
  }
  template <typename T>
  T* find(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  QString shown(const char* valueLabel) { return find<QLabel>(pages->detailPage(), valueLabel)->text(); }

  QHash<QString, QString> ids;
  QString photo;
};

TEST_F(Pages, AnOfficeWorkerAddsAPupilAndFindsHimOnTheRoster) {
  ASSERT_TRUE(window->runOperation(QStringLiteral("在校学生列表")));
  ASSERT_EQ(window->currentPage(), kInSchoolRosterPage);
  InSchoolRosterPage* roster = pages->rosterPage();
  EXPECT_EQ(window->heading(), QStringLiteral("实验中学七（1）班学生花名册"));
  EXPECT_EQ(window->statusText(2), QStringLiteral("    当前状态：在校学生列表"));
  EXPECT_EQ(roster->model()->rowCount(), 2);

  StudentEntryWindow* entry = nullptr;
  QObject::connect(pages, &StudentPages::entryWindowOpened, [&](StudentEntryWindow* w) { entry = w; });
  ASSERT_TRUE(window->runOperation(QStringLiteral("添加学生资料")));
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->currentClass(), QStringLiteral("初中1年级1班"));
  test::typeText(find<QLineEdit>(entry, "学生学号编辑框"), QStringLiteral("2024188"));
  test::typeText(find<QLineEdit>(entry, "姓名编辑框"), QStringLiteral("王新"));
  // The identity box took the registry number over; typed over by the user.
  EXPECT_EQ(find<QLineEdit>(entry, "身份证号码编辑框")->text(), QStringLiteral("2024188"));
  find<QLineEdit>(entry, "身份证号码编辑框")->selectAll();
  test::typeText(find<QLineEdit>(entry, "身份证号码编辑框"), QStringLiteral("330702201103051234"));
  QTest::mouseClick(find<QPushButton>(entry, "保存按钮"), Qt::LeftButton);
  EXPECT_EQ(prompt.last().text, QStringLiteral("保存学生信息成功！\r\n\r\n"));
  entry->close();

  // The roster of his class reloaded when the window closed.
  EXPECT_EQ(roster->model()->rowCount(), 3);

  prompt.clear();
  test::typeText(find<QLineEdit>(roster, "搜索在校生编辑框"), QStringLiteral("王新"));
  QTest::mouseClick(find<QPushButton>(roster, "全校搜索按钮"), Qt::LeftButton);
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("搜索结果：\r\n在全校搜索到1个符合条件的男生1人  ")});
  ASSERT_EQ(roster->model()->rowCount(), 1);
  EXPECT_EQ(roster->model()->rowAt(0)->name, QStringLiteral("王新"));
  EXPECT_EQ(roster->model()->rowAt(0)->code, QStringLiteral("3"));
  EXPECT_EQ(window->heading(), QStringLiteral("实验中学部分学生花名册"));
  EXPECT_EQ(window->statusText(2), QStringLiteral("    当前状态：搜索学生资料"));
  EXPECT_EQ(find<QLineEdit>(roster, "搜索在校生编辑框")->cursorPosition(), 2);
}

TEST_F(Pages, TheDetailPageShowsTheWholeRecordAndCopiesFields) {
  ASSERT_TRUE(window->runOperation(QStringLiteral("查看学生资料")));
  ASSERT_EQ(window->currentPage(), kPupilDetailPage);
  StudentDetailPage* detail = pages->detailPage();
  EXPECT_EQ(window->heading(), QStringLiteral("实验中学七（1）班甲同学的资料"));
  EXPECT_EQ(window->statusText(2), QStringLiteral("    当前状态：查看在校学生资料"));
  EXPECT_EQ(window->statusText(3), QStringLiteral("    提示： 右击姓名列表可弹出操作菜单，双击照片查看可放大的照片。"));
  EXPECT_EQ(find<QLabel>(detail, "学生资料人数标签")->text(), QStringLiteral("本班共有2人 其中男1人 女1人"));
  EXPECT_EQ(find<QLabel>(detail, "班主任标签")->text(), QStringLiteral("本班班主任：刘老师"));
  EXPECT_EQ(shown("学籍主号显示"), QStringLiteral("2024101"));
  EXPECT_EQ(shown("住址显示"), QStringLiteral("金华市人民路1号"));
  EXPECT_EQ(shown("思品显示"), QStringLiteral("优秀"));
  EXPECT_FALSE(find<QLabel>(detail, "学生照片显示")->pixmap().isNull());
  EXPECT_EQ(find<QPlainTextEdit>(detail, "学生评语显示框")->toPlainText(),
            QStringLiteral("\n本学期评语：\n\n勤奋好学\n\n综合评价：\n\n优秀"));
  auto* scores = find<QTableWidget>(detail, "学生成绩表");
  ASSERT_EQ(scores->columnCount(), state.subjectCount + 2);
  EXPECT_EQ(scores->horizontalHeaderItem(0)->text(), QStringLiteral("语文"));
  EXPECT_EQ(scores->horizontalHeaderItem(2)->text(), QStringLiteral("英语"));
  EXPECT_EQ(scores->item(0, 0)->text(), QStringLiteral("95"));

  struct Copy {
    const char* label;
    QString text;
    const char* confirmation;
  };
  const Copy copies[] = {{"学籍主号显示", QStringLiteral("2024101"), "学生学号已经复制"},
                         {"学籍副号显示", QStringLiteral("G330702201109011234"), "学籍副号已经复制"},
                         {"住址显示", QStringLiteral("金华市人民路1号"), "学生家庭住址已经复制"}};
  for (const Copy& c : copies) {
    prompt.clear();
    QTest::mouseDClick(find<QLabel>(detail, c.label), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), c.text);
    EXPECT_EQ(prompt.last().text, QString::fromUtf8(c.confirmation));
    EXPECT_EQ(prompt.last().title, QStringLiteral("提示"));
  }
  // An empty field is not copied.
  prompt.clear();
  QTest::mouseDClick(find<QLabel>(detail, "身份证号显示"), Qt::LeftButton);
  EXPECT_TRUE(prompt.shown().empty());

  // The photo can be saved from its pop-up menu.
  const QString target = dir.path() + QStringLiteral("/saved.png");
  prompt.choose(target);
  window->runOperation(QStringLiteral("保存图片"));
  QFile saved(target), original(photo);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), original.readAll());

  find<QListWidget>(detail, "学生资料姓名列表框")->setCurrentRow(1);
  EXPECT_EQ(window->heading(), QStringLiteral("实验中学七（1）班乙同学的资料"));
  EXPECT_TRUE(find<QLabel>(detail, "学生照片显示")->pixmap().isNull());

  prompt.clear();
  find<QComboBox>(detail, "学生资料班级组合框")->setCurrentText(QStringLiteral("初中1年级2班"));
  EXPECT_EQ(prompt.last().text, QStringLiteral("七（2）班没有学生，请添加"));
  EXPECT_EQ(prompt.last().title, QStringLiteral("提  示"));
  EXPECT_EQ(prompt.last().icon, Icon::Information);
  EXPECT_EQ(window->heading(), QStringLiteral("实验中学初中1年级2班目前没有学生资料"));
}

TEST_F(Pages, GraduatesAndLeaversOnTheDetailPage) {
  ASSERT_TRUE(window->runOperation(QStringLiteral("毕业学生资料")));
  StudentDetailPage* detail = pages->detailPage();
  EXPECT_EQ(find<QComboBox>(detail, "学生资料班级组合框")->currentText(), QStringLiteral("2012年7月1日"));
  EXPECT_EQ(window->heading(), QStringLiteral("实验中学2012年毕业生毕甲同学的资料"));
  EXPECT_EQ(find<QLabel>(detail, "学生资料人数标签")->text(), QStringLiteral("本届共有1人毕业 其中男1人 女0人"));
  EXPECT_EQ(window->statusText(3), QStringLiteral("    提示： 双击照片查看可放大的照片。毕业学生的资料不能被修改。"));
  EXPECT_EQ(pages->currentViewText(), QStringLiteral("毕业学生"));

  ASSERT_TRUE(window->runOperation(QStringLiteral("转退学生资料")));
  EXPECT_EQ(window->heading(), QStringLiteral("实验中学初中1年级1班退甲同学的资料(已离校)"));
  EXPECT_EQ(window->statusText(2), QStringLiteral("    当前状态：查看离校学生资料"));
  auto* notice = find<QLabel>(detail, "离校提示标签");
  EXPECT_EQ(notice->text(), QStringLiteral("退甲同学已离开本校(点此查看具体原因)"));
  QTest::mouseClick(notice, Qt::LeftButton);
  EXPECT_EQ(prompt.last().text, QStringLiteral("    退甲同学已于2024年10月8日离开本校\r\n\r\n    离开本校的原因是：转学"));
  EXPECT_EQ(pages->currentViewText(), QStringLiteral("离校学生"));
}

TEST_F(Pages, TheGraduatesAndLeaversRoster) {
  ASSERT_TRUE(window->runOperation(QStringLiteral("毕业学生列表")));
  ASSERT_EQ(window->currentPage(), kLeaversRosterPage);
  LeaversRosterPage* page = pages->leaversPage();
  EXPECT_EQ(window->heading(), QStringLiteral("实验中学2012年毕业学生花名册"));
  EXPECT_EQ(window->statusText(2), QStringLiteral("    当前状态：毕业学生列表"));
  EXPECT_EQ(find<QLabel>(page, "离校生统计标签")->text(), QStringLiteral("本年度毕业生1人 其中男生1人 女生0人"));
  EXPECT_TRUE(find<QPushButton>(page, "历届搜索按钮")->isVisible());
  prompt.clear();
  find<QComboBox>(page, "毕业日期组合框")->setCurrentText(QStringLiteral("2011年7月1日"));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("2011年没有毕业生数据！")});
  EXPECT_EQ(window->heading(), QStringLiteral("实验中学2011年毕业学生花名册"));

  ASSERT_TRUE(window->runOperation(QStringLiteral("转退学生列表")));
  EXPECT_EQ(window->heading(), QStringLiteral("实验中学因转学、退学等原因离校的学生花名册"));
  EXPECT_EQ(window->statusText(2), QStringLiteral("    当前状态：转退学生列表"));
  EXPECT_EQ(find<QPushButton>(page, "离校生搜索按钮")->text(), QStringLiteral("开始搜索"));
  EXPECT_FALSE(find<QPushButton>(page, "历届搜索按钮")->isVisible());
  EXPECT_FALSE(find<QComboBox>(page, "毕业日期组合框")->isVisible());
  EXPECT_EQ(page->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("离校时间"));

  // A double-click shows the pupil's whole record.
  QTableView* table = page->table();
  const QPoint at = table->visualRect(page->model()->index(0, 2)).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(window->currentPage(), kPupilDetailPage);
  ASSERT_TRUE(pages->selectedPupil());
  EXPECT_EQ(pages->selectedPupil()->name, QStringLiteral("退甲"));
}

TEST_F(Pages, ADoubleClickOnTheRosterOpensThePupilsRecord) {
  window->runOperation(QStringLiteral("在校学生列表"));
  InSchoolRosterPage* roster = pages->rosterPage();
  const int row = roster->model()->rowOfId(ids.value(QStringLiteral("乙")));
  QTableView* table = roster->table();
  const QPoint at = table->visualRect(roster->model()->index(row, 3)).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(window->currentPage(), kPupilDetailPage);
  EXPECT_EQ(window->heading(), QStringLiteral("实验中学七（1）班乙同学的资料"));
  ASSERT_TRUE(pages->selectedPupil());
  EXPECT_EQ(pages->selectedPupil()->id, ids.value(QStringLiteral("乙")));
}

TEST_F(Pages, TheRecordButtonsMoveThroughTheRoster) {
  window->runOperation(QStringLiteral("在校学生列表"));
  QTableView* table = pages->rosterPage()->table();
  ASSERT_EQ(table->model()->rowCount(), 2);
  window->runOperation(QStringLiteral("到首记录"));
  EXPECT_EQ(table->currentIndex().row(), 0);
  prompt.clear();
  window->runOperation(QStringLiteral("上一条记录"));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("已到第一个记录")});
  window->runOperation(QStringLiteral("下一条记录"));
  EXPECT_EQ(table->currentIndex().row(), 1);
  ASSERT_TRUE(pages->selectedPupil());
  EXPECT_EQ(pages->rosterPage()->model()->rowOfId(pages->selectedPupil()->id), 1);
  window->runOperation(QStringLiteral("下一条记录"));
  EXPECT_EQ(prompt.messages().last(), QStringLiteral("已到最后一个记录"));
  window->runOperation(QStringLiteral("到首记录"));
  EXPECT_EQ(table->currentIndex().row(), 0);
}

TEST_F(Pages, AClickOnAClassOfTheClassAndTeachingPageOpensItsRoster) {
  // Set up after the pupil pages here: the roster opener is plugged in once
  // events run.
  registerSetupOperations(*window, state, prompt);
  QApplication::processEvents();
  ASSERT_TRUE(window->runOperation(QStringLiteral("班级情况表")));
  auto* all = classTeacherPage(*window)->findChild<QCheckBox*>(QStringLiteral("显示所有班级任课老师选择框"));
  ASSERT_NE(all, nullptr);
  all->setChecked(true);
  auto* grid = classTeacherPage(*window)->findChild<QTableWidget*>();
  ASSERT_NE(grid, nullptr);
  int row = -1;
  for (int r = 0; r < grid->rowCount(); ++r)
    if (grid->item(r, 0) && grid->item(r, 0)->text() == QStringLiteral("初中1年级2班")) row = r;
  ASSERT_GE(row, 0);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(row, 0)).center());
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->currentPage() == kInSchoolRosterPage; }, 3000));
  EXPECT_EQ(pages->rosterPage()->chosenClass(), QStringLiteral("初中1年级2班"));
  EXPECT_EQ(window->heading(), QStringLiteral("实验中学七（2）班学生花名册"));
}

TEST_F(Pages, TheViewCommandsNeedALevelClassesAndCodes) {
  bool setupOpened = false;
  window->operations().setHandler(QStringLiteral("校务设置"), [&] { setupOpened = true; });
  PersonalCodeWindow* codes = nullptr;
  QObject::connect(pages, &StudentPages::codeWindowOpened, [&](PersonalCodeWindow* w) { codes = w; });

  login(QStringLiteral("0"));
  for (const char* op : {"查看学生资料", "在校学生列表", "班级学生名册", "毕业学生列表"}) {
    prompt.clear();
    window->runOperation(QString::fromUtf8(op));
    EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("  抱歉！您没有当前的操作权限！  ")}) << op;
    EXPECT_EQ(window->currentPage(), 0);
  }

  login(QStringLiteral("1000"));
  window->runOperation(QStringLiteral("班级学生名册"));
  EXPECT_EQ(window->currentPage(), kInSchoolRosterPage);
  EXPECT_TRUE(find<QCheckBox>(pages->rosterPage(), "登分表选择框")->isChecked());
  window->returnToMainScreen();

  school->addPupil(QStringLiteral("学籍表"), PupilRow(QStringLiteral("初中1年级2班"), QStringLiteral("新来"), QStringLiteral("男")));
  prompt.clear();
  window->runOperation(QStringLiteral("查看学生资料"));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("有部分学生没有设置个人识别码！")});
  EXPECT_EQ(window->currentPage(), 0);
  ASSERT_NE(codes, nullptr);
  codes->close();

  school->run(QStringLiteral("delete from 班级表"));
  prompt.clear();
  window->runOperation(QStringLiteral("在校学生列表"));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("目前没有班级数据，请先进行校务设置！")});
  EXPECT_TRUE(setupOpened);
  EXPECT_EQ(window->currentPage(), 0);
}

// Not a test: with SA_SCREENSHOT_DIR set, the demo school is loaded and the
// pupil windows are saved as pictures there, to be looked at.
TEST(PupilScreenshots, OfTheDemoSchool) {
  const QString out = qEnvironmentVariable("SA_SCREENSHOT_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "SA_SCREENSHOT_DIR not set";
  test::qtApp();
  test::installFreshSchema();
  core::AppState state;
  ASSERT_TRUE(state.db.open(test::serverParams(QStringLiteral("didododederaz"))));
  QFile demo(QStringLiteral(SA_SQL_DIR "/demo.sql"));
  ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
  ASSERT_TRUE(state.db.executeScript(QString::fromUtf8(demo.readAll()))) << state.db.lastError().toStdString();
  // A few leavers and graduates, and a photo for the first pupil.
  ASSERT_TRUE(state.db.execute(QStringLiteral("insert into 毕业时间表 values ('2024年7月1日')")));
  ASSERT_TRUE(state.db.execute(QStringLiteral(
      "insert into 毕业表 select * from 学籍表 where class='高中3年级1班' order by ID limit 20")));
  ASSERT_TRUE(state.db.execute(QStringLiteral("update 毕业表 set LeavingDate='2024年7月1日',LeavingCause='毕业'")));
  ASSERT_TRUE(state.db.execute(QStringLiteral(
      "insert into 转退表 select * from 学籍表 where class='初中2年级3班' order by ID limit 6")));
  ASSERT_TRUE(state.db.execute(QStringLiteral("update 转退表 set LeavingDate='2024年11月5日',LeavingCause='转学'")));
  QDir().mkpath(out);
  const QString picture = test::writePicture(out, QStringLiteral("photo-source.png"), QColor(0x5d, 0x8a, 0xa8));
  QFile pf(picture);
  ASSERT_TRUE(pf.open(QIODevice::ReadOnly));
  ASSERT_TRUE(state.db.executeWithBlob(
      QStringLiteral("update 学籍表 set Photo=? where class='初中1年级1班' order by convert(name using gbk) limit 1"),
      pf.readAll()));

  state.schoolName = QStringLiteral("金华市第一中学");
  state.user.loggedIn = true;
  state.user.name = QStringLiteral("周志强");
  state.user.levelText = QStringLiteral("1111");
  state.user.level = 1111;
  ui::ScriptedPrompt prompt;
  core::MainWindow window(state, prompt);
  window.setSchoolName(state.schoolName);
  registerRecordOperations(window, state, prompt);
  window.applyLogin();
  window.resize(1180, 780);
  window.show();
  StudentPages* pages = StudentPages::of(window);
  auto save = [&](QWidget* w, const char* name) {
    QApplication::processEvents();
    EXPECT_TRUE(w->grab().save(out + QLatin1Char('/') + QString::fromUtf8(name)));
  };

  window.runOperation(QStringLiteral("查看学生资料"));
  save(&window, "detail-page.png");
  window.runOperation(QStringLiteral("在校学生列表"));
  save(&window, "roster-class.png");
  QTest::mouseClick(pages->rosterPage()->findChild<QPushButton*>(QStringLiteral("全部按钮")), Qt::LeftButton);
  save(&window, "roster-school.png");
  window.runOperation(QStringLiteral("毕业学生列表"));
  save(&window, "roster-graduates.png");
  window.runOperation(QStringLiteral("转退学生列表"));
  save(&window, "roster-leavers.png");
  window.runOperation(QStringLiteral("转退学生资料"));
  save(&window, "detail-leaver.png");

  window.runOperation(QStringLiteral("查看学生资料"));
  StudentEntryWindow* entry = nullptr;
  QObject::connect(pages, &StudentPages::entryWindowOpened, [&](StudentEntryWindow* w) { entry = w; });
  window.runOperation(QStringLiteral("修改学生资料"));
  ASSERT_NE(entry, nullptr);
  save(entry, "entry-modify.png");
  entry->close();
  entry = nullptr;
  window.runOperation(QStringLiteral("添加学生资料"));
  ASSERT_NE(entry, nullptr);
  save(entry, "entry-add.png");
  entry->close();

  PersonalCodeWindow codes(state, prompt);
  codes.chooseGrade(QStringLiteral("2"));
  codes.show();
  save(&codes, "personal-codes.png");
}

}  // namespace
}  // namespace sa::students
