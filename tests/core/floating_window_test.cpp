// The floating window and its tray icon, offscreen, owned by a real main
// window. No database: the menus and windows work without one.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/core/floating_window.h"
#include "app/core/levels.h"
#include "app/core/main_window.h"
#include "app/ui/scripted_prompt.h"
#include "common/ini_file.h"
#include "tests/support/qt_test_app.h"

namespace sa::core {
namespace {

class Floating : public ::testing::Test {
 protected:
  void SetUp() override {
    test::qtApp();
    ASSERT_TRUE(dir.isValid());
    state.appDir = dir.path();
    state.schoolName = QStringLiteral("实验小学");
    window = std::make_unique<MainWindow>(state, prompt);
    window->setSchoolName(state.schoolName);
    window->show();
  }
  void setLevel(const char* level) {
    state.user.loggedIn = true;
    state.user.name = QStringLiteral("周老师");
    state.user.levelText = QString::fromUtf8(level);
    state.user.level = levelNumber(state.user.levelText);
  }
  QString presentation() const {
    return IniFile(state.configIniPath()).read(QStringLiteral("FloatingWindow"), QStringLiteral("Presentation"));
  }
  // Lets deleteLater and queued tray updates run.
  static void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
  }

  QTemporaryDir dir;
  AppState state;
  ui::ScriptedPrompt prompt;
  std::unique_ptr<MainWindow> window;
};

TEST_F(Floating, ShowAndHideItemsSaveTheSettingAndSwapTheirStates) {
  QAction* show = window->menuAction(QStringLiteral("显示窗口"));
  QAction* hide = window->menuAction(QStringLiteral("隐藏窗口"));
  window->setFloatingMenuState(false);
  show->trigger();
  FloatingWindow* f = window->floatingWindow();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(f->size(), QSize(50, 50));
  const QRect screen = window->screen()->geometry();
  EXPECT_EQ(f->x() + f->width(), screen.right() + 1 - 2);
  EXPECT_EQ(f->y(), screen.top() + 20);
  EXPECT_EQ(presentation(), QStringLiteral("1"));
  EXPECT_FALSE(show->isEnabled());
  EXPECT_TRUE(hide->isEnabled());
  EXPECT_FALSE(f->trayIcon()->isVisible()) << "both windows visible: no tray icon";
  EXPECT_EQ(f->trayIcon()->toolTip(), QStringLiteral("实验小学校务管理软件"));

  hide->trigger();
  settle();
  EXPECT_EQ(window->floatingWindow(), nullptr);
  EXPECT_EQ(presentation(), QStringLiteral("0"));
  EXPECT_TRUE(show->isEnabled());
  EXPECT_FALSE(hide->isEnabled());
}

TEST_F(Floating, RestoredAtLoginOnlyWhenSaved) {
  window->restoreFloatingWindow();
  EXPECT_EQ(window->floatingWindow(), nullptr);
  IniFile(state.configIniPath()).write(QStringLiteral("FloatingWindow"), QStringLiteral("Presentation"),
                                       QStringLiteral("1"));
  window->restoreFloatingWindow();
  ASSERT_NE(window->floatingWindow(), nullptr);
  EXPECT_TRUE(window->floatingWindow()->isVisible());
}

TEST_F(Floating, LeftClickTogglesTheMainWindow) {
  window->showFloatingWindow();
  FloatingWindow* f = window->floatingWindow();
  QTest::mouseClick(f, Qt::LeftButton);
  EXPECT_FALSE(window->isVisible());
  settle();
  EXPECT_TRUE(f->trayIcon()->isVisible()) << "a hidden main window is reachable from the tray";
  QTest::mouseClick(f, Qt::LeftButton);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
  settle();
  EXPECT_FALSE(f->trayIcon()->isVisible());
}

TEST_F(Floating, OpacityFollowsThePointer) {
  window->showFloatingWindow();
  FloatingWindow* f = window->floatingWindow();
  f->updateOpacity(true);
  EXPECT_EQ(f->opacityLevel(), 255);
  EXPECT_DOUBLE_EQ(f->windowOpacity(), 1.0);
  f->updateOpacity(false);
  EXPECT_EQ(f->opacityLevel(), 60);
  EXPECT_NEAR(f->windowOpacity(), 60 / 255.0, 0.01);
}

TEST_F(Floating, RightClickMenuFollowsTheLevel) {
  window->showFloatingWindow();
  FloatingWindow* f = window->floatingWindow();
  const struct {
    const char* level;
    QStringList hidden;
  } cases[] = {
      {"1111", {}},
      {"1110", {}},
      {"1100", {"成绩分析", "查看教员资料"}},
      {"1000", {"成绩分析", "查看教员资料", "智能评语录入", "成绩报告处理"}},
      {"0", {"成绩分析", "查看教员资料", "智能评语录入", "成绩报告处理"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    setLevel(c.level);
    f->prepareRightClickMenu();
    QStringList captions, hidden;
    for (QAction* a : f->rightClickMenu()->actions()) {
      captions << (a->isSeparator() ? QStringLiteral("—") : a->text());
      if (!a->isSeparator() && !a->isVisible()) hidden << a->text();
    }
    EXPECT_EQ(captions.join(','),
              QStringLiteral("重新登录,成绩分析,—,查看学生资料,查看教员资料,—,智能评语录入,成绩报告处理,期中成绩查看,"
                             "期末成绩查看,其他成绩查看,远程登分系统,—,导入EXCEL数据,浮动窗口,退出系统"));
    EXPECT_EQ(hidden, c.hidden);
  }
}

TEST_F(Floating, ItemsRunTheMainWindowsOperationsWithTheirLevelTests) {
  window->showFloatingWindow();
  FloatingWindow* f = window->floatingWindow();
  QStringList ran;
  for (const char* op : {"分析报表统计", "查看教员档案", "期中成绩查看"}) {
    const QString name = QString::fromUtf8(op);
    window->operations().setHandler(name, [&ran, name] { ran << name; });
  }
  QSignalSpy relogins(window.get(), &MainWindow::reloginRequested);
  setLevel("1100");
  window->hide();
  f->rightClickAction(QStringLiteral("期中成绩查看"))->trigger();
  EXPECT_TRUE(window->isVisible()) << "the main window comes back for the function";
  f->rightClickAction(QStringLiteral("成绩分析"))->trigger();
  f->rightClickAction(QStringLiteral("查看教员资料"))->trigger();  // needs 1110
  f->rightClickAction(QStringLiteral("重新登录"))->trigger();
  EXPECT_EQ(ran, (QStringList{QStringLiteral("期中成绩查看"), QStringLiteral("分析报表统计")}));
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("  抱歉！您没有当前的操作权限！  ")});
  EXPECT_EQ(relogins.count(), 1);
}

TEST_F(Floating, FloatingItemTogglesItsCaptionAndTheWindow) {
  window->showFloatingWindow();
  FloatingWindow* f = window->floatingWindow();
  QAction* toggle = f->rightClickAction(QStringLiteral("浮动窗口"));
  toggle->trigger();
  EXPECT_FALSE(f->isVisible());
  EXPECT_EQ(toggle->text(), QStringLiteral("显示小窗口"));
  EXPECT_TRUE(f->trayIcon()->isVisible());
  toggle->trigger();
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(toggle->text(), QStringLiteral("隐藏小窗口"));
}

TEST_F(Floating, TrayHidingDestroysOrHidesAndAnimates) {
  window->showFloatingWindow();
  QAction* show = window->menuAction(QStringLiteral("显示窗口"));
  // Main window visible: the floating window goes; the setting stays.
  window->floatingWindow()->trayAction(QStringLiteral("隐藏浮动窗口"))->trigger();
  settle();
  EXPECT_EQ(window->floatingWindow(), nullptr);
  EXPECT_TRUE(show->isEnabled());
  EXPECT_EQ(presentation(), QStringLiteral("1"));

  // Main window hidden: the floating window only hides and the tray blinks.
  window->showFloatingWindow();
  FloatingWindow* f = window->floatingWindow();
  window->hide();
  settle();
  f->trayAction(QStringLiteral("隐藏浮动窗口"))->trigger();
  settle();
  EXPECT_EQ(window->floatingWindow(), f);
  EXPECT_FALSE(f->isVisible());
  EXPECT_TRUE(f->trayIcon()->isVisible());
  EXPECT_TRUE(f->trayAnimating());
  QTest::qWait(700);
  EXPECT_GE(f->trayFrame(), 1);

  // A click on the tray stops the blinking; its menu offers what would change something.
  emit f->trayIcon()->activated(QSystemTrayIcon::Trigger);
  EXPECT_FALSE(f->trayAnimating());
  EXPECT_EQ(f->trayFrame(), -1);
  f->trayMenu()->hide();
  EXPECT_TRUE(f->trayAction(QStringLiteral("显示主窗口"))->isEnabled());
  EXPECT_FALSE(f->trayAction(QStringLiteral("关闭主窗口"))->isEnabled());
  EXPECT_FALSE(f->trayAction(QStringLiteral("隐藏浮动窗口"))->isEnabled());
  EXPECT_TRUE(f->trayAction(QStringLiteral("显示浮动窗口"))->isEnabled());

  f->trayAction(QStringLiteral("显示浮动窗口"))->trigger();
  EXPECT_TRUE(f->isVisible());
  f->trayAction(QStringLiteral("显示主窗口"))->trigger();
  settle();
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(f->trayIcon()->isVisible());
  f->prepareTrayMenu();
  EXPECT_FALSE(f->trayAction(QStringLiteral("显示主窗口"))->isEnabled());
  EXPECT_TRUE(f->trayAction(QStringLiteral("关闭主窗口"))->isEnabled());
}

TEST_F(Floating, ExitAsksItsOwnQuestion) {
  window->showFloatingWindow();
  FloatingWindow* f = window->floatingWindow();
  QSignalSpy confirmed(window.get(), &MainWindow::exitConfirmed);
  QSignalSpy asked(window.get(), &MainWindow::exitRequested);
  window->hide();
  settle();
  prompt.answer(false);
  f->rightClickAction(QStringLiteral("退出系统"))->trigger();
  ASSERT_EQ(prompt.shown().size(), 1u);
  EXPECT_EQ(prompt.last().text, QStringLiteral("  你真的要退出本系统吗？"));
  EXPECT_EQ(prompt.last().title, QStringLiteral("询问"));
  EXPECT_EQ(prompt.last().icon, ui::Icon::Question);
  EXPECT_EQ(confirmed.count(), 0);
  EXPECT_TRUE(f->trayIcon()->isVisible()) << "No keeps the way back to the hidden window";

  prompt.answer(true);
  f->trayAction(QStringLiteral("退出系统"))->trigger();
  EXPECT_EQ(confirmed.count(), 1);
  EXPECT_FALSE(f->trayIcon()->isVisible());
  EXPECT_EQ(asked.count(), 0) << "no second question";
}

}  // namespace
}  // namespace sa::core
