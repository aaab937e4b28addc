#include "app/core/login_service.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>

#include "common/ini_file.h"
#include "common/teaching_list.h"

namespace sa::core {

using ui::Icon;

namespace {
const QString kUserSection = QStringLiteral("User");
QString userKey(int i) { return QStringLiteral("User%1").arg(i); }
}  // namespace

QString passwordExpression(const db::Connection& db, const QString& name, const QString& password) {
  return QStringLiteral("SHA1(CONCAT(UPPER('%1'),':',UPPER('%2')))").arg(db.esc(name), db.esc(password));
}

LoginOutcome LoginService::login(const QString& name, const QString& password) {
  focus_ = LoginFocus::None;
  clearPassword_ = false;
  if (name.isEmpty()) {
    prompt_.message(QStringLiteral("请输入你的用户名！  "), QStringLiteral("提示"));
    focus_ = LoginFocus::NameBox;
    return LoginOutcome::MissingInput;
  }
  if (password.isEmpty()) {
    prompt_.message(QStringLiteral("请输入你的用户密码！  "), QStringLiteral("提示"));
    focus_ = LoginFocus::PasswordBox;
    return LoginOutcome::MissingInput;
  }

  db::Connection& db = state_.db;
  const QString expression = passwordExpression(db, name, password);
  db::Result r = db.query(QStringLiteral("select * from users where User='") + db.esc(name) +
                          QStringLiteral("' and PassWord=") + expression + QStringLiteral(";"));
  if (!r) {
    prompt_.message(QStringLiteral("联系服务器失败！"), QStringLiteral("连接失败"), Icon::Error);
    return LoginOutcome::ServerError;
  }
  if (r.rowCount() == 0) {
    if (failures_ >= 3) {
      prompt_.message(QStringLiteral("抱歉！你无权使用本系统！"), QStringLiteral("错误！"), Icon::Error);
      db.close();
      return LoginOutcome::Ended;
    }
    prompt_.message(QStringLiteral("用户名或密码错误，请重新登录！  "), QStringLiteral("错误！"), Icon::Error);
    clearPassword_ = true;
    focus_ = LoginFocus::PasswordBox;
    ++failures_;
    return LoginOutcome::WrongPassword;
  }

  r.seek(0);
  if (r.value(QStringLiteral("Online")) == QLatin1String("1"))
    prompt_.message(QStringLiteral("该用户已经在别处登录\r\n或上次非正常退出。"), QStringLiteral("提示："),
                    Icon::Information);
  fillUser(r, name, expression);

  // Marking the account online is not checked: the login stands either way.
  db.execute(QStringLiteral("update users set Online='1',LastIP='") + db.esc(state_.user.localIps) +
             QStringLiteral("'  where User='") + db.esc(name) + QStringLiteral("' and PassWord=") + expression +
             QStringLiteral(";"));
  rememberRecentUser(state_.usersDatPath(), name);
  failures_ = 0;
  return LoginOutcome::LoggedIn;
}

void LoginService::fillUser(const db::Result& r, const QString& name, const QString& expression) {
  const db::Connection& db = state_.db;
  auto escape = [&db](const QString& v) { return db.esc(v); };
  LoggedInUser& u = state_.user;
  u = LoggedInUser{};
  u.loggedIn = true;
  u.name = name;
  u.passwordExpression = expression;
  u.levelText = r.value(QStringLiteral("Level"));
  bool ok = false;
  u.level = u.levelText.trimmed().toDouble(&ok);
  if (!ok) u.level = 0;
  u.office = r.value(QStringLiteral("Office"));
  u.classTutor = r.value(QStringLiteral("ClassTutor"));
  u.gradeList = teaching::gradeSqlInList(r.value(QStringLiteral("GradeID")), u.classTutor, escape);
  u.classList = teaching::sqlInList(r.value(QStringLiteral("Class")), escape);
  u.classIdList = teaching::sqlInList(r.value(QStringLiteral("ClassID")), escape);
  u.localIps = localIpList();
}

bool logout(AppState& state) {
  if (!state.user.loggedIn) return true;
  return state.db.execute(QStringLiteral("update users set Online='0'  where User='") + state.db.esc(state.user.name) +
                          QStringLiteral("' and PassWord=") + state.user.passwordExpression + QStringLiteral(";"));
}

QString localIpList() {
  QString out;
  const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
  for (const QHostAddress& a : info.addresses())
    if (a.protocol() == QAbstractSocket::IPv4Protocol) out += a.toString() + QLatin1Char(' ');
  if (out.isEmpty()) {
    // A host name without an address of its own: list the interfaces instead.
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
      if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) out += a.toString() + QLatin1Char(' ');
  }
  return out;
}

QStringList readRecentUsers(const QString& usersDatPath) {
  IniFile ini(usersDatPath);
  QStringList five;
  for (int i = 1; i <= 5; ++i) five << ini.read(kUserSection, userKey(i));
  return five;
}

QStringList recentUserChoices(const QStringList& five) {
  QStringList out;
  for (const QString& n : five) {
    if (n.isEmpty()) break;
    out << n;
  }
  return out;
}

QStringList updatedRecentUsers(QStringList five, const QString& name) {
  while (five.size() < 5) five << QString();
  five = five.mid(0, 5);
  int p = 0;
  for (int i = 0; i < 5; ++i)
    if (five[i] == name) {
      p = i + 1;
      break;
    }
  int n = 0;
  while (n < 5 && !five[n].isEmpty()) ++n;
  if (p == 0 && n < 5) {
    five[n] = name;
  } else if (p == 0) {
    five.removeFirst();
    five << name;
  } else {
    for (int i = p; i < 5; ++i) five[i - 1] = five[i];
    // With the name found inside the filled keys, n >= p and key n gets it.
    five[qMax(n, 1) - 1] = name;
  }
  return five;
}

void rememberRecentUser(const QString& usersDatPath, const QString& name) {
  const QStringList before = readRecentUsers(usersDatPath);
  const QStringList after = updatedRecentUsers(before, name);
  IniFile ini(usersDatPath);
  for (int i = 0; i < 5; ++i)
    if (after[i] != before[i]) ini.write(kUserSection, userKey(i + 1), after[i]);
}

}  // namespace sa::core
