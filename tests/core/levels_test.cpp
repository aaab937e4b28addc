// Level tests, the operations table and the permission check boxes.
#include <gtest/gtest.h>

#include "app/core/levels.h"
#include "app/ui/scripted_prompt.h"

namespace sa::core {
namespace {

using Kind = LevelRequirement::Kind;

TEST(Levels, TextsReadAsNumbersWithNonNumbersAsZero) {
  const struct {
    const char* text;
    double number;
  } cases[] = {{"1111", 1111}, {"1100", 1100}, {"100", 100},  {"0", 0},   {"", 0},
               {"abc", 0},     {"11a0", 0},    {" 1110 ", 1110}, {"0000", 0}, {"1e400", 0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(levelNumber(QString::fromUtf8(c.text)), c.number) << c.text;
}

TEST(Levels, FourTestsAtTheirBoundaries) {
  const struct {
    const char* level;
    Kind kind;
    double n;
    bool passes;
  } cases[] = {
      {"1000", Kind::AnyAdministrator, 0, true},
      {"100", Kind::AnyAdministrator, 0, true},
      {"1abc", Kind::AnyAdministrator, 0, true},  // only the first character counts
      {"0", Kind::AnyAdministrator, 0, false},
      {"0100", Kind::AnyAdministrator, 0, false},
      {"", Kind::AnyAdministrator, 0, false},
      {"1100", Kind::AtLeast, 1100, true},
      {"1099.99999995", Kind::AtLeast, 1100, true},  // within epsilon
      {"1099.9999998", Kind::AtLeast, 1100, false},
      {"1000", Kind::AtLeast, 1100, false},
      {"100", Kind::AtLeast, 1000, false},
      {"abc", Kind::AtLeast, 1000, false},
      {"1111", Kind::AtLeast, 1111, true},
      {"1110", Kind::AtLeast, 1111, false},
      {"1100", Kind::AtMost, 1100, true},
      {"1100.00000005", Kind::AtMost, 1100, true},
      {"1100.0000002", Kind::AtMost, 1100, false},
      {"1110", Kind::AtMost, 1100, false},
      {"abc", Kind::AtMost, 1100, true},
      {"1100", Kind::EqualTo, 1100, true},
      {"1100.00000005", Kind::EqualTo, 1100, true},
      {"1099.9999998", Kind::EqualTo, 1100, false},
      {"1110", Kind::EqualTo, 1100, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.level) + " n=" + std::to_string(c.n) + " kind=" + std::to_string(int(c.kind)));
    EXPECT_EQ((LevelRequirement{c.kind, c.n}.passes(QString::fromUtf8(c.level))), c.passes);
  }
}

TEST(Levels, SeniorAdministratorsAreAbove1100) {
  EXPECT_TRUE(isSeniorAdministrator(QStringLiteral("1111")));
  EXPECT_TRUE(isSeniorAdministrator(QStringLiteral("1110")));
  EXPECT_FALSE(isSeniorAdministrator(QStringLiteral("1100")));
  EXPECT_FALSE(isSeniorAdministrator(QStringLiteral("abc")));
}

LoggedInUser userAt(const char* level, const char* tutor = "") {
  LoggedInUser u;
  u.loggedIn = true;
  u.name = QStringLiteral("王老师");
  u.levelText = QString::fromUtf8(level);
  u.level = levelNumber(u.levelText);
  u.classTutor = QString::fromUtf8(tutor);
  return u;
}

TEST(Levels, OperationsRefuseWithTheGeneralOrTheirOwnMessage) {
  const QString general = QStringLiteral("  抱歉！您没有当前的操作权限！  ");
  const QString tutorText = QStringLiteral("  您不能删除操作，但可以作退学或调班处理！");
  const struct {
    const char* operation;
    const char* level;
    const char* tutor;
    bool passes;
    QString message;
  } cases[] = {
      {"删除学生资料", "1100", "", false, general},
      {"删除学生资料", "1100", "高二(3)班", false, tutorText},
      {"删除学生资料", "1000", "高二(3)班", false, general},  // the special text is for 1100 only
      {"删除学生资料", "1110", "高二(3)班", true, {}},
      {"查看学生资料", "100", "", true, {}},
      {"查看学生资料", "0", "", false, general},
      {"添加学生资料", "1100", "", true, {}},
      {"添加学生资料", "1000", "", false, general},
      {"离校学生复学", "1000", "", false, general},
      {"删除教员", "1100", "", false, general},
      {"在职教员列表", "1110", "", true, {}},
      {"系统数据库察看", "1110", "", false, general},
      {"系统数据初始化", "1111", "", true, {}},
      {"关于", "abc", "", true, {}},  // needs no level
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.operation) + " at " + c.level);
    ui::ScriptedPrompt prompt;
    EXPECT_EQ(checkOperationLevel(userAt(c.level, c.tutor), QString::fromUtf8(c.operation), prompt), c.passes);
    if (c.passes) {
      EXPECT_TRUE(prompt.shown().empty());
    } else {
      ASSERT_EQ(prompt.shown().size(), 1u);
      EXPECT_EQ(prompt.last().text, c.message);
      EXPECT_EQ(prompt.last().title, QStringLiteral("信息："));
      EXPECT_EQ(prompt.last().icon, ui::Icon::None);
    }
  }
}

TEST(Levels, CheckBoxCascadeKeepsTheTickedBoxesAPrefix) {
  const struct {
    LevelBoxes clicked;  // states right after the click
    const char* level;
  } cases[] = {
      {{false, false, false, true}, "1111"},  // ticking the highest ticks every lower one
      {{false, true, false, false}, "1100"},
      {{true, false, true, true}, "1111"},   // unticking a lower box under a ticked one is undone
      {{false, true, true, true}, "1111"},   // ...also for box 1
      {{true, true, false, true}, "1111"},
      {{true, true, true, false}, "1110"},
      {{false, false, false, false}, "0000"},
      {{true, false, false, false}, "1000"},
  };
  for (const auto& c : cases) {
    const LevelBoxes out = cascadeLevelBoxes(c.clicked);
    EXPECT_EQ(levelTextOf(out), QString::fromUtf8(c.level)) << levelTextOf(c.clicked).toStdString();
    EXPECT_EQ(cascadeLevelBoxes(out), out) << "the cascade is stable";
  }
  EXPECT_EQ(levelTextOf(levelBoxesOf(QStringLiteral("1100"))), QStringLiteral("1100"));
  EXPECT_EQ(levelTextOf(levelBoxesOf(QStringLiteral("100"))), QStringLiteral("1000"));
}

}  // namespace
}  // namespace sa::core
