#include "app/core/menu_tree.h"

#include <QStringList>

namespace sa::core {

namespace {

using Kind = MenuEntry::Kind;

// A compact way to write the tree: "—" is a separator, a caption ending in
// "▸" opens a sub-menu whose items follow up to the matching "◂".
struct Builder {
  std::vector<MenuEntry> entries;
  QStringList stack;

  void top(const char* caption, Kind kind = Kind::TopMenu) {
    stack = {QString::fromUtf8(caption)};
    entries.push_back({kind, stack.front(), QString()});
  }
  void items(std::initializer_list<const char*> list) {
    for (const char* raw : list) {
      const QString text = QString::fromUtf8(raw);
      if (text == QStringLiteral("—")) {
        entries.push_back({Kind::Separator, QString(), stack.back()});
      } else if (text.endsWith(QStringLiteral("▸"))) {
        const QString caption = text.chopped(1);
        entries.push_back({Kind::SubMenu, caption, stack.back()});
        stack.push_back(caption);
      } else if (text == QStringLiteral("◂")) {
        stack.pop_back();
      } else {
        entries.push_back({Kind::Item, text, stack.back()});
      }
    }
  }
  MenuEntry& find(const char* caption) {
    const QString c = QString::fromUtf8(caption);
    for (MenuEntry& e : entries)
      if (e.caption == c) return e;
    static MenuEntry none{Kind::Item, QString(), QString()};
    return none;
  }
};

std::vector<MenuEntry> buildTree() {
  Builder b;
  b.top("&S.系统管理");
  b.items({"校务设置", "管理设置▸", "高级管理员设置", "高级管理员资料修改", "普通管理员资料修改", "—",
           "教员权限批量设置", "学校处室设置", "FTP服务器设置", "记录开关", "◂", "—", "重新登录", "修改密码", "—",
           "通用班级毕业升级", "自设班级毕业升级", "—", "系统数据管理▸", "系统数据库察看", "系统数据维护",
           "系统数据初始化", "◂", "外部数据导入▸", "导入EXCEL数据", "导入DBF数据", "导入ACCESS数据", "◂", "—",
           "打印预览", "打印", "—", "退出系统"});
  b.top("&J.教务管理");
  b.items({"考试成绩统计▸", "分析报表统计", "科目总分设置", "—", "排序依据管理", "排序依据", "学科小计", "—",
           "管理总分规则", "设置总分规则", "学科折算", "设置总分名称", "◂", "—", "试场安排", "考试场地管理", "—",
           "登分表管理", "生成登分表", "—", "新生电脑分班", "班级情况表", "班级学生名册", "设置个人识别码", "—",
           "其他实用功能▸", "标准成绩转换", "成绩综合打印", "历次名次打印", "EXCEL与系统数据校准",
           "导出低分学生名单", "登分表取高分成绩", "◂", "表格同步▸", "根据班级名称", "根据班级级段号", "◂"});
  b.top("&P.班务管理");
  b.items({"查看学生资料", "设置科目数量", "—", "添加学生资料", "修改学生资料", "删除学生资料", "批量导入照片", "—",
           "调整学生班级", "学生转学退学"});
  b.top("&T.教员管理");
  b.items({"查看教员档案", "—", "添加教员档案", "修改教员档案", "删除教员档案", "—", "教员退休操作", "教员调离操作"});
  b.top("&E评测管理");
  b.items({"智能评语录入", "—", "成绩报告处理", "成绩单设置", "—", "期中成绩查看", "期末成绩查看", "其他成绩查看", "—",
           "远程登分系统", "删除本地表"});
  b.top("&W.工资管理");
  b.items({"打开工资表一", "打开工资表二", "打开工资表三", "打开工资表四", "打开工资表五"});
  b.top("&L.资料列表");
  b.items({"在校学生列表", "毕业学生列表", "转退学生列表", "—", "在职教员列表", "退休教员列表", "调离教员列表", "—",
           "毕业学生资料", "转退学生资料", "—", "退休教员档案", "调离教员档案", "—", "历史资料"});
  b.top("&C.办公管理");
  b.items({"查看课程表", "—", "学校文件管理", "教学资料管理", "—", "学校通讯录", "教育局通讯录", "—", "招生程序"});
  b.top("&H.帮助");
  b.items({"使用手册 ", "即时帮助", "设置界面风格", "浮动窗口设置▸", "显示窗口", "隐藏窗口", "◂", "—", "记事本", "计算器",
           "屏幕截图", "背景音乐▸", "背景音乐一", "背景音乐二", "其它音乐", "关闭音乐", "◂", "—", "软件升级", "关于"});

  b.top("学离", Kind::Popup);
  b.items({"删除学生", "离校学生复学"});
  b.top("教离", Kind::Popup);
  b.items({"删除教员", "恢复教员资料"});
  b.top("工资", Kind::Popup);
  b.items({"添加一行", "添加一列", "删除一行", "删除一列", "标题设置  ", "工资表一  ", "工资表二  ", "工资表三  ",
           "工资表四  ", "工资表五"});
  b.top("图片", Kind::Popup);
  b.items({"保存图片"});
  b.top("行数", Kind::Popup);
  b.items({"打印开始行", "打印结束行"});

  b.find("打印预览").disabled = true;
  b.find("打印").disabled = true;
  for (int t = 1; t <= 5; ++t) {
    for (const QString& c : {wageMenuCaption(t), wagePopupCaption(t)})
      for (MenuEntry& e : b.entries)
        if (e.caption == c) e.checkable = true;
  }
  for (const char* c : {"背景音乐一", "背景音乐二", "其它音乐"}) b.find(c).checkable = true;
  return b.entries;
}

const char* const kWageNumerals[] = {"一", "二", "三", "四", "五"};

}  // namespace

const std::vector<MenuEntry>& mainMenuTree() {
  static const std::vector<MenuEntry> tree = buildTree();
  return tree;
}

const std::vector<ToolButtonEntry>& toolbarLayout() {
  static const std::vector<ToolButtonEntry> layout = [] {
    struct Raw {
      const char* caption;
      const char* operation;
      const char* glyph;
    };
    const Raw raw[] = {
        {"添加学生资料", "添加学生资料", "学+"},
        {"修改学生资料", "修改学生资料", "学改"},
        {"调整学生班级", "调整学生班级", "调班"},
        {"学生转学、退学离校", "学生转学退学", "转退"},
        {"", "", ""},
        {"添加教员资料", "添加教员档案", "教+"},
        {"修改教员资料", "修改教员档案", "教改"},
        {"教员退休操作", "教员退休操作", "退休"},
        {"教员调离操作", "教员调离操作", "调离"},
        {"", "", ""},
        {"打印预览", "打印预览", "预览"},
        {"打印当前内容", "打印", "打印"},
        {"", "", ""},
        {"查看学生资料", "查看学生资料", "学生"},
        {"学生资料列表", "在校学生列表", "名册"},
        {"学生成绩管理", "期中成绩查看", "成绩"},
        {"录入学生评语", "智能评语录入", "评语"},
        {"成绩报告处理", "成绩报告处理", "报告"},
        {"", "", ""},
        {"查看教员资料", "查看教员档案", "教员"},
        {"教员资料列表", "在职教员列表", "教表"},
        {"教员工资管理", "教员工资管理", "工资"},
        {"", "", ""},
        {"编辑课程表", "查看课程表", "课表"},
        {"背景音乐", "背景音乐", "音乐"},
        {"", "", ""},
        {"到首记录", "到首记录", "|◀"},
        {"上一条记录", "上一条记录", "◀"},
        {"下一条记录", "下一条记录", "▶"},
        {"到尾记录", "到尾记录", "▶|"},
        {"", "", ""},
        {"导出到Excel", "导出到Excel", "导出"},
        {"导入Excel数据", "导入EXCEL数据", "导入"},
        {"导入DBF数据", "导入DBF数据", "DBF"},
        {"", "", ""},
        {"返回主界面", "返回主界面", "主页"},
    };
    std::vector<ToolButtonEntry> out;
    for (const Raw& r : raw)
      out.push_back({QString::fromUtf8(r.caption), QString::fromUtf8(r.operation), QString::fromUtf8(r.glyph)});
    return out;
  }();
  return layout;
}

const std::vector<FloatingMenuEntry>& floatingMenuLayout() {
  static const std::vector<FloatingMenuEntry> layout = [] {
    const char* const raw[][2] = {
        {"重新登录", "重新登录"},         {"成绩分析", "分析报表统计"},     {"", ""},
        {"查看学生资料", "查看学生资料"}, {"查看教员资料", "查看教员档案"}, {"", ""},
        {"智能评语录入", "智能评语录入"}, {"成绩报告处理", "成绩报告处理"}, {"期中成绩查看", "期中成绩查看"},
        {"期末成绩查看", "期末成绩查看"}, {"其他成绩查看", "其他成绩查看"}, {"远程登分系统", "远程登分系统"},
        {"", ""},                         {"导入EXCEL数据", "导入EXCEL数据"}, {"浮动窗口", "浮动窗口"},
        {"退出系统", "退出系统"},
    };
    std::vector<FloatingMenuEntry> out;
    for (const auto& r : raw) out.push_back({QString::fromUtf8(r[0]), QString::fromUtf8(r[1])});
    return out;
  }();
  return layout;
}

QString wageMenuCaption(int table) {
  if (table < 1 || table > 5) return {};
  return QStringLiteral("打开工资表") + QString::fromUtf8(kWageNumerals[table - 1]);
}

QString wagePopupCaption(int table) {
  if (table < 1 || table > 5) return {};
  QString caption = QStringLiteral("工资表") + QString::fromUtf8(kWageNumerals[table - 1]);
  if (table < 5) caption += QStringLiteral("  ");
  return caption;
}

int wageTableOfCaption(const QString& caption) {
  for (int t = 1; t <= 5; ++t)
    if (caption == wageMenuCaption(t) || caption == wagePopupCaption(t)) return t;
  return 0;
}

int nextWageTable(int marked) { return marked >= 1 && marked <= 5 ? marked % 5 + 1 : 1; }

const std::vector<SideFunction>& sideFunctions() {
  using Extra = SideFunction::Extra;
  static const std::vector<SideFunction> table = {
      {QStringLiteral("成绩综合打印"), QStringLiteral("FunctionOne.dll"), QStringLiteral("打印综合成绩"), Extra::None},
      {QStringLiteral("历次名次打印"), QStringLiteral("FunctionOne.dll"), QStringLiteral("打印考试名次"), Extra::None},
      {QStringLiteral("导出低分学生名单"), QStringLiteral("FunctionOne.dll"), QStringLiteral("导出低分学生"),
       Extra::None},
      {QStringLiteral("登分表取高分成绩"), QStringLiteral("FunctionOne.dll"), QStringLiteral("登分表取高分"),
       Extra::None},
      {QStringLiteral("学校文件管理"), QStringLiteral("FunctionTwo.dll"), QStringLiteral("学校文件处理"),
       Extra::LoginName},
      {QStringLiteral("招生程序"), QStringLiteral("Recruitment.dll"), QStringLiteral("招生程序"),
       Extra::LoginNameAndTitle},
      {QStringLiteral("教员权限批量设置"), QStringLiteral("FunctionTwo.dll"), QStringLiteral("教员权限设置"),
       Extra::LoginName},
  };
  return table;
}

const SideFunction* sideFunctionOf(const QString& operation) {
  for (const SideFunction& f : sideFunctions())
    if (f.operation == operation) return &f;
  return nullptr;
}

}  // namespace sa::core
