#include "app/core/menu_rules.h"

#include "app/core/levels.h"

namespace sa::core {

namespace {

using Where = MenuTarget::Where;

// One row of the level table: the targets it names and, per column (1111,
// 1110, 1100, 1100 class tutor, 1000), 's' shown, 'h' hidden or '-' unchanged.
struct LevelRow {
  Where where;
  std::vector<const char*> captions;
  const char* states;
};

const std::vector<LevelRow>& levelTable() {
  static const std::vector<LevelRow> rows = {
      {Where::Menu, {"&S.系统管理"}, "ss--s"},
      {Where::Menu, {"管理设置"}, "sshhh"},
      {Where::Menu, {"高级管理员设置"}, "sshhh"},
      {Where::Menu, {"高级管理员资料修改"}, "sshhh"},
      {Where::Menu, {"FTP服务器设置"}, "shhhh"},
      {Where::Menu, {"通用班级毕业升级"}, "sshhh"},
      {Where::Menu, {"自设班级毕业升级"}, "sshhh"},
      {Where::Menu, {"系统数据库察看"}, "shhhh"},
      {Where::Menu, {"系统数据维护"}, "--hhh"},
      {Where::Menu, {"系统数据初始化"}, "shhhh"},
      {Where::Menu, {"&J.教务管理", "考试成绩统计", "试场安排", "考试场地管理", "登分表管理", "生成登分表"}, "sshhh"},
      {Where::Menu, {"添加学生资料", "修改学生资料", "删除学生资料", "批量导入照片", "调整学生班级", "学生转学退学"},
       "ssssh"},
      {Where::Menu, {"&T.教员管理", "添加教员档案", "修改教员档案", "删除教员档案", "教员退休操作", "教员调离操作"},
       "sshhh"},
      {Where::Menu, {"智能评语录入", "成绩报告处理", "成绩单设置"}, "ssssh"},
      {Where::Menu, {"期中成绩查看", "期末成绩查看", "其他成绩查看", "远程登分系统"}, "ssss-"},
      {Where::Menu,
       {"&W.工资管理", "打开工资表一", "打开工资表二", "打开工资表三", "打开工资表四", "打开工资表五"},
       "sshhh"},
      {Where::Menu, {"&L.资料列表"}, "sshsh"},
      {Where::Menu, {"在职教员列表", "退休教员列表", "调离教员列表", "退休教员档案", "调离教员档案"}, "--hhh"},
      {Where::Menu, {"教育局通讯录"}, "sshhh"},
      {Where::ToolButton,
       {"添加学生资料", "修改学生资料", "调整学生班级", "学生转学、退学离校", "录入学生评语", "成绩报告处理"},
       "ssssh"},
      {Where::ToolButton,
       {"添加教员资料", "修改教员资料", "教员退休操作", "教员调离操作", "查看教员资料", "教员资料列表", "教员工资管理"},
       "sshhh"},
  };
  return rows;
}

struct OfficeRule {
  const char* piece;
  const char* menu;
  std::vector<const char*> buttons;
};

const std::vector<OfficeRule>& officeTable() {
  static const std::vector<OfficeRule> rules = {
      {"系统管理", "&S.系统管理", {}},
      {"教务管理", "&J.教务管理", {}},
      {"班务管理", "&P.班务管理", {"添加学生资料", "修改学生资料", "调整学生班级", "学生转学、退学离校"}},
      {"教员管理", "&T.教员管理", {"添加教员资料", "修改教员资料", "教员退休操作", "教员调离操作", "查看教员资料"}},
      {"评测管理", "&E评测管理", {"学生成绩管理", "录入学生评语", "成绩报告处理"}},
      {"工资管理", "&W.工资管理", {"教员工资管理"}},
      {"资料列表", "&L.资料列表", {"学生资料列表", "教员资料列表"}},
      {"办公管理", "&C.办公管理", {}},
  };
  return rules;
}

int columnIndex(LevelColumn column) {
  switch (column) {
    case LevelColumn::Super1111: return 0;
    case LevelColumn::Senior1110: return 1;
    case LevelColumn::Middle1100: return 2;
    case LevelColumn::Tutor1100: return 3;
    case LevelColumn::Ordinary1000: return 4;
    case LevelColumn::None: break;
  }
  return -1;
}

}  // namespace

LevelColumn levelColumnOf(const QString& levelText, bool classTutor) {
  if (levelText == QStringLiteral("1111")) return LevelColumn::Super1111;
  if (levelText == QStringLiteral("1110")) return LevelColumn::Senior1110;
  if (levelText == QStringLiteral("1100")) return classTutor ? LevelColumn::Tutor1100 : LevelColumn::Middle1100;
  if (levelAtMost(levelText, 1000)) return LevelColumn::Ordinary1000;
  return LevelColumn::None;
}

std::vector<VisibilityChange> levelMenuChanges(const QString& levelText, bool classTutor) {
  std::vector<VisibilityChange> changes;
  const int column = columnIndex(levelColumnOf(levelText, classTutor));
  if (column < 0) return changes;
  for (const LevelRow& row : levelTable()) {
    const char state = row.states[column];
    if (state == '-') continue;
    for (const char* caption : row.captions)
      changes.push_back({{row.where, QString::fromUtf8(caption)}, state == 's'});
  }
  return changes;
}

std::vector<MenuTarget> officeHiddenTargets(const QString& hiddenMenu) {
  std::vector<MenuTarget> targets;
  if (hiddenMenu.isEmpty()) return targets;
  for (const QString& rawPiece : hiddenMenu.split(QLatin1Char('|'))) {
    const QString piece = rawPiece.trimmed();
    for (const OfficeRule& rule : officeTable()) {
      if (piece != QString::fromUtf8(rule.piece)) continue;
      targets.push_back({Where::Menu, QString::fromUtf8(rule.menu)});
      for (const char* button : rule.buttons) targets.push_back({Where::ToolButton, QString::fromUtf8(button)});
    }
  }
  return targets;
}

QString readOfficeHiddenMenu(db::Connection& db, const QString& office) {
  if (!db.isOpen() || office.isEmpty()) return {};
  db::Result r = db.query(QStringLiteral("select * from offices where name='") + db.esc(office) +
                          QStringLiteral("';"));
  if (!r || r.rowCount() == 0) return {};
  r.seek(0);
  return r.value(QStringLiteral("hiddenmenu"));
}

QStringList floatingMenuHiddenItems(const QString& levelText) {
  if (levelAtLeast(levelText, 1110)) return {};
  QStringList hidden = {QStringLiteral("成绩分析"), QStringLiteral("查看教员资料")};
  if (levelAtLeast(levelText, 1100)) return hidden;
  hidden << QStringLiteral("智能评语录入") << QStringLiteral("成绩报告处理");
  return hidden;
}

}  // namespace sa::core
