// School setup: adding, changing and deleting classes, the category list, and
// the setup window as users of different levels see it.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QApplication>
#include <QDialogButtonBox>
#include <gtest/gtest.h>

#include "app/core/app_state.h"
#include "app/core/main_window.h"
#include "app/students/class_teacher_page.h"
#include "app/students/setup_operations.h"
#include "app/students/class_naming.h"
#include "app/students/school_setup_service.h"
#include "app/students/school_setup_window.h"
#include "app/ui/scripted_prompt.h"
#include "common/ini_file.h"
#include "tests/support/qt_test_app.h"
#include "tests/support/test_database.h"
#include "tests/support/widget_helpers.h"

namespace sa::students {
namespace {

// Windows are grabbed for review when SA_SCREENSHOT_DIR names a folder.
void screenshot(QWidget& w, const char* name) { test::saveScreenshot(w, QString::fromUtf8(name)); }

class SchoolSetup : public test::DatabaseTest {
 protected:
  NewClass standard(const char* grade, const char* cls, const char* tutor = "王老师") {
    NewClass c;
    c.gradeName = QString::fromUtf8(grade);
    c.className = QString::fromUtf8(cls);
    c.tutor = QString::fromUtf8(tutor);
    c.categoryChoice = noCategoryChoice();
    return c;
  }
  void addPupil(const char* name, const char* cls) {
    exec(QStringLiteral("insert into 学籍表 (name,sex,class,TypeOfClass) values ('%1','男','%2','无分类')")
             .arg(QString::fromUtf8(name), QString::fromUtf8(cls)));
  }
  QString classRow(const char* cls, const char* columns) {
    db::Result r = db.query(QStringLiteral("select concat_ws('|',%1) from 班级表 where Class='%2'")
                                .arg(QString::fromUtf8(columns), QString::fromUtf8(cls)));
    return r.rowCount() ? r.value(0) : QStringLiteral("<none>");
  }
  ui::ScriptedPrompt prompt;
};

TEST_F(SchoolSetup, StandardClassTakesItsNumbersFromTheChoosers) {
  NewClass c = standard("初中2年级", "12班");
  c.categoryChoice = QStringLiteral("理本");
  const auto row = addClass(db, prompt, c);
  ASSERT_TRUE(row);
  EXPECT_EQ(row->name, QStringLiteral("初中2年级12班"));
  EXPECT_EQ(classRow("初中2年级12班", "ClassTutor,ClassCategories,TypeOfClass,GradeID,ClassID"),
            QStringLiteral("王老师|通用|理本|2|12"));
  EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(SchoolSetup, SecondAddOfTheSameClassIsRefused) {
  ASSERT_TRUE(addClass(db, prompt, standard("1年级", "1班")));
  EXPECT_FALSE(addClass(db, prompt, standard("1年级", "1班", "李老师")));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("1年级1班已经存在！")});
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from 班级表")), QStringLiteral("1"));
  EXPECT_EQ(classRow("1年级1班", "ClassTutor"), QStringLiteral("王老师"));
}

TEST_F(SchoolSetup, CustomClassGetsZeroNumbersAndTheSentinelStoresNoCategory) {
  NewClass c;
  c.custom = true;
  c.customName = QStringLiteral(" 英语特长班 ");
  c.gradeName = QStringLiteral("3年级");  // ignored on the custom page
  c.className = QStringLiteral("2班");
  c.tutor = QStringLiteral("赵老师");
  c.categoryChoice = noCategoryChoice();
  ASSERT_TRUE(addClass(db, prompt, c));
  EXPECT_EQ(classRow("英语特长班", "ClassCategories,TypeOfClass,GradeID,ClassID"), QStringLiteral("自设|无分类|0|0"));
}

TEST_F(SchoolSetup, GradeNameWithoutDigitsStillAddsTheClass) {
  ASSERT_TRUE(addClass(db, prompt, standard("预备年级", "1班")));
  EXPECT_EQ(classRow("预备年级1班", "ClassCategories,GradeID,ClassID"), QStringLiteral("通用||1"));
}

TEST_F(SchoolSetup, MissingEntriesAreRefusedBeforeAnyStatement) {
  struct Case {
    NewClass entry;
    QString message;
  };
  NewClass noClass = standard("1年级", "　 ");  // full-width and ASCII spaces only
  NewClass noCustom;
  noCustom.custom = true;
  noCustom.customName = QStringLiteral("  ");
  noCustom.tutor = QStringLiteral("王老师");
  NewClass noTutor = standard("1年级", "1班", " ");
  const Case cases[] = {{noClass, QStringLiteral("请选择或输入通用班级名称！")},
                        {noCustom, QStringLiteral("请输入自设的班级名称！")},
                        {noTutor, QStringLiteral("请输入班主任的姓名")}};
  for (const Case& c : cases) {
    prompt.clear();
    EXPECT_FALSE(addClass(db, prompt, c.entry));
    EXPECT_EQ(prompt.messages(), QStringList{c.message});
  }
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from 班级表")), QStringLiteral("0"));
}

TEST_F(SchoolSetup, QuotesInNamesAreStoredAsTyped) {
  NewClass c;
  c.custom = true;
  c.customName = QStringLiteral("O'Brien班");
  c.tutor = QStringLiteral("D'Arcy");
  ASSERT_TRUE(addClass(db, prompt, c));
  EXPECT_FALSE(addClass(db, prompt, c));
  EXPECT_EQ(classRow("O\\'Brien班", "ClassTutor"), QStringLiteral("D'Arcy"));
}

TEST_F(SchoolSetup, TutorChange) {
  ASSERT_TRUE(addClass(db, prompt, standard("1年级", "1班")));
  EXPECT_FALSE(changeTutor(db, prompt, QStringLiteral("1年级1班"), QStringLiteral(" ")));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("请输入班主任的姓名")});
  EXPECT_TRUE(changeTutor(db, prompt, QStringLiteral("1年级1班"), QStringLiteral("李老师")));
  EXPECT_EQ(classRow("1年级1班", "ClassTutor"), QStringLiteral("李老师"));
}

TEST_F(SchoolSetup, PupilsFollowTheirClassCategory) {
  ASSERT_TRUE(addClass(db, prompt, standard("高中1年级", "1班")));
  ASSERT_TRUE(addClass(db, prompt, standard("高中1年级", "2班")));
  addPupil("张三", "高中1年级1班");
  addPupil("李四", "高中1年级2班");

  EXPECT_FALSE(changeCategory(db, prompt, QStringLiteral("高中1年级1班"), QString()));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("请选择班级分类")});

  EXPECT_EQ(changeCategory(db, prompt, QStringLiteral("高中1年级1班"), QStringLiteral("文本")).value(),
            QStringLiteral("文本"));
  EXPECT_EQ(classRow("高中1年级1班", "TypeOfClass"), QStringLiteral("文本"));
  EXPECT_EQ(scalar(QStringLiteral("select TypeOfClass from 学籍表 where name='张三'")), QStringLiteral("文本"));
  EXPECT_EQ(scalar(QStringLiteral("select TypeOfClass from 学籍表 where name='李四'")), QStringLiteral("无分类"));

  EXPECT_EQ(changeCategory(db, prompt, QStringLiteral("高中1年级1班"), noCategoryChoice()).value(),
            QStringLiteral("无分类"));
  EXPECT_EQ(scalar(QStringLiteral("select TypeOfClass from 学籍表 where name='张三'")), QStringLiteral("无分类"));
}

TEST_F(SchoolSetup, CategoryChangeOfPupilsFailingKeepsTheClassAsItWas) {
  ASSERT_TRUE(addClass(db, prompt, standard("高中1年级", "1班")));
  addPupil("张三", "高中1年级1班");
  exec(QStringLiteral("create trigger no_update before update on 学籍表 for each row "
                      "signal sqlstate '45000' set message_text='blocked'"));
  EXPECT_FALSE(changeCategory(db, prompt, QStringLiteral("高中1年级1班"), QStringLiteral("文本")));
  EXPECT_EQ(prompt.last().text, QStringLiteral("修改记录失败！"));
  EXPECT_EQ(prompt.last().title, QStringLiteral("提示信息"));
  EXPECT_EQ(classRow("高中1年级1班", "TypeOfClass"), QStringLiteral("无分类"));
}

TEST_F(SchoolSetup, DeletingAClassDeletesItsPupilsAfterTheQuestion) {
  ASSERT_TRUE(addClass(db, prompt, standard("1年级", "1班")));
  ASSERT_TRUE(addClass(db, prompt, standard("1年级", "2班")));
  addPupil("张三", "1年级1班");
  addPupil("李四", "1年级1班");
  addPupil("王五", "1年级2班");

  prompt.answer(false);
  EXPECT_FALSE(deleteClass(db, prompt, QStringLiteral("1年级1班")));
  EXPECT_EQ(prompt.last().kind, ui::ScriptedPrompt::Kind::OkCancel);
  EXPECT_EQ(prompt.last().text, QStringLiteral("您确定要删除1年级1班的全部学生资料吗？"));
  EXPECT_EQ(prompt.last().title, QStringLiteral("询问"));
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from 学籍表")), QStringLiteral("3"));

  prompt.answer(true);
  EXPECT_TRUE(deleteClass(db, prompt, QStringLiteral("1年级1班")));
  EXPECT_EQ(classRow("1年级1班", "Class"), QStringLiteral("<none>"));
  EXPECT_EQ(scalar(QStringLiteral("select group_concat(name) from 学籍表")), QStringLiteral("王五"));
  // Deleted, not moved.
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from 转退表")), QStringLiteral("0"));
}

TEST_F(SchoolSetup, FailingPupilDeleteLeavesClassAndPupilsInPlace) {
  ASSERT_TRUE(addClass(db, prompt, standard("1年级", "1班")));
  addPupil("张三", "1年级1班");
  exec(QStringLiteral("create trigger no_delete before delete on 学籍表 for each row "
                      "signal sqlstate '45000' set message_text='blocked'"));
  prompt.answer(true);
  EXPECT_FALSE(deleteClass(db, prompt, QStringLiteral("1年级1班")));
  EXPECT_EQ(prompt.last().icon, ui::Icon::Error);
  EXPECT_TRUE(prompt.last().text.contains(QStringLiteral("失败")));
  EXPECT_EQ(classRow("1年级1班", "Class"), QStringLiteral("1年级1班"));
  EXPECT_EQ(scalar(QStringLiteral("select count(*) from 学籍表 where class='1年级1班'")), QStringLiteral("1"));
}

TEST(CategorySlots, DefaultsThenWrittenBackWithEmptySlots) {
  QTemporaryDir dir;
  const QString ini = dir.filePath(QStringLiteral("config.ini"));
  EXPECT_EQ(categoryChoices(ini), (QStringList{"如果无分类选择此项", "理本", "理专", "文本", "文专", "艺术", "体育",
                                               "其他", "其他1"}));
  ASSERT_TRUE(writeCategorySlots(ini, {"理科", "", "文科", "", "", "", "", ""}));
  EXPECT_EQ(IniFile(ini).read(QStringLiteral("班级分类"), QStringLiteral("分类2"), QStringLiteral("missing")),
            QString());
  EXPECT_EQ(categoryChoices(ini), (QStringList{"如果无分类选择此项", "理科", "文科"}));
  EXPECT_EQ(storedCategory(noCategoryChoice()), QStringLiteral("无分类"));
  EXPECT_EQ(storedCategory(QStringLiteral("文科")), QStringLiteral("文科"));
}

// ---------------------------------------------------------------------------
// The window

class SetupWindow : public SchoolSetup {
 protected:
  void SetUp() override {
    test::qtApp();
    SchoolSetup::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(state.db.open(test::serverParams(QStringLiteral("didododederaz"))));
    ASSERT_TRUE(dir.isValid());
    state.appDir = dir.path();
    state.schoolName = QStringLiteral("滨江实验中学");
  }
  void loginAs(const char* level) {
    state.user.loggedIn = true;
    state.user.name = QStringLiteral("教务员");
    state.user.levelText = QString::fromUtf8(level);
  }
  template <class T>
  T* find(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromUtf8(name));
    EXPECT_TRUE(c) << name;
    return c;
  }
  QStringList listed(QWidget& w) {
    QStringList out;
    auto* list = find<QTreeWidget>(w, "班级名列表框");
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      out << list->topLevelItem(i)->text(0) + QLatin1Char('/') + list->topLevelItem(i)->text(1);
    return out;
  }

  QTemporaryDir dir;
  core::AppState state;
};

TEST_F(SetupWindow, BelowSeniorAdministratorOnlyLooks) {
  ASSERT_TRUE(addClass(db, prompt, standard("1年级", "2班", "李老师")));
  ASSERT_TRUE(addClass(db, prompt, standard("1年级", "10班", "周老师")));
  loginAs("1000");
  SchoolSetupWindow w(state, prompt);
  w.show();
  for (const char* name : {"添加班级按钮", "修改班主任按钮", "修改班级分类按钮", "删除班级按钮", "课程设置按钮", "按钮1",
                           "添加学校按钮"})
    EXPECT_FALSE(find<QPushButton>(w, name)->isVisible()) << name;
  EXPECT_TRUE(find<QPushButton>(w, "退出设置按钮")->isVisible());
  EXPECT_EQ(find<QTabWidget>(w, "选择夹1")->currentIndex(), 0);
  EXPECT_TRUE(find<QLineEdit>(w, "学校名编辑框")->isReadOnly());
  EXPECT_EQ(find<QLineEdit>(w, "学校名编辑框")->text(), QStringLiteral("滨江实验中学"));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("滨江实验中学校务管理系统设置"));
  EXPECT_EQ(listed(w), (QStringList{"1年级2班/李老师", "1年级10班/周老师"}));
  screenshot(w, "school_setup_1000");
}

TEST_F(SetupWindow, AddingAGradeClassAfterClass) {
  loginAs("1110");
  SchoolSetupWindow w(state, prompt);
  w.show();
  auto* grade = find<QComboBox>(w, "选择年级组合框");
  auto* cls = find<QComboBox>(w, "选择班组合框");
  auto* tutor = find<QComboBox>(w, "班主任组合框");
  auto* add = find<QPushButton>(w, "添加班级按钮");
  EXPECT_EQ(find<QComboBox>(w, "班级文理分类组合框")->currentText(), noCategoryChoice());

  grade->setCurrentText(QStringLiteral("1年级"));
  cls->setCurrentIndex(0);
  tutor->setEditText(QStringLiteral("王老师"));
  QTest::mouseClick(add, Qt::LeftButton);
  EXPECT_EQ(cls->currentText(), QStringLiteral("2班"));
  tutor->setEditText(QStringLiteral("李老师"));
  QTest::mouseClick(add, Qt::LeftButton);
  EXPECT_EQ(cls->currentText(), QStringLiteral("3班"));
  EXPECT_TRUE(prompt.shown().empty());
  EXPECT_EQ(listed(w), (QStringList{"1年级1班/王老师", "1年级2班/李老师"}));
  EXPECT_EQ(tutor->itemText(1), QStringLiteral("李老师"));
  EXPECT_EQ(find<QTreeWidget>(w, "班级名列表框")->currentItem()->text(0), QStringLiteral("1年级2班"));
  EXPECT_TRUE(w.classesChanged());

  cls->setCurrentIndex(0);
  QTest::mouseClick(add, Qt::LeftButton);
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("1年级1班已经存在！")});
  EXPECT_EQ(cls->currentText(), QStringLiteral("1班"));
  EXPECT_EQ(scalar(QStringLiteral("select group_concat(concat(Class,GradeID,ClassID) order by ClassID) from 班级表")),
            QStringLiteral("1年级1班11,1年级2班12"));

  // Selecting a row shows its tutor.
  auto* list = find<QTreeWidget>(w, "班级名列表框");
  list->setCurrentItem(list->topLevelItem(0));
  EXPECT_EQ(tutor->currentText(), QStringLiteral("王老师"));
  screenshot(w, "school_setup_1110");
}

TEST_F(SetupWindow, CustomPageWarnsAndDeleteRemovesTheRow) {
  ASSERT_TRUE(addClass(db, prompt, standard("1年级", "1班")));
  ASSERT_TRUE(addClass(db, prompt, standard("1年级", "2班", "李老师")));
  loginAs("1111");
  SchoolSetupWindow w(state, prompt);
  w.show();
  prompt.clear();

  find<QTabWidget>(w, "选择夹1")->setCurrentIndex(1);
  ASSERT_EQ(prompt.shown().size(), 1u);
  EXPECT_EQ(prompt.last().text, QStringLiteral("如果没有特殊的班级，请不要设置自定义班级"));
  EXPECT_EQ(prompt.last().title, QStringLiteral("特别提示"));
  screenshot(w, "school_setup_custom_page");

  prompt.clear();
  QTest::mouseClick(find<QPushButton>(w, "删除班级按钮"), Qt::LeftButton);
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("请在列表中选择要删除的班级")});

  auto* list = find<QTreeWidget>(w, "班级名列表框");
  list->setCurrentItem(list->topLevelItem(0));
  prompt.answer(true);
  QTest::mouseClick(find<QPushButton>(w, "删除班级按钮"), Qt::LeftButton);
  EXPECT_EQ(listed(w), QStringList{QStringLiteral("1年级2班/李老师")});
  EXPECT_EQ(find<QComboBox>(w, "班主任组合框")->count(), 1);
  EXPECT_EQ(find<QComboBox>(w, "班主任组合框")->itemText(0), QStringLiteral("李老师"));
  EXPECT_EQ(classRow("1年级1班", "Class"), QStringLiteral("<none>"));
  EXPECT_TRUE(w.classesChanged());
}

TEST_F(SetupWindow, SmallDialogsKeepTheirWindowOpenUntilTheEntryIsGood) {
  QStringList tried;
  bool accept = false;
  TutorDialog tutor(QStringLiteral("1年级1班"), QStringLiteral("王老师"), [&](const QString& name) {
    tried << name;
    return accept;
  });
  tutor.show();
  EXPECT_EQ(tutor.windowTitle(), QStringLiteral("修改1年级1班的班主任姓名"));
  auto* name = find<QLineEdit>(tutor, "班主任姓名编辑框");
  EXPECT_EQ(name->text(), QStringLiteral("王老师"));
  screenshot(tutor, "school_setup_tutor");
  auto* ok = tutor.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_TRUE(tutor.isVisible());
  accept = true;
  name->setText(QStringLiteral("李老师"));
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_FALSE(tutor.isVisible());
  EXPECT_EQ(tried, (QStringList{"王老师", "李老师"}));

  tried.clear();
  CategoryDialog category(QStringLiteral("1年级1班"), categoryChoices(state.configIniPath()), [&](const QString& c) {
    tried << c;
    return !c.isEmpty();
  });
  category.show();
  EXPECT_EQ(category.windowTitle(), QStringLiteral("修改1年级1班的班级分类"));
  screenshot(category, "school_setup_category");
  auto* okCategory = category.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
  QTest::mouseClick(okCategory, Qt::LeftButton);  // nothing chosen yet
  EXPECT_TRUE(category.isVisible());
  find<QComboBox>(category, "班级分类选择框")->setCurrentIndex(0);
  QTest::mouseClick(okCategory, Qt::LeftButton);
  EXPECT_FALSE(category.isVisible());
  EXPECT_EQ(tried, (QStringList{"", "如果无分类选择此项"}));
}

TEST_F(SetupWindow, CategorySetupWritesAllEightSlots) {
  CategorySetupDialog d(state.configIniPath(), prompt);
  d.show();
  EXPECT_EQ(d.windowTitle(), QStringLiteral("班级分类设置"));
  EXPECT_EQ(find<QLineEdit>(d, "分类编辑框8")->text(), QStringLiteral("其他1"));
  screenshot(d, "category_setup");
  find<QLineEdit>(d, "分类编辑框1")->setText(QStringLiteral("实验"));
  find<QLineEdit>(d, "分类编辑框8")->clear();
  QTest::mouseClick(find<QPushButton>(d, "保存分类按钮"), Qt::LeftButton);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(readCategorySlots(state.configIniPath()),
            (QStringList{"实验", "理专", "文本", "文专", "艺术", "体育", "其他", ""}));
}

// From the menu, with the class page showing: the page reloads when the
// setup window closes after classes were added.
TEST_F(SetupWindow, MenuItemOpensTheWindowAndTheClassPageFollows) {
  loginAs("1111");
  core::MainWindow main(state, prompt);
  registerSetupOperations(main, state, prompt);
  main.show();
  ASSERT_TRUE(main.runOperation(QStringLiteral("班级情况表")));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("  找不到任何班级数据。")});
  auto* grid = classTeacherPage(main)->findChild<QTableWidget*>(QStringLiteral("班级任课表"));
  ASSERT_TRUE(grid);
  EXPECT_EQ(grid->rowCount(), 0);

  bool driven = false;
  QTimer::singleShot(0, [&] {
    auto* w = qobject_cast<SchoolSetupWindow*>(QApplication::activeModalWidget());
    ASSERT_TRUE(w);
    find<QComboBox>(*w, "选择年级组合框")->setCurrentText(QStringLiteral("高中1年级"));
    find<QComboBox>(*w, "班主任组合框")->setEditText(QStringLiteral("赵磊"));
    QTest::mouseClick(find<QPushButton>(*w, "添加班级按钮"), Qt::LeftButton);
    find<QComboBox>(*w, "班主任组合框")->setEditText(QStringLiteral("孙伟"));
    QTest::mouseClick(find<QPushButton>(*w, "添加班级按钮"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>(*w, "退出设置按钮"), Qt::LeftButton);
    driven = true;
  });
  ASSERT_TRUE(main.runOperation(QStringLiteral("校务设置")));
  EXPECT_TRUE(driven);
  EXPECT_EQ(scalar(QStringLiteral("select group_concat(Class order by ClassID) from 班级表")),
            QStringLiteral("高中1年级1班,高中1年级2班"));
  ASSERT_EQ(grid->rowCount(), 1);
  EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("高中1年级1班"));
  EXPECT_EQ(main.heading(), QStringLiteral("高一（1）班班级任课表"));
}

}  // namespace
}  // namespace sa::students
