// The main window offscreen: its frame, routing, pages and the main screen.
#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QSet>
#include <QStatusBar>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolBar>

#include "app/core/about_window.h"
#include "app/core/help.h"
#include "app/core/interface_style.h"
#include "app/core/main_screen_layout.h"
#include "app/core/menu_tree.h"
#include "app/core/platform_tools.h"
#include "app/core/style_dialog.h"
#include "app/core/welcome_line.h"
#include "common/ini_file.h"
#include "tests/core/main_window_fixture.h"
#include "tests/support/widget_helpers.h"

namespace sa::test {
namespace {

class MainWindowFrame : public MainWindowTest {
 protected:
  QStringList captionsOf(QMenu* menu) const {
    QStringList out;
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("—") : a->text());
    return out;
  }
  QWidget* child(const char* name) const { return window->findChild<QWidget*>(QString::fromUtf8(name)); }
};

TEST_F(MainWindowFrame, MenuBarHoldsTheEightMenusAndHelpInOrder) {
  QStringList top;
  for (QAction* a : window->menuBar()->actions()) top << a->text();
  EXPECT_EQ(top.join(','), QStringLiteral("&S.系统管理,&J.教务管理,&P.班务管理,&T.教员管理,&E评测管理,&W.工资管理,"
                                          "&L.资料列表,&C.办公管理,&H.帮助"));
  EXPECT_EQ(captionsOf(window->menu(QStringLiteral("&S.系统管理"))).join(','),
            QStringLiteral("校务设置,管理设置,—,重新登录,修改密码,—,通用班级毕业升级,自设班级毕业升级,—,系统数据管理,"
                           "外部数据导入,—,打印预览,打印,—,退出系统"));
  EXPECT_EQ(captionsOf(window->menu(QStringLiteral("管理设置"))).join(','),
            QStringLiteral("高级管理员设置,高级管理员资料修改,普通管理员资料修改,—,教员权限批量设置,学校处室设置,"
                           "FTP服务器设置,记录开关"));
  EXPECT_EQ(captionsOf(window->menu(QStringLiteral("&H.帮助"))).join(','),
            QStringLiteral("使用手册 ,即时帮助,设置界面风格,浮动窗口设置,—,记事本,计算器,屏幕截图,背景音乐,—,软件升级,关于"));
  EXPECT_EQ(captionsOf(window->menu(QStringLiteral("考试成绩统计"))).size(), 11);
  EXPECT_EQ(captionsOf(window->menu(QStringLiteral("&L.资料列表"))).size(), 15);
  EXPECT_FALSE(item("打印预览")->isEnabled());
  EXPECT_FALSE(item("打印")->isEnabled());
  EXPECT_TRUE(item("退出系统")->isEnabled());
}

TEST_F(MainWindowFrame, PopUpMenusStayOutOfTheMenuBar) {
  const struct {
    const char* name;
    const char* items;
  } popups[] = {
      {"学离", "删除学生,离校学生复学"},
      {"教离", "删除教员,恢复教员资料"},
      {"工资", "添加一行,添加一列,删除一行,删除一列,标题设置  ,工资表一  ,工资表二  ,工资表三  ,工资表四  ,工资表五"},
      {"图片", "保存图片"},
      {"行数", "打印开始行,打印结束行"},
  };
  for (const auto& p : popups) {
    QMenu* m = window->menu(QString::fromUtf8(p.name));
    ASSERT_NE(m, nullptr) << p.name;
    EXPECT_EQ(captionsOf(m).join(','), QString::fromUtf8(p.items));
    EXPECT_FALSE(window->menuBar()->actions().contains(m->menuAction()));
  }
}

TEST_F(MainWindowFrame, ToolbarHas36PositionsWithSeparatorsWhereDesigned) {
  const QList<QAction*> actions = window->toolBar()->actions();
  ASSERT_EQ(actions.size(), 36);
  const QList<int> separators = {4, 9, 12, 18, 22, 25, 30, 34};
  for (int i = 0; i < actions.size(); ++i) EXPECT_EQ(actions[i]->isSeparator(), separators.contains(i)) << i;
  EXPECT_EQ(actions[3]->text(), QStringLiteral("学生转学、退学离校"));
  EXPECT_EQ(actions[15]->text(), QStringLiteral("学生成绩管理"));
  EXPECT_EQ(actions[21]->text(), QStringLiteral("教员工资管理"));
  EXPECT_EQ(actions[35]->text(), QStringLiteral("返回主界面"));
  for (const char* disabled : {"打印预览", "打印当前内容", "到首记录", "上一条记录", "下一条记录", "到尾记录", "返回主界面",
                               "导出到Excel"})
    EXPECT_FALSE(button(disabled)->isEnabled()) << disabled;
}

TEST_F(MainWindowFrame, EveryItemRunsThroughTheDispatcherWithItsLevelTest) {
  login(QStringLiteral("1100"));
  int runs = 0;
  window->operations().setHandler(QStringLiteral("删除学生资料"), [&] { ++runs; });
  window->operations().setHandler(QStringLiteral("添加学生资料"), [&] { ++runs; });

  item("删除学生资料")->trigger();
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("  抱歉！您没有当前的操作权限！  ")});

  prompt.clear();
  login(QStringLiteral("1100"), {}, QStringLiteral("初二(1)班"));
  item("删除学生资料")->trigger();
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("  您不能删除操作，但可以作退学或调班处理！")});

  // The toolbar button runs the same operation as its menu item.
  prompt.clear();
  button("添加学生资料")->trigger();
  EXPECT_EQ(runs, 1);
  login(QStringLiteral("1000"));
  button("添加学生资料")->trigger();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(prompt.messages().size(), 1);

  // Items of later subsystems without a handler do nothing visible.
  prompt.clear();
  login(QStringLiteral("1111"));
  for (const char* caption : {"校务设置", "教学资料管理", "软件升级", "添加一行", "保存图片", "打印开始行"})
    item(caption)->trigger();
  EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(MainWindowFrame, WageButtonWalksThroughTheFiveTables) {
  login(QStringLiteral("1111"));
  QStringList opened;
  for (int t = 1; t <= 5; ++t) {
    const QString caption = core::wageMenuCaption(t);
    window->operations().setHandler(caption, [&opened, caption] { opened << caption.right(1); });
  }
  EXPECT_EQ(window->markedWageTable(), 0);
  button("教员工资管理")->trigger();
  EXPECT_EQ(window->markedWageTable(), 1) << "no check mark opens table one";
  for (int i = 0; i < 5; ++i) button("教员工资管理")->trigger();
  EXPECT_EQ(opened.join(QString()), QStringLiteral("一二三四五一"));
  EXPECT_EQ(window->markedWageTable(), 1);
  EXPECT_TRUE(item("打开工资表一")->isChecked());
  EXPECT_TRUE(window->menuAction(QStringLiteral("工资表一  "))->isChecked());
  EXPECT_FALSE(item("打开工资表五")->isChecked());

  // A pop-up item moves the mark too; the return to the main screen clears it.
  window->menuAction(QStringLiteral("工资表五"))->trigger();
  EXPECT_EQ(window->markedWageTable(), 5);
  window->returnToMainScreen();
  EXPECT_EQ(window->markedWageTable(), 0);
  EXPECT_FALSE(window->menuAction(QStringLiteral("工资表五"))->isChecked());
}

TEST_F(MainWindowFrame, NeverSmallerThan800By600) {
  window->show();
  for (const QSize& asked : {QSize(500, 400), QSize(1200, 300), QSize(640, 900)}) {
    window->resize(asked);
    QApplication::processEvents();
    EXPECT_GE(window->width(), 800) << asked.width() << "x" << asked.height();
    EXPECT_GE(window->height(), 600) << asked.width() << "x" << asked.height();
  }
  window->resize(1000, 700);
  QApplication::processEvents();
  EXPECT_EQ(window->size(), QSize(1000, 700));
}

TEST_F(MainWindowFrame, MainScreenIsLaidOutToTheWindow) {
  window->show();
  window->resize(1000, 700);
  QApplication::processEvents();
  window->returnToMainScreen();  // a second layout at this size uses the banner's new height
  const int h = window->height() - window->menuBar()->height();
  QWidget* background = child("首页底色标签");
  QWidget* banner = child("图片框5");
  QWidget* heading = child("首页校名标签");
  QWidget* exitBox = child("图片框4");
  EXPECT_EQ(background->geometry(),
            QRect(0, 0, 1000, h - window->toolBar()->height() - window->statusBar()->height()));
  EXPECT_EQ(banner->geometry(), QRect(2, (h - int(0.6 * h)) / 2 - 20, 996, int(0.6 * h)));
  EXPECT_EQ(heading->geometry().right() + 1, 2 + 996 - 80);
  EXPECT_EQ(heading->geometry().bottom(), banner->geometry().bottom());
  EXPECT_EQ(exitBox->geometry().right() + 1, 2 + 996 - 50);
  const int below = banner->geometry().bottom() + 1;
  const int gapAbove = exitBox->geometry().top() - below;
  const int gapBelow = background->geometry().bottom() + 1 - (exitBox->geometry().bottom() + 1);
  EXPECT_LE(std::abs(gapAbove - gapBelow), 1);
  EXPECT_EQ(heading->property("text").toString(), QStringLiteral("实验中学校务管理系统"));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("实验中学校务管理系统"));
}

TEST_F(MainWindowFrame, BannerTopUsesItsHeightBeforeTheLayout) {
  const core::MainScreenLayout first =
      core::layoutMainScreen(QSize(1000, 700), 40, 24, 300, QSize(300, 40), QSize(100, 50));
  EXPECT_EQ(first.banner, QRect(2, 180, 996, 420));
  EXPECT_EQ(first.heading, QRect(618, 560, 300, 40));
  EXPECT_EQ(first.exit.x(), 848);
  const core::MainScreenLayout second =
      core::layoutMainScreen(QSize(1000, 700), 40, 24, first.banner.height(), QSize(300, 40), QSize(100, 50));
  EXPECT_EQ(second.banner.top(), 120);
}

TEST_F(MainWindowFrame, ExitPictureAsksToLeaveAndColoursItsLabel) {
  window->show();
  QApplication::processEvents();
  QSignalSpy exits(window.get(), &core::MainWindow::exitRequested);
  QWidget* exitBox = child("图片框4");
  auto* label = window->findChild<QLabel*>(QStringLiteral("退出标签"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QStringLiteral("退 出"));
  ASSERT_NE(window->findChild<QLabel*>(QStringLiteral("退出图形按钮")), nullptr);

  QEvent enterPicture(QEvent::Enter);
  QApplication::sendEvent(exitBox, &enterPicture);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  QEvent enterBackground(QEvent::Enter);
  QApplication::sendEvent(child("首页底色标签"), &enterBackground);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));

  QTest::mouseClick(exitBox, Qt::LeftButton);
  EXPECT_EQ(exits.count(), 1);
}

TEST_F(MainWindowFrame, ClosingAsksUnlessAFloatingWindowOrAnAnalysisKeepsIt) {
  QSignalSpy exits(window.get(), &core::MainWindow::exitRequested);
  window->show();
  state.analysisRunning = true;
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(exits.count(), 0);

  state.analysisRunning = false;
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible()) << "the receiver decides whether to end";
  EXPECT_EQ(exits.count(), 1);

  window->showFloatingWindow();
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(exits.count(), 1);
  window->hideFloatingWindow();
}

TEST_F(MainWindowFrame, ReloginAndExitItemsSignalTheLoginCode) {
  QSignalSpy relogins(window.get(), &core::MainWindow::reloginRequested);
  QSignalSpy exits(window.get(), &core::MainWindow::exitRequested);
  item("重新登录")->trigger();
  item("退出系统")->trigger();
  EXPECT_EQ(relogins.count(), 1);
  EXPECT_EQ(exits.count(), 1);
}

TEST_F(MainWindowFrame, StatusBarAndUserPageAfterLogin) {
  window->showWelcome(true);
  EXPECT_TRUE(window->statusText(3).startsWith(QStringLiteral("        欢迎使用实验中学校务管理系统！ 今天是")));
  EXPECT_EQ(window->statusText(2), QStringLiteral("    当前状态：请选择操作"));
  login(QStringLiteral("1100"), QStringLiteral("教务处"), QStringLiteral("初二(1)班"));
  EXPECT_EQ(window->statusText(1), QStringLiteral("张老师"));
  QWidget* userPage = window->page(core::MainWindow::kUserPage);
  auto text = [&](const char* name) {
    auto* l = userPage->findChild<QLabel*>(QString::fromUtf8(name));
    return l ? l->text() : QStringLiteral("<missing>");
  };
  EXPECT_EQ(text("权限标签"), QStringLiteral("1100"));
  EXPECT_EQ(text("处室标签"), QStringLiteral("教务处"));
  EXPECT_EQ(text("班主任标签"), QStringLiteral("初二(1)班"));

  window->showPage(4);
  window->setHeading(QStringLiteral("期中考试成绩"));
  window->setStatusText(2, QStringLiteral("当前状态：查看成绩"));
  EXPECT_TRUE(button("返回主界面")->isEnabled());
  button("返回主界面")->trigger();
  EXPECT_EQ(window->currentPage(), 0);
  EXPECT_EQ(window->heading(), QString());
  EXPECT_EQ(window->statusText(2), QStringLiteral("    当前状态：请选择操作"));
  EXPECT_TRUE(window->statusText(3).startsWith(QStringLiteral("        欢迎使用校务管理系统！ 今天是")));
  EXPECT_FALSE(button("返回主界面")->isEnabled());
}

TEST_F(MainWindowFrame, RecordButtonsMoveInTheCurrentListAndStopAtItsEnds) {
  int row = 1;
  window->showPage(3);
  window->setRecordNavigator({[] { return 3; }, [&] { return row; }, [&](int r) { row = r; }});
  EXPECT_TRUE(button("下一条记录")->isEnabled());
  button("上一条记录")->trigger();
  EXPECT_EQ(row, 0);
  button("上一条记录")->trigger();
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("已到第一个记录")});
  button("到尾记录")->trigger();
  EXPECT_EQ(row, 2);
  button("下一条记录")->trigger();
  EXPECT_EQ(prompt.messages().last(), QStringLiteral("已到最后一个记录"));
  EXPECT_EQ(row, 2);
  button("到首记录")->trigger();
  EXPECT_EQ(row, 0);
  window->returnToMainScreen();
  EXPECT_FALSE(button("到首记录")->isEnabled());
  button("到尾记录")->trigger();
  EXPECT_EQ(row, 0) << "the list of a closed page is forgotten";
}

TEST(WelcomeLine, DateAndWeekdayNumeral) {
  EXPECT_EQ(core::welcomeLine(QStringLiteral("一中"), QDate(2011, 9, 12)),
            QStringLiteral("        欢迎使用一中校务管理系统！ 今天是2011年9月12日  星期一"));
  EXPECT_EQ(core::welcomeLine(QString(), QDate(2011, 9, 11)),
            QStringLiteral("        欢迎使用校务管理系统！ 今天是2011年9月11日  星期日"));
}

TEST_F(MainWindowFrame, SideLibrariesAndHelpTellWhatIsMissing) {
  login(QStringLiteral("1111"));
  const struct {
    const char* item;
    const char* message;
  } cases[] = {
      {"成绩综合打印", "文件FunctionOne.dll不存在，不能使用。"},
      {"登分表取高分成绩", "文件FunctionOne.dll不存在，不能使用。"},
      {"学校文件管理", "文件FunctionTwo.dll不存在，不能使用。"},
      {"教员权限批量设置", "文件FunctionTwo.dll不存在，不能使用。"},
      {"屏幕截图", "支持文件PicPicking.dll不存在。"},
      {"使用手册 ", "文件Help.chm不存在，不能使用。"},
  };
  for (const auto& c : cases) {
    prompt.clear();
    item(c.item)->trigger();
    ASSERT_EQ(prompt.shown().size(), 1u) << c.item;
    EXPECT_EQ(prompt.last().text, QString::fromUtf8(c.message));
    EXPECT_EQ(prompt.last().title, QStringLiteral("缺少文件"));
    EXPECT_EQ(prompt.last().icon, ui::Icon::Error);
  }
  // A library file that is no loadable library is reported, not called.
  QFile fake(state.localPath(QStringLiteral("FunctionOne.dll")));
  ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
  fake.write("not a library");
  fake.close();
  prompt.clear();
  item("历次名次打印")->trigger();
  EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("文件FunctionOne.dll无法加载，不能使用。")});
}

TEST_F(MainWindowFrame, ContextHelpFollowsTheCurrentPage) {
  EXPECT_EQ(core::helpTopicForPage(0), QStringLiteral("Help.chm::/index.html"));
  EXPECT_EQ(core::helpTopicForPage(6), QStringLiteral("Help.chm::/7banwuguanli.html#zzz"));
  EXPECT_EQ(core::helpTopicForPage(13), QStringLiteral("Help.chm::/shujudaoru.html"));
  for (int page : {7, 14}) {
    prompt.clear();
    window->showPage(page);
    item("即时帮助")->trigger();
    EXPECT_EQ(prompt.messages(), QStringList{QStringLiteral("暂无帮助")}) << page;
    EXPECT_EQ(prompt.last().title, QStringLiteral("信息："));
  }
}

TEST_F(MainWindowFrame, AboutWindowShowsVersionsFromProgramAndDatabase) {
  exec(QStringLiteral("update db_version set db_version='2.3' where id=1"));
  core::AboutWindow about(state, window.get());
  QStringList texts;
  for (QLabel* l : about.findChildren<QLabel*>()) texts << l->text();
  const QString all = texts.join('|');
  EXPECT_TRUE(all.contains(QStringLiteral("0.514"))) << all.toStdString();
  EXPECT_TRUE(all.contains(QStringLiteral("201109121")));
  EXPECT_TRUE(all.contains(QStringLiteral("2.3")));
}

TEST_F(MainWindowFrame, StyleDialogSavesSkinsOnlyWhenTheyCanBeUsed) {
  IniFile ini(state.configIniPath());
  ini.write(QStringLiteral("Interface"), QStringLiteral("Skin"), QStringLiteral("蓝色"));
  ini.write(QStringLiteral("Interface"), QStringLiteral("Style"), QStringLiteral("2"));
  QDir(state.appDir).mkpath(QStringLiteral("skn"));
  for (const char* name : {"skn/蓝色.she", "skn/绿色.she"}) {
    QFile f(state.localPath(QString::fromUtf8(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  {
    core::StyleDialog dialog(state, window.get());
    auto* skins = dialog.findChild<QComboBox*>(QStringLiteral("皮肤组合框"));
    ASSERT_NE(skins, nullptr);
    EXPECT_EQ(skins->count(), 3);
    EXPECT_EQ(skins->itemText(0), QStringLiteral("默认风格"));
    EXPECT_EQ(skins->currentText(), QStringLiteral("蓝色"));
    auto* first = dialog.findChild<QRadioButton*>(QStringLiteral("风格单选框1"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(), QStringLiteral("默认界面"));
    EXPECT_TRUE(dialog.findChild<QRadioButton*>(QStringLiteral("风格单选框3"))->isChecked());
    skins->setCurrentIndex(0);
    dialog.confirm();
  }
  // Without the skin library nothing about skins is saved; the style is.
  EXPECT_EQ(ini.read(QStringLiteral("Interface"), QStringLiteral("Skin")), QStringLiteral("蓝色"));
  EXPECT_EQ(ini.read(QStringLiteral("Interface"), QStringLiteral("Style")), QStringLiteral("2"));
  EXPECT_EQ(state.interfaceStyle, 2);
  core::applyInterfaceStyle(0);
}

TEST_F(MainWindowFrame, InterfaceStylesReachEveryWindow) {
  QWidget other;
  for (int style : {2, 3, 1, 0}) {
    core::applyInterfaceStyle(style);
    QApplication::processEvents();
    EXPECT_EQ(core::currentInterfaceStyle(), style);
    EXPECT_EQ(other.style(), window->style());
    EXPECT_EQ(other.palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
  }
  core::applyInterfaceStyle(2);
  const QColor dark = QApplication::palette().color(QPalette::Window);
  core::applyInterfaceStyle(0);
  EXPECT_NE(QApplication::palette().color(QPalette::Window), dark);
}

TEST_F(MainWindowFrame, MusicMarksOnlyWhatPlays) {
  login(QStringLiteral("1000"));
  core::BackgroundMusic& music = window->music();
  music.setPlayer(QString());
  item("背景音乐一")->trigger();
  EXPECT_FALSE(item("背景音乐一")->isChecked()) << "nothing plays without a player";

  // A stand-in player: a script that keeps running like a looping player.
  const QString player = state.localPath(QStringLiteral("player.sh"));
  QFile script(player);
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write("#!/bin/sh\nexec sleep 30\n");
  script.close();
  script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  music.setPlayer(player);
  item("背景音乐二")->trigger();
  EXPECT_TRUE(music.playing());
  EXPECT_TRUE(item("背景音乐二")->isChecked());
  EXPECT_FALSE(item("背景音乐一")->isChecked());
  item("关闭音乐")->trigger();
  EXPECT_FALSE(music.playing());
  for (const char* c : {"背景音乐一", "背景音乐二", "其它音乐"}) EXPECT_FALSE(item(c)->isChecked()) << c;

  const QByteArray wave = core::BackgroundMusic::tuneWave(1);
  EXPECT_TRUE(wave.startsWith("RIFF"));
  EXPECT_EQ(wave.mid(8, 4), QByteArray("WAVE"));
  EXPECT_NE(wave, core::BackgroundMusic::tuneWave(2));
}

// Renders the window for a super administrator and an ordinary one; with
// SA_SCREENSHOT_DIR set the pictures are kept for a look.
TEST_F(MainWindowFrame, RendersForSuperAndOrdinaryUsers) {
  for (const char* level : {"1111", "1000"}) {
    window = std::make_unique<core::MainWindow>(state, prompt);
    window->setSchoolName(state.schoolName);
    login(QString::fromUtf8(level));
    window->setStatusText(2, core::mainScreenStatus());
    window->showWelcome(true);
    window->resize(1024, 700);
    window->show();
    QApplication::processEvents();
    const QImage shot = window->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), window->size() * shot.devicePixelRatio());
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 7)
      for (int x = 0; x < shot.width(); x += 7) colours.insert(shot.pixel(x, y));
    EXPECT_GT(colours.size(), 50) << "a drawn window, not a blank one";
    saveScreenshot(*window, QStringLiteral("main_window_%1").arg(QString::fromUtf8(level)));
  }
}

}  // namespace
}  // namespace sa::test
