// Logging in and out against the real server, the recent-user list, and the
// login window driven through its widgets.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/core/app_state.h"
#include "app/core/login_service.h"
#include "app/core/login_window.h"
#include "app/ui/scripted_prompt.h"
#include "common/ini_file.h"
#include "tests/support/qt_test_app.h"
#include "tests/support/test_database.h"

namespace sa::core {
namespace {

using test::DatabaseTest;
using ui::Icon;
using ui::ScriptedPrompt;

class Login : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(state.db.open(test::serverParams(QStringLiteral("didododederaz"))));
    state.appDir = dir.path();
    addUser(QStringLiteral("王老师"), QStringLiteral("Secret1"), QStringLiteral("1100"), QStringLiteral("<3<,<4<"),
            QStringLiteral("初中3年级2班"));
    addUser(QStringLiteral("李主任"), QStringLiteral("123456"), QStringLiteral("1110"), QString(),
            QStringLiteral("高中2年级5班"));
    addUser(QStringLiteral("赵干事"), QStringLiteral("it's\\ok"), QStringLiteral("1000"), QString(), QString());
  }
  void addUser(const QString& name, const QString& password, const QString& level, const QString& grades,
               const QString& tutor) {
    exec(QStringLiteral("insert into users (User, PassWord, Level, Office, GradeID, Class, ClassID, ClassTutor, Online) "
                        "values ('%1', SHA1(CONCAT(UPPER('%1'),':',UPPER('%2'))), '%3', '教务处', '%4', "
                        "'<初中3年级2班<', '<2<', '%5', '0')")
             .arg(db.esc(name), db.esc(password), level, grades, tutor));
  }
  QString online(const QString& name) {
    return scalar(QStringLiteral("select Online from users where User='%1'").arg(name));
  }

  QTemporaryDir dir;
  AppState state;
  ScriptedPrompt prompt;
  LoginService service{state, prompt};
};

TEST_F(Login, SuccessFillsTheSharedStateAndMarksTheAccountOnline) {
  ASSERT_EQ(service.login(QStringLiteral("王老师"), QStringLiteral("Secret1")), LoginOutcome::LoggedIn);
  EXPECT_TRUE(prompt.shown().empty());
  const LoggedInUser& u = state.user;
  EXPECT_TRUE(u.loggedIn);
  EXPECT_EQ(u.name, QStringLiteral("王老师"));
  EXPECT_EQ(u.levelText, QStringLiteral("1100"));
  EXPECT_DOUBLE_EQ(u.level, 1100);
  EXPECT_EQ(u.office, QStringLiteral("教务处"));
  EXPECT_EQ(u.gradeList, QStringLiteral("'3','4'"));
  EXPECT_EQ(u.classList, QStringLiteral("'初中3年级2班'"));
  EXPECT_EQ(u.classIdList, QStringLiteral("'2'"));
  EXPECT_EQ(u.classTutor, QStringLiteral("初中3年级2班"));
  EXPECT_EQ(u.passwordExpression, QStringLiteral("SHA1(CONCAT(UPPER('王老师'),':',UPPER('Secret1')))"));
  EXPECT_EQ(online(QStringLiteral("王老师")), QStringLiteral("1"));
  EXPECT_EQ(scalar(QStringLiteral("select LastIP from users where User='王老师'")), u.localIps);
  EXPECT_TRUE(u.localIps.isEmpty() || u.localIps.endsWith(QLatin1Char(' ')));

  EXPECT_TRUE(logout(state));
  EXPECT_EQ(online(QStringLiteral("王老师")), QStringLiteral("0"));
}

TEST_F(Login, GradeListFallsBackToTheTutoredClassThenToEmptyQuotes) {
  ASSERT_EQ(service.login(QStringLiteral("李主任"), QStringLiteral("123456")), LoginOutcome::LoggedIn);
  EXPECT_EQ(state.user.gradeList, QStringLiteral("'2'"));
  ASSERT_EQ(service.login(QStringLiteral("赵干事"), QStringLiteral("it's\\ok")), LoginOutcome::LoggedIn);
  EXPECT_EQ(state.user.gradeList, QStringLiteral("''"));
  EXPECT_DOUBLE_EQ(state.user.level, 1000);
}

TEST_F(Login, NamesAndPasswordsInOtherLetterCasesOpenTheSameAccount) {
  exec(QStringLiteral("insert into users (User, PassWord, Level) values ('Admin', SHA1(CONCAT(UPPER('Admin'),':',"
                      "UPPER('PassWord'))), '1111')"));
  ASSERT_EQ(service.login(QStringLiteral("ADMIN"), QStringLiteral("password")), LoginOutcome::LoggedIn);
  EXPECT_EQ(state.user.levelText, QStringLiteral("1111"));
  ASSERT_EQ(service.login(QStringLiteral("王老师"), QStringLiteral("SECRET1")), LoginOutcome::LoggedIn);
}

TEST_F(Login, TypedTextCannotChangeTheStatement) {
  EXPECT_EQ(service.login(QStringLiteral("x' or '1'='1"), QStringLiteral("x' or '1'='1")),
            LoginOutcome::WrongPassword);
  EXPECT_EQ(service.login(QStringLiteral("王老师' -- "), QStringLiteral("any")), LoginOutcome::WrongPassword);
  EXPECT_FALSE(state.user.loggedIn);
  // A password with a quote and a backslash works for the account that has it.
  EXPECT_EQ(service.login(QStringLiteral("赵干事"), QStringLiteral("it's\\ok")), LoginOutcome::LoggedIn);
  EXPECT_TRUE(logout(state));
  EXPECT_EQ(online(QStringLiteral("赵干事")), QStringLiteral("0"));
}

TEST_F(Login, ThreeWrongPasswordsAreToldAndTheFourthEndsTheProgram) {
  for (int i = 1; i <= 3; ++i) {
    ASSERT_EQ(service.login(QStringLiteral("王老师"), QStringLiteral("wrong")), LoginOutcome::WrongPassword);
    EXPECT_EQ(prompt.last().text, QStringLiteral("用户名或密码错误，请重新登录！  "));
    EXPECT_EQ(prompt.last().title, QStringLiteral("错误！"));
    EXPECT_EQ(prompt.last().icon, Icon::Error);
    EXPECT_TRUE(service.clearPassword());
    EXPECT_EQ(service.focusAfter(), LoginFocus::PasswordBox);
  }
  EXPECT_EQ(service.login(QStringLiteral("王老师"), QStringLiteral("wrong")), LoginOutcome::Ended);
  EXPECT_EQ(prompt.last().text, QStringLiteral("抱歉！你无权使用本系统！"));
  EXPECT_EQ(prompt.messages().size(), 4);
  EXPECT_FALSE(state.db.isOpen());
}

TEST_F(Login, EmptyBoxesAndServerFailuresAreToldWithoutCounting) {
  EXPECT_EQ(service.login(QString(), QStringLiteral("x")), LoginOutcome::MissingInput);
  EXPECT_EQ(prompt.last().text, QStringLiteral("请输入你的用户名！  "));
  EXPECT_EQ(prompt.last().title, QStringLiteral("提示"));
  EXPECT_EQ(service.focusAfter(), LoginFocus::NameBox);
  EXPECT_EQ(service.login(QStringLiteral("王老师"), QString()), LoginOutcome::MissingInput);
  EXPECT_EQ(prompt.last().text, QStringLiteral("请输入你的用户密码！  "));

  exec(QStringLiteral("rename table users to users_away"));
  EXPECT_EQ(service.login(QStringLiteral("王老师"), QStringLiteral("Secret1")), LoginOutcome::ServerError);
  EXPECT_EQ(prompt.last().text, QStringLiteral("联系服务器失败！"));
  EXPECT_EQ(prompt.last().title, QStringLiteral("连接失败"));
  EXPECT_EQ(service.failures(), 0);
}

TEST_F(Login, AStaleOnlineFlagOnlyWarns) {
  exec(QStringLiteral("update users set Online='1' where User='王老师'"));
  ASSERT_EQ(service.login(QStringLiteral("王老师"), QStringLiteral("Secret1")), LoginOutcome::LoggedIn);
  ASSERT_EQ(prompt.shown().size(), 1u);
  EXPECT_EQ(prompt.last().text, QStringLiteral("该用户已经在别处登录\r\n或上次非正常退出。"));
  EXPECT_EQ(prompt.last().title, QStringLiteral("提示："));
  EXPECT_EQ(prompt.last().icon, Icon::Information);
}

TEST_F(Login, SuccessfulLoginsUpdateTheRecentUserList) {
  ASSERT_EQ(service.login(QStringLiteral("王老师"), QStringLiteral("Secret1")), LoginOutcome::LoggedIn);
  ASSERT_EQ(service.login(QStringLiteral("李主任"), QStringLiteral("123456")), LoginOutcome::LoggedIn);
  ASSERT_EQ(service.login(QStringLiteral("王老师"), QStringLiteral("Secret1")), LoginOutcome::LoggedIn);
  service.login(QStringLiteral("陌生人"), QStringLiteral("x"));  // failures are not remembered
  EXPECT_EQ(readRecentUsers(state.usersDatPath()),
            (QStringList{QStringLiteral("李主任"), QStringLiteral("王老师"), {}, {}, {}}));
}

TEST(RecentUsers, UpdateRules) {
  const QString a = "甲", b = "乙", c = "丙", d = "丁", e = "戊", f = "己";
  const struct {
    const char* name;
    QStringList before;
    QString login;
    QStringList after;
  } cases[] = {
      {"empty list", {{}, {}, {}, {}, {}}, a, {a, {}, {}, {}, {}}},
      {"partial, new name", {a, b, {}, {}, {}}, c, {a, b, c, {}, {}}},
      {"partial, last name again", {a, b, {}, {}, {}}, b, {a, b, {}, {}, {}}},
      {"partial, first name again", {a, b, c, {}, {}}, a, {b, c, a, {}, {}}},
      {"full, new name drops User1", {a, b, c, d, e}, f, {b, c, d, e, f}},
      {"full, User2 again closes the gap", {a, b, c, d, e}, b, {a, c, d, e, b}},
      {"full, User5 again", {a, b, c, d, e}, e, {a, b, c, d, e}},
  };
  for (const auto& t : cases) {
    SCOPED_TRACE(t.name);
    EXPECT_EQ(updatedRecentUsers(t.before, t.login), t.after);
  }
  EXPECT_EQ(recentUserChoices({a, b, {}, d, {}}), (QStringList{a, b}));
}

class LoginWindowTest : public Login {
 protected:
  void SetUp() override {
    test::qtApp();
    Login::SetUp();
  }
};

TEST_F(LoginWindowTest, OpensInModeZeroWithFocusInThePasswordBox) {
  IniFile(state.usersDatPath()).write(QStringLiteral("User"), QStringLiteral("User1"), QStringLiteral("王老师"));
  IniFile(state.usersDatPath()).write(QStringLiteral("User"), QStringLiteral("User2"), QStringLiteral("李主任"));
  LoginWindow w(state, prompt);
  state.loginMode = 0;
  w.openPage(false);
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("用户登录"));
  auto* names = w.findChild<QComboBox*>(QStringLiteral("登录名组合框"));
  auto* password = w.findChild<QLineEdit*>(QStringLiteral("登陆密码编辑框"));
  ASSERT_TRUE(names && password);
  EXPECT_EQ(names->count(), 2);
  EXPECT_EQ(names->currentText(), QStringLiteral("王老师"));
  EXPECT_EQ(QApplication::focusWidget(), password);
}

TEST_F(LoginWindowTest, LoggingInThroughTheWidgets) {
  LoginWindow w(state, prompt);
  bool loggedIn = false;
  QObject::connect(&w, &LoginWindow::loggedIn, [&] { loggedIn = true; });
  state.loginMode = 0;
  w.openPage(false);
  w.show();
  auto* names = w.findChild<QComboBox*>(QStringLiteral("登录名组合框"));
  auto* password = w.findChild<QLineEdit*>(QStringLiteral("登陆密码编辑框"));
  EXPECT_EQ(names->count(), 0);
  names->setEditText(QStringLiteral("李主任"));
  QTest::keyClicks(password, QStringLiteral("bad"));
  QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("登录钮")), Qt::LeftButton);
  EXPECT_FALSE(loggedIn);
  EXPECT_EQ(password->text(), QString());
  EXPECT_EQ(prompt.last().text, QStringLiteral("用户名或密码错误，请重新登录！  "));

  // Enter in the password box logs in.
  QTest::keyClicks(password, QStringLiteral("123456"));
  QTest::keyClick(password, Qt::Key_Return);
  EXPECT_TRUE(loggedIn);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(state.user.name, QStringLiteral("李主任"));
  EXPECT_EQ(readRecentUsers(state.usersDatPath()).first(), QStringLiteral("李主任"));
}

TEST_F(LoginWindowTest, ClosingTheLoginPageAsksFirst) {
  LoginWindow w(state, prompt);
  bool ended = false;
  QObject::connect(&w, &LoginWindow::endProgram, [&] { ended = true; });
  state.loginMode = 0;
  w.openPage(false);
  w.show();
  prompt.answer(false);
  w.close();
  EXPECT_EQ(prompt.last().text, QStringLiteral("您真的要退出系统吗？"));
  EXPECT_EQ(prompt.last().title, QStringLiteral("询问"));
  EXPECT_TRUE(w.isVisible());
  EXPECT_FALSE(ended);
  prompt.answer(true);
  w.close();
  EXPECT_TRUE(ended);
  EXPECT_FALSE(state.db.isOpen());
}

TEST_F(LoginWindowTest, LeavingAReloginOnlyClosesTheWindow) {
  LoginWindow w(state, prompt);
  bool ended = false;
  QObject::connect(&w, &LoginWindow::endProgram, [&] { ended = true; });
  state.loginMode = 0;
  w.openPage(true);
  w.show();
  QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("退出登陆钮")), Qt::LeftButton);
  EXPECT_FALSE(ended);
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(state.db.isOpen());
  EXPECT_TRUE(prompt.shown().empty());
}

}  // namespace
}  // namespace sa::core
