// Menu and toolbar visibility at login: the level columns, then the office
// rules, applied to the real main window.
#include <QAction>
#include <QFile>
#include <QMenuBar>

#include "app/core/menu_rules.h"
#include "tests/core/main_window_fixture.h"

namespace sa::test {
namespace {

using core::MenuTarget;

// Probes and what each level leaves visible ('s') or hidden ('h') on a window
// that had no login before: unnamed items keep the designed, visible state.
struct Probe {
  MenuTarget::Where where;
  const char* caption;
};
const Probe kProbes[] = {
    {MenuTarget::Where::Menu, "&S.系统管理"},
    {MenuTarget::Where::Menu, "管理设置"},
    {MenuTarget::Where::Menu, "FTP服务器设置"},
    {MenuTarget::Where::Menu, "系统数据库察看"},
    {MenuTarget::Where::Menu, "系统数据维护"},
    {MenuTarget::Where::Menu, "&J.教务管理"},
    {MenuTarget::Where::Menu, "生成登分表"},
    {MenuTarget::Where::Menu, "删除学生资料"},
    {MenuTarget::Where::Menu, "&T.教员管理"},
    {MenuTarget::Where::Menu, "成绩单设置"},
    {MenuTarget::Where::Menu, "远程登分系统"},
    {MenuTarget::Where::Menu, "&W.工资管理"},
    {MenuTarget::Where::Menu, "打开工资表三"},
    {MenuTarget::Where::Menu, "&L.资料列表"},
    {MenuTarget::Where::Menu, "在职教员列表"},
    {MenuTarget::Where::Menu, "教育局通讯录"},
    {MenuTarget::Where::Menu, "&P.班务管理"},
    {MenuTarget::Where::ToolButton, "学生转学、退学离校"},
    {MenuTarget::Where::ToolButton, "录入学生评语"},
    {MenuTarget::Where::ToolButton, "教员工资管理"},
    {MenuTarget::Where::ToolButton, "查看教员资料"},
    {MenuTarget::Where::ToolButton, "学生成绩管理"},
};

class MenuRules : public MainWindowTest {
 protected:
  QString visibility() const {
    QString out;
    for (const Probe& p : kProbes) {
      QAction* a = p.where == MenuTarget::Where::Menu ? item(p.caption) : button(p.caption);
      EXPECT_NE(a, nullptr) << p.caption;
      out += a && a->isVisible() ? QLatin1Char('s') : QLatin1Char('h');
    }
    return out;
  }
  void addOffice(const QString& name, const QString& hidden) {
    exec("insert into offices (name, hiddenmenu) values ('" + db.esc(name) + "','" + db.esc(hidden) + "')");
  }
};

TEST_F(MenuRules, EachLevelShowsItsColumn) {
  const struct {
    const char* level;
    const char* tutor;
    const char* visible;
  } cases[] = {
      {"1111", "", "ssssssssssssssssssssss"},
      {"1110", "", "sshhssssssssssssssssss"},
      {"1100", "", "shhhhhhshsshhhhhssshhs"},
      {"1100", "高一(2)班", "shhhhhhshsshhshhssshhs"},
      {"1000", "", "shhhhhhhhhshhhhhshhhhs"},
      {"100", "", "shhhhhhhhhshhhhhshhhhs"},
      {"0", "", "shhhhhhhhhshhhhhshhhhs"},
      {"abc", "高一(2)班", "shhhhhhhhhshhhhhshhhhs"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.level) + (*c.tutor ? " tutor" : ""));
    window = std::make_unique<core::MainWindow>(state, prompt);
    login(QString::fromUtf8(c.level), {}, QString::fromUtf8(c.tutor));
    EXPECT_EQ(visibility(), QString::fromLatin1(c.visible));
  }
}

TEST_F(MenuRules, UnnamedItemsKeepThePreviousLoginsState) {
  login(QStringLiteral("1000"));
  ASSERT_FALSE(item("系统数据维护")->isVisible());
  ASSERT_FALSE(item("在职教员列表")->isVisible());
  // 1111 names neither item, so they stay as the 1000 login left them.
  login(QStringLiteral("1111"));
  EXPECT_FALSE(item("系统数据维护")->isVisible());
  EXPECT_FALSE(item("在职教员列表")->isVisible());
  EXPECT_TRUE(item("系统数据库察看")->isVisible());
  EXPECT_TRUE(item("&J.教务管理")->isVisible());
  // 1000 leaves the score views alone; 1111 had shown them.
  login(QStringLiteral("1100"));
  login(QStringLiteral("1000"));
  EXPECT_TRUE(item("期中成绩查看")->isVisible());
  EXPECT_FALSE(item("智能评语录入")->isVisible());
}

TEST_F(MenuRules, OfficeHidesWholeMenusEvenForSuperAdministrators) {
  addOffice(QStringLiteral("财务室"), QStringLiteral("工资管理|办公管理"));
  login(QStringLiteral("1111"), QStringLiteral("财务室"));
  EXPECT_FALSE(item("&W.工资管理")->isVisible());
  EXPECT_FALSE(item("&C.办公管理")->isVisible());
  EXPECT_FALSE(button("教员工资管理")->isVisible());
  EXPECT_TRUE(item("&S.系统管理")->isVisible());
  EXPECT_TRUE(item("&L.资料列表")->isVisible());
  EXPECT_TRUE(button("教员资料列表")->isVisible());
}

TEST_F(MenuRules, EveryOfficePieceHidesItsMenuAndButtons) {
  const struct {
    const char* piece;
    const char* menu;
    std::vector<const char*> buttons;
  } cases[] = {
      {"系统管理", "&S.系统管理", {}},
      {"教务管理", "&J.教务管理", {}},
      {"班务管理", "&P.班务管理", {"添加学生资料", "修改学生资料", "调整学生班级", "学生转学、退学离校"}},
      {"教员管理", "&T.教员管理", {"添加教员资料", "修改教员资料", "教员退休操作", "教员调离操作", "查看教员资料"}},
      {"评测管理", "&E评测管理", {"学生成绩管理", "录入学生评语", "成绩报告处理"}},
      {"工资管理", "&W.工资管理", {"教员工资管理"}},
      {"资料列表", "&L.资料列表", {"学生资料列表", "教员资料列表"}},
      {"办公管理", "&C.办公管理", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.piece);
    window = std::make_unique<core::MainWindow>(state, prompt);
    exec(QStringLiteral("delete from offices"));
    addOffice(QStringLiteral("教研组"), QString::fromUtf8(c.piece));
    login(QStringLiteral("1111"), QStringLiteral("教研组"));
    EXPECT_FALSE(item(c.menu)->isVisible());
    for (const char* b : c.buttons) EXPECT_FALSE(button(b)->isVisible()) << b;
    int hiddenMenus = 0;
    for (QAction* a : window->menuBar()->actions()) hiddenMenus += a->isVisible() ? 0 : 1;
    EXPECT_EQ(hiddenMenus, 1);
  }
}

TEST_F(MenuRules, UnknownOrEmptyOfficeHidesNothing) {
  addOffice(QStringLiteral("教务处"), QStringLiteral("系统管理|教务管理"));
  for (const QString& office : {QStringLiteral("没有这个处室"), QString(), QStringLiteral("教务处' or '1'='1")}) {
    SCOPED_TRACE(office.toStdString());
    window = std::make_unique<core::MainWindow>(state, prompt);
    login(QStringLiteral("1111"), office);
    for (QAction* a : window->menuBar()->actions()) EXPECT_TRUE(a->isVisible()) << a->text().toStdString();
  }
}

TEST_F(MenuRules, OfficeRulesNeverShowWhatTheLevelHid) {
  addOffice(QStringLiteral("总务处"), QStringLiteral("资料列表|系统管理"));
  login(QStringLiteral("1000"), QStringLiteral("总务处"));
  EXPECT_FALSE(item("&L.资料列表")->isVisible());
  EXPECT_FALSE(item("&S.系统管理")->isVisible());
  EXPECT_FALSE(item("&J.教务管理")->isVisible());
  EXPECT_FALSE(item("&W.工资管理")->isVisible());
  EXPECT_FALSE(button("教员资料列表")->isVisible());
  EXPECT_TRUE(item("&P.班务管理")->isVisible());
}

TEST_F(MenuRules, OneUsersOfficeDoesNotHideMenusFromTheNextUser) {
  addOffice(QStringLiteral("后勤"), QStringLiteral("班务管理|评测管理|系统管理"));
  login(QStringLiteral("1100"), QStringLiteral("后勤"));
  ASSERT_FALSE(item("&P.班务管理")->isVisible());
  ASSERT_FALSE(button("添加学生资料")->isVisible());
  login(QStringLiteral("1100"), QStringLiteral("教务处"), {}, QStringLiteral("李老师"));
  EXPECT_TRUE(item("&P.班务管理")->isVisible());
  EXPECT_TRUE(item("&E评测管理")->isVisible());
  EXPECT_TRUE(item("&S.系统管理")->isVisible());
  EXPECT_TRUE(button("添加学生资料")->isVisible());
  EXPECT_TRUE(button("学生成绩管理")->isVisible());
  // What the level hid before the office did stays hidden.
  addOffice(QStringLiteral("门卫"), QStringLiteral("教员管理"));
  login(QStringLiteral("1100"), QStringLiteral("门卫"));
  login(QStringLiteral("1100"));
  EXPECT_FALSE(item("&T.教员管理")->isVisible());
}

TEST_F(MenuRules, RecruitmentItemFollowsItsLibrary) {
  login(QStringLiteral("1111"));
  QAction* separator = window->findChild<QAction*>(QStringLiteral("招生程序分隔线"));
  ASSERT_NE(separator, nullptr);
  EXPECT_TRUE(separator->isSeparator());
  EXPECT_FALSE(item("招生程序")->isVisible());
  EXPECT_FALSE(separator->isVisible());
  QFile lib(state.localPath(QStringLiteral("Recruitment.dll")));
  ASSERT_TRUE(lib.open(QIODevice::WriteOnly));
  lib.close();
  login(QStringLiteral("1111"));
  EXPECT_TRUE(item("招生程序")->isVisible());
  EXPECT_TRUE(separator->isVisible());
}

TEST(MenuRulesData, FloatingMenuHidesByLevel) {
  const QStringList two = {QStringLiteral("成绩分析"), QStringLiteral("查看教员资料")};
  const QStringList four = two + QStringList{QStringLiteral("智能评语录入"), QStringLiteral("成绩报告处理")};
  EXPECT_TRUE(core::floatingMenuHiddenItems(QStringLiteral("1111")).isEmpty());
  EXPECT_TRUE(core::floatingMenuHiddenItems(QStringLiteral("1110")).isEmpty());
  EXPECT_EQ(core::floatingMenuHiddenItems(QStringLiteral("1100")), two);
  EXPECT_EQ(core::floatingMenuHiddenItems(QStringLiteral("1000")), four);
  EXPECT_EQ(core::floatingMenuHiddenItems(QStringLiteral("abc")), four);
}

}  // namespace
}  // namespace sa::test
