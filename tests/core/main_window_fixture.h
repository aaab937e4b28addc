#pragma once
// A main window over a freshly installed database, with a temporary
// application folder, and a way to log a user in as the login code does.
#include <QTemporaryDir>
#include <memory>

#include "app/core/app_state.h"
#include "app/core/levels.h"
#include "app/core/main_window.h"
#include "app/ui/scripted_prompt.h"
#include "tests/support/qt_test_app.h"
#include "tests/support/test_database.h"

namespace sa::test {

class MainWindowTest : public DatabaseTest {
 protected:
  void SetUp() override {
    qtApp();
    DatabaseTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(state.db.open(serverParams(QStringLiteral("didododederaz")))) << state.db.lastError().toStdString();
    ASSERT_TRUE(dir.isValid());
    state.appDir = dir.path();
    state.schoolName = QStringLiteral("实验中学");
    window = std::make_unique<core::MainWindow>(state, prompt);
    window->setSchoolName(state.schoolName);
  }

  void login(const QString& level, const QString& office = {}, const QString& tutor = {},
             const QString& name = QStringLiteral("张老师")) {
    state.user = core::LoggedInUser{};
    state.user.loggedIn = true;
    state.user.name = name;
    state.user.levelText = level;
    state.user.level = core::levelNumber(level);
    state.user.office = office;
    state.user.classTutor = tutor;
    state.user.localIps = QStringLiteral("192.168.1.20 ");
    window->applyLogin();
  }

  QAction* item(const char* caption) const { return window->menuAction(QString::fromUtf8(caption)); }
  QAction* button(const char* caption) const { return window->toolButton(QString::fromUtf8(caption)); }

  QTemporaryDir dir;
  core::AppState state;
  ui::ScriptedPrompt prompt;
  std::unique_ptr<core::MainWindow> window;
};

}  // namespace sa::test
