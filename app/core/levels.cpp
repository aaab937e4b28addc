#include "app/core/levels.h"

#include <cmath>

namespace sa::core {

namespace {

using Kind = LevelRequirement::Kind;

struct OperationLevel {
  const char* operation;
  Kind kind;
  double n;
};

// Every operation of the menus that needs a level, and the test it runs. This
// is the only copy of the table; the main window's dispatcher consults it
// before any handler runs.
constexpr OperationLevel kOperationLevels[] = {
    // Viewing: any administrator.
    {"分析报表统计", Kind::AnyAdministrator, 0},
    {"查看学生资料", Kind::AnyAdministrator, 0},
    {"期中成绩查看", Kind::AnyAdministrator, 0},
    {"期末成绩查看", Kind::AnyAdministrator, 0},
    {"其他成绩查看", Kind::AnyAdministrator, 0},
    {"在校学生列表", Kind::AnyAdministrator, 0},
    {"毕业学生列表", Kind::AnyAdministrator, 0},
    {"转退学生列表", Kind::AnyAdministrator, 0},
    {"毕业学生资料", Kind::AnyAdministrator, 0},
    {"转退学生资料", Kind::AnyAdministrator, 0},
    // Entering and changing pupils' data.
    {"添加学生资料", Kind::AtLeast, 1100},
    {"修改学生资料", Kind::AtLeast, 1100},
    {"调整学生班级", Kind::AtLeast, 1100},
    {"学生转学退学", Kind::AtLeast, 1100},
    {"智能评语录入", Kind::AtLeast, 1100},
    {"成绩报告处理", Kind::AtLeast, 1100},
    {"删除学生", Kind::AtLeast, 1100},
    {"离校学生复学", Kind::AtLeast, 1100},
    // Settings, staff and the yearly cycle.
    {"高级管理员设置", Kind::AtLeast, 1110},
    {"高级管理员资料修改", Kind::AtLeast, 1110},
    {"普通管理员资料修改", Kind::AtLeast, 1110},
    {"学校处室设置", Kind::AtLeast, 1110},
    {"系统数据维护", Kind::AtLeast, 1110},
    {"通用班级毕业升级", Kind::AtLeast, 1110},
    {"自设班级毕业升级", Kind::AtLeast, 1110},
    {"查看教员档案", Kind::AtLeast, 1110},
    {"添加教员档案", Kind::AtLeast, 1110},
    {"修改教员档案", Kind::AtLeast, 1110},
    {"删除教员档案", Kind::AtLeast, 1110},
    {"教员退休操作", Kind::AtLeast, 1110},
    {"教员调离操作", Kind::AtLeast, 1110},
    {"在职教员列表", Kind::AtLeast, 1110},
    {"退休教员列表", Kind::AtLeast, 1110},
    {"调离教员列表", Kind::AtLeast, 1110},
    {"退休教员档案", Kind::AtLeast, 1110},
    {"调离教员档案", Kind::AtLeast, 1110},
    {"删除学生资料", Kind::AtLeast, 1110},
    {"删除教员", Kind::AtLeast, 1110},
    {"恢复教员资料", Kind::AtLeast, 1110},
    // Whole-database work: super administrators only.
    {"系统数据初始化", Kind::AtLeast, 1111},
    {"系统数据库察看", Kind::AtLeast, 1111},
};

// A class tutor at 1100 may not delete a pupil but is told what to do instead.
const QString kDeleteStudentOperation = QStringLiteral("删除学生资料");
const QString kTutorDeleteRefusal = QStringLiteral("  您不能删除操作，但可以作退学或调班处理！");

}  // namespace

double levelNumber(const QString& levelText) {
  bool ok = false;
  const double value = levelText.trimmed().toDouble(&ok);
  return ok && std::isfinite(value) ? value : 0.0;
}

bool isAnyAdministrator(const QString& levelText) { return levelText.startsWith(QLatin1Char('1')); }

bool levelAtLeast(const QString& levelText, double n) {
  return levelNumber(levelText) - n >= -kLevelEpsilon;
}

bool levelAtMost(const QString& levelText, double n) {
  return levelNumber(levelText) - n <= kLevelEpsilon;
}

bool levelEquals(const QString& levelText, double n) {
  return std::abs(levelNumber(levelText) - n) <= kLevelEpsilon;
}

bool isSeniorAdministrator(const QString& levelText) {
  return levelNumber(levelText) - 1100 > kLevelEpsilon;
}

bool LevelRequirement::passes(const QString& levelText) const {
  switch (kind) {
    case Kind::AnyAdministrator: return isAnyAdministrator(levelText);
    case Kind::AtLeast: return levelAtLeast(levelText, n);
    case Kind::AtMost: return levelAtMost(levelText, n);
    case Kind::EqualTo: return levelEquals(levelText, n);
  }
  return false;
}

std::optional<LevelRequirement> requirementOf(const QString& operation) {
  for (const OperationLevel& entry : kOperationLevels) {
    if (operation == QString::fromUtf8(entry.operation)) return LevelRequirement{entry.kind, entry.n};
  }
  return std::nullopt;
}

bool checkLevel(const LoggedInUser& user, LevelRequirement requirement, ui::Prompt& prompt,
                const QString& refusal) {
  if (requirement.passes(user.levelText)) return true;
  prompt.message(refusal.isEmpty() ? refusalMessage() : refusal);
  return false;
}

bool checkOperationLevel(const LoggedInUser& user, const QString& operation, ui::Prompt& prompt) {
  const std::optional<LevelRequirement> requirement = requirementOf(operation);
  if (!requirement) return true;
  QString refusal;
  if (operation == kDeleteStudentOperation && levelEquals(user.levelText, 1100) &&
      !user.classTutor.trimmed().isEmpty())
    refusal = kTutorDeleteRefusal;
  return checkLevel(user, *requirement, prompt, refusal);
}

LevelBoxes cascadeLevelBoxes(LevelBoxes b) {
  if (b[1]) b[0] = true;
  if (b[2]) b[0] = b[1] = true;
  if (b[3]) b[0] = b[1] = b[2] = true;
  if (!b[0]) b[1] = b[2] = b[3] = false;
  if (!b[1]) b[2] = b[3] = false;
  if (!b[2]) b[3] = false;
  return b;
}

QString levelTextOf(const LevelBoxes& boxes) {
  QString text;
  for (bool ticked : boxes) text += ticked ? QLatin1Char('1') : QLatin1Char('0');
  return text;
}

LevelBoxes levelBoxesOf(const QString& levelText) {
  LevelBoxes boxes{};
  for (int i = 0; i < 4 && i < levelText.size(); ++i) boxes[i] = levelText[i] == QLatin1Char('1');
  return boxes;
}

}  // namespace sa::core
