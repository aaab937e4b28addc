#pragma once
// Logging in and out against the users table, and the recent-user list of
// Users.dat.
#include <QString>
#include <QStringList>

#include "app/core/app_state.h"
#include "app/ui/prompt.h"

namespace sa::core {

enum class LoginOutcome {
  MissingInput,   // a box was empty; the message was shown
  ServerError,    // the statement failed; the counter is unchanged
  WrongPassword,  // no such account; the counter went up
  Ended,          // the fourth wrong attempt: the connection is closed, the program must end
  LoggedIn,       // state.user is filled and the account marked online
};

// What the login page asks the window to do about its boxes afterwards.
enum class LoginFocus { None, NameBox, PasswordBox };

class LoginService {
 public:
  LoginService(AppState& state, ui::Prompt& prompt) : state_(state), prompt_(prompt) {}

  // The login page opened: the failed-login counter starts again.
  void reset() { failures_ = 0; }
  int failures() const { return failures_; }

  LoginOutcome login(const QString& name, const QString& password);
  // Where the window should put the focus after the last login attempt, and
  // whether it should clear the password box.
  LoginFocus focusAfter() const { return focus_; }
  bool clearPassword() const { return clearPassword_; }

 private:
  void fillUser(const db::Result& row, const QString& name, const QString& passwordExpression);

  AppState& state_;
  ui::Prompt& prompt_;
  int failures_ = 0;
  LoginFocus focus_ = LoginFocus::None;
  bool clearPassword_ = false;
};

// SHA1(CONCAT(UPPER('<name>'),':',UPPER('<password>'))) with both values
// escaped, as the login and logout statements use it.
QString passwordExpression(const db::Connection& db, const QString& name, const QString& password);

// Marks the logged-in account offline. False when the statement failed (not
// reported to the user).
bool logout(AppState& state);

// Every IPv4 address of this machine's host name, each followed by one space.
QString localIpList();

// The recent-user list: keys User1..User5 of section User in Users.dat.
QStringList readRecentUsers(const QString& usersDatPath);
// The non-empty names from User1 on, stopping at the first empty key: what the
// login box offers.
QStringList recentUserChoices(const QStringList& five);
// The five keys after `name` logged in (see the login page's rules).
QStringList updatedRecentUsers(QStringList five, const QString& name);
void rememberRecentUser(const QString& usersDatPath, const QString& name);

}  // namespace sa::core
