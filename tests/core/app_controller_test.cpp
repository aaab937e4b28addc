// Start-up as a whole: the controller against the real test server, offscreen.
#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/core/app_controller.h"
#include "app/core/login_window.h"
#include "app/core/main_window.h"
#include "app/core/splash_window.h"
#include "app/ui/scripted_prompt.h"
#include "common/ini_file.h"
#include "tests/support/qt_test_app.h"
#include "tests/support/test_database.h"

namespace sa::core {
namespace {

class Startup : public test::DatabaseTest {
 protected:
  void SetUp() override {
    test::qtApp();
    QStandardPaths::setTestModeEnabled(true);
    DatabaseTest::SetUp();
    state.appDir = dir.path();
    state.serverPort = test::serverParams().port;
  }
  settings::Settings serverSettings() const {
    const db::ConnectionParams p = test::serverParams();
    return {QStringLiteral("localhost"), QStringLiteral("育才中学"), QStringLiteral("http://example.org/sm/update.txt"),
            p.user, p.password};
  }

  QTemporaryDir dir;
  AppState state;
  ui::ScriptedPrompt prompt;
};

TEST_F(Startup, PreparesTheSharedStateFilesAndMainWindowThenHandsOverToTheLogin) {
  AppController controller(state, prompt);
  ASSERT_TRUE(controller.start(serverSettings()));
  EXPECT_TRUE(prompt.shown().empty());
  EXPECT_EQ(state.serverAddress, QStringLiteral("127.0.0.1"));
  EXPECT_EQ(state.schoolName, QStringLiteral("育才中学"));
  EXPECT_TRUE(state.db.isOpen());
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Banner.dat"))));
  EXPECT_EQ(IniFile(state.configIniPath()).read(QStringLiteral("School"), QStringLiteral("Name")),
            QStringLiteral("育才中学"));

  MainWindow* main = controller.mainWindow();
  EXPECT_EQ(main->windowTitle(), QStringLiteral("育才中学校务管理系统"));
  EXPECT_EQ(main->statusText(2), QStringLiteral("    当前状态：请选择操作"));
  EXPECT_TRUE(main->statusText(3).startsWith(QStringLiteral("        欢迎使用育才中学校务管理系统！ 今天是")));
  EXPECT_FALSE(main->isVisible());

  // The splash hands over on its 14th tick at the earliest.
  SplashWindow* splash = controller.splash();
  ASSERT_TRUE(splash);
  while (splash->ticks() < 13) splash->tick();
  EXPECT_FALSE(controller.loginWindow());
  splash->tick();
  ASSERT_TRUE(controller.loginWindow());
  EXPECT_TRUE(controller.loginWindow()->isVisible());
  EXPECT_EQ(controller.loginWindow()->windowTitle(), QStringLiteral("用户登录"));
}

TEST_F(Startup, AFailedConnectionIsToldAndTheApplicationStaysOpen) {
  settings::Settings s = serverSettings();
  s.password = QStringLiteral("not the password");
  AppController controller(state, prompt);
  ASSERT_TRUE(controller.start(s));
  ASSERT_EQ(prompt.messages(), QStringList{QStringLiteral("连接服务器失败！")});
  EXPECT_EQ(prompt.last().title, QStringLiteral("错误"));
  EXPECT_EQ(prompt.last().icon, ui::Icon::Error);
  EXPECT_FALSE(state.db.isOpen());
  EXPECT_EQ(controller.mainWindow()->windowTitle(), QStringLiteral("育才中学校务管理系统"));
}

TEST_F(Startup, ASecondCopyOfTheSameInstallationEndsAtOnce) {
  AppController first(state, prompt);
  ASSERT_TRUE(first.start(serverSettings()));
  AppState secondState;
  secondState.appDir = dir.path();
  AppController second(secondState, prompt);
  EXPECT_FALSE(second.start(serverSettings()));
  EXPECT_FALSE(second.mainWindow());
}

}  // namespace
}  // namespace sa::core
