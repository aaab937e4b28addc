// The subject count: 10 to 13, written to config.ini, typed digits only.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/core/app_state.h"
#include "app/students/subject_count_service.h"
#include "app/students/subject_count_window.h"
#include "app/ui/scripted_prompt.h"
#include "common/ini_file.h"
#include "tests/support/qt_test_app.h"
#include "tests/support/widget_helpers.h"

namespace sa::students {
namespace {

void screenshot(QWidget& w, const char* name) { test::saveScreenshot(w, QString::fromUtf8(name)); }

class SubjectCount : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    state.appDir = dir.path();
    state.subjectCount = 10;
    IniFile(state.configIniPath()).write(QStringLiteral("Subjects"), QStringLiteral("Number"), QStringLiteral("10"));
  }
  QString stored() const {
    return IniFile(state.configIniPath()).read(QStringLiteral("Subjects"), QStringLiteral("Number"));
  }
  QTemporaryDir dir;
  core::AppState state;
  ui::ScriptedPrompt prompt;
};

TEST_F(SubjectCount, OnlyTenToThirteenAreSaved) {
  struct Case {
    const char* typed;
    int count;  // 0: refused
  };
  const Case cases[] = {{"9", 0},  {"14", 0}, {"13", 13}, {"10", 10}, {" 12 ", 12}, {"", 0},
                        {"1a", 0}, {"12.", 0}, {"-11", 0}, {"011", 11}, {"99999999999", 0}};
  for (const Case& c : cases) {
    prompt.clear();
    state.subjectCount = 10;
    IniFile(state.configIniPath()).write(QStringLiteral("Subjects"), QStringLiteral("Number"), QStringLiteral("10"));
    const bool saved = saveSubjectCount(state, prompt, QString::fromUtf8(c.typed));
    EXPECT_EQ(saved, c.count != 0) << c.typed;
    if (c.count) {
      EXPECT_EQ(state.subjectCount, c.count) << c.typed;
      EXPECT_EQ(stored(), QString::fromUtf8(c.typed).trimmed()) << c.typed;
      EXPECT_TRUE(prompt.shown().empty()) << c.typed;
    } else {
      EXPECT_EQ(state.subjectCount, 10) << c.typed;
      EXPECT_EQ(stored(), QStringLiteral("10")) << c.typed;
      EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("保存失败，你输入的数不符要求")}) << c.typed;
    }
  }
}

TEST_F(SubjectCount, WindowHintFollowsTheKeys) {
  test::qtApp();
  SubjectCountWindow w(state, prompt);
  w.show();
  auto* box = w.findChild<QLineEdit*>(QStringLiteral("科目数编辑框"));
  auto* hint = w.findChild<QLabel*>(QStringLiteral("科目数提示标签"));
  auto* save = w.findChild<QPushButton*>(QStringLiteral("保存科目数按钮"));
  ASSERT_TRUE(box && hint && save);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("学生资料科目数数量设置"));
  EXPECT_EQ(hint->text(), QStringLiteral("默认科目数是10，请输入10到13之间的数"));
  box->clear();

  QTest::keyClicks(box, QStringLiteral("1x"));
  EXPECT_EQ(hint->text(), QStringLiteral("请输入10到13之间的数字"));
  EXPECT_FALSE(save->isEnabled());
  screenshot(w, "subject_count_refused_key");
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_FALSE(save->isEnabled());  // backspace leaves the state alone
  QTest::keyClick(box, Qt::Key_Period);
  EXPECT_FALSE(save->isEnabled());
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClicks(box, QStringLiteral("4"));
  EXPECT_EQ(hint->text(), QStringLiteral("默认科目数是10，请输入10到13之间的数"));
  EXPECT_TRUE(save->isEnabled());
  screenshot(w, "subject_count");

  // 14 is refused and the box cleared; 13 closes the window.
  EXPECT_EQ(box->text(), QStringLiteral("14"));
  QTest::mouseClick(save, Qt::LeftButton);
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("保存失败，你输入的数不符要求")});
  EXPECT_TRUE(box->text().isEmpty());
  EXPECT_TRUE(w.isVisible());
  QTest::keyClicks(box, QStringLiteral("13"));
  QTest::mouseClick(save, Qt::LeftButton);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(state.subjectCount, 13);
  EXPECT_EQ(stored(), QStringLiteral("13"));
}

}  // namespace
}  // namespace sa::students
